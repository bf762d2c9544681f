#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string_view>
#include <vector>

#include "media_entry.h"

// An ordered, zero-based, growable array of MediaEntry values. Reads through
// GetAt return copies; At gives a read-only view for callers that only look.
//
// Entries live in chunks (a deque), so growing never moves the entries already
// held and never needs twice the memory of a large album at once. The order
// of the array is a separate list of slot numbers: reordering a large album
// (a sort) moves only those numbers, and a removed entry's slot is reused by
// the next Add.
//
// FindFile answers "first index whose m_strFile equals this text, byte for
// byte" from a hash index built on first use. Add keeps the index in step in
// constant time; edits that move or rename entries (RemoveAt, SetAt with a
// different m_strFile) drop it, and the next FindFile rebuilds it once.
class EntryArray {
 public:
  EntryArray();
  ~EntryArray();
  EntryArray(const EntryArray& other);
  EntryArray& operator=(const EntryArray& other);
  EntryArray(EntryArray&& other) noexcept;
  EntryArray& operator=(EntryArray&& other) noexcept;

  int GetSize() const { return static_cast<int>(m_order.size()); }
  // index must lie in 0 .. GetSize()-1; callers check it.
  MediaEntry GetAt(int index) const { return m_slots[SlotOf(index)]; }
  const MediaEntry& At(int index) const { return m_slots[SlotOf(index)]; }
  void SetAt(int index, const MediaEntry& entry);
  // Appends a copy and returns its index, the size before the call.
  int Add(const MediaEntry& entry);
  int Add(MediaEntry&& entry);
  void RemoveAt(int index);
  void RemoveAll();
  // Moves the entries into a new order: order[i] is the old index of the
  // entry that goes to place i (a permutation of 0 .. GetSize()-1). No entry
  // is copied or moved: only the order changes.
  void Reorder(const std::vector<int>& order);

  // Index of the first entry whose m_strFile equals file exactly, or -1.
  int FindFile(std::string_view file) const;

 private:
  class FileIndex;
  std::size_t SlotOf(int index) const { return m_order[static_cast<std::size_t>(index)]; }
  // A slot for a new entry: a freed one, or a new one at the end.
  std::uint32_t TakeSlot();
  void AfterAdd();

  std::deque<MediaEntry> m_slots;        // the entries, in no particular order
  std::vector<std::uint32_t> m_order;    // array index -> slot
  std::vector<std::uint32_t> m_freeSlots;
  mutable std::unique_ptr<FileIndex> m_index;  // null until FindFile needs it
};
