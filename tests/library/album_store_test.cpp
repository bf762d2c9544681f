#include "album_store.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "track_collection.h"
#include "tracklist_fakes.h"

namespace {

class AlbumStoreTest : public testing::Test {
 protected:
  std::vector<std::string> Files() const { return FilesOf(album.Album()); }
  std::string Saved() const { return SavedText(path); }

  TempDir dir;
  std::string path = dir.File("default.alb");
  std::vector<std::string> messages;
  std::function<void()> onPump;
  FakeController controller;
  TrackCollection album{controller,
                        RecordingHooks(&messages, &onPump), path};
};

TEST_F(AlbumStoreTest, CommentsBlankLinesAndDuplicatesAreDroppedAndGoneAfterASave) {
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

TEST_F(AlbumStoreTest, NoTrackReadsAsTheDefaultEntryAndTheCurrentOneIsHighlighted) {
  for (int index : {-1, 0, 1}) EXPECT_EQ(album.GetTrack(index).m_strName, "No file loaded");
  EXPECT_EQ(album.GetCurrentTrack().m_strName, "No file loaded");

  for (const char* file : {"a", "b", "c"}) album.AddPath(dir.File(file));
  FakeListView view;
  view.items = {"a", "b", "c"};
  view.selected = {true, false, true};
  album.AttachView(&view);
  album.SetCurrentIndex(1);  // from -1: unselects every item first
  EXPECT_EQ(view.selected, (std::vector<bool>{false, true, false}));
  album.SetCurrentIndex(2);
  EXPECT_EQ(view.selected, (std::vector<bool>{false, false, true}));
  EXPECT_EQ(album.GetCurrentTrack().m_strFile, dir.File("c"));
}

TEST_F(AlbumStoreTest, AMissingFileIsCreatedEmptyAndAnUncreatableOneEndsTheProgram) {
  EXPECT_EQ(album.LoadAlbum(), LoadResult::CreatedEmpty);
  EXPECT_TRUE(std::filesystem::is_regular_file(path));
  TrackCollection nowhere(controller, {}, dir.File("missing/default.alb"));
  EXPECT_EQ(nowhere.LoadAlbum(), LoadResult::MustExit);
  EXPECT_EQ(messages, (std::vector<std::string>{"Cannot open default.alb\nWill attempt to create"}));
}

TEST_F(AlbumStoreTest, AnEmptyAlbumSavesAnEmptyFileAndAFailedSaveKeepsTheOldOne) {
  dir.Write("default.alb", "");
  album.LoadAlbum();
  dir.Write("default.alb", "old\n");
  EXPECT_EQ(album.SaveAlbum(), 1);
  EXPECT_EQ(Saved(), "");
  dir.Write("default.alb", "old\n");
  std::filesystem::create_directory(path + ".tmp");
  album.AddPath(dir.File("new"));
  EXPECT_EQ(album.SaveAlbum(), 0);
  EXPECT_EQ(messages, (std::vector<std::string>{"Cannot open default.alb"}));
  EXPECT_EQ(Saved(), "old\n");
  EXPECT_EQ(album.GetTrackCount(), 1);
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

}  // namespace
