#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "byte_stream.h"
#include "info_entries.h"

// Where the INFO writer puts a file's new LIST/INFO chunk.
//
// Everything from ListOffset to the end of the file is replaced by the new
// list: that region only ever holds the INFO lists that follow the last chunk
// worth keeping. For the common layout (header, fmt, data, at most one INFO
// list that ends the file, RIFF size = length - 8) this puts the list right
// after the data chunk and its pad byte, exactly where the in-place writer
// always put it. Any INFO list standing before ListOffset (before the data, or
// followed by cue points or other chunks) is renamed to "JUNK", so the file
// keeps one INFO list and every other chunk keeps its place and its bytes. The
// reader has taken the tags of every INFO list, so none is lost.
struct InfoWritePlan {
  std::uint64_t ListOffset = 0;
  std::vector<std::uint64_t> RetiredLists;  // offsets whose "LIST" becomes "JUNK"
};

struct InfoWritePlanResult {
  InfoWritePlan Plan;
  std::string Refusal;  // non-empty when the file must not be changed
};

// Decides from a walk of the chunk chain, wherever the data chunk begins.
InfoWritePlanResult PlanInfoWrite(ByteSource& source);

// The tags a save writes: the table's texts and the sub-chunks it does not name.
struct TagsToWrite {
  const InfoEntries& Entries;
  const ForeignSubChunks& Foreign;
};

// The bytes of the file after the plan is carried out with list as the new
// LIST chunk (empty: no list), read through a view that changes nothing.
// Returns an empty text when a save would accept that result and reading it
// gives exactly `tags`, otherwise why not.
std::string CheckReadBack(ByteSource& source, const InfoWritePlan& plan, const std::vector<std::uint8_t>& list,
                          const TagsToWrite& tags);

// The file length after the plan is carried out.
inline std::uint64_t PlannedLength(const InfoWritePlan& plan, const std::vector<std::uint8_t>& list) {
  return plan.ListOffset + list.size();
}
