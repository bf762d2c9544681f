#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "byte_stream.h"
#include "four_cc.h"
#include "riff_builder.h"
#include "temp_dir.h"
#include "wave_info_file.h"
#include "wave_test_util.h"

namespace {

TEST(FileStore, ReadsWritesAndChangesTheLength) {
  TempDir dir;
  const std::string path = dir.Write("f.bin", ToBytes("0123456789"));
  auto store = FileStore::Open(path, true);
  ASSERT_TRUE(store);
  EXPECT_EQ(store->Size(), 10u);
  std::uint8_t out[4];
  EXPECT_EQ(store->ReadAt(8, out), 2u);
  EXPECT_TRUE(store->WriteAt(12, ToBytes("ab")));
  EXPECT_TRUE(store->Truncate(13));
  EXPECT_TRUE(store->Flush());
  EXPECT_TRUE(store->Close());
  EXPECT_FALSE(store->Close());
  EXPECT_EQ(ReadFileBytes(path), ToBytes(std::string("0123456789\0\0a", 13)));
}

TEST(FileStore, ReadOnlyStoreRefusesWritesAndOpenRefusesNonFiles) {
  TempDir dir;
  const std::string path = dir.Write("f.bin", ToBytes("abc"));
  auto store = FileStore::Open(path, false);
  ASSERT_TRUE(store);
  EXPECT_FALSE(store->WriteAt(0, ToBytes("x")));
  EXPECT_FALSE(store->Truncate(0));
  EXPECT_FALSE(FileStore::Open(dir.Path(), false));
  EXPECT_FALSE(FileStore::Open(dir.File("missing"), false));
}

// Root may write to any file, so the permission check only means something
// for other users; a folder named like a WAVE file fails for everyone.
TEST(FileStore, WriteProtectedFileFailsToOpenForWriting) {
  TempDir dir;
  const std::string path = dir.Write("locked.wav", CanonicalWave(SampleBytes(10)));
  chmod(path.c_str(), 0444);
  CWaveInfoFile wave;
  wave.SetAccessMode(ReadWrite);
  ASSERT_EQ(mkdir(dir.File("folder.wav").c_str(), 0755), 0);
  EXPECT_EQ(wave.Open(dir.File("folder.wav")), 0);
  if (geteuid() == 0) GTEST_SKIP() << "root ignores the read-only permission";
  EXPECT_EQ(wave.Open(path), 0);
  wave.SetAccessMode(ReadOnly);
  EXPECT_EQ(wave.Open(path), 1);
}

TEST(FileStore, RoundTripOnDisk) {
  TempDir dir;
  const std::string path = dir.Write("song.wav", CanonicalWave(SampleBytes(1001), {{"INAM", "Old name"}, {"ICOP", "c"}}));
  CWaveInfoFile wave;
  wave.SetAccessMode(ReadWrite);
  ASSERT_EQ(wave.Open(path), 1);
  wave.Parse();
  wave.SetTag(fourcc::kINAM, "New");
  wave.SetTag(fourcc::kIART, "Band");
  ASSERT_EQ(wave.WriteInfo(), 1) << wave.LastError();
  ASSERT_EQ(wave.Close(), 1);
  const Bytes saved = ReadFileBytes(path);
  EXPECT_EQ(Le32(saved, 4) + 8u, saved.size());
  CWaveInfoFile reread;
  ASSERT_EQ(reread.Open(path), 1);
  reread.Parse();
  EXPECT_EQ(TagOf(reread, "INAM"), "New");
  EXPECT_EQ(TagOf(reread, "IART"), "Band");
  EXPECT_EQ(TagOf(reread, "ICOP"), "c");
}

}  // namespace
