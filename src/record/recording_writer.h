// Writes a sitting's recording as it is played: each line is flushed as soon
// as it is known (a batch's lines when it closes), so a sitting that ends
// badly leaves a file up to its last input.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "record/input_log.h"
#include "record/recording.h"

namespace zemra {

class RecordingWriter final : public InputLog {
 public:
  // The wall-clock time since the sitting began.
  using WallClock = std::function<std::chrono::milliseconds()>;
  // The path a file worth keeping moves to (made, and ready to be replaced);
  // none when there is no room for it.
  using KeepAs = std::function<std::optional<std::filesystem::path>()>;

  // Creates the file and writes the header; Ok() tells whether it could.
  // With keep_as the file is a working one until the first input that is not
  // a clock step, when it moves to keep_as's path; a sitting that ends before
  // such an input is not kept, and its file is removed. Without a wall clock
  // the writer keeps its own from now.
  RecordingWriter(const std::filesystem::path& file, const RecordingHeader& header, KeepAs keep_as = nullptr,
                  WallClock wall_clock = nullptr);
  ~RecordingWriter() override;
  RecordingWriter(const RecordingWriter&) = delete;
  RecordingWriter& operator=(const RecordingWriter&) = delete;

  bool Ok() const { return out_.good(); }
  // Where the recording is kept; none while it is still a working file.
  std::optional<std::filesystem::path> KeptFile() const;

  void Applying(const Input& input) override;
  void Applied(const Input& input, bool outermost) override;
  void OpenBatch() override { ++open_batches_; }
  void CloseBatch() override;

 private:
  enum class Keeping { kWorking, kKept, kNoRoom };

  void WriteLine(const std::string& line);
  void FlushIdleSteps();
  void WriteDigest();
  // Before an input of the player's: the file is kept, and its wall clock read.
  void PlayerInput();

  std::filesystem::path file_;
  std::ofstream out_;
  KeepAs keep_as_;
  WallClock wall_clock_;
  Keeping keeping_;
  // Clock steps that ran no job change nothing but the clock: they are added
  // into the next step written, or written as one step before the next input.
  std::uint32_t idle_ms_ = 0;
  bool step_is_idle_ = false;
  // A screen is written only when it differs from the last one written.
  std::string last_digest_;
  // Whole seconds of the last wall-clock line: one with the first input, then one a second at most.
  std::optional<std::uint32_t> wall_seconds_;
  // A thousand steps of one long clock step would cost a thousand writes.
  int open_batches_ = 0;
};

}  // namespace zemra

namespace zemra {

// Starts the recording of a sitting in save_dir/recordings: kept under its
// start time from the player's first input on, when the older ones beyond the
// number kept go. The header is taken before the game starts (a fresh run
// moves the save aside). None when no file can be made.
std::unique_ptr<RecordingWriter> StartSittingRecording(const std::filesystem::path& save_dir,
                                                       const RecordingHeader& header);

}  // namespace zemra
