#include "dictionary_store.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "path_parts.h"
#include "tracklist_fakes.h"

namespace {

MediaEntry Record(const std::string& key, const std::string& name) {
  MediaEntry record = DictionaryStore::MakeRecord(key);
  record.m_strName = name;
  return record;
}

class DictionaryStoreTest : public testing::Test {
 protected:
  DictionaryStore Store() {
    return DictionaryStore(RecordingHooks(&messages), path);
  }
  std::string Saved() const { return SavedText(path); }

  TempDir dir;
  std::string path = dir.File("default.dic");
  std::vector<std::string> messages;
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
  EXPECT_EQ(Saved().substr(0, first.size()), first);

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
  const std::string folder = std::string("music") + kPathSeparator;
  MediaEntry track;
  track.m_strFile = folder + "a.wav";
  track.m_strArtist = "from a tag";
  ASSERT_EQ(store.Lookup(track), 1);
  MediaEntry expected = Record("a.wav", "first");
  expected.m_strFile = folder + "a.wav";
  EXPECT_EQ(track, expected);
  for (const char* other : {"A.WAV", "a.wa"}) {
    track.m_strFile = folder + other;
    EXPECT_EQ(store.Lookup(track), 0) << other;
  }
}

TEST_F(DictionaryStoreTest, AMissingFileIsCreatedEmptyAndAnUncreatableOneEndsTheProgram) {
  EXPECT_EQ(Store().LoadDictionary(), LoadResult::CreatedEmpty);
  EXPECT_EQ(Saved(), "");
  path = dir.File("missing/default.dic");
  EXPECT_EQ(Store().LoadDictionary(), LoadResult::MustExit);
  EXPECT_EQ(messages.back(), "Cannot create.  Exiting...");
}

TEST_F(DictionaryStoreTest, AFailedSaveKeepsTheOldFileAndTheRecords) {
  dir.Write("default.dic", Lines({"old.wav", "", "", "", "", "", ""}));
  std::filesystem::create_directory(path + ".tmp");  // nothing can be written beside it
  DictionaryStore store = Store();
  store.Entries().Add(Record("new.wav", "N"));
  EXPECT_EQ(store.SaveDictionary(), 0);
  EXPECT_EQ(messages, (std::vector<std::string>{"Cannot open default.dic"}));
  EXPECT_EQ(Saved(), Lines({"old.wav", "", "", "", "", "", ""}));
  EXPECT_EQ(store.GetSize(), 1);
}

}  // namespace
