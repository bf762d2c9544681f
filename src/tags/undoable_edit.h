#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "byte_stream.h"

// Changes a store in place so that a failure at any point can be taken back.
// Every overwrite of a byte the store held at the start remembers what it
// replaced; Undo writes those bytes back, last change first, and restores the
// length. Writing beyond the old end needs no memory: Undo cuts it off.
//
// Callers write the bytes beyond the old end first: that is where a full disk
// fails, and there a failure has changed nothing the file's readers see.
class UndoableEdit {
 public:
  explicit UndoableEdit(ByteStore& store);

  std::uint64_t OldLength() const { return oldLength_; }

  bool WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes);
  bool Truncate(std::uint64_t length);
  // Puts back every byte and the length as they were; false when the store
  // refused (the file may then be damaged).
  bool Undo();

 private:
  struct Replaced {
    std::uint64_t Offset;
    std::vector<std::uint8_t> Bytes;
  };
  // Remembers the bytes that a change of [offset, offset + length) replaces.
  bool Remember(std::uint64_t offset, std::uint64_t length);

  ByteStore& store_;
  std::uint64_t oldLength_;
  std::vector<Replaced> replaced_;
};
