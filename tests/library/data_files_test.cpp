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
#include "path_parts.h"
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
  EXPECT_FALSE(reader.Open(dir.Path()));  // a folder is not a text file
}

// The album or the dictionary, kept at one path.
class DataFile {
 public:
  DataFile(bool album, std::vector<std::string>* messages, const std::string& path)
      : album_(album), tracks_(controller_, RecordingHooks(messages), path), dictionary_(RecordingHooks(messages), path) {}
  LoadResult Load() { return album_ ? tracks_.LoadAlbum() : dictionary_.LoadDictionary(); }
  void Add(const std::string& file) {
    album_ ? tracks_.AddPath(file) : void(dictionary_.Entries().Add(DictionaryStore::MakeRecord(file)));
  }
  int Save() { return album_ ? tracks_.SaveAlbum() : dictionary_.SaveDictionary(); }
  int Size() const { return album_ ? tracks_.GetTrackCount() : dictionary_.GetSize(); }

 private:
  bool album_;
  FakeController controller_;
  TrackCollection tracks_;
  DictionaryStore dictionary_;
};

// Runs body in a child process of its own (limits and signal settings stay
// there); Succeeded waits for it and is true when body returned true.
pid_t StartChild(const std::function<bool()>& body) {
  const pid_t child = fork();
  if (child == 0) _exit(body() ? 0 : 1);
  return child;
}

bool Succeeded(pid_t child) {
  int status = 0;
  return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The names in a folder, sorted: a temporary file left behind shows here.
std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& item : fs::directory_iterator(folder)) names.push_back(item.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

fs::perms Mode(const std::string& path) { return fs::status(path).permissions(); }

// Both files go through one writer: a missing file is made empty, one that
// cannot be made ends the program, and an empty store empties the file.
TEST(DataFileTest, MissingFilesAreMadeAndAnEmptyStoreEmptiesTheFile) {
  for (const bool album : {true, false}) {
    const std::string name = album ? "default.alb" : "default.dic";
    SCOPED_TRACE(name);
    TempDir dir;
    const std::string path = dir.File(name);
    std::vector<std::string> messages;
    DataFile store(album, &messages, path);
    EXPECT_EQ(store.Load(), LoadResult::CreatedEmpty);
    EXPECT_EQ(SavedText(path), "");
    EXPECT_EQ(DataFile(album, &messages, dir.File("missing/" + name)).Load(), LoadResult::MustExit);
    const std::string toCreate = "Cannot open " + name + "\nWill attempt to create";
    EXPECT_EQ(messages, (std::vector<std::string>{toCreate, toCreate, "Cannot create.  Exiting..."}));
    dir.Write(name, "old\n");
    EXPECT_EQ(store.Save(), 1);
    EXPECT_EQ(SavedText(path), "");
  }
}

// A write that fails part-way (made here by a file size limit, which binds
// root too) keeps the old file, leaves nothing beside it, tells the user and
// keeps the records in memory.
TEST(DataFileTest, AFailedWriteKeepsTheOldFileAndTheRecords) {
  for (const bool album : {true, false}) {
    const std::string name = album ? "default.alb" : "default.dic";
    SCOPED_TRACE(name);
    TempDir dir;
    const std::string path = dir.Write(name, "old\n");
    const bool failedWell = Succeeded(StartChild([&] {
      std::vector<std::string> messages;
      DataFile store(album, &messages, path);
      store.Load();
      for (int i = 0; i < 100; ++i) store.Add(dir.File(std::to_string(i) + std::string(100, 'x')));
      std::signal(SIGXFSZ, SIG_IGN);  // the write then fails instead of ending the process
      const rlimit limit{4096, 4096};
      return setrlimit(RLIMIT_FSIZE, &limit) == 0 && store.Save() == 0 &&
             messages == std::vector<std::string>{"Cannot open " + name} && store.Size() == 101;
    }));
    EXPECT_TRUE(failedWell);
    EXPECT_EQ(SavedText(path), "old\n");
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{name});
  }
}

// A data file kept elsewhere through a link stays linked, and the file keeps
// its permission bits (0600, what a private temporary file has anyway, and
// 0640, which neither that nor the usual umask gives).
TEST(DataFileTest, ALinkStaysALinkAndTheFileKeepsItsMode) {
  for (const bool album : {true, false}) {
    const std::string name = album ? "default.alb" : "default.dic";
    SCOPED_TRACE(name);
    const auto mode = static_cast<fs::perms>(album ? 0600 : 0640);
    TempDir dir;
    const std::string target = dir.Write("kept/" + name, "old\n");
    fs::permissions(target, mode);
    const std::string link = dir.File(name);
    fs::create_symlink(fs::path("kept") / name, link);
    std::vector<std::string> messages;
    DataFile store(album, &messages, link);
    store.Load();
    store.Add(dir.File("new.wav"));
    EXPECT_EQ(store.Save(), 1);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Mode(target), mode);
    DataFile saved(album, &messages, target);
    EXPECT_EQ(saved.Load(), LoadResult::Loaded);
    EXPECT_EQ(saved.Size(), 2);
    EXPECT_EQ(Names(dir.File("kept")), std::vector<std::string>{name});
    EXPECT_EQ(messages, std::vector<std::string>{});
  }
}

