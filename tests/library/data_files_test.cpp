#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>

#include "album_store.h"
#include "dictionary_store.h"
#include "media_kind.h"
#include "text_file.h"
#include "track_collection.h"
#include "tracklist_fakes.h"
#include "unprivileged.h"

namespace {

namespace fs = std::filesystem;

TEST(LineReaderTest, ReadsWholeLinesWithEitherLineEnd) {
  TempDir dir;
  const std::string longLine(200000, 'x');  // longer than the read buffer
  const std::string path = dir.Write("f", "a\r\n\nc\rd\n" + longLine + "\nlast");
  LineReader reader;
  ASSERT_TRUE(reader.Open(path));
  std::vector<std::string> lines;
  for (std::string line; reader.ReadLine(line);) lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "", "c\rd", longLine, "last"}));
}

// Runs body in a child process (limits and signal settings stay there) while
// this one runs alongside; true when both returned true.
bool InChild(const std::function<bool()>& body, const std::function<bool()>& alongside = [] { return true; }) {
  const pid_t child = fork();
  if (child == 0) _exit(body() ? 0 : 1);
  const bool done = alongside();
  int status = 0;
  return done && child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The names in a folder, sorted: a temporary file left behind shows here.
std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& item : fs::directory_iterator(folder)) names.push_back(item.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Both files go through one writer: each test runs on the album (true) and on
// the dictionary (false), kept in dir as default.alb or default.dic.
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
// cannot be made (a folder has its name) ends the program.
TEST_P(DataFileTest, MissingFilesAreMadeAndAnEmptyStoreEmptiesTheFile) {
  EXPECT_EQ(Load(), LoadResult::CreatedEmpty);
  EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{name});
  dir.Write(name, old);
  EXPECT_EQ(Save(), 1);
  EXPECT_EQ(SavedText(path), "");
  fs::remove(path);
  fs::create_directory(path);
  EXPECT_EQ(Load(), LoadResult::MustExit);
  const std::string toCreate = "Cannot open " + name + "\nWill attempt to create";
  EXPECT_EQ(messages, (std::vector<std::string>{toCreate, toCreate, "Cannot create.  Exiting..."}));
}

// A write that fails part-way (made here by a file size limit, which binds
// root too) keeps the old file, leaves nothing beside it, tells the user and
// keeps the records in memory.
TEST_P(DataFileTest, AFailedWriteKeepsTheOldFileAndTheRecords) {
  dir.Write(name, old);
  EXPECT_TRUE(InChild([&] {
    std::signal(SIGXFSZ, SIG_IGN);  // the write then fails instead of ending the process
    const rlimit limit{2, 2};
    return Load() == LoadResult::Loaded && setrlimit(RLIMIT_FSIZE, &limit) == 0 && Save() == 0 &&
           messages == std::vector<std::string>{"Cannot open " + name} && Size() == 1;
  }));
  EXPECT_EQ(SavedText(path), old);
  EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{name});
}

