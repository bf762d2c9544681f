#include "undoable_edit.h"

#include <algorithm>

UndoableEdit::UndoableEdit(ByteStore& store) : store_(store), oldLength_(store.Size()) {}

bool UndoableEdit::Remember(std::uint64_t offset, std::uint64_t length) {
  if (offset >= oldLength_ || length == 0) return true;
  Replaced replaced{offset, std::vector<std::uint8_t>(static_cast<std::size_t>(std::min(length, oldLength_ - offset)))};
  if (store_.ReadAt(offset, replaced.Bytes) != replaced.Bytes.size()) return false;
  replaced_.push_back(std::move(replaced));
  return true;
}

bool UndoableEdit::WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
  return Remember(offset, bytes.size()) && store_.WriteAt(offset, bytes);
}

// Only a cut loses bytes of the old file; an extension adds zeros Undo removes.
bool UndoableEdit::Truncate(std::uint64_t length) {
  if (length < oldLength_ && !Remember(length, oldLength_ - length)) return false;
  return store_.Truncate(length);
}

bool UndoableEdit::Undo() {
  bool restored = true;
  for (auto replaced = replaced_.rbegin(); replaced != replaced_.rend(); ++replaced) {
    restored = store_.WriteAt(replaced->Offset, replaced->Bytes) && restored;
  }
  replaced_.clear();
  restored = store_.Truncate(oldLength_) && restored;
  return store_.Flush() && restored;
}
