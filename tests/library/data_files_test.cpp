#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>

#include "dictionary_store.h"
#include "failing_calls.h"
#include "line_breaks.h"
#include "media_kind.h"
#include "text_file.h"
#include "track_collection.h"
#include "tracklist_fakes.h"
#include "unprivileged.h"

namespace {

namespace fs = std::filesystem;

// The names in a folder, sorted: a temporary file left behind shows here.
std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& item : fs::directory_iterator(folder)) names.push_back(item.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Each test runs on the album (true) and on the dictionary (false).
class DataFileTest : public testing::TestWithParam<bool> {
 protected:
  LoadResult Load() { return album ? tracks.LoadAlbum() : dictionary.LoadDictionary(); }
  int Save() { return album ? tracks.SaveAlbum() : dictionary.SaveDictionary(); }
  int Size() const { return album ? tracks.GetTrackCount() : dictionary.GetSize(); }

  const bool album = GetParam();
  const std::string name = album ? "default.alb" : "default.dic";
  // A file and what a save of it writes: shorter (LF for CR LF; the album
  // drops comments), so no tail of the old text may stay.
  const std::string old = album ? "; a comment the save drops\r\nold\r\n" : "old\r\nN\r\nA\r\n\r\n\r\n\r\n\r\n";
  const std::string saved = album ? "old\n" : "old\nN\nA\n\n\n\n\n";
  TempDir dir;
  const std::string path = dir.File(name);
  std::vector<std::string> messages;
  FakeController controller;
  TrackCollection tracks{controller, RecordingHooks(&messages), path};
  DictionaryStore dictionary{RecordingHooks(&messages), path};
};

INSTANTIATE_TEST_SUITE_P(AlbumAndDictionary, DataFileTest, testing::Bool(),
                         [](const auto& info) { return info.param ? "Album" : "Dictionary"; });

// A missing file is made empty, an empty store empties the file, and one that
// cannot be made (a folder has its name, or its own folder is gone) ends the
// program.
TEST_P(DataFileTest, MissingFilesAreMadeAndAnEmptyStoreEmptiesTheFile) {
  EXPECT_EQ((std::tuple{Load(), Names(dir.Path())}), std::tuple(LoadResult::CreatedEmpty, std::vector<std::string>{name}));
  dir.Write(name, old);
  EXPECT_EQ((std::tuple{Save(), SavedText(path)}), std::tuple(1, ""));
  fs::remove(path);
  fs::create_directory(path);
  EXPECT_EQ(Load(), LoadResult::MustExit);
  fs::remove_all(dir.Path());
  EXPECT_EQ(Load(), LoadResult::MustExit);
  const std::string toCreate = "Cannot open " + name + "\nWill attempt to create";
  const std::string exiting = "Cannot create.  Exiting...";
  EXPECT_EQ(messages, (std::vector<std::string>{toCreate, toCreate, exiting, toCreate, exiting}));
}

// A save writes the file a link names, keeping the link and the file's mode
// (0646: neither a temporary file's nor the umask's); where the folder takes
// no new file it writes over the file. A save failing at any step (a call made
// to fail) keeps the old file, leaves nothing beside it and tells the user.
// A step with no call made to fail is a save that succeeds.
TEST_P(DataFileTest, ASaveThroughALinkEndsWholeOrKeepsTheOldFile) {
  const struct { const char* step; std::vector<int> calls; bool inPlace; } saves[] = {
      {"replace", {}, false}, {"in place", {}, true}, {"write in place", {SYS_pwrite64}, true},
      {"write", {SYS_write}, false}, {"chmod", {SYS_fchmod}, false}, {"sync", {SYS_fsync}, false},
      {"close", {SYS_close}, false}, {"rename", {SYS_rename, SYS_renameat, SYS_renameat2}, false}};
  fs::permissions(dir.Path(), static_cast<fs::perms>(0755));  // the unprivileged child must reach kept/
  const std::string target = dir.File("kept/" + name);
  for (const auto& each : saves) {
    SCOPED_TRACE(each.step);
    const bool fails = !each.calls.empty();
    dir.Write("kept/" + name, old);
    fs::permissions(target, static_cast<fs::perms>(0646));
    fs::permissions(dir.File("kept"), static_cast<fs::perms>(each.inPlace ? 0555 : 0755));
    if (!fs::is_symlink(path)) fs::create_symlink(fs::path("kept") / name, path);
    messages.clear();
    const auto save = [&] {
      return Load() == LoadResult::Loaded && FailCalls(each.calls) && Save() == (fails ? 0 : 1) &&
             messages == std::vector<std::string>(fails ? 1 : 0, "Cannot open " + name) && Size() == 1;
    };
    EXPECT_TRUE(each.inPlace ? RunUnprivileged(save) : InChild(save));
    fs::permissions(dir.File("kept"), fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(std::tuple(SavedText(target), Names(dir.File("kept")), fs::is_symlink(path), fs::status(target).permissions()),
              std::tuple(fails ? old : saved, std::vector<std::string>{name}, true, static_cast<fs::perms>(0646)));
  }
}

// Each process writes a temporary file of its own, so every save of both
// succeeds and the file ends as one of the two texts, whole. The first save
// makes the file with the mode the umask leaves; later ones keep it.
TEST(AtomicFileWriterTest, TwoProcessesSavingAtOnceLeaveOneWholeVersionInTheUmasksMode) {
  TempDir dir;
  const std::string path = dir.File("default.dic");
  const std::string texts[] = {std::string(200000, 'a'), std::string(300000, 'b')};
  const auto saves = [&](int i) {
    return [&, i] {
      bool saved = true;
      for (int round = 0; round < 25 && saved; ++round) {
        AtomicFileWriter writer;
        saved = writer.Open(path) && (writer.Write(texts[i]), writer.Commit());
      }
      return saved;
    };
  };
  const mode_t before = umask(027);
  EXPECT_TRUE(InChild(saves(0), saves(1)));
  umask(before);
  const std::string saved = SavedText(path);
  EXPECT_TRUE(saved == texts[0] || saved == texts[1]) << saved.size() << " bytes";
  EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"default.dic"});
  EXPECT_EQ(fs::status(path).permissions(), static_cast<fs::perms>(0640));
}

