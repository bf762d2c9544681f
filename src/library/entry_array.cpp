#include "entry_array.h"

#include <functional>
#include <string>
#include <unordered_set>
#include <utility>

// A set of entry indexes hashed and compared by the entries' m_strFile, so the
// key bytes are not stored twice. Lookups by text use transparent hashing.
class EntryArray::FileIndex {
 public:
  explicit FileIndex(const std::deque<MediaEntry>& entries)
      : m_slots(0, KeyHash{&entries}, KeyEqual{&entries}) {
    m_slots.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) Insert(static_cast<int>(i));
  }

  // Keeps the first index of a key: a later duplicate is not inserted.
  void Insert(int index) { m_slots.insert(index); }

  int Find(std::string_view file) const {
    const auto found = m_slots.find(file);
    return found == m_slots.end() ? -1 : *found;
  }

 private:
  struct KeyHash {
    using is_transparent = void;
    const std::deque<MediaEntry>* entries;
    std::size_t operator()(std::string_view key) const { return std::hash<std::string_view>{}(key); }
    std::size_t operator()(int index) const { return (*this)(KeyOf(entries, index)); }
  };
  struct KeyEqual {
    using is_transparent = void;
    const std::deque<MediaEntry>* entries;
    bool operator()(int a, int b) const { return KeyOf(entries, a) == KeyOf(entries, b); }
    bool operator()(std::string_view a, int b) const { return a == KeyOf(entries, b); }
    bool operator()(int a, std::string_view b) const { return KeyOf(entries, a) == b; }
  };
  static std::string_view KeyOf(const std::deque<MediaEntry>* entries, int index) {
    return (*entries)[static_cast<std::size_t>(index)].m_strFile;
  }

  std::unordered_set<int, KeyHash, KeyEqual> m_slots;
};

EntryArray::EntryArray() = default;
EntryArray::~EntryArray() = default;

// The index points at its own array, so a copy starts without one.
EntryArray::EntryArray(const EntryArray& other) : m_entries(other.m_entries) {}

EntryArray& EntryArray::operator=(const EntryArray& other) {
  if (this != &other) {
    m_index.reset();
    m_entries = other.m_entries;
  }
  return *this;
}

EntryArray::EntryArray(EntryArray&& other) noexcept : m_entries(std::move(other.m_entries)) {
  other.m_index.reset();
}

EntryArray& EntryArray::operator=(EntryArray&& other) noexcept {
  if (this != &other) {
    m_index.reset();
    other.m_index.reset();
    m_entries = std::move(other.m_entries);
  }
  return *this;
}

void EntryArray::SetAt(int index, const MediaEntry& entry) {
  if (m_index && m_entries[Slot(index)].m_strFile != entry.m_strFile) m_index.reset();
  m_entries[Slot(index)] = entry;
}

int EntryArray::Add(const MediaEntry& entry) {
  m_entries.push_back(entry);
  AfterAdd();
  return GetSize() - 1;
}

int EntryArray::Add(MediaEntry&& entry) {
  m_entries.push_back(std::move(entry));
  AfterAdd();
  return GetSize() - 1;
}

void EntryArray::AfterAdd() {
  if (m_index) m_index->Insert(GetSize() - 1);
}

void EntryArray::RemoveAt(int index) {
  m_index.reset();  // every later index moves down by one
  m_entries.erase(m_entries.begin() + index);
}

void EntryArray::RemoveAll() {
  m_index.reset();
  m_entries.clear();
}

int EntryArray::FindFile(std::string_view file) const {
  if (!m_index) m_index = std::make_unique<FileIndex>(m_entries);
  return m_index->Find(file);
}
