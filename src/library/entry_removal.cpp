#include "entry_removal.h"

#include <utility>

namespace {

// Below this many removals shifting the array per entry costs less than
// copying every entry that stays.
constexpr std::size_t kShiftLimit = 16;

}  // namespace

void RemoveIndexes(EntryArray& entries, const std::vector<int>& ascending) {
  if (ascending.size() <= kShiftLimit) {
    for (auto at = ascending.rbegin(); at != ascending.rend(); ++at) entries.RemoveAt(*at);
    return;
  }
  EntryArray kept;
  std::size_t next = 0;
  for (int i = 0; i < entries.GetSize(); ++i) {
    if (next < ascending.size() && ascending[next] == i) {
      ++next;
      continue;
    }
    kept.Add(entries.At(i));
  }
  entries = std::move(kept);
}
