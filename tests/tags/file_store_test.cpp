#include <gtest/gtest.h>

#include <sys/stat.h>

#include "byte_stream.h"
#include "riff_builder.h"
#include "temp_dir.h"
#include "unprivileged.h"
#include "wave_info_file.h"
#include "wave_test_util.h"

namespace {

// A read-only store refuses writes and has nothing to flush; a closed one
// reads and flushes nothing; a read where no offset can be reads nothing,
// and a length the disk cannot take fails. Folders and missing files do not
// open.
TEST(FileStore, ReadsWritesAndChangesTheLength) {
  TempDir dir;
  const std::string path = dir.Write("f.bin", ToBytes("0123456789"));
  auto store = FileStore::Open(path, true);
  ASSERT_TRUE(store);
  std::uint8_t out[4];
  // Braces: the calls run in this order.
  EXPECT_EQ((std::tuple{store->Size(), store->ReadAt(8, out), store->WriteAt(12, ToBytes("ab")), store->Truncate(13),
                        store->Flush(), [&] { const FileSizeLimit full(16); return store->Truncate(17); }(), store->Close(),
                        store->Close() || store->Flush(), store->Size() + store->ReadAt(0, out)}),
            (std::tuple{std::uint64_t{10}, std::size_t{2}, true, true, true, false, true, false, std::uint64_t{0}}));
  EXPECT_EQ(ReadFileBytes(path), ToBytes(std::string("0123456789\0\0a", 13)));
  store = FileStore::Open(path, false);
  EXPECT_EQ((std::tuple{store->WriteAt(0, ToBytes("x")) || store->Truncate(0), store->Flush(),
                        store->ReadAt(std::uint64_t{1} << 63, out)}),
            (std::tuple{false, true, std::size_t{0}}));
  EXPECT_FALSE(FileStore::Open(dir.Path(), false) || FileStore::Open(dir.File("missing"), false));
}

// Root may write to any file, so the check runs in a child process that has
// given up root; a folder named like a WAVE file fails for everyone.
TEST(FileStore, WriteProtectedFileFailsToOpenForWriting) {
  TempDir dir;
  const std::string path = dir.Write("locked.wav", CanonicalWave(SampleBytes(10)));
  ASSERT_EQ(chmod(path.c_str(), 0444) | chmod(dir.Path().c_str(), 0755) | mkdir(dir.File("folder.wav").c_str(), 0755), 0);
  EXPECT_TRUE(RunUnprivileged([&] {
    CWaveInfoFile wave;
    wave.SetAccessMode(ReadWrite);
    const bool refused = wave.Open(path) == 0 && wave.Open(dir.File("folder.wav")) == 0;
    wave.SetAccessMode(ReadOnly);
    return refused && wave.Open(path) == 1;
  }));
}

}  // namespace
