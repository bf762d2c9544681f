#include "entry_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "path_parts.h"

namespace {

// The text each key stands for, written out again here so that a wrong key
// shows: the folder is the path up to and including its last separator.
std::string KeyText(const MediaEntry& track, AlbumSortKey key) {
  switch (key) {
    case AlbumSortKey::FullPath: return track.m_strFile;
    case AlbumSortKey::Path:  // npos + 1 is 0: no separator, no folder
      return track.m_strFile.substr(0, track.m_strFile.find_last_of(kPathSeparator) + 1);
    case AlbumSortKey::Name: return track.m_strName;
    case AlbumSortKey::Genre: return track.m_strGenre;
    case AlbumSortKey::Source: return track.m_strSource;
    case AlbumSortKey::Artist: return track.m_strArtist;
  }
  return {};
}

// The numbers of the tracks, in order.
std::vector<std::string> Ids(const EntryArray& entries) {
  std::vector<std::string> ids;
  for (int i = 0; i < entries.GetSize(); ++i) ids.push_back(entries.At(i).m_strComment);
  return ids;
}

// Texts that often share their first 15, 16 or 20 bytes and then go on or
// stop, so whole texts, not only their first sixteen bytes, must decide; a
// small alphabet makes equal texts, prefixes, case and a byte above 127 common.
std::string Text(std::mt19937& random) {
  static const std::vector<std::string> kStems = {"", "aAbBaAbBaAbBaAb", "aAbBaAbBaAbBaAbB",
                                                  "aAbBaAbBaAbBaAbB\xE9" "aAb"};
  static const std::string kLetters = "aAbB\xE9";
  std::string text = kStems[random() % kStems.size()];
  for (unsigned i = random() % 3; i > 0; --i) text += kLetters[random() % kLetters.size()];
  return text;
}

std::vector<MediaEntry> RandomAlbum(unsigned seed, int size) {
  std::mt19937 random(seed);
  std::vector<MediaEntry> tracks;
  for (int i = 0; i < size; ++i) {
    MediaEntry& track = tracks.emplace_back();
    track.m_strFile = Text(random);
    for (unsigned parts = random() % 3; parts > 0; --parts) track.m_strFile += kPathSeparator + Text(random);
    for (std::string* text : {&track.m_strName, &track.m_strGenre, &track.m_strSource, &track.m_strArtist}) {
      *text = Text(random);
    }
    track.m_strComment = std::to_string(i);  // tells equal tracks apart
  }
  return tracks;
}

// std::string compares bytes as unsigned values, as the sorts must.
class AlbumSortTest : public testing::TestWithParam<AlbumSortKey> {};

TEST_P(AlbumSortTest, GivesTheOrderOfAStableSortByKeyThenName) {
  const AlbumSortKey key = GetParam();
  for (unsigned seed = 1; seed <= 10; ++seed) {
    std::vector<MediaEntry> tracks = RandomAlbum(seed, 150);
    EntryArray album, expected;
    for (const MediaEntry& track : tracks) album.Add(track);
    std::stable_sort(tracks.begin(), tracks.end(), [key](const MediaEntry& a, const MediaEntry& b) {
      const std::string keyA = KeyText(a, key), keyB = KeyText(b, key);
      return keyA != keyB ? keyA < keyB : a.m_strName < b.m_strName;
    });
    for (const MediaEntry& track : tracks) expected.Add(track);
    ApplyOrder(album, AlbumSortOrder(album, key));
    ASSERT_EQ(Ids(album), Ids(expected)) << "seed " << seed;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryKey, AlbumSortTest,
                         testing::Values(AlbumSortKey::FullPath, AlbumSortKey::Path, AlbumSortKey::Name,
                                         AlbumSortKey::Genre, AlbumSortKey::Source, AlbumSortKey::Artist),
                         [](const testing::TestParamInfo<AlbumSortKey>& info) {
                           return "Key" + std::to_string(static_cast<int>(info.param));
                         });

}  // namespace
