#include "folder_lock.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "temp_dir.h"

namespace {

using Outcome = FolderLock::Outcome;

// A lock belongs to an open file, so two holders in one process keep each
// other out as two processes do. The holder's id names it; a file without a
// valid id names nobody.
TEST(FolderLockTest, OneHolderAtATimeNamedByItsProcessId) {
  TempDir dir;
  const std::string path = dir.File("lock");
  FolderLock first(path), second(path);
  // No lock file yet: no holder.
  EXPECT_EQ((std::tuple{first.Holder(), first.Acquire(), second.Acquire(), second.Holder()}),
            std::tuple(0, Outcome::kHeld, Outcome::kTaken, getpid()));
  first.Release();
  EXPECT_EQ(second.Acquire(), Outcome::kHeld);
  for (const char* text : {"-5\n", "none\n"}) {
    dir.Write("lock", text);
    EXPECT_EQ(first.Holder(), 0) << text;
  }
  EXPECT_EQ(FolderLock(dir.File("gone/lock")).Acquire(), Outcome::kUnlockable);
}

}  // namespace
