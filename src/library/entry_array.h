#pragma once

#include <deque>
#include <memory>
#include <string_view>

#include "media_entry.h"

// An ordered, zero-based, growable array of MediaEntry values. Reads through
// GetAt return copies; At gives a read-only view for callers that only look.
//
// Entries live in chunks (a deque), so growing never moves the entries already
// held and never needs twice the memory of a large album at once.
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

  int GetSize() const { return static_cast<int>(m_entries.size()); }
  // index must lie in 0 .. GetSize()-1; callers check it.
  MediaEntry GetAt(int index) const { return m_entries[Slot(index)]; }
  const MediaEntry& At(int index) const { return m_entries[Slot(index)]; }
  void SetAt(int index, const MediaEntry& entry);
  // Appends a copy and returns its index, the size before the call.
  int Add(const MediaEntry& entry);
  int Add(MediaEntry&& entry);
  void RemoveAt(int index);
  void RemoveAll();

  // Index of the first entry whose m_strFile equals file exactly, or -1.
  int FindFile(std::string_view file) const;

 private:
  class FileIndex;
  static std::size_t Slot(int index) { return static_cast<std::size_t>(index); }
  void AfterAdd();

  std::deque<MediaEntry> m_entries;
  mutable std::unique_ptr<FileIndex> m_index;  // null until FindFile needs it
};
