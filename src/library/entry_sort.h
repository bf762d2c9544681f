#pragma once

#include <string_view>
#include <vector>

#include "entry_array.h"

// The keys the tracklist sorts by, in the order of its Sort menu.
enum class AlbumSortKey { FullPath, Path, Name, Genre, Source, Artist };

// The text a track is sorted by: the whole path, its folder (up to and
// including the last separator), or one of its texts. A view into entry.
std::string_view AlbumSortKeyOf(const MediaEntry& entry, AlbumSortKey key);

// A new order for the entries, as the old index of the entry that goes to
// each place. Texts compare byte by byte as unsigned values, case-sensitive,
// so "B" sorts before "a" and a text before every longer one it begins.
//
// AlbumSortOrder: ascending by the key, equal keys by the display name, and
// entries equal in both keep their order (a stable sort, n log n).
std::vector<int> AlbumSortOrder(const EntryArray& album, AlbumSortKey key);
// KeySortOrder: the dictionary's order, ascending by m_strFile alone, stable.
std::vector<int> KeySortOrder(const EntryArray& entries);

// True when order leaves every entry where it is.
bool IsIdentityOrder(const std::vector<int>& order);
// Rearranges entries to order (a permutation of 0 .. GetSize()-1).
void ApplyOrder(EntryArray& entries, const std::vector<int>& order);
