// Feeds journals of every shape, with a valid checksum, to the recovery that
// runs on every open of the tag editor, over a small file. Besides crashes,
// it stops when a journal comes back changed through its bytes, when putting
// one back leaves the file at another length than the journal's old one, or
// when a journal that is not put back changes the file at all.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "file_place.h"
#include "save_journal.h"
#include "save_recovery.h"

namespace {

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "broken promise: %s\n", what);
  std::abort();
}

// Takes numbers and byte runs from the front of the input.
class Input {
 public:
  explicit Input(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint64_t Number(std::uint64_t limit) {
    std::uint64_t value = 0;
    for (int i = 0; i < 2 && !bytes_.empty(); ++i) {
      value = value << 8 | bytes_.front();
      bytes_ = bytes_.subspan(1);
    }
    return limit == 0 ? 0 : value % (limit + 1);
  }
  std::vector<std::uint8_t> Run(std::size_t count) {
    count = std::min(count, bytes_.size());
    std::vector<std::uint8_t> run(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(count));
    bytes_ = bytes_.subspan(count);
    return run;
  }
  std::span<const std::uint8_t> Rest() const { return bytes_; }

 private:
  std::span<const std::uint8_t> bytes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input input({data, size});
  SaveJournal journal;
  journal.OldLength = input.Number(300);
  journal.NewLength = input.Number(300);
  for (std::uint64_t count = input.Number(4); count > 0; --count) {
    JournalRange range;
    range.Offset = input.Number(300);
    range.OldBytes = input.Run(static_cast<std::size_t>(input.Number(64)));
    range.NewBytes = input.Run(static_cast<std::size_t>(input.Number(64)));
    journal.Ranges.push_back(std::move(range));
  }
  const std::vector<std::uint8_t> encoded = EncodeSaveJournal(journal);
  Require(DecodeSaveJournal(encoded) == journal, "a journal did not read back");

  auto state = std::make_shared<MemoryPlace::State>();
  state->File = std::make_shared<std::vector<std::uint8_t>>(input.Rest().begin(), input.Rest().end());
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
