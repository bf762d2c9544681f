#include "riff_check.h"

RiffCheck CheckRiff(const Bytes& file) {
  RiffCheck check;
  if (file.size() < 12 || ToText(Bytes(file.begin(), file.begin() + 4)) != "RIFF" ||
      ToText(Bytes(file.begin() + 8, file.begin() + 12)) != "WAVE") {
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
    CheckedChunk chunk{ToText(Bytes(file.begin() + static_cast<std::ptrdiff_t>(position),
                                    file.begin() + static_cast<std::ptrdiff_t>(position + 4))),
                       position, Le32(file, position + 4)};
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
