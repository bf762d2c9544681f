#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "failing_calls.h"
#include "four_cc.h"
#include "little_endian.h"
#include "save_journal.h"
#include "temp_dir.h"
#include "unprivileged.h"
#include "wave_info_file.h"
#include "wave_test_util.h"

namespace {

// The lock's pauses are counted, not slept: the other holder of the lock
// lets go at pause number `releaseAt` (0: never, but at the millionth, so
// that a wait without end fails instead of hanging).
int lockHolder = -1, pauses = 0, releaseAt = 0;

}  // namespace

extern "C" int nanosleep(const timespec*, timespec*) {
  if (++pauses == releaseAt || pauses == 1000000) ::flock(lockHolder, LOCK_UN);
  return 0;
}

namespace {

const std::string kNoJournal = "The tags were not saved: Kestrune cannot keep the safety copy of the changed bytes "
                               "(.a.wav-journal) that a save needs in the file's folder. The file was not changed.";

class DiskPlaceTest : public ::testing::Test {
 protected:
  const Bytes original = CanonicalWave(SampleBytes(4000), {{"INAM", "Old"}, {"ICMT", std::string(90, 'c')}});
  TempDir dir;
  const std::string path = dir.Write("a.wav", original);
  const std::string journal = dir.File(".a.wav-journal");

  // Opens the file for a save of a new title.
  void OpenWithEdit(CWaveInfoFile& wave, const std::string& file, const std::string& title = "New") {
    wave.SetAccessMode(ReadWrite);
    ASSERT_EQ(wave.Open(file), 1) << wave.LastError();
    wave.Parse();
    wave.SetTag(fourcc::kINAM, title);
  }
  // A call's result and what the user is then told.
  static std::tuple<int, std::string> Told(int result, const CWaveInfoFile& wave) { return {result, wave.LastError()}; }
};

// Another program's copy moved over the file, a removal or bytes appended
// since the open, or a disk that fills while the journal or the file is
// written: the save leaves the file as it was and no journal behind, and
// says why in one sentence.
TEST_F(DiskPlaceTest, ASaveThatCannotBeCarriedOutLeavesTheFileAsItWas) {
  const std::string replaced = "The tags were not saved: another program replaced, removed or changed a.wav after "
                               "Kestrune opened it; open it again to edit its tags.";
  std::optional<FileSizeLimit> full;
  const std::pair<std::function<void()>, std::string> cases[] = {
      {[&] { std::filesystem::rename(dir.Write("a.new", CanonicalWave(SampleBytes(8))), path); }, replaced},
      {[&] { std::filesystem::remove(path); }, replaced},
      {[&] { std::FILE* f = std::fopen(path.c_str(), "ab"); std::fputs("more", f); std::fclose(f); }, replaced},
      {[&] { full.emplace(16); }, kNoJournal},
      {[&] { full.emplace(original.size()); }, "Cannot write the tags to this file. The file was left as it was."},
  };
  for (const auto& [happen, told] : cases) {
    dir.Write("a.wav", original);
    CWaveInfoFile wave;
    OpenWithEdit(wave, path, "A longer title");
    happen();
    const Bytes before = ReadFileBytes(path);
    EXPECT_EQ(Told(wave.WriteInfo(), wave), std::tuple(0, told));
    full.reset();
    EXPECT_EQ(std::tuple(ReadFileBytes(path), std::filesystem::exists(journal)), std::tuple(before, false));
  }
}

// A journal beside the file (the one its links lead to) belongs to a save
// under way, or to one stopped that the next open will undo: a second save
// leaves the file alone. It is ".NAME-journal" wherever that name fits.
TEST_F(DiskPlaceTest, TwoSavesOfOneFileNeverMix) {
  const std::string longest = std::string(242, 'x') + ".wav";  // its journal's name has 255 bytes
  std::filesystem::create_symlink("a.wav", dir.File("link.wav"));
  for (const auto& [opened, name] : {std::pair<std::string, std::string>{"a.wav", "a.wav"}, {"link.wav", "a.wav"},
                                     {longest, longest}}) {
    dir.Write(name, original);
    CWaveInfoFile wave;
    OpenWithEdit(wave, dir.File(opened));
    dir.Write("." + name + "-journal", ToBytes("being written"));
    EXPECT_EQ(Told(wave.WriteInfo(), wave),
              std::tuple(0, "The tags were not saved: another save of this file is under way, or an interrupted one "
                           "waits to be undone when the file is next opened (." + name + "-journal). The file was not changed."));
    EXPECT_EQ(std::tuple(ReadFileBytes(dir.File(name)), ReadFileBytes(dir.File("." + name + "-journal"))), std::tuple(original, ToBytes("being written")));
  }
}

// A folder that takes no new file (the user may write the file, not the
// folder) keeps the save's journal in the user's state folder instead:
// $XDG_STATE_HOME/kestrune/journals, else ~/.local/state/kestrune/journals.
// A folder not given as a full path is not used, and with none the save is
// refused.
TEST_F(DiskPlaceTest, AFolderThatTakesNoNewFileKeepsTheJournalInTheStateFolder) {
  for (const char* folder : {"state", "home", "cwd"}) {  // cwd: where a relative folder would go
    std::filesystem::create_directory(dir.File(folder));
    ASSERT_EQ(chmod(dir.File(folder).c_str(), 0777), 0);
  }
  const std::string state = dir.File("state"), home = dir.File("home");
  const std::tuple<const char*, const char*, std::string> places[] = {
      {state.c_str(), home.c_str(), state + "/kestrune/journals"},
      {nullptr, "home", ""},
      {nullptr, nullptr, ""},
  };
  for (const auto& [xdgState, userHome, journals] : places) {
    dir.Write("a.wav", original);
    ASSERT_EQ(chmod(path.c_str(), 0666) | chmod(dir.Path().c_str(), 0555), 0);
    const bool asExpected = RunUnprivileged([&] {
      xdgState ? setenv("XDG_STATE_HOME", xdgState, 1) : unsetenv("XDG_STATE_HOME");
      userHome ? setenv("HOME", userHome, 1) : unsetenv("HOME");
      CWaveInfoFile wave;
      OpenWithEdit(wave, path);
      std::error_code missing;
      return chdir(dir.File("cwd").c_str()) == 0 && wave.WriteInfo() == (journals.empty() ? 0 : 1) &&
             (journals.empty() ? wave.LastError() == kNoJournal : std::filesystem::is_empty(journals, missing));
    });
    chmod(dir.Path().c_str(), 0755);
    EXPECT_TRUE(asExpected) << journals;
  }
}

// A file left half saved is put back by the tag editor's read-only open (as
// --info opens), without a word; the jukebox's reads leave it alone. While
// the folder takes no change the journal stays and the open is refused,
// though the old bytes are back already. A journal that cannot be read keeps
// the file shut.
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
  EXPECT_EQ((std::tuple{wave.Open(path), ReadFileBytes(path)}), std::tuple(1, half));  // a reader such as the jukebox changes nothing
  wave.SetUndoesInterruptedSaves(true);
  ASSERT_EQ(chmod(path.c_str(), 0666) | chmod(dir.Path().c_str(), 0555), 0);
  EXPECT_TRUE(RunUnprivileged([&] {
    return wave.Open(path) == 0 && wave.LastError() == "A save of a.wav was interrupted and Kestrune cannot write "
                                                       "to the file to undo it: make a.wav writable and open it again.";
  }));
  chmod(dir.Path().c_str(), 0755);
  EXPECT_EQ(std::tuple(ReadFileBytes(path), std::filesystem::exists(journal)), std::tuple(original, true));
  EXPECT_EQ(Told(wave.Open(path), wave), std::tuple(1, std::string()));
  wave.Close();
  EXPECT_EQ(std::tuple(ReadFileBytes(path), std::filesystem::exists(journal)), std::tuple(original, false));
  std::filesystem::create_directory(journal);
  wave.SetAccessMode(ReadWrite);
  EXPECT_EQ(Told(wave.Open(path), wave), std::tuple(0, std::string("A save of a.wav was interrupted and its safety copy "
                                                                     ".a.wav-journal cannot be read: make it readable and open a.wav again.")));
}

