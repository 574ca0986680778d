// The calls only the tests and the figures use, linked into the node module
// and the browser tests' module, never into the site's: an action line as
// zemra6-text reads it, the screen's digest, whether the sitting is over, a
// recording line as an input object, and the battle benchmark.
#include <emscripten/bind.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "measure/battle_bench.h"
#include "record/screen_digest.h"
#include "web/web_protocol.h"
#include "web/web_sitting.h"

namespace {

using zemra::TheSitting;

// One action, as zemra6-text reads it from a line; the screen after it.
std::string Perform(const std::string& line) {
  if (TheSitting().session == nullptr) return R"({"error":"the game is not running"})";
  return TheSitting().session->Perform(line);
}

// The digest of the screen now, as a recording checks it.
std::string Digest() { return TheSitting().session == nullptr ? "" : zemra::ScreenDigest(); }

bool Finished() { return TheSitting().session == nullptr || TheSitting().session->Finished(); }

// A recording's input line ("command 4 徘徊") as the object `apply` takes; null for no input.
std::string InputFromLine(const std::string& line) {
  const std::optional<zemra::Input> input = zemra::ParseInput(line);
  return input ? zemra::Dump(zemra::InputToJson(*input)) : "null";
}

// The battle benchmark's battles on a seed, as zemra6-battlebench prints them:
// "N battles, checksum X" (any sitting ends first: the core is one).
std::string BattleBench(const std::string& seed_text, int battles) {
  std::uint64_t seed = 0;
  zemra::ParseSeed(seed_text, seed);
  TheSitting().End();
  const zemra::BattleTally tally = zemra::PlayBenchBattles(seed, battles, zemra::WebLocations({}));
  char text[64];
  std::snprintf(text, sizeof text, "%d battles, checksum %016llx", tally.battles,
                static_cast<unsigned long long>(tally.checksum));
  return text;
}

}  // namespace

EMSCRIPTEN_BINDINGS(zemra6_tests) {
  emscripten::function("perform", &Perform);
  emscripten::function("digest", &Digest);
  emscripten::function("finished", &Finished);
  emscripten::function("inputFromLine", &InputFromLine);
  emscripten::function("battleBench", &BattleBench);
}
