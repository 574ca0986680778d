// flock on a file that is removed when the sitting ends. A sitting that
// opened the file just before it was removed could lock the removed file,
// so a lock counts only while the name still leads to the locked file.
#include "platform/save_folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <utility>

namespace zemra {
namespace {

bool SameFile(int fd, const std::filesystem::path& file) {
  struct stat open_file {};
  struct stat named {};
  return ::fstat(fd, &open_file) == 0 && ::stat(file.c_str(), &named) == 0 && open_file.st_dev == named.st_dev &&
         open_file.st_ino == named.st_ino;
}

}  // namespace

std::optional<SaveFolderLock> SaveFolderLock::Take(const std::filesystem::path& save_dir) {
  const std::filesystem::path file = (save_dir.empty() ? std::filesystem::path(".") : save_dir) / kSaveFolderLockFile;
  for (int attempt = 0; attempt < 8; ++attempt) {
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) return SaveFolderLock(-1, {});
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      ::close(fd);
      if (error == EWOULDBLOCK) return std::nullopt;
      return SaveFolderLock(-1, {});
    }
    if (SameFile(fd, file)) {
      // Who holds it, for a person looking at the folder.
      const std::string pid = std::to_string(::getpid()) + "\n";
      if (::ftruncate(fd, 0) == 0 && ::write(fd, pid.data(), pid.size()) < 0) {
        // The number is only a courtesy; the lock is what counts.
      }
      return SaveFolderLock(fd, file);
    }
    ::close(fd);  // the file went away under us: the sitting that had it ended
  }
  return SaveFolderLock(-1, {});
}

SaveFolderLock::SaveFolderLock(SaveFolderLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), file_(std::move(other.file_)) {}

SaveFolderLock& SaveFolderLock::operator=(SaveFolderLock&& other) noexcept {
  if (this != &other) {
    Release();
    fd_ = std::exchange(other.fd_, -1);
    file_ = std::move(other.file_);
  }
  return *this;
}

SaveFolderLock::~SaveFolderLock() { Release(); }

void SaveFolderLock::Release() {
  if (fd_ < 0) return;
  ::unlink(file_.c_str());
  ::close(fd_);
  fd_ = -1;
}

}  // namespace zemra
