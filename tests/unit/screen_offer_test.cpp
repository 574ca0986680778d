// The text front end's screen description offers exactly what can be used:
// every action it offers is taken, on screens reached by random walks.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <random>
#include <string>
#include <vector>

#include "platform/temp_folder.h"
#include "support/crafted_save.h"
#include "text/text_session.h"

namespace zemra {
namespace {

using nlohmann::json;

// A session of its own, in a folder of its own, from the same start every
// time. The core is one per process: one sitting at a time.
class Sitting {
 public:
  using SaveWriter = void (*)(const std::filesystem::path&);
  Sitting(std::uint64_t seed, SaveWriter save) {
    if (save != nullptr) save(folder_.Path());
    session_.emplace(seed, GameLocations{{std::filesystem::path{}, ZEMRA_SOURCE_DIR}, folder_.Path()});
  }
  json Perform(const std::string& action) { return json::parse(session_->Perform(action)); }
  json State() { return json::parse(session_->StateJson()); }

 private:
  TempFolder folder_;
  std::optional<TextSession> session_;
};

// Every action the screen offers, as a player reading it would take them.
std::vector<std::string> Offered(const json& screen) {
  std::vector<std::string> offered;
  if (screen["terminated"].get<bool>()) return offered;
  if (screen["page"] == "title") offered.push_back("title");
  if (screen["page"] == "name") offered.push_back("name 剣");
  if (screen["page"] != "main") return offered;
  for (const auto& caption : screen["commands"]) offered.push_back("press " + caption.get<std::string>());
  const json& swords = screen["swords"];
  for (std::size_t i = 0; i < swords["labels"].size(); ++i) {
    if (swords["clickable"].get<bool>() && !swords["labels"][i].get<std::string>().empty()) {
      offered.push_back("click " + std::to_string(i));
    }
    if (screen["top"] == "sword") offered.push_back("hover " + std::to_string(i));
  }
  offered.push_back("leave");
  return offered;
}

struct Start {
  const char* what;
  std::uint64_t seed;
  Sitting::SaveWriter save;
};

TEST(ScreenOffer, EveryOfferedActionIsTakenOnRandomScreens) {
  const Start starts[] = {
      {"a fresh run", 3, nullptr},
      {"a field with drives", 5,
       [](const std::filesystem::path& dir) {
         testing::WriteCraftedSave(dir, {3, {"階段剣", "薬草剣", "リドローブレード", "クロス", "刀"}, {10, 20, 30, 40, 50}});
       }},
      {"a field with a save console", 8,
       [](const std::filesystem::path& dir) {
         testing::WriteCraftedSave(dir, {2, {"セーブブレード", "宿泊剣", "ピストル", "煙幕剣"}, {60, 5, 33, 71, 2}});
       }},
  };
  constexpr int kSteps = 45;
  for (const Start& start : starts) {
    const Sitting::SaveWriter save = start.save;
    std::mt19937 pick(static_cast<std::uint32_t>(start.seed));
    std::vector<std::string> path;
    // The screen at the end of the path, reached again from the start.
    const auto reach = [&](const std::string* then) {
      Sitting sitting(start.seed, save);
      json screen = sitting.State();
      for (const std::string& action : path) screen = sitting.Perform(action);
      return then != nullptr ? sitting.Perform(*then) : screen;
    };
    json screen = reach(nullptr);
    for (int step = 0; step < kSteps; ++step) {
      const std::vector<std::string> offered = Offered(screen);
      if (offered.empty()) break;
      for (const std::string& action : offered) {
        const json after = reach(&action);
        EXPECT_FALSE(after.contains("error")) << start.what << ", step " << step << ": " << action << " refused ("
                                              << after.value("error", "") << ") on " << screen.dump();
      }
      // Presses move the walk on more often than mouse moves do.
      std::string next = offered[pick() % offered.size()];
      if (next.rfind("hover", 0) == 0 && pick() % 2 == 0) next = offered[pick() % offered.size()];
      path.push_back(next);
      if (pick() % 3 == 0) path.push_back("tick 1000");
      screen = reach(nullptr);
    }
  }
}

TEST(ScreenOffer, WhatTheSwordInformationAndAHiddenRowTakeAway) {
  const Sitting::SaveWriter save = [](const std::filesystem::path& dir) {
    testing::WriteCraftedSave(dir, {3, {"階段剣", "クロス", "刀"}, {10, 20, 30, 40, 50}});
  };
  {
    Sitting sitting(1, save);
    sitting.Perform("press 剣");
    sitting.Perform("press 始動");
    const json info = sitting.Perform("hover 0");
    EXPECT_EQ(info["commands"], json::array());
    EXPECT_EQ(info["buttons"], json(std::vector<std::nullptr_t>(5, nullptr)));
    EXPECT_TRUE(sitting.Perform("press 戻る").contains("error"));
    EXPECT_EQ(sitting.Perform("leave")["commands"], json::parse(R"(["戻る"])"));
  }
  {
    Sitting sitting(1, save);
    sitting.Perform("rolls 1 1 0 0 1 5 99 0 1 2 3 4");
    sitting.Perform("press 徘徊");
    sitting.Perform("press 戦う");
    sitting.Perform("press 剣始動");
    const json back = sitting.Perform("press 戻る");
    ASSERT_EQ(back["top"], "enemy") << back.dump();
    EXPECT_FALSE(back["swords"]["clickable"].get<bool>());
    EXPECT_TRUE(sitting.Perform("click 1").contains("error"));
  }
}

}  // namespace
}  // namespace zemra
