// Writes a sitting's recording as it is played: each line is flushed as soon
// as it is known (a batch's lines when it closes), so a sitting that ends
// badly leaves a file up to its last input.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "record/input_log.h"
#include "record/recording.h"

namespace zemra {

class RecordingWriter final : public InputLog {
 public:
  // Creates the file and writes the header; Ok() tells whether it could.
  RecordingWriter(const std::filesystem::path& file, const RecordingHeader& header);

  bool Ok() const { return out_.good(); }

  void Applying(const Input& input) override;
  void Applied(const Input& input, bool outermost) override;
  void OpenBatch() override { ++open_batches_; }
  void CloseBatch() override;

 private:
  void WriteLine(const std::string& line);
  void FlushIdleSteps();
  void WriteDigest();

  std::ofstream out_;
  // Clock steps that ran no job change nothing but the clock: they are added
  // into the next step written, or written as one step before the next input.
  std::uint32_t idle_ms_ = 0;
  bool step_is_idle_ = false;
  // A screen is written only when it differs from the last one written.
  std::string last_digest_;
  // A thousand steps of one long clock step would cost a thousand writes.
  int open_batches_ = 0;
};

}  // namespace zemra

namespace zemra {

// Starts the recording of a sitting in save_dir/recordings, then removes the
// older ones beyond the number kept. The header is taken before the game
// starts (a fresh run moves the save aside). None when no file can be made.
std::unique_ptr<RecordingWriter> StartSittingRecording(const std::filesystem::path& save_dir,
                                                       const RecordingHeader& header);

}  // namespace zemra
