// One sitting per save folder: a sitting holds an advisory lock on a file in
// its save folder for as long as it runs, so a second window or text session
// on the same save cannot start and silently overwrite the first one's
// progress. The kernel drops the lock with the process, so a crashed
// sitting's lock is simply taken over.
#pragma once

#include <filesystem>
#include <optional>

namespace zemra {

inline constexpr char kSaveFolderLockFile[] = ".zemra6.lock";
// Both programs' exit status when another sitting holds the save folder.
inline constexpr int kSaveFolderBusyStatus = 3;

class SaveFolderLock {
 public:
  // The lock on save_dir (empty: the working directory); nullopt when
  // another sitting holds it.
  static std::optional<SaveFolderLock> Take(const std::filesystem::path& save_dir);

  SaveFolderLock(SaveFolderLock&& other) noexcept;
  SaveFolderLock& operator=(SaveFolderLock&& other) noexcept;
  SaveFolderLock(const SaveFolderLock&) = delete;
  SaveFolderLock& operator=(const SaveFolderLock&) = delete;
  // Removes the lock file, then lets the lock go: the folder is left as the sitting found it.
  ~SaveFolderLock();

  // False when no lock file could be made (a read-only folder): the sitting
  // plays on unguarded, as it could not save there anyway.
  bool Held() const { return fd_ >= 0; }

 private:
  SaveFolderLock(int fd, std::filesystem::path file) : fd_(fd), file_(std::move(file)) {}
  void Release();

  int fd_ = -1;
  std::filesystem::path file_;
};

}  // namespace zemra