// Nothing can be written for a loop of links or a folder; Commit says so too.
TEST(AtomicFileWriterTest, RefusesWhatItCannotReplace) {
  TempDir dir;
  fs::create_symlink("loop", dir.File("loop"));
  fs::create_directory(dir.File("folder"));
  for (const std::string& path : {dir.File("loop"), dir.File("folder")}) {
    AtomicFileWriter writer;
    EXPECT_FALSE(writer.Open(path) || (writer.Write("new"), writer.Commit())) << path;
  }
}

// Seven lines a record, name before artist and source before comment, each
// line whole whatever its length and line end (a lone CR stays); a short last
// record reads its missing lines as empty, and a save writes it whole.
TEST(DictionaryStoreTest, ReadsSevenLinesARecordAndSavesThemBack) {
  TempDir dir;
  const std::string longName(200000, 'm');  // longer than the read buffer
  const std::string path = dir.Write("default.dic", "a.wav\r\nA\nB\r\n\n1998\nS\nc\rd\nREADME\n" + longName +
                                                        "\n\n\n\n\n\nx.wav\r\nName\r\nArtist");
  DictionaryStore store({}, path);
  EXPECT_EQ(store.LoadDictionary(), LoadResult::Loaded);
  MediaEntry track, unknown;
  track.m_strFile = "/music/a.wav";
  unknown.m_strFile = "/music/b.wav";
  EXPECT_EQ(std::tuple(store.Lookup(track), store.Lookup(unknown)), std::tuple(1, 0));
  const std::vector<std::string> texts{track.m_strFile, track.m_strName,   track.m_strArtist, track.m_strGenre,
                                       track.m_strDate, track.m_strSource, track.m_strComment};
  // The kind comes from the key.
  EXPECT_EQ((std::tuple{texts, track.m_nKind, store.SaveDictionary()}),
            std::tuple(std::vector<std::string>{"/music/a.wav", "A", "B", "", "1998", "S", "c\rd"}, kKindAudio, 1));
  EXPECT_EQ(SavedText(path), Lines({"a.wav", "A", "B", "", "1998", "S", "c d", "README", longName, "", "", "", "", "",
                                    "x.wav", "Name", "Artist", "", "", "", ""}));
}

// A message lists at most ten paths, their line breaks shown, and counts the rest.
TEST(LeftOutMessageTest, ShowsTheFirstTenPathsAndCountsTheRest) {
  std::string ten = "These files were not added: their names hold a line break, which default.alb cannot keep.";
  for (int i = 0; i < 10; ++i) ten += "\na\\r\\nb";
  EXPECT_EQ(LeftOutMessage("default.alb", std::vector<std::string>(10, "a\r\nb")), ten);
  EXPECT_EQ(LeftOutMessage("default.alb", std::vector<std::string>(12, "a\r\nb")), ten + "\n... and 2 more");
}

}  // namespace
