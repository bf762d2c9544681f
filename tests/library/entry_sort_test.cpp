#include "entry_sort.h"

#include <gtest/gtest.h>

#include <random>

#include "path_parts.h"

namespace {

// The sort as a person would first write it: adjacent pairs swapped while a
// pass still finds one out of order.
std::vector<std::string> BubbleSorted(const EntryArray& album, AlbumSortKey key) {
  std::vector<MediaEntry> tracks;
  for (int i = 0; i < album.GetSize(); ++i) tracks.push_back(album.GetAt(i));
  for (std::size_t limit = tracks.size() - 1; limit > 0; --limit) {
    bool swapped = false;
    for (std::size_t j = 0; j < limit; ++j) {
      const std::string keyA(AlbumSortKeyOf(tracks[j], key));
      const std::string keyB(AlbumSortKeyOf(tracks[j + 1], key));
      if (keyA > keyB || (keyA == keyB && tracks[j].m_strName > tracks[j + 1].m_strName)) {
        std::swap(tracks[j], tracks[j + 1]);
        swapped = true;
      }
    }
    if (!swapped) break;
  }
  std::vector<std::string> ids;
  for (const MediaEntry& track : tracks) ids.push_back(track.m_strComment);
  return ids;
}

std::vector<std::string> Sorted(EntryArray album, AlbumSortKey key) {
  ApplyOrder(album, AlbumSortOrder(album, key));
  std::vector<std::string> ids;
  for (int i = 0; i < album.GetSize(); ++i) ids.push_back(album.GetAt(i).m_strComment);
  return ids;
}

// Texts from a small alphabet, so keys and names are often equal, one a
// prefix of another, or differ only in case or in a byte above 127.
std::string SmallText(std::mt19937& random) {
  static const std::string kLetters = "aAbB\xE9";
  std::string text;
  const int length = static_cast<int>(random() % 3);
  for (int i = 0; i < length; ++i) text += kLetters[random() % kLetters.size()];
  return text;
}

EntryArray RandomAlbum(unsigned seed, int size) {
  std::mt19937 random(seed);
  EntryArray album;
  for (int i = 0; i < size; ++i) {
    MediaEntry track;
    track.m_strFile = "/" + SmallText(random) + "/" + SmallText(random);
    track.m_strName = SmallText(random);
    track.m_strGenre = SmallText(random);
    track.m_strSource = SmallText(random);
    track.m_strArtist = SmallText(random);
    track.m_strComment = std::to_string(i);  // tells equal tracks apart
    album.Add(track);
  }
  return album;
}

class AlbumSortTest : public testing::TestWithParam<AlbumSortKey> {};

TEST_P(AlbumSortTest, GivesTheBubbleSortsOrder) {
  for (unsigned seed = 1; seed <= 10; ++seed) {
    const EntryArray album = RandomAlbum(seed, 150);
    ASSERT_EQ(Sorted(album, GetParam()), BubbleSorted(album, GetParam())) << "seed " << seed;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryKey, AlbumSortTest,
                         testing::Values(AlbumSortKey::FullPath, AlbumSortKey::Path, AlbumSortKey::Name,
                                         AlbumSortKey::Genre, AlbumSortKey::Source, AlbumSortKey::Artist));

TEST(AlbumSortKeyTest, PathIsTheFolderWithItsSeparator) {
  MediaEntry track;
  track.m_strFile = std::string("music") + kPathSeparator + "a.wav";
  EXPECT_EQ(AlbumSortKeyOf(track, AlbumSortKey::Path), std::string("music") + kPathSeparator);
  track.m_strFile = "a.wav";
  EXPECT_EQ(AlbumSortKeyOf(track, AlbumSortKey::Path), "");
}

TEST(KeySortTest, OrdersKeysByBytesAndKeepsEqualKeysInOrder) {
  EntryArray entries;
  for (const char* key : {"b", "a", "B", "A", "a"}) {
    MediaEntry entry;
    entry.m_strFile = key;
    entry.m_strName = std::to_string(entries.GetSize());
    entries.Add(entry);
  }
  ApplyOrder(entries, KeySortOrder(entries));
  std::vector<std::string> seen;
  for (int i = 0; i < entries.GetSize(); ++i) seen.push_back(entries.At(i).m_strFile + entries.At(i).m_strName);
  EXPECT_EQ(seen, (std::vector<std::string>{"A3", "B2", "a1", "a4", "b0"}));
}

}  // namespace
