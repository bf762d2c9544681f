#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <filesystem>

#include "four_cc.h"
#include "little_endian.h"
#include "save_journal.h"
#include "temp_dir.h"
#include "unprivileged.h"
#include "wave_info_file.h"
#include "wave_test_util.h"

namespace {

class DiskPlaceTest : public ::testing::Test {
 protected:
  const Bytes original = CanonicalWave(SampleBytes(40), {{"INAM", "Old"}, {"ICMT", std::string(90, 'c')}});
  TempDir dir;
  const std::string path = dir.Write("a.wav", original);
  const std::string journal = dir.File(".a.wav-journal");

  // Opens the file for a save of a new title.
  void OpenWithEdit(CWaveInfoFile& wave) {
    wave.SetAccessMode(ReadWrite);
    ASSERT_EQ(wave.Open(path), 1) << wave.LastError();
    wave.Parse();
    wave.SetTag(fourcc::kINAM, "New");
  }
};

// Another program's copy moved over the file, a removal, or bytes appended
// since the open: the save writes nothing and says so in one sentence.
TEST_F(DiskPlaceTest, ASaveGoesOnlyToTheFileThatWasOpened) {
  const Bytes other = CanonicalWave(SampleBytes(8), {{"INAM", "Other"}});
  const std::function<void()> changes[] = {
      [&] { std::filesystem::rename(dir.Write("a.new", other), path); },
      [&] { std::filesystem::remove(path); },
      [&] { std::FILE* f = std::fopen(path.c_str(), "ab"); std::fputs("more", f); std::fclose(f); },
  };
  for (const auto& change : changes) {
    dir.Write("a.wav", original);
    CWaveInfoFile wave;
    OpenWithEdit(wave);
    change();
    const Bytes before = ReadFileBytes(path);
    EXPECT_EQ(wave.WriteInfo(), 0);
    EXPECT_NE(wave.LastError().find("another program replaced, removed or changed a.wav"), std::string::npos)
        << wave.LastError();
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_FALSE(std::filesystem::exists(journal));
  }
}

// A journal beside the file belongs to a save under way (or one stopped
// that the next open will undo): a second save leaves the file alone.
TEST_F(DiskPlaceTest, TwoSavesOfOneFileNeverMix) {
  CWaveInfoFile wave;
  OpenWithEdit(wave);
  dir.Write(".a.wav-journal", ToBytes("being written"));
  EXPECT_EQ(wave.WriteInfo(), 0);
  EXPECT_NE(wave.LastError().find("another save of this file is under way"), std::string::npos) << wave.LastError();
  EXPECT_EQ(ReadFileBytes(path), original);
  EXPECT_EQ(ReadFileBytes(journal), ToBytes("being written"));
}

// A folder that takes no new file (the user may write the file, not the
// folder) keeps the save's journal in the user's state folder instead.
TEST_F(DiskPlaceTest, AFolderThatTakesNoNewFileKeepsTheJournalInTheStateFolder) {
  const std::string state = dir.File("state");
  std::filesystem::create_directory(state);
  ASSERT_EQ(chmod(state.c_str(), 0777) | chmod(path.c_str(), 0666) | chmod(dir.Path().c_str(), 0555), 0);
  const bool saved = RunUnprivileged([&] {
    setenv("XDG_STATE_HOME", state.c_str(), 1);
    CWaveInfoFile wave;
    OpenWithEdit(wave);
    return wave.WriteInfo() == 1;
  });
  chmod(dir.Path().c_str(), 0755);
  EXPECT_TRUE(saved);
  CWaveInfoFile reread;
  reread.Open(path);
  reread.Parse();
  EXPECT_EQ(TagOf(reread, "INAM"), "New");
  EXPECT_TRUE(std::filesystem::is_empty(state + "/kestrune/journals"));
  EXPECT_FALSE(std::filesystem::exists(journal));
}

// A file left half saved is put back by the tag editor's read-only open (as
// --info opens), without a word; the jukebox's reads leave it alone.
TEST_F(DiskPlaceTest, OpeningPutsBackAHalfSavedFile) {
  Bytes half = original;
  PutLe32(half, 4, 12345);
  half.resize(original.size() - 20);
  const SaveJournal record{original.size(), original.size() - 20,
                           {{4, Bytes(original.begin() + 4, original.begin() + 8), Le32Bytes(12345)},
                            {original.size() - 20, Bytes(original.end() - 20, original.end()), {}}}};
  dir.Write("a.wav", half);
  dir.Write(".a.wav-journal", EncodeSaveJournal(record));
  CWaveInfoFile wave;
  wave.SetAccessMode(ReadOnly);
  EXPECT_EQ(wave.Open(path), 1);  // a reader such as the jukebox changes nothing
  EXPECT_EQ(ReadFileBytes(path), half);
  wave.SetUndoesInterruptedSaves(true);
  EXPECT_EQ(wave.Open(path), 1) << wave.LastError();
  EXPECT_EQ(wave.LastError(), "");
  wave.Close();
  EXPECT_EQ(ReadFileBytes(path), original);
  EXPECT_FALSE(std::filesystem::exists(journal));
}

}  // namespace
