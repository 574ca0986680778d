// The one sitting the module holds, shared by the site's calls and the
// tests' calls.
#pragma once

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "desk/replay_pace.h"
#include "engine/locations.h"
#include "platform/temp_folder.h"
#include "record/recording_writer.h"
#include "text/text_session.h"
#include "web/web_pictures.h"

namespace zemra {

// The pictures outlive the session that tells them; the recording ends
// before the session, as its last screen is read from the game.
// A watched recording plays in a scratch folder of its own, with no recording.
struct WebSitting {
  WebPictures pictures;
  std::unique_ptr<TempFolder> scratch;
  std::unique_ptr<TextSession> session;
  std::unique_ptr<RecordingWriter> recording;
  std::unique_ptr<ReplayPace> pace;
  std::string refusal;  // why the watched replay's last input was refused, or ""

  void End() {
    pace.reset();
    recording.reset();
    session.reset();
    scratch.reset();
    refusal.clear();
  }
};

inline constexpr char kSaveFolder[] = "/save";

// The content at the root of the module's file system, the save in /save.
inline GameLocations WebLocations(std::filesystem::path save_dir = kSaveFolder) {
  return GameLocations{{std::filesystem::path("/")}, std::move(save_dir)};
}

// The seed comes as decimal text: a JavaScript number cannot hold every 64-bit seed.
inline bool ParseSeed(const std::string& text, std::uint64_t& seed) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
  return error == std::errc() && end == text.data() + text.size();
}

inline WebSitting& TheSitting() {
  static WebSitting sitting;
  return sitting;
}

}  // namespace zemra
