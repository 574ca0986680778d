// Fuzzes the recording reader: any bytes are read as a recording file and,
// when they read, checked against a story hash. Any crash, hang or sanitizer
// report is a fault; a refusal is the expected answer to most inputs.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "record/recording.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const zemra::RecordingRead read = zemra::ReadRecording(bytes);
  if (read.recording) {
    (void)zemra::RecordingMismatch(read.recording->header, std::string("0"));
    for (const zemra::RecordedLine& line : read.recording->lines) {
      if (line.input) (void)zemra::InputLine(*line.input);
    }
  }
  return 0;
}
