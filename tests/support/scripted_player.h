// A simple player for whole runs through the text front end: it reads each
// screen and picks the next action by a few fixed rules. With luck on, it
// queues the draws that would otherwise take many battles (see Lucky below).
#pragma once

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "engine/translate.h"
#include "support/text_process.h"

namespace zemra::testing {

struct RunFigures {
  bool reached_ending = false;
  bool saved_at_ending = false;
  int actions = 0;
  int battles = 0;
  double seconds = 0;
  std::string last_screen;
};

class ScriptedPlayer {
 public:
  // Lucky: at each wander below the deepest stairs it queues the draws of an
  // ordinary enemy that carries a 階段剣 (its own cards stay random), and
  // before each blow it queues the player's new card so that, once the first
  // hand is played out, every blow is exactly 100, a critical. The Queen's
  // first turn draws once for its barrier; that draw is queued too.
  // In English it reads and presses the English of the same texts.
  ScriptedPlayer(const std::filesystem::path& dir, int seed, bool lucky, Language language = Language::kJapanese)
      : process_(dir, seed, LanguageCode(language).data()), lucky_(lucky), language_(language) {}

  // Each screen the player reads is handed to `seen` first, if given.
  RunFigures Play(int action_limit, const std::function<void(const nlohmann::json&)>& seen = nullptr) {
    const auto start = std::chrono::steady_clock::now();
    nlohmann::json screen = process_.Read();
    while (figures_.actions < action_limit && screen.is_object() && !screen["terminated"].get<bool>()) {
      for (const std::string& action : Decide(screen)) {
        if (seen) seen(screen);
        screen = process_.Act(action);
        ++figures_.actions;
        if (!screen.is_object()) break;
      }
    }
    figures_.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    figures_.battles = screen.is_object() ? screen["run"]["battleCount"].get<int>() : -1;
    figures_.last_screen = screen.dump();
    return figures_;
  }

 private:
  std::string T(std::string_view japanese) const { return TrIn(language_, japanese); }
  bool Has(const nlohmann::json& screen, std::string_view caption) const {
    for (const auto& c : screen["commands"]) {
      if (c == Caption(caption)) return true;
    }
    return false;
  }
  bool FirstLineIs(const nlohmann::json& screen, std::string_view line) const {
    return !screen["lines"].empty() && screen["lines"][0] == T(line);
  }
  // The captions whose button reads otherwise than the same text elsewhere (a msgctxt).
  std::string Caption(std::string_view japanese) const {
    return japanese == "剣" || japanese == "exit" ? TrCtxIn(language_, "button", japanese) : T(japanese);
  }
  std::string Press(std::string_view caption) const { return "press " + Caption(caption); }
  // "★★☆", "3／5" or "3/5": life and its maximum.
  static std::pair<int, int> Life(const nlohmann::json& fighter) {
    const std::string text = fighter["life"].get<std::string>();
    if (const auto slash = text.find("／"); slash != std::string::npos) {
      return {std::stoi(text.substr(0, slash)), std::stoi(text.substr(slash + 3))};
    }
    if (const auto slash = text.find('/'); slash != std::string::npos) {
      return {std::stoi(text.substr(0, slash)), std::stoi(text.substr(slash + 1))};
    }
    int full = 0;
    int all = 0;
    for (std::size_t i = 0; i + 3 <= text.size(); i += 3) {
      ++all;
      if (text.compare(i, 3, "★") == 0) ++full;
    }
    return {full, all};
  }
  static int SwordCount(const nlohmann::json& screen) {
    int n = 0;
    for (const auto& label : screen["swords"]["labels"]) n += label != "" ? 1 : 0;
    return n;
  }
  // The label of the first stairs sword in the row shown, if any.
  std::optional<int> StairsLabel(const nlohmann::json& screen) const {
    const auto& labels = screen["swords"]["labels"];
    for (int i = 0; i < static_cast<int>(labels.size()); ++i) {
      const std::string label = labels[static_cast<std::size_t>(i)].get<std::string>();
      if (label.starts_with(T("階段剣") + " ") || label.starts_with(T("草薙") + " ")) return i;
    }
    return std::nullopt;
  }

  std::vector<std::string> Decide(const nlohmann::json& s) {
    const std::string page = s["page"].get<std::string>();
    if (page == "title") return {"title"};
    if (page == "name") return {"name 剣聖"};
    const int depth = s["run"]["depth"].get<int>();
    if (FirstLineIs(s, "あなたが落としたのはこのステータスですか？")) {
      const bool good = Life(s["self"]).second >= 2 && SwordCount(s) < 8;
      return {good ? Press("はい") : Press("いいえ")};
    }
    if (FirstLineIs(s, "クリアです。")) {
      figures_.reached_ending = true;
      return {Press("セーブ")};
    }
    if (FirstLineIs(s, "セーブしました。") && Has(s, "終")) {
      figures_.saved_at_ending = true;
      return {Press("終")};
    }
    if (Has(s, "終")) return {Press("終")};  // game over
    if (Has(s, "戦う")) {
      queen_barrier_pending_ = lucky_ && s["enemy"]["name"] == s["run"]["playerName"];
      return {Press("戦う")};
    }
    if (FirstLineIs(s, "どうする？")) return Fight(s);
    if (FirstLineIs(s, "どの剣を奪いますか？")) {
      if (const auto stairs = StairsLabel(s); stairs && self_swords_ < 8) return {"click " + std::to_string(*stairs)};
      return {Press("去る")};
    }
    if (Has(s, "徘徊")) {
      self_swords_ = SwordCount(s);
      return {Press("剣")};  // the sword menu shows the row: stairs are used from there
    }
    if (FirstLineIs(s, "どうしますか？")) {
      self_swords_ = SwordCount(s);
      if (StairsLabel(s)) return {Press("始動")};
      std::vector<std::string> actions{Press("exit")};
      if (lucky_ && depth <= 8) actions.push_back("rolls 1 1 0 0 1 5 15");
      actions.push_back(Press("徘徊"));
      return actions;
    }
    if (FirstLineIs(s, "どの剣を始動させますか？")) {
      if (const auto stairs = StairsLabel(s)) return {"click " + std::to_string(*stairs)};
      return {Press("戻る")};
    }
    if (Has(s, "降りる")) return {Press("降りる")};
    if (Has(s, "はい")) return {Press("はい")};
    if (Has(s, "≫")) return {Press("≫")};
    return {"press " + s["commands"][0].get<std::string>()};
  }

  std::vector<std::string> Fight(const nlohmann::json& s) {
    if (!lucky_) return {Press("ファイト")};
    if (queen_barrier_pending_) {
      queen_barrier_pending_ = false;
      return {"rolls 0", Press("ファイト")};
    }
    // The enemy draws first, then the player.
    const int hit = std::stoi(s["self"]["hit"].get<std::string>());
    return {"rolls 50 " + std::to_string(100 - hit), Press("ファイト")};
  }

  TextProcess process_;
  bool lucky_;
  Language language_;
  bool queen_barrier_pending_ = false;
  int self_swords_ = 0;
  RunFigures figures_;
};

}  // namespace zemra::testing
