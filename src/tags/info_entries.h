#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "wave_info_file.h"

using InfoEntries = std::array<InfoEntry, kInfoIdCount>;

using ForeignSubChunks = std::vector<ForeignSubChunk>;

// True when both hold the same present texts (absent texts are not compared).
bool SamePresentTags(const InfoEntries& a, const InfoEntries& b);

// Takes into `into` every tag `from` holds and `into` lacks, and every foreign
// sub-chunk whose identifier `into` does not hold yet.
void FillMissingTags(InfoEntries& into, ForeignSubChunks& intoForeign, const InfoEntries& from,
                     const ForeignSubChunks& fromForeign);

// Slots for the 25 identifiers in table order, all absent.
InfoEntries MakeInfoEntries();

// Empties every text and clears every Present flag; the identifiers stay.
void ResetInfoEntries(InfoEntries& entries);

// The slot for id, or nullptr when id is not in the table.
InfoEntry* FindInfoEntry(InfoEntries& entries, std::uint32_t id);
const InfoEntry* FindInfoEntry(const InfoEntries& entries, std::uint32_t id);

// Stores a text the way a C string would be stored: it ends at its first NUL.
// An empty text clears Present and leaves the old text in place. Returns 1 when
// a text was stored, 0 for an unknown identifier or an empty text.
int StoreInfoText(InfoEntries& entries, std::uint32_t id, const std::string& text);
