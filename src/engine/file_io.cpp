// File helpers on POSIX descriptors, so that flush-to-disk and rename can be
// checked step by step.
#include "engine/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <limits>
#include <system_error>

namespace zemra {
namespace {

// Writes all bytes to an open descriptor, retrying short writes.
bool WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// The rename lives in the folder's own entries: until the folder is synced a
// power cut may still bring the old file back.
bool SyncFolderOf(const std::filesystem::path& path) {
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  return ::close(fd) == 0 && synced;
}

}  // namespace

bool WriteTextFile(const std::filesystem::path& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NONBLOCK, 0644);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, bytes);
  const bool closed = ::close(fd) == 0;
  return written && closed;
}

bool WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path temp = path;
  temp += ".tmp";
  // A stale temporary (or anything else in its place) goes first, so the new one is surely ours.
  std::error_code stale;
  std::filesystem::remove(temp, stale);
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || std::rename(temp.c_str(), path.c_str()) != 0) {
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    return false;
  }
  return SyncFolderOf(path);
}

std::optional<std::string> ReadFileHead(const std::filesystem::path& path, std::size_t max_bytes) {
  // Non-blocking open: a named pipe in the file's place must not freeze the game.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat info {};
  std::optional<std::string> bytes;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    std::string buffer(std::min<std::size_t>(max_bytes, static_cast<std::size_t>(info.st_size)), '\0');
    std::size_t done = 0;
    bool failed = false;
    while (done < buffer.size()) {
      const ssize_t n = ::read(fd, buffer.data() + done, buffer.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) failed = true;
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    buffer.resize(done);
    if (!failed) bytes = std::move(buffer);
  }
  ::close(fd);
  return bytes;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  return ReadFileHead(path, std::numeric_limits<std::size_t>::max());
}

}  // namespace zemra
