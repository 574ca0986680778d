// zemra6-text --replay: a recording played headless, its screens printed.
#include "text/text_replay.h"

#include "record/recording.h"
#include "record/replay_cursor.h"
#include "record/scratch_folder.h"
#include "text/text_session.h"

namespace zemra {

int RunTextReplay(const std::filesystem::path& file, bool last_only,
                  const std::vector<std::filesystem::path>& content_roots, std::ostream& out, std::ostream& err) {
  constexpr int kUnreadable = 2;
  const std::string name = "zemra6-text: " + file.string() + ": ";
  GameLocations locations{content_roots, {}};
  RecordingRead read = LoadRecordingForReplay(file, locations);
  if (!read.recording) {
    err << name << read.error << '\n';
    return kUnreadable;
  }
  const TempFolder scratch;
  if (const std::string error = PrepareReplayFolder(scratch, read.recording->header.save); !error.empty()) {
    err << name << error << '\n';
    return kUnreadable;
  }
  locations.save_dir = scratch.Path();
  const RecordingHeader& header = read.recording->header;
  SetLanguage(header.language);  // a recording replays in the language it was played in
  TextSession session(header.seed, locations, header.new_run);
  if (!last_only) out << session.StateJson() << '\n';
  ReplayCursor cursor(std::move(*read.recording));
  while (!cursor.Over()) {
    std::string refusal;
    cursor.ApplyNext([&](const Input& input) { return refusal = session.Apply(input); });
    if (!last_only && (cursor.AtScreen() || !refusal.empty())) out << session.StateJson(refusal) << '\n';
  }
  if (last_only) out << session.StateJson() << '\n';
  out.flush();
  err << name << cursor.Verdict() << '\n';
  return cursor.ExitStatus();
}

}  // namespace zemra
