#pragma once

#include <cstdint>
#include <vector>

#include "info_entries.h"

// The LIST/INFO chunk holding every present entry in table order: "LIST", the
// list size, "INFO", then per text of n bytes its identifier, an odd size field
// and the text followed by one 0 byte (n odd, size n) or two (n even, size
// n + 1). Every sub-chunk takes an even number of bytes. Empty when no entry is
// present.
std::vector<std::uint8_t> BuildInfoList(const InfoEntries& entries);
