#include "entry_array.h"

#include <functional>
#include <string>
#include <unordered_set>
#include <utility>

// A set of entry indexes hashed and compared by the entries' m_strFile, so the
// key bytes are not stored twice. Lookups by text use transparent hashing.
class EntryArray::FileIndex {
 public:
  explicit FileIndex(const EntryArray& entries) : m_slots(0, KeyHash{&entries}, KeyEqual{&entries}) {
    m_slots.reserve(static_cast<std::size_t>(entries.GetSize()));
    for (int i = 0; i < entries.GetSize(); ++i) Insert(i);
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
    const EntryArray* entries;
    std::size_t operator()(std::string_view key) const { return std::hash<std::string_view>{}(key); }
    std::size_t operator()(int index) const { return (*this)(KeyOf(entries, index)); }
  };
  struct KeyEqual {
    using is_transparent = void;
    const EntryArray* entries;
    bool operator()(int a, int b) const { return KeyOf(entries, a) == KeyOf(entries, b); }
    bool operator()(std::string_view a, int b) const { return a == KeyOf(entries, b); }
    bool operator()(int a, std::string_view b) const { return KeyOf(entries, a) == b; }
  };
  static std::string_view KeyOf(const EntryArray* entries, int index) { return entries->At(index).m_strFile; }

  std::unordered_set<int, KeyHash, KeyEqual> m_slots;
};

EntryArray::EntryArray() = default;
EntryArray::~EntryArray() = default;

// The index points at its own array, so a copy starts without one.
EntryArray::EntryArray(const EntryArray& other)
    : m_slots(other.m_slots), m_order(other.m_order), m_freeSlots(other.m_freeSlots) {}

EntryArray& EntryArray::operator=(const EntryArray& other) {
  if (this != &other) {
    m_index.reset();
    m_slots = other.m_slots;
    m_order = other.m_order;
    m_freeSlots = other.m_freeSlots;
  }
  return *this;
}

// The index refers to its array by address, so it never moves with the entries.
EntryArray::EntryArray(EntryArray&& other) noexcept
    : m_slots(std::move(other.m_slots)), m_order(std::move(other.m_order)), m_freeSlots(std::move(other.m_freeSlots)) {
  other.m_index.reset();
  other.RemoveAll();
}

EntryArray& EntryArray::operator=(EntryArray&& other) noexcept {
  if (this != &other) {
    m_index.reset();
    other.m_index.reset();
    m_slots = std::move(other.m_slots);
    m_order = std::move(other.m_order);
    m_freeSlots = std::move(other.m_freeSlots);
    other.RemoveAll();
  }
  return *this;
}

void EntryArray::SetAt(int index, const MediaEntry& entry) {
  if (m_index && At(index).m_strFile != entry.m_strFile) m_index.reset();
  m_slots[SlotOf(index)] = entry;
}

std::uint32_t EntryArray::TakeSlot() {
  if (m_freeSlots.empty()) {
    m_slots.emplace_back();
    return static_cast<std::uint32_t>(m_slots.size() - 1);
  }
  const std::uint32_t slot = m_freeSlots.back();
  m_freeSlots.pop_back();
  return slot;
}

int EntryArray::Add(const MediaEntry& entry) { return Add(MediaEntry(entry)); }

int EntryArray::Add(MediaEntry&& entry) {
  const std::uint32_t slot = TakeSlot();
  m_slots[slot] = std::move(entry);
  m_order.push_back(slot);
  AfterAdd();
  return GetSize() - 1;
}

void EntryArray::AfterAdd() {
  if (m_index) m_index->Insert(GetSize() - 1);
}

void EntryArray::RemoveAt(int index) {
  m_index.reset();  // every later index moves down by one
  const std::uint32_t slot = m_order[static_cast<std::size_t>(index)];
  m_slots[slot] = MediaEntry{};  // frees its texts at once
  m_freeSlots.push_back(slot);
  m_order.erase(m_order.begin() + index);
}

void EntryArray::RemoveAll() {
  m_index.reset();
  m_slots.clear();
  m_order.clear();
  m_freeSlots.clear();
}

void EntryArray::Reorder(const std::vector<int>& order) {
  m_index.reset();  // entries change places
  std::vector<std::uint32_t> reordered(order.size());
  for (std::size_t place = 0; place < order.size(); ++place) reordered[place] = m_order[static_cast<std::size_t>(order[place])];
  m_order = std::move(reordered);
}

int EntryArray::FindFile(std::string_view file) const {
  if (!m_index) m_index = std::make_unique<FileIndex>(*this);
  return m_index->Find(file);
}
