// The recordings folder beside the save: one file a sitting, the newest kept.
#include "record/recording_folder.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <ctime>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace zemra {

std::optional<std::filesystem::path> NewRecordingPath(const std::filesystem::path& save_dir,
                                                      std::chrono::system_clock::time_point start) {
  const std::filesystem::path folder = save_dir / kRecordingsFolder;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error || !std::filesystem::is_directory(folder, error)) return std::nullopt;
  const std::time_t seconds = std::chrono::system_clock::to_time_t(start);
  std::tm local{};
  if (::localtime_r(&seconds, &local) == nullptr) return std::nullopt;
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H-%M-%S", &local);
  for (int n = 1; n < 1000; ++n) {
    const std::string name = std::string(stamp) + (n == 1 ? "" : "-" + std::to_string(n)) + kRecordingExtension;
    const std::filesystem::path file = folder / name;
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) {
      ::close(fd);
      return file;
    }
    if (errno != EEXIST) return std::nullopt;
  }
  return std::nullopt;
}

namespace {

// A name's start time and its number within that second ("-2" is 2, none is 1).
std::pair<std::string_view, unsigned long> NameOrder(std::string_view name) {
  constexpr std::size_t kStampLength = std::string_view("2026-12-10T14-03-22").size();
  if (name.ends_with(kRecordingExtension)) name.remove_suffix(std::string_view(kRecordingExtension).size());
  if (name.size() > kStampLength + 1 && name[kStampLength] == '-') {
    const std::string_view digits = name.substr(kStampLength + 1);
    unsigned long number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error == std::errc() && end == digits.data() + digits.size()) return {name.substr(0, kStampLength), number};
  }
  return {name, 1};
}

}  // namespace

bool RecordingNamedEarlier(std::string_view a, std::string_view b) { return NameOrder(a) < NameOrder(b); }

void PruneRecordings(const std::filesystem::path& folder, int keep) {
  std::error_code error;
  std::vector<std::filesystem::path> files;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (it->is_regular_file(error) && it->path().extension() == kRecordingExtension) files.push_back(it->path());
  }
  if (files.size() <= static_cast<std::size_t>(keep)) return;
  std::sort(files.begin(), files.end(),
            [](const auto& a, const auto& b) { return RecordingNamedEarlier(a.filename().string(), b.filename().string()); });
  for (std::size_t i = 0; i + static_cast<std::size_t>(keep) < files.size(); ++i) std::filesystem::remove(files[i], error);
}

}  // namespace zemra
