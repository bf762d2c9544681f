#include <gtest/gtest.h>

#include <filesystem>

#include "album_store.h"
#include "dictionary_store.h"
#include "path_parts.h"
#include "text_file.h"
#include "track_collection.h"
#include "tracklist_fakes.h"

namespace {

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

// Both files go through one writer: a missing file is made empty, one that
// cannot be made ends the program, an empty store empties the file, and a
// failed save keeps the old file and the records in memory.
TEST(DataFileTest, MissingFilesAreMadeAndAFailedSaveKeepsTheOldFile) {
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
    dir.Write(name, "old\n");
    std::filesystem::create_directory(path + ".tmp");  // nothing can be written beside it
    store.Add(dir.File("new.wav"));
    messages.clear();
    EXPECT_EQ(store.Save(), 0);
    EXPECT_EQ(messages, std::vector<std::string>{"Cannot open " + name});
    EXPECT_EQ(SavedText(path), "old\n");
    EXPECT_EQ(store.Size(), 1);
  }
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
