#include "save_recovery.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// The largest file a RIFF size can describe.
constexpr std::uint64_t kLargestFile = std::uint64_t{UINT32_MAX} + 8;

// A journal as a save writes one: every range within the lengths it names,
// and the bytes between the old and the new length all in one range, so
// that putting it back neither cuts off a byte the save did not add nor
// leaves a gap of bytes it does not hold.
bool JournalIsCoherent(const SaveJournal& journal) {
  if (journal.OldLength > kLargestFile || journal.NewLength > kLargestFile) return false;
  bool lengthChangeCovered = journal.OldLength == journal.NewLength;
  for (const JournalRange& range : journal.Ranges) {
    if (range.Offset > journal.OldLength + journal.NewLength ||
        range.Offset + range.OldBytes.size() > journal.OldLength ||
        range.Offset + range.NewBytes.size() > journal.NewLength)
      return false;
    const bool cutCovered = journal.NewLength < journal.OldLength && range.Offset == journal.NewLength &&
                            range.OldBytes.size() == journal.OldLength - journal.NewLength;
    const bool growthCovered = journal.NewLength > journal.OldLength && range.Offset == journal.OldLength &&
                               range.NewBytes.size() == journal.NewLength - journal.OldLength;
    lengthChangeCovered = lengthChangeCovered || cutCovered || growthCovered;
  }
  return lengthChangeCovered;
}

}  // namespace

bool JournalFitsFile(ByteSource& file, const SaveJournal& journal) {
  if (!JournalIsCoherent(journal)) return false;
  const std::uint64_t length = file.Size();
  if (length < std::min(journal.OldLength, journal.NewLength) || length > std::max(journal.OldLength, journal.NewLength))
    return false;
  for (const JournalRange& range : journal.Ranges) {
    if (range.Offset >= length || range.OldBytes.empty()) continue;
    std::vector<std::uint8_t> now(static_cast<std::size_t>(std::min<std::uint64_t>(range.OldBytes.size(), length - range.Offset)));
    if (file.ReadAt(range.Offset, now) != now.size()) return false;
    for (std::size_t i = 0; i < now.size(); ++i) {
      const bool isNew = i < range.NewBytes.size() && now[i] == range.NewBytes[i];
      if (now[i] != range.OldBytes[i] && !isNew) return false;
    }
  }
  return true;
}

// Last range first, so that where ranges overlap the oldest bytes win.
bool PutBackOldBytes(ByteStore& store, const SaveJournal& journal) {
  for (auto range = journal.Ranges.rbegin(); range != journal.Ranges.rend(); ++range) {
    if (!range->OldBytes.empty() && !store.WriteAt(range->Offset, range->OldBytes)) return false;
  }
  return store.Truncate(journal.OldLength) && store.Flush();
}

RecoveryOutcome RecoverInterruptedSave(ByteStore* store, FilePlace& place) {
  std::vector<std::uint8_t> bytes;
  switch (place.ReadJournal(bytes)) {
    case FilePlace::JournalRead::None:
      return RecoveryOutcome::NothingToDo;
    case FilePlace::JournalRead::Failed:
      return RecoveryOutcome::Unreadable;
    case FilePlace::JournalRead::Read:
      break;
  }
  const std::optional<SaveJournal> journal = DecodeSaveJournal(bytes);
  if (!journal) {
    // The save was stopped while it wrote its journal, before the file was
    // touched (every change waits for the journal's sync), or it was complete
    // and had emptied its journal: either way the file is as it must stay.
    place.RemoveJournal();
    return RecoveryOutcome::NothingToDo;
  }
  std::unique_ptr<ByteStore> repair;
  if (store == nullptr) {
    repair = place.OpenForRepair();
    store = repair.get();
  }
  if (store == nullptr) return RecoveryOutcome::CannotWrite;
  if (!JournalFitsFile(*store, *journal)) return RecoveryOutcome::DoesNotFit;
  if (!PutBackOldBytes(*store, *journal)) return RecoveryOutcome::CannotWrite;
  if (!place.RemoveJournal()) return RecoveryOutcome::CannotWrite;
  return RecoveryOutcome::PutBack;
}

std::string DescribeRecovery(RecoveryOutcome outcome, const std::string& fileName, const std::string& journalName) {
  switch (outcome) {
    case RecoveryOutcome::NothingToDo:
    case RecoveryOutcome::PutBack:
      return {};
    case RecoveryOutcome::Unreadable:
      return "A save of " + fileName + " was interrupted and its safety copy " + journalName +
             " cannot be read: make it readable and open " + fileName + " again.";
    case RecoveryOutcome::DoesNotFit:
      return "A save of " + fileName + " was interrupted and another program has changed the file since, so " +
             "Kestrune left it as it is: delete " + journalName + " beside it to use " + fileName + " as it is now.";
    case RecoveryOutcome::CannotWrite:
      return "A save of " + fileName + " was interrupted and Kestrune cannot write to the file to undo it: make " +
             fileName + " writable and open it again.";
  }
  return {};
}