// Where the folder takes no new file but the file itself is writable, the
// save writes over the file rather than losing the run's records; a shorter
// text (LF where the file had CR LF) leaves none of the old one's tail.
TEST(DataFileTest, AFolderThatTakesNoNewFileGetsTheFileWrittenInPlace) {
  const struct {
    bool album;
    std::string old, saved;
  } cases[] = {{true, "; a comment the save drops\r\nold\r\n", "old\n"},
               {false, "old\r\nN\r\nA\r\n\r\n\r\n\r\n\r\n", "old\nN\nA\n\n\n\n\n"}};
  for (const auto& c : cases) {
    const std::string name = c.album ? "default.alb" : "default.dic";
    SCOPED_TRACE(name);
    TempDir dir;
    fs::permissions(dir.Path(), static_cast<fs::perms>(0755));  // the unprivileged child must reach it
    const std::string path = dir.Write("shut/" + name, c.old);
    fs::permissions(path, static_cast<fs::perms>(0666));
    fs::permissions(dir.File("shut"), static_cast<fs::perms>(0555));
    const bool saved = RunUnprivileged([&] {
      std::vector<std::string> messages;
      DataFile store(c.album, &messages, path);
      return store.Load() == LoadResult::Loaded && store.Save() == 1 && messages.empty();
    });
    fs::permissions(dir.File("shut"), fs::perms::owner_all, fs::perm_options::add);
    EXPECT_TRUE(saved);
    EXPECT_EQ(SavedText(path), c.saved);
    EXPECT_EQ(Names(dir.File("shut")), std::vector<std::string>{name});
  }
}

TEST(AtomicFileWriterTest, ANewFileTakesTheModeTheUmaskLeaves) {
  TempDir dir;
  const mode_t before = umask(027);
  AtomicFileWriter writer;
  const bool saved = writer.Open(dir.File("new.dic")) && (writer.WriteLine("x"), writer.Commit());
  umask(before);
  EXPECT_TRUE(saved);
  EXPECT_EQ(Mode(dir.File("new.dic")), static_cast<fs::perms>(0640));
}

// Each process writes a temporary file of its own, so every save of both
// succeeds and the file ends as one of the two texts, whole.
TEST(AtomicFileWriterTest, TwoProcessesSavingAtOnceLeaveOneWholeVersion) {
  TempDir dir;
  const std::string path = dir.File("default.dic");
  const std::string lines[] = {std::string(99, 'a'), std::string(149, 'b')};
  constexpr int kLines = 2000;
  pid_t children[2];
  for (int i = 0; i < 2; ++i) {
    children[i] = StartChild([&, i] {
      for (int round = 0; round < 25; ++round) {
        AtomicFileWriter writer;
        if (!writer.Open(path)) return false;
        for (int line = 0; line < kLines; ++line) writer.WriteLine(lines[i]);
        if (!writer.Commit()) return false;
      }
      return true;
    });
  }
  for (const pid_t child : children) EXPECT_TRUE(Succeeded(child));
  const std::string saved = SavedText(path);
  std::string versions[2];
  for (int i = 0; i < 2; ++i) {
    for (int line = 0; line < kLines; ++line) versions[i] += lines[i] + "\n";
  }
  EXPECT_TRUE(saved == versions[0] || saved == versions[1]) << saved.size() << " bytes";
  EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"default.dic"});
}

class AlbumStoreTest : public testing::Test {
 protected:
  std::vector<std::string> Files() const { return FilesOf(album.Album()); }
  std::string Saved() const { return SavedText(path); }

  TempDir dir;
  std::string path = dir.File("default.alb");
  std::vector<std::string> messages;
  std::function<void()> onPump;
  FakeController controller;
  TrackCollection album{controller, RecordingHooks(&messages, &onPump), path};
};

TEST_F(AlbumStoreTest, CommentsBlankLinesAndDuplicatesAreDroppedAndGoneAfterASave) {
  for (int index : {-1, 0, 1}) EXPECT_EQ(album.GetTrack(index).m_strName, "No file loaded");
  EXPECT_EQ(album.GetCurrentTrack().m_strName, "No file loaded");
  const std::string track = dir.Write("a.txt", "x");
  dir.Write("default.alb", track + "\r\n\r\n;" + track + "\n" + track + "\n");
  EXPECT_EQ(album.LoadAlbum(), LoadResult::Loaded);
  EXPECT_EQ(Files(), (std::vector<std::string>{track}));
  EXPECT_EQ(controller.scanning, (std::vector<bool>{true, false}));
  EXPECT_EQ(album.SaveAlbum(), 1);
  EXPECT_EQ(Saved(), Lines({track}));
}

