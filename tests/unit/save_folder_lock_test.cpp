// One sitting per save folder: the lock is refused while held, taken over
// from a sitting that died, and leaves the folder as it found it.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "platform/save_folder_lock.h"
#include "platform/temp_folder.h"

namespace zemra {
namespace {

TEST(SaveFolderLock, ASecondSittingIsRefusedUntilTheFirstEnds) {
  const TempFolder dir;
  {
    auto first = SaveFolderLock::Take(dir.Path());
    ASSERT_TRUE(first && first->Held());
    EXPECT_FALSE(SaveFolderLock::Take(dir.Path()).has_value());
    // Moving the lock keeps it held.
    SaveFolderLock moved = std::move(*first);
    EXPECT_FALSE(SaveFolderLock::Take(dir.Path()).has_value());
  }
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / kSaveFolderLockFile));
  const auto again = SaveFolderLock::Take(dir.Path());
  EXPECT_TRUE(again && again->Held());
}

TEST(SaveFolderLock, ALockLeftByACrashedSittingIsTakenOver) {
  const TempFolder dir;
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    auto lock = SaveFolderLock::Take(dir.Path());
    ::_exit(lock && lock->Held() ? 0 : 1);  // dies without letting go
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  ASSERT_TRUE(std::filesystem::exists(dir.Path() / kSaveFolderLockFile));
  const auto lock = SaveFolderLock::Take(dir.Path());
  EXPECT_TRUE(lock && lock->Held());
}

TEST(SaveFolderLock, AFolderThatTakesNoFilePlaysOnUnguarded) {
  const auto lock = SaveFolderLock::Take("/nonexistent/zemra6/folder");
  ASSERT_TRUE(lock.has_value());
  EXPECT_FALSE(lock->Held());
}

}  // namespace
}  // namespace zemra
