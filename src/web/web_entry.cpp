// The browser's way into the core: the text front end's session, one action
// line at a time, answered with the screen as JSON. The content is packed
// into the module's own file system under /dat; the save folder is /save.
#include <emscripten/bind.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "measure/battle_bench.h"
#include "text/text_session.h"

namespace {

constexpr char kSaveFolder[] = "/save";

std::unique_ptr<zemra::TextSession>& Session() {
  static std::unique_ptr<zemra::TextSession> session;
  return session;
}

// Starts a sitting (a running one ends first) and returns its first screen.
// The seed comes as decimal text: a JavaScript number cannot hold every
// 64-bit seed.
std::string Start(const std::string& seed_text, bool new_run) {
  std::uint64_t seed = 0;
  const auto [end, error] = std::from_chars(seed_text.data(), seed_text.data() + seed_text.size(), seed);
  if (error != std::errc() || end != seed_text.data() + seed_text.size()) {
    return R"({"error":"the seed is not a whole number"})";
  }
  Session().reset();
  std::error_code ignored;
  std::filesystem::create_directories(kSaveFolder, ignored);
  Session() = std::make_unique<zemra::TextSession>(seed, zemra::GameLocations{{std::filesystem::path("/")}, kSaveFolder},
                                                   new_run);
  return Session()->StateJson();
}

// One action, as zemra6-text reads it from a line; the screen after it.
std::string Perform(const std::string& line) {
  if (Session() == nullptr) return R"({"error":"the game is not running"})";
  return Session()->Perform(line);
}

bool Finished() { return Session() == nullptr || Session()->Finished(); }

// The battle benchmark's battles on a seed, as zemra6-battlebench prints them:
// "N battles, checksum X" (any sitting ends first: the core is one).
std::string BattleBench(const std::string& seed_text, int battles) {
  std::uint64_t seed = 0;
  std::from_chars(seed_text.data(), seed_text.data() + seed_text.size(), seed);
  Session().reset();
  const zemra::BattleTally tally = zemra::PlayBenchBattles(seed, battles, zemra::GameLocations{{std::filesystem::path("/")}, {}});
  char text[64];
  std::snprintf(text, sizeof text, "%d battles, checksum %016llx", tally.battles,
                static_cast<unsigned long long>(tally.checksum));
  return text;
}

}  // namespace

EMSCRIPTEN_BINDINGS(zemra6) {
  emscripten::function("start", &Start);
  emscripten::function("perform", &Perform);
  emscripten::function("finished", &Finished);
  emscripten::function("battleBench", &BattleBench);
}
