#include "info_entries.h"

#include <algorithm>

InfoEntries MakeInfoEntries() {
  InfoEntries entries{};
  for (std::size_t i = 0; i < kInfoIdCount; ++i) entries[i].Id = InfoIdTable[i];
  return entries;
}

void ResetInfoEntries(InfoEntries& entries) {
  for (InfoEntry& entry : entries) {
    entry.Present = 0;
    entry.Text.clear();
  }
}

InfoEntry* FindInfoEntry(InfoEntries& entries, std::uint32_t id) {
  auto found = std::find_if(entries.begin(), entries.end(),
                            [id](const InfoEntry& entry) { return entry.Id == id; });
  return found == entries.end() ? nullptr : &*found;
}

const InfoEntry* FindInfoEntry(const InfoEntries& entries, std::uint32_t id) {
  return FindInfoEntry(const_cast<InfoEntries&>(entries), id);
}

int StoreInfoText(InfoEntries& entries, std::uint32_t id, const std::string& text) {
  InfoEntry* entry = FindInfoEntry(entries, id);
  if (entry == nullptr) return 0;
  const std::string stored = text.substr(0, text.find('\0'));
  if (stored.empty()) {
    entry->Present = 0;
    return 0;
  }
  entry->Text = stored;
  entry->Present = 1;
  return 1;
}

bool SamePresentTags(const InfoEntries& a, const InfoEntries& b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].Present != b[i].Present) return false;
    if (a[i].Present == 1 && a[i].Text != b[i].Text) return false;
  }
  return true;
}

void FillMissingTags(InfoEntries& into, ForeignSubChunks& intoForeign, const InfoEntries& from,
                     const ForeignSubChunks& fromForeign) {
  for (std::size_t i = 0; i < into.size(); ++i) {
    if (into[i].Present != 1 && from[i].Present == 1) into[i] = from[i];
  }
  // Only the identifiers `into` held before count: `from` may repeat one.
  const auto held = static_cast<std::ptrdiff_t>(intoForeign.size());
  for (const ForeignSubChunk& chunk : fromForeign) {
    const bool known = std::any_of(intoForeign.begin(), intoForeign.begin() + held,
                                   [&chunk](const ForeignSubChunk& kept) { return kept.Id == chunk.Id; });
    if (!known) intoForeign.push_back(chunk);
  }
}