// A save writes the file a link names, relative to the link's folder; the
// link stays one and the file keeps its permission bits (0646: neither a
// private temporary file's nor what the usual umask gives). Where the folder
// then takes no new file but the file is writable, the save writes over the
// file rather than losing the run's records.
TEST_P(DataFileTest, ALinkStaysALinkTheModeIsKeptAndAShutFolderGetsTheFileWrittenInPlace) {
  fs::permissions(dir.Path(), static_cast<fs::perms>(0755));  // the unprivileged child must reach it
  const std::string target = dir.Write("kept/" + name, old);
  fs::permissions(target, static_cast<fs::perms>(0646));
  fs::create_symlink(fs::path("kept") / name, path);
  EXPECT_EQ(Load(), LoadResult::Loaded);
  EXPECT_EQ(Save(), 1);
  EXPECT_TRUE(fs::is_symlink(path));
  EXPECT_EQ(fs::status(target).permissions(), static_cast<fs::perms>(0646));
  EXPECT_EQ(SavedText(target), saved);
  dir.Write("kept/" + name, old);
  fs::permissions(dir.File("kept"), static_cast<fs::perms>(0555));
  EXPECT_TRUE(RunUnprivileged([&] { return Load() == LoadResult::Loaded && Save() == 1 && messages.empty(); }));
  fs::permissions(dir.File("kept"), fs::perms::owner_all, fs::perm_options::add);
  EXPECT_EQ(SavedText(target), saved);
  EXPECT_EQ(Names(dir.File("kept")), std::vector<std::string>{name});
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

// A load drops comments, blank lines and duplicates, expands a folder line in
// place, and keeps the line of a vanished file or a long path. A save asked
// for meanwhile (the Delete button, a sort) must not cut the unread lines from
// the file: it is held until every line is read.
TEST(AlbumStoreTest, ALoadKeepsEachTrackOnceExpandsFoldersAndHoldsASaveToItsEnd) {
  TempDir dir;
  std::vector<std::string> messages;
  std::function<void()> onPump;
  FakeController controller;
  TrackCollection album{controller, RecordingHooks(&messages, &onPump), dir.File("default.alb")};
  for (int index : {-1, 0, 1}) EXPECT_EQ(album.GetTrack(index).m_strName, "No file loaded");
  EXPECT_EQ(album.GetCurrentTrack().m_strName, "No file loaded");
  const std::string track = dir.Write("a.txt", "x");
  const std::string inTree = dir.Write("tree/sub/b.txt", "");
  const std::string longName = dir.File(std::string(300, 'L') + ".txt");
  const std::string gone = dir.File("gone.wav");
  const std::string all = track + "\r\n\r\n;" + track + "\n" + Lines({track, gone, dir.File("tree"), longName});
  const std::string path = dir.Write("default.alb", all);
  int pumps = 0;
  onPump = [&] {
    if (++pumps != 7) return;  // before the last line
    album.Album().RemoveAt(0);
    EXPECT_EQ(album.SaveAlbum(), 0);
    EXPECT_EQ(SavedText(path), all);
  };
  EXPECT_EQ(album.LoadAlbum(), LoadResult::Loaded);
  const std::vector<std::string> files{gone, inTree, longName};
  EXPECT_EQ(FilesOf(album.Album()), files);
  EXPECT_EQ(album.GetTrack(0).m_strName, "(N/A) gone.wav");
  EXPECT_EQ(controller.scanning, (std::vector<bool>{true, false}));
  EXPECT_EQ(SavedText(path), Lines(files));
}

MediaEntry Record(const std::string& key, const std::string& name, const std::string& artist = "") {
  MediaEntry record = DictionaryStore::MakeRecord(key);
  record.m_strName = name;
  record.m_strArtist = artist;
  return record;
}

// Seven lines a record, name before artist and source before comment; a
// short last record reads its missing lines as empty texts, and a save
// writes it whole.
TEST(DictionaryStoreTest, ReadsSevenLinesARecordAndSavesThemBack) {
  TempDir dir;
  const std::string longName(5000, 'm');  // beyond any old line limit
  const std::vector<std::string> whole{"a.wav", "A", "B", "", "1998", "S", "C", "README", longName, "", "", "", "", ""};
  const std::string path = dir.Write("default.dic", Lines(whole) + "x.wav\r\nName\r\nArtist\n");
  DictionaryStore store({}, path);
  EXPECT_EQ(store.LoadDictionary(), LoadResult::Loaded);
  MediaEntry first = Record("a.wav", "A", "B");
  first.m_strDate = "1998";
  first.m_strSource = "S";
  first.m_strComment = "C";
  ASSERT_EQ(store.GetSize(), 3);
  EXPECT_EQ(store.Entries().GetAt(0), first);
  EXPECT_EQ(store.Entries().GetAt(1), Record("README", longName));
  EXPECT_EQ(store.Entries().GetAt(2), Record("x.wav", "Name", "Artist"));
  EXPECT_EQ(store.Entries().GetAt(0).m_nKind, kKindAudio);  // the kind comes from the key
  EXPECT_EQ(store.SaveDictionary(), 1);
  EXPECT_EQ(SavedText(path), Lines(whole) + Lines({"x.wav", "Name", "Artist", "", "", "", ""}));
}

}  // namespace
