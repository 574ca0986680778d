// Writes a sitting line by line, flushing each, so a crash leaves what came before.
#include "record/recording_writer.h"

#include <limits>
#include <system_error>
#include <utility>

#include "record/recording_folder.h"
#include "record/screen_digest.h"
#include "runtime/game_objects.h"

namespace zemra {

RecordingWriter::RecordingWriter(const std::filesystem::path& file, const RecordingHeader& header, KeepAs keep_as,
                                 WallClock wall_clock)
    : file_(file),
      out_(file, std::ios::binary | std::ios::trunc),
      keep_as_(std::move(keep_as)),
      wall_clock_(std::move(wall_clock)),
      keeping_(keep_as_ ? Keeping::kWorking : Keeping::kKept) {
  if (!wall_clock_) {
    wall_clock_ = [start = std::chrono::steady_clock::now()] {
      return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    };
  }
  WriteLine(HeaderLine(header));
  // The screen the sitting starts on, so a replay that starts elsewhere says so at once.
  if (GameStarted()) WriteDigest();
}

RecordingWriter::~RecordingWriter() {
  if (keeping_ == Keeping::kKept) return;
  out_.close();
  std::error_code ignored;
  std::filesystem::remove(file_, ignored);
}

std::optional<std::filesystem::path> RecordingWriter::KeptFile() const {
  if (keeping_ != Keeping::kKept) return std::nullopt;
  return file_;
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

void RecordingWriter::PlayerInput() {
  if (keeping_ == Keeping::kWorking) {
    // The file is open while it moves: it goes on being written under its new name.
    keeping_ = Keeping::kNoRoom;
    std::error_code error;
    if (const auto kept = keep_as_()) {
      std::filesystem::rename(file_, *kept, error);
      if (!error) {
        file_ = *kept;
        keeping_ = Keeping::kKept;
      }
    }
  }
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(wall_clock_()).count();
  if ((!wall_seconds_ || seconds > *wall_seconds_) && seconds >= 0 &&
      seconds <= std::numeric_limits<std::uint32_t>::max()) {
    wall_seconds_ = static_cast<std::uint32_t>(seconds);
    WriteLine(ElapsedLine(*wall_seconds_));
  }
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
    PlayerInput();
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
  const std::filesystem::path folder = save_dir / kRecordingsFolder;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  // A working file found here is a sitting's that ended with no input before it
  // could remove it: only one sitting plays a save folder, this one now.
  auto writer = std::make_unique<RecordingWriter>(
      folder / kWorkingRecording, header, [save_dir, start = std::chrono::system_clock::now()] {
        auto kept = NewRecordingPath(save_dir, start);
        if (kept) PruneRecordings(kept->parent_path());
        return kept;
      });
  if (!writer->Ok()) return nullptr;
  return writer;
}

}  // namespace zemra
