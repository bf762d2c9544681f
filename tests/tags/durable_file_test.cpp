#include "durable_file.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include "temp_dir.h"

namespace {

// Replacing a file's content in place: a shorter text cuts the file, and a
// full disk never leaves it cut short: room is reserved before the first
// byte changes, and a write stopped midway leaves the new bytes followed by
// the old ones.
TEST(DurableFile, OverwriteWholeNeverCutsAFileOnAFullDisk) {
  TempDir dir;
  const std::tuple<std::string, std::string, std::uint64_t, bool, std::string> rows[] = {
      {"0123456789", "abc", 100, true, "abc"},
      {"0123", "abcdefgh", 100, true, "abcdefgh"},
      {"0123", "abcdefgh", 6, false, "0123"},
      {"0123456789", "abcdefgh", 4, false, "abcd456789"},
  };
  for (const auto& [before, text, room, written, after] : rows) {
    const std::string path = dir.Write("f", before);
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    const bool result = [&] { const FileSizeLimit full(room); return durable::OverwriteWhole(fd, text); }();
    ::close(fd);
    EXPECT_EQ(std::tuple(result, ToText(ReadFileBytes(path))), std::tuple(written, after)) << text << " over " << before;
  }
}

// A file or folder that cannot be synced is reported, never waited on.
TEST(DurableFile, SyncsFailOnAPipeAndAMissingFolder) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  EXPECT_FALSE(durable::SyncDescriptor(ends[0]) || durable::SyncFolder("/nonexistent-folder"));
  EXPECT_EQ(::close(ends[0]) | ::close(ends[1]), 0);
}

}  // namespace
