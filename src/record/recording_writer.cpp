// Writes a sitting line by line, flushing each, so a crash leaves what came before.
#include "record/recording_writer.h"

#include <limits>

#include "record/recording_folder.h"
#include "record/screen_digest.h"
#include "runtime/game_objects.h"

namespace zemra {

RecordingWriter::RecordingWriter(const std::filesystem::path& file, const RecordingHeader& header)
    : out_(file, std::ios::binary | std::ios::trunc) {
  WriteLine(HeaderLine(header));
  // The screen the sitting starts on, so a replay that starts elsewhere says so at once.
  if (GameStarted()) WriteDigest();
}

void RecordingWriter::WriteLine(const std::string& line) {
  if (!out_.good()) return;
  out_ << line << '\n';
  if (open_batches_ == 0) out_.flush();
}

void RecordingWriter::CloseBatch() {
  if (open_batches_ > 0 && --open_batches_ == 0) out_.flush();
}

void RecordingWriter::FlushIdleSteps() {
  if (idle_ms_ > 0) WriteLine(InputLine(Input::ClockStep(idle_ms_)));
  idle_ms_ = 0;
}

void RecordingWriter::Applying(const Input& input) {
  if (input.kind != InputKind::ClockStep) return;
  // No job falls due within the step, so its pass runs nothing.
  const auto wait = GameStarted() ? Scheduler().MsUntilNextDue() : std::nullopt;
  step_is_idle_ = !wait || *wait > input.ms;
}

void RecordingWriter::Applied(const Input& input, bool outermost) {
  if (input.kind == InputKind::ClockStep) {
    const bool room = input.ms <= std::numeric_limits<std::uint32_t>::max() - idle_ms_;
    if (!room) FlushIdleSteps();
    if (step_is_idle_) {
      idle_ms_ += input.ms;
      return;
    }
    const std::uint32_t ms = idle_ms_ + input.ms;
    idle_ms_ = 0;
    WriteLine(InputLine(Input::ClockStep(ms)));
  } else {
    FlushIdleSteps();
    WriteLine(InputLine(input));
  }
  if (outermost) WriteDigest();
}

void RecordingWriter::WriteDigest() {
  std::string digest = ScreenDigest();
  if (digest == last_digest_) return;
  WriteLine(DigestLine(digest));
  last_digest_ = std::move(digest);
}

}  // namespace zemra

namespace zemra {

std::unique_ptr<RecordingWriter> StartSittingRecording(const std::filesystem::path& save_dir,
                                                       const RecordingHeader& header) {
  const auto path = NewRecordingPath(save_dir, std::chrono::system_clock::now());
  if (!path) return nullptr;
  auto writer = std::make_unique<RecordingWriter>(*path, header);
  if (!writer->Ok()) return nullptr;
  PruneRecordings(path->parent_path());
  return writer;
}

}  // namespace zemra
