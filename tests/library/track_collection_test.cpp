#include "track_collection.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <ostream>

#include "id3v1_builder.h"
#include "media_kind.h"
#include "tracklist_fakes.h"

namespace {

MediaEntry Track(const std::string& name, std::int32_t origin, std::int32_t kind, const std::string& artist = "",
                 const std::string& genre = "") {
  MediaEntry entry;
  entry.m_strName = name;
  entry.m_bName = origin >= kOriginRiffInfo ? 1 : 0;
  entry.m_strArtist = artist;
  entry.m_bArtist = artist.empty() ? 0 : 1;
  entry.m_strGenre = genre;
  entry.m_bGenre = genre.empty() ? 0 : 1;
  entry.m_nOrigin = origin;
  entry.m_nKind = kind;
  return entry;
}

MediaEntry DictionaryRecord(const std::string& key) {
  MediaEntry record = DictionaryStore::MakeRecord(key);
  record.m_strName = "Mapped";
  return record;
}

class TrackCollectionTest : public testing::Test {
 protected:
  // The album file has been read (empty), so drops are handled at once.
  TrackCollectionTest() {
    dir.Write("default.alb", "");
    tracks.LoadAlbum();
    controller.scanning.clear();
  }

  std::vector<std::string> Files() const { return FilesOf(tracks.Album()); }

  TempDir dir;
  std::function<void()> onPump;
  std::vector<std::string> messages;
  FakeController controller;
  TrackCollection tracks{controller, RecordingHooks(&messages, &onPump), dir.File("default.alb")};
};

// One row of the precedence of a file's own tags over the dictionary.
struct Row {
  const char* label;
  const char* file;
  std::optional<Bytes> bytes;  // none: the file does not exist
  bool known;                  // the dictionary has a record for the file name
  std::optional<MediaEntry> expected;  // none: the dictionary record
};
std::ostream& operator<<(std::ostream& out, const Row& row) { return out << row.label; }

Bytes Wave(const std::vector<std::pair<std::string, std::string>>& tags) { return CanonicalWave(SampleBytes(64), tags); }

class BuildEntryTest : public TrackCollectionTest, public testing::WithParamInterface<Row> {};

TEST_P(BuildEntryTest, FollowsThePrecedenceOfTagsAndDictionary) {
  const Row& row = GetParam();
  const std::string path = row.bytes ? dir.Write(row.file, *row.bytes) : dir.File(row.file);
  DictionaryStore dictionary;
  dictionary.Entries().Add(DictionaryRecord("other.wav"));
  if (row.known) dictionary.Entries().Add(DictionaryRecord(row.file));
  controller.dictionary = &dictionary;
  MediaEntry expected = row.expected.value_or(DictionaryRecord(row.file));
  expected.m_strFile = path;
  EXPECT_EQ((std::tuple{tracks.BuildEntry(path), tracks.GetTrackCount(), messages}), std::tuple(expected, 0, std::vector<std::string>{}));
}

Bytes Mp3(const std::string& title, std::uint8_t genre) {
  return Mp3WithId3v1({.Title = title, .Artist = "Id3 artist", .Album = {}, .Year = {}, .Comment = {}, .Genre = genre});
}

INSTANTIATE_TEST_SUITE_P(
    Table, BuildEntryTest,
    testing::Values(
        Row{"Missing", "gone.Mpeg", std::nullopt, true, Track("(N/A) gone.Mpeg", kOriginNone, kKindVideo)},
        Row{"WaveTitled", "t.wav", Wave({{"INAM", "Title"}, {"IART", "Art"}}), true,
            Track("Title", kOriginRiffInfo, kKindAudio, "Art")},
        Row{"WaveUntitledKnown", "u.wav", Wave({{"IART", "Art"}}), true, std::nullopt},
        Row{"WaveUntitledUnknown", "u.wav", Wave({{"IART", "Art"}}), false,
            Track("u.wav", kOriginNone, kKindAudio, "Art")},
        Row{"Mp3Titled", "t.mp3", Mp3("Id3 title", 17), true,
            Track("Id3 title", kOriginId3v1, kKindAudio, "Id3 artist", "Rock")},
        Row{"Mp3UntitledNeverAsksDictionary", "u.mp3", Mp3("", 255), true,
            Track("u.mp3", kOriginNone, kKindAudio, "Id3 artist", "Unknown")},
        // A name without a dot is its own extension; case does not matter.
        Row{"Mp3WithoutTagBlock", "MP3", SampleBytes(400), true, Track("MP3", kOriginNone, kKindAudio)},
        // Extensions match whole: "wave" is not "wav".
        Row{"OtherUnknown", "notes.wave", ToBytes("x"), false, Track("notes.wave", kOriginNone, kKindOther)}),
    [](const testing::TestParamInfo<Row>& info) { return std::string(info.param.label); });

// A load drops comments, blank lines and duplicates, expands a folder line in
// place, and keeps a vanished file or a long path. A save asked for meanwhile
// is held until every line is read, so no unread line is lost.
TEST_F(TrackCollectionTest, ALoadKeepsEachTrackOnceExpandsFoldersAndHoldsASaveToItsEnd) {
  for (int index : {-1, 0, 1}) EXPECT_EQ(tracks.GetTrack(index).m_strName, "No file loaded");
  EXPECT_EQ(tracks.GetCurrentTrack().m_strName, "No file loaded");
  const std::string track = dir.Write("a.txt", "x");
  const std::string inTree = dir.Write("tree/sub/b.txt", "");
  const std::string longName = dir.File(std::string(300, 'L') + ".txt");
  const std::string gone = dir.File("gone.wav");
  const std::string all = track + "\r\n\r\n;" + track + "\n" + Lines({track, gone, dir.File("tree"), longName});
  const std::string path = dir.Write("default.alb", all);
  int pumps = 0;
  onPump = [&] {
    if (++pumps != 7) return;  // before the last line
    tracks.Album().RemoveAt(0);
    EXPECT_EQ((std::tuple{tracks.SaveAlbum(), SavedText(path)}), std::tuple(0, all));
  };
  EXPECT_EQ(tracks.LoadAlbum(), LoadResult::Loaded);
  const std::vector<std::string> files{gone, inTree, longName};
  EXPECT_EQ(std::tuple(Files(), tracks.GetTrack(0).m_strName, controller.scanning, SavedText(path)),
            std::tuple(files, "(N/A) gone.wav", std::vector<bool>{true, false}, Lines(files)));
}

// A dropped folder is taken whole in name order (letters without case) and
// saved; drops during its scan follow it. Duplicates are equal bytes only;
// a pipe and a link to a folder already entered add nothing; a path with a
// line break (two lines in the album file) is left out and reported once.
TEST_F(TrackCollectionTest, ADroppedFolderIsTakenOnceInNameOrderAndDropsDuringItsScanFollowIt) {
  for (const char* name : {"drop/c.wav", "drop/b.wav", "drop/B.wav", "drop/a2.wav", "drop/A.wav", "drop/.hidden", "late1",
                           "drop/Sub/z.mp3", "drop/sub2.wav", "drop/bad\nname.wav", "drop/cr\r.wav", "late2"}) {
    dir.Write(name, "");
  }
  ASSERT_EQ(mkfifo(dir.File("drop/b0.wav").c_str(), 0600), 0);
  std::filesystem::create_directory_symlink(dir.File("drop"), dir.File("drop/Sub/back"));
  std::filesystem::create_directory_symlink(dir.File("drop/Sub"), dir.File("drop/zz"));
  std::vector<std::string> expected;
  for (const char* name : {"drop/.hidden", "drop/A.wav", "drop/a2.wav", "drop/B.wav", "drop/b.wav", "drop/c.wav",
                           "drop/Sub/z.mp3", "drop/sub2.wav", "late1", "late2"}) {
    expected.push_back(dir.File(name));
  }
  FakeListView view;
  tracks.AttachView(&view);
  std::vector<int> nested;
  onPump = [&] {
    if (!nested.empty()) return;
    nested = {tracks.OnDropFiles({dir.File("late1")}), tracks.OnDropFiles({dir.File("late2"), dir.File("drop/A.wav")})};
  };
  alarm(10);  // a scan that opened the pipe would wait for a writer: the alarm ends the test program
  EXPECT_EQ(tracks.OnDropFiles({dir.File("drop")}), 1);
  alarm(0);
  EXPECT_EQ(std::tuple(nested, Files(), view.items.size(), controller.scanning, SavedText(dir.File("default.alb"))),
            std::tuple(std::vector<int>{0, 0}, expected, expected.size(), std::vector<bool>{true, false}, Lines(expected)));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("drop/bad\\nname.wav\n" + dir.File("drop/cr\\r.wav")), std::string::npos);
  EXPECT_EQ(tracks.ScanFolder(dir.File("missing")), 0);
}

