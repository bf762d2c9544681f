#include "entry_sort.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "path_parts.h"

namespace {

// The folder of a path: up to and including its last separator, empty without one.
std::string_view FolderView(std::string_view path) {
  const auto cut = path.rfind(kPathSeparator);
  return cut == std::string_view::npos ? std::string_view() : path.substr(0, cut + 1);
}

// The first sixteen bytes of a text as two big-endian numbers, zero-padded,
// and how many of its bytes they hold (17 for "more"). When two prefixes
// differ they order the texts exactly as a byte-wise unsigned comparison
// would; when they are equal and one text is no longer than its prefix, that
// text is a beginning of the other (the padding is zeros), so the lengths
// decide. Only texts that agree in their first sixteen bytes are read whole.
struct TextPrefix {
  static constexpr std::size_t kBytes = 16;
  std::uint64_t high = 0;
  std::uint64_t low = 0;
  std::uint8_t length = 0;

  explicit TextPrefix(std::string_view text = {}) : length(static_cast<std::uint8_t>(std::min(text.size(), kBytes + 1))) {
    for (std::size_t i = 0; i < kBytes; ++i) {
      const std::uint64_t byte = i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
      (i < 8 ? high : low) = (i < 8 ? high : low) << 8 | byte;
    }
  }

  // Negative, zero or positive; undecided when only the whole texts can tell.
  int Compare(const TextPrefix& other, bool& undecided) const {
    undecided = false;
    if (high != other.high) return high < other.high ? -1 : 1;
    if (low != other.low) return low < other.low ? -1 : 1;
    if (length <= kBytes || other.length <= kBytes) return int{length} - int{other.length};
    undecided = true;
    return 0;
  }
};

// What the sort moves about, so most comparisons stay inside it. The whole
// texts are looked up by index only when the prefixes cannot tell.
struct SortItem {
  TextPrefix key;
  TextPrefix name;
  std::uint32_t index = 0;
};

struct SortTexts {
  std::string_view key;
  std::string_view name;
};

// How many leading bytes every text of the list shares. Those bytes cannot
// order anything, so the prefixes start behind them (an album's paths mostly
// begin with the same folders).
template <typename TextOf>
std::size_t SharedLeadOf(const std::vector<SortTexts>& texts, TextOf textOf) {
  if (texts.empty()) return 0;
  const std::string_view first = textOf(texts.front());
  std::size_t shared = first.size();
  for (const SortTexts& each : texts) {
    const std::string_view text = textOf(each);
    const std::size_t limit = std::min(shared, text.size());
    std::size_t i = 0;
    while (i < limit && text[i] == first[i]) ++i;
    shared = i;
    if (shared == 0) break;
  }
  return shared;
}

// Ascending by key, then by name; std::stable_sort keeps equal items in order.
std::vector<int> SortedOrder(const std::vector<SortTexts>& texts) {
  const std::size_t keyLead = SharedLeadOf(texts, [](const SortTexts& t) { return t.key; });
  const std::size_t nameLead = SharedLeadOf(texts, [](const SortTexts& t) { return t.name; });
  std::vector<SortItem> items(texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    items[i] = {TextPrefix(texts[i].key.substr(keyLead)), TextPrefix(texts[i].name.substr(nameLead)),
                static_cast<std::uint32_t>(i)};
  }
  std::stable_sort(items.begin(), items.end(), [&texts](const SortItem& left, const SortItem& right) {
    bool undecided = false;
    int byKey = left.key.Compare(right.key, undecided);
    if (undecided) byKey = texts[left.index].key.compare(texts[right.index].key);
    if (byKey != 0) return byKey < 0;
    int byName = left.name.Compare(right.name, undecided);
    if (undecided) byName = texts[left.index].name.compare(texts[right.index].name);
    return byName < 0;
  });
  std::vector<int> order(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) order[i] = static_cast<int>(items[i].index);
  return order;
}

}  // namespace

std::string_view AlbumSortKeyOf(const MediaEntry& entry, AlbumSortKey key) {
  switch (key) {
    case AlbumSortKey::FullPath: return entry.m_strFile;
    case AlbumSortKey::Path: return FolderView(entry.m_strFile);
    case AlbumSortKey::Name: return entry.m_strName;
    case AlbumSortKey::Genre: return entry.m_strGenre;
    case AlbumSortKey::Source: return entry.m_strSource;
    case AlbumSortKey::Artist: return entry.m_strArtist;
  }
  return entry.m_strFile;
}

std::vector<int> AlbumSortOrder(const EntryArray& album, AlbumSortKey key) {
  std::vector<SortTexts> texts(static_cast<std::size_t>(album.GetSize()));
  for (int i = 0; i < album.GetSize(); ++i) {
    const MediaEntry& entry = album.At(i);
    texts[static_cast<std::size_t>(i)] = {AlbumSortKeyOf(entry, key), entry.m_strName};
  }
  return SortedOrder(texts);
}

std::vector<int> KeySortOrder(const EntryArray& entries) {
  std::vector<SortTexts> texts(static_cast<std::size_t>(entries.GetSize()));
  for (int i = 0; i < entries.GetSize(); ++i) texts[static_cast<std::size_t>(i)] = {entries.At(i).m_strFile, {}};
  return SortedOrder(texts);
}

bool IsIdentityOrder(const std::vector<int>& order) {
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (order[i] != static_cast<int>(i)) return false;
  }
  return true;
}

void ApplyOrder(EntryArray& entries, const std::vector<int>& order) { entries.Reorder(order); }