TEST_F(AlbumStoreTest, FolderLinesExpandInPlaceAndVanishedOrLongPathsKeepTheirLines) {
  const std::string inTree = dir.Write("tree/sub/b.txt", "");
  const std::string longName = dir.File(std::string(300, 'L') + ".txt");
  const std::string gone = dir.File("gone.wav");
  dir.Write("default.alb", Lines({gone, dir.File("tree"), longName}));
  album.LoadAlbum();
  EXPECT_EQ(Files(), (std::vector<std::string>{gone, inTree, longName}));
  EXPECT_EQ(album.GetTrack(0).m_strName, "(N/A) gone.wav");
  album.SaveAlbum();
  EXPECT_EQ(Saved(), Lines({gone, inTree, longName}));
}

// A save asked for while the album loads (the Delete button, a sort) must not
// cut the unread lines from the file: it is held until every line is read.
TEST_F(AlbumStoreTest, ASaveDuringTheLoadWaitsForTheLastLine) {
  const std::string all = Lines({dir.File("1"), dir.File("2"), dir.File("3")});
  dir.Write("default.alb", all);
  int pumps = 0;
  onPump = [&] {
    if (++pumps != 2) return;
    album.Album().RemoveAt(0);
    EXPECT_EQ(album.SaveAlbum(), 0);
    EXPECT_EQ(Saved(), all);
  };
  album.LoadAlbum();
  EXPECT_EQ(Saved(), Lines({dir.File("2"), dir.File("3")}));
}

MediaEntry Record(const std::string& key, const std::string& name) {
  MediaEntry record = DictionaryStore::MakeRecord(key);
  record.m_strName = name;
  return record;
}

class DictionaryStoreTest : public testing::Test {
 protected:
  DictionaryStore Store() { return DictionaryStore({}, path); }

  TempDir dir;
  std::string path = dir.File("default.dic");
};

TEST_F(DictionaryStoreTest, RoundTripsSevenLinesNameBeforeArtistSourceBeforeComment) {
  DictionaryStore store = Store();
  MediaEntry record = Record("a.wav", "A");
  record.m_strArtist = "B";
  record.m_strDate = "1998";
  record.m_strSource = "S";
  record.m_strComment = "C";
  store.Entries().Add(record);
  store.Entries().Add(Record("README", std::string(158, 'n')));
  store.Entries().Add(Record("long", std::string(5000, 'm')));  // beyond any old line limit
  EXPECT_EQ(store.SaveDictionary(), 1);
  const std::string first = Lines({"a.wav", "A", "B", "", "1998", "S", "C"});
  EXPECT_EQ(SavedText(path).substr(0, first.size()), first);

  DictionaryStore loaded = Store();
  EXPECT_EQ(loaded.LoadDictionary(), LoadResult::Loaded);
  ASSERT_EQ(loaded.GetSize(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(loaded.Entries().GetAt(i), store.Entries().GetAt(i));
  EXPECT_EQ(loaded.Entries().GetAt(0).m_nKind, 1);  // flags, origin and kind are rebuilt
  EXPECT_EQ(loaded.Entries().GetAt(1).m_nKind, 0);
}

TEST_F(DictionaryStoreTest, AShortFileReadsItsMissingLinesAsEmptyTexts) {
  dir.Write("default.dic", "x.wav\r\nName\r\nArtist\n");
  DictionaryStore store = Store();
  store.LoadDictionary();
  MediaEntry expected = Record("x.wav", "Name");
  expected.m_strArtist = "Artist";
  ASSERT_EQ(store.GetSize(), 1);
  EXPECT_EQ(store.Entries().GetAt(0), expected);
}

// A record is found only by a key equal to the file name, byte for byte.
TEST_F(DictionaryStoreTest, LookupTakesTheFirstExactMatchAndKeepsThePath) {
  DictionaryStore store = Store();
  for (auto [key, name] : {std::pair{"a.wav2", "prefix"}, {"a.wav", "first"}, {"a.wav", "second"}}) {
    store.Entries().Add(Record(key, name));
  }
  for (const std::string file : {"a.wav", "A.WAV", "a.wa"}) {
    MediaEntry track;
    track.m_strFile = std::string("music") + kPathSeparator + file;
    const std::string before = track.m_strFile;
    EXPECT_EQ(store.Lookup(track), file == "a.wav" ? 1 : 0) << file;
    EXPECT_EQ(track.m_strName, file == "a.wav" ? "first" : "") << file;
    EXPECT_EQ(track.m_strFile, before);
  }
}

}  // namespace