// Exit during a scan: the scan stops at once, and neither it nor the drops
// held behind it change the album Exit saved.
TEST_F(TrackCollectionTest, AnAbandonedScanStopsAddsNothingMoreAndSavesNothing) {
  std::vector<std::string> all;
  for (int n = 0; n < 5; ++n) all.push_back(dir.Write("drop/" + std::to_string(n) + ".wav", ""));
  dir.Write("late", "");
  onPump = [&] {
    if (Files().size() == 1) tracks.OnDropFiles({dir.File("late")});
    if (Files().size() == 2) {
      tracks.SaveAlbum();
      tracks.AbandonDrop();
    }
  };
  EXPECT_EQ(tracks.OnDropFiles({dir.File("drop")}), 1);
  EXPECT_EQ(std::tuple(Files(), SavedText(dir.File("default.alb"))),
            std::tuple(std::vector<std::string>(all.begin(), all.begin() + 2), Lines(Files())));
  // The next drop is handled as any other, without the forgotten one; the
  // stopped scan left no folder marked as entered.
  onPump = nullptr;
  EXPECT_EQ((std::tuple{tracks.OnDropFiles({dir.File("drop")}), Files()}), std::tuple(1, all));
}

// A selected line the album does not have (a list out of step) is left alone.
TEST_F(TrackCollectionTest, RescanShowsANewTitleInPlaceAndUnselected) {
  const std::string song = dir.Write("song.wav", Wave({}));
  FakeListView view;
  tracks.AttachView(&view);
  for (const std::string& path : {dir.File("first"), song, dir.File("last")}) tracks.AddPath(path);
  view.AppendItem("stray");
  dir.Write("song.wav", Wave({{"INAM", "New title"}}));
  view.selected = {true, true, false, true};
  tracks.RescanSelected();
  EXPECT_EQ(view.items, (std::vector<std::string>{"(N/A) first", "New title", "(N/A) last", "stray"}));
  EXPECT_EQ(std::tuple(view.selected, tracks.GetTrack(1).m_nOrigin, messages),
            std::tuple(std::vector<bool>{false, false, false, true}, kOriginRiffInfo, std::vector<std::string>{}));
}

}  // namespace
