// Sorts an album of 100,000 tracks by each of the six keys, as the tracklist
// window does (order, then the album rearranged), and compares the time with
// two floors measured in the same run:
//   keys:    std::stable_sort of the same keys, copied out beforehand;
//   entries: std::stable_sort of the tracks themselves in a std::vector by
//            the same keys and names (what sorting the album costs when its
//            entries can be moved rather than copied).
// The time of the order alone (without rearranging the album, which the
// array allows only by copying every entry) is shown beside.
#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_album.h"
#include "entry_sort.h"

namespace {

constexpr int kTracks = 100000;
constexpr int kRuns = 5;

struct NamedKey {
  AlbumSortKey key;
  const char* name;
};
constexpr std::array<NamedKey, 6> kKeys = {{{AlbumSortKey::FullPath, "Fullpath"},
                                            {AlbumSortKey::Path, "Path"},
                                            {AlbumSortKey::Name, "Name"},
                                            {AlbumSortKey::Genre, "Genre"},
                                            {AlbumSortKey::Source, "Source"},
                                            {AlbumSortKey::Artist, "Artist"}}};

}  // namespace

int main() {
  const EntryArray original = MakeBenchAlbum(kTracks);
  double worstKeys = 0;
  double worstEntries = 0;
  double worstOrder = 0;
  for (const NamedKey& named : kKeys) {
    double sort = 1e30;
    double orderOnly = 1e30;
    double floor = 1e30;
    double entries = 1e30;
    for (int run = 0; run < kRuns; ++run) {
      EntryArray album = original;
      orderOnly = std::min(orderOnly, SecondsSpent([&] { AlbumSortOrder(album, named.key); }));
      sort = std::min(sort, SecondsSpent([&] { ApplyOrder(album, AlbumSortOrder(album, named.key)); }));
      std::vector<std::string> keys;
      keys.reserve(kTracks);
      for (int i = 0; i < kTracks; ++i) keys.emplace_back(AlbumSortKeyOf(original.At(i), named.key));
      floor = std::min(floor, SecondsSpent([&] { std::stable_sort(keys.begin(), keys.end()); }));
      std::vector<MediaEntry> tracks;
      tracks.reserve(kTracks);
      for (int i = 0; i < kTracks; ++i) tracks.push_back(original.At(i));
      entries = std::min(entries, SecondsSpent([&] {
        std::stable_sort(tracks.begin(), tracks.end(), [&named](const MediaEntry& a, const MediaEntry& b) {
          const int byKey = AlbumSortKeyOf(a, named.key).compare(AlbumSortKeyOf(b, named.key));
          return byKey != 0 ? byKey < 0 : a.m_strName < b.m_strName;
        });
      }));
    }
    worstKeys = std::max(worstKeys, sort / floor);
    worstOrder = std::max(worstOrder, orderOnly / floor);
    worstEntries = std::max(worstEntries, sort / entries);
    std::printf("sort by %-8s %6d tracks  ours %6.2f ms (order alone %6.2f)  keys %6.2f ms  ratio %5.2f (order alone %4.2f)"
                "  entries %6.2f ms  ratio %4.2f\n",
                named.name, kTracks, sort * 1e3, orderOnly * 1e3, floor * 1e3, sort / floor, orderOnly / floor,
                entries * 1e3, sort / entries);
  }
  std::printf("worst ratio against the keys %.2f (the order alone %.2f), against the entries %.2f (target <= 3.00)\n",
              worstKeys, worstOrder, worstEntries);
  return 0;
}
