#pragma once

#include <vector>

#include "entry_array.h"

// Removes the entries at the given indexes (ascending, each once) and keeps
// the others in their order. A large or scattered set is removed in one pass
// instead of one shift of the array per entry, so a selection of any size is
// deleted at once.
void RemoveIndexes(EntryArray& entries, const std::vector<int>& ascending);