// Another program holds the file's lock while it saves: an open or a save
// waits for it to let go, and after a while gives up and says so.
TEST_F(DiskPlaceTest, OpensAndSavesWaitForTheLockAndGiveUpInTime) {
  lockHolder = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(::flock(lockHolder, LOCK_EX), 0);
  CWaveInfoFile wave;
  wave.SetAccessMode(ReadWrite);
  EXPECT_EQ(Told(wave.Open(path), wave), std::tuple(0, std::string("Another program is saving a.wav: open it again in a moment.")));
  pauses = 0, releaseAt = 3;
  OpenWithEdit(wave, path);
  ASSERT_EQ((std::tuple{pauses, ::flock(lockHolder, LOCK_EX)}), std::tuple(3, 0));
  pauses = 0, releaseAt = 0;
  EXPECT_EQ((std::tuple{wave.WriteInfo(), wave.LastError(), ReadFileBytes(path)}),
            std::tuple(0, "The tags were not saved: another program is saving a.wav.", original));
  pauses = 0, releaseAt = 2;
  EXPECT_EQ(wave.WriteInfo(), 1);
  ::close(lockHolder);
}

// A file system that keeps no locks (its flock fails) is opened and saved
// without one.
TEST_F(DiskPlaceTest, AFileSystemWithoutLocksIsSavedWithoutOne) {
  EXPECT_TRUE(InChild([&] {
    CWaveInfoFile wave;
    if (!FailCalls({SYS_flock})) return false;
    OpenWithEdit(wave, path, "Without a lock");
    return wave.WriteInfo() == 1;
  }));
  CWaveInfoFile wave;
  EXPECT_EQ((std::tuple{wave.Open(path), wave.Parse(), TagOf(wave, "INAM")}), std::tuple(1, 1, "Without a lock"));
}

}  // namespace
