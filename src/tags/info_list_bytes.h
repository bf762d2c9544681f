#pragma once

#include <cstdint>
#include <vector>

#include "info_entries.h"

// The LIST/INFO chunk holding every present entry in table order: "LIST", the
// list size, "INFO", then per text of n bytes its identifier, an odd size field
// and the text followed by one 0 byte (n odd, size n) or two (n even, size
// n + 1). The sub-chunks the table does not name follow as they stood, each
// padded to an even length. Every sub-chunk takes an even number of bytes.
// Empty when there is nothing to write.
std::vector<std::uint8_t> BuildInfoList(const InfoEntries& entries, const ForeignSubChunks& foreign = {});
