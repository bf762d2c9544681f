#include "riff_check.h"

#include <algorithm>

namespace {

// The four-character code at offset, which must lie within the file.
std::string CodeAt(const Bytes& file, std::size_t offset) {
  return std::string(reinterpret_cast<const char*>(file.data() + offset), 4);
}

bool IsInfoList(const Bytes& file, std::size_t offset, std::uint32_t size) {
  return size >= 4 && CodeAt(file, offset) == "LIST" && CodeAt(file, offset + 8) == "INFO";
}

}  // namespace

RiffCheck CheckRiff(const Bytes& file) {
  RiffCheck check;
  if (file.size() < 12 || CodeAt(file, 0) != "RIFF" || CodeAt(file, 8) != "WAVE") {
    check.Problem = "no RIFF/WAVE header";
    return check;
  }
  if (std::uint64_t{Le32(file, 4)} + 8 != file.size()) {
    check.Problem = "RIFF size " + std::to_string(Le32(file, 4)) + " but length " + std::to_string(file.size());
    return check;
  }
  std::size_t position = 12;
  while (position < file.size()) {
    if (position + 8 > file.size()) {
      check.Problem = "cut chunk header at " + std::to_string(position);
      return check;
    }
    CheckedChunk chunk{CodeAt(file, position), position, Le32(file, position + 4)};
    const std::uint64_t end = std::uint64_t{position} + 8 + chunk.Size + (chunk.Size & 1);
    if (end > file.size()) {
      check.Problem = "chunk " + chunk.Id + " at " + std::to_string(position) + " runs past the end";
      return check;
    }
    check.Chunks.push_back(chunk);
    position = static_cast<std::size_t>(end);
  }
  return check;
}

Bytes ChunkPayload(const Bytes& file, std::size_t offset) {
  if (offset + 8 > file.size()) return {};
  const std::uint64_t end = std::uint64_t{offset} + 8 + Le32(file, offset + 4);
  if (end > file.size()) return {};
  return Bytes(file.begin() + static_cast<std::ptrdiff_t>(offset + 8), file.begin() + static_cast<std::ptrdiff_t>(end));
}

std::string BrokenSavePromise(const Bytes& original, const Bytes& after, bool saved) {
  if (!saved) return after == original ? std::string() : "a refused save changed the file";
  if (const RiffCheck check = CheckRiff(after); !check.WellFormed()) return "a save left a malformed RIFF: " + check.Problem;
  // The original was accepted, so its chunks follow each other from byte 12;
  // its last chunk may lack its pad byte.
  for (std::size_t position = 12; position + 8 <= original.size();) {
    const std::uint32_t size = Le32(original, position + 4);
    const std::size_t end = position + 8 + size;
    if (end > original.size()) break;
    if (!IsInfoList(original, position, size) &&
        (end > after.size() || !std::equal(original.begin() + static_cast<std::ptrdiff_t>(position),
                                           original.begin() + static_cast<std::ptrdiff_t>(end),
                                           after.begin() + static_cast<std::ptrdiff_t>(position))))
      return "a save changed the chunk at " + std::to_string(position);
    position = end + (size & 1);
  }
  return {};
}
