// Feeds journals of every shape, with a valid checksum, to the recovery that
// runs on every open of the tag editor, over a small file. Besides crashes,
// it stops when a journal comes back changed through its bytes, when putting
// one back leaves the file at another length than the journal's old one, or
// when a journal that is not put back changes the file at all.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "file_place.h"
#include "save_journal.h"
#include "save_recovery.h"

namespace {

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "broken promise: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto number = [&input](std::uint64_t limit) { return input.ConsumeIntegralInRange<std::uint64_t>(0, limit); };
  SaveJournal journal;
  journal.OldLength = number(300);
  journal.NewLength = number(300);
  for (std::uint64_t count = number(4); count > 0; --count) {
    JournalRange range;
    range.Offset = number(300);
    range.OldBytes = input.ConsumeBytes<std::uint8_t>(number(64));
    range.NewBytes = input.ConsumeBytes<std::uint8_t>(number(64));
    journal.Ranges.push_back(std::move(range));
  }
  const std::vector<std::uint8_t> encoded = EncodeSaveJournal(journal);
  Require(DecodeSaveJournal(encoded) == journal, "a journal did not read back");

  auto state = std::make_shared<MemoryPlace::State>();
  state->File = std::make_shared<std::vector<std::uint8_t>>(input.ConsumeRemainingBytes<std::uint8_t>());
  state->Journal = encoded;
  const std::vector<std::uint8_t> before = *state->File;
  MemoryPlace place(state);
  MemoryStore store(state->File);
  const RecoveryOutcome outcome = RecoverInterruptedSave(&store, place);
  if (outcome == RecoveryOutcome::PutBack) {
    Require(state->File->size() == journal.OldLength, "the file did not get its old length back");
    Require(!state->Journal, "a journal put back was kept");
  } else {
    Require(*state->File == before && state->Journal, "a journal that was not put back changed something");
  }
  return 0;
}
