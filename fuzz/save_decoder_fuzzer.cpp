// Fuzzes the save decoder: any bytes, as a record with or without a valid
// check code. A record the decoder accepts must encode again and decode to
// the same run, so nothing it lets in is lost or changed by the next save.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "data/save_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  (void)zemra::CheckCodeMatches(bytes);
  const std::optional<zemra::TPlayerData> run = zemra::DecodePlayerData(bytes);
  if (!run) return 0;
  const std::optional<std::string> again = zemra::EncodeSaveRecord(*run);
  if (!again || !zemra::CheckCodeMatches(*again)) std::abort();
  const std::optional<zemra::TPlayerData> back = zemra::DecodePlayerData(*again);
  if (!back || !(*back == *run)) std::abort();
  return 0;
}
