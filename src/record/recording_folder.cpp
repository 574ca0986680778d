// The recordings folder beside the save: one file a sitting, the newest kept.
#include "record/recording_folder.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <string>
#include <system_error>
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

void PruneRecordings(const std::filesystem::path& folder, int keep) {
  std::error_code error;
  std::vector<std::filesystem::path> files;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (it->is_regular_file(error) && it->path().extension() == kRecordingExtension) files.push_back(it->path());
  }
  if (files.size() <= static_cast<std::size_t>(keep)) return;
  // A start-time name sorts as its time does; "-2" names sort after their first.
  std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.stem().string() < b.stem().string(); });
  for (std::size_t i = 0; i + static_cast<std::size_t>(keep) < files.size(); ++i) std::filesystem::remove(files[i], error);
}

}  // namespace zemra
