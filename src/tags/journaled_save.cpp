#include "journaled_save.h"

#include <algorithm>

#include "save_journal.h"
#include "save_recovery.h"

namespace {

// The bytes of [offset, offset + length) that lie within the file; false on
// a read error.
bool ReadOldBytes(ByteStore& store, std::uint64_t oldLength, std::uint64_t offset, std::uint64_t length,
                  std::vector<std::uint8_t>& out) {
  out.assign(offset < oldLength ? static_cast<std::size_t>(std::min(length, oldLength - offset)) : 0, 0);
  return store.ReadAt(offset, out) == out.size();
}

bool RecordJournal(ByteStore& store, const std::vector<PlannedWrite>& writes, std::uint64_t newLength,
                   SaveJournal& journal) {
  journal.OldLength = store.Size();
  journal.NewLength = newLength;
  for (const PlannedWrite& write : writes) {
    JournalRange range{write.Offset, {}, write.Bytes};
    if (!ReadOldBytes(store, journal.OldLength, write.Offset, write.Bytes.size(), range.OldBytes)) return false;
    journal.Ranges.push_back(std::move(range));
  }
  if (newLength < journal.OldLength) {
    JournalRange cut{newLength, {}, {}};
    if (!ReadOldBytes(store, journal.OldLength, newLength, journal.OldLength - newLength, cut.OldBytes))
      return false;
    journal.Ranges.push_back(std::move(cut));
  }
  return true;
}

bool WriteNewBytes(ByteStore& store, const std::vector<PlannedWrite>& writes, std::uint64_t oldLength,
                   std::uint64_t newLength) {
  for (const PlannedWrite& write : writes) {
    if (!store.WriteAt(write.Offset, write.Bytes)) return false;
  }
  if (newLength < oldLength && !store.Truncate(newLength)) return false;
  return store.Flush();
}

// After a failed write: the old bytes go back at once, so the user's file is
// whole again without waiting for the next open.
SaveResult TakeBack(ByteStore& store, FilePlace& place, const SaveJournal& journal) {
  if (!PutBackOldBytes(store, journal)) return {SaveOutcome::PutBackLater, {}};
  // A journal that cannot be removed now describes the old file: the next
  // open writes back bytes that are already there.
  place.RemoveJournal();
  return {SaveOutcome::PutBack, {}};
}

}  // namespace

SaveResult SaveWithJournal(ByteStore& store, FilePlace& place, const std::vector<PlannedWrite>& writes,
                           std::uint64_t newLength) {
  SaveJournal journal;
  if (!RecordJournal(store, writes, newLength, journal)) return {SaveOutcome::Refused, "the file cannot be read"};
  switch (place.CreateJournal(EncodeSaveJournal(journal))) {
    case FilePlace::JournalClaim::Created:
      break;
    case FilePlace::JournalClaim::Taken:
      return {SaveOutcome::Refused, "another save of this file is under way, or an interrupted one waits to be "
                                    "undone when the file is next opened (" + place.JournalName() + ")"};
    case FilePlace::JournalClaim::Failed:
      return {SaveOutcome::Refused, "Kestrune cannot keep the safety copy of the changed bytes (" +
                                        place.JournalName() + ") that a save needs in the file's folder"};
  }
  if (!WriteNewBytes(store, writes, journal.OldLength, newLength)) return TakeBack(store, place, journal);
  if (place.RemoveJournal()) return {SaveOutcome::Saved, {}};
  // The journal would undo this save at the next open; undone now, the file
  // the user sees agrees with what is reported.
  return TakeBack(store, place, journal);
}
