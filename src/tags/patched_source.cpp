#include "patched_source.h"

#include <algorithm>
#include <cstring>

PatchedSource::PatchedSource(ByteSource& base, std::uint64_t length)
    : base_(base), baseLength_(base.Size()), length_(length) {}

void PatchedSource::Patch(std::uint64_t offset, std::vector<std::uint8_t> bytes) {
  pieces_.push_back({offset, std::move(bytes)});
}

// Bytes beyond the base's end read as 0, as after extending a file. A read of
// the base that comes back short ends this read there too: the reader then
// reads again or sees the error, where zeros would show it another layout.
std::size_t PatchedSource::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) {
  if (offset >= length_) return 0;
  std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(out.size(), length_ - offset));
  const auto inBase = static_cast<std::size_t>(offset < baseLength_ ? std::min<std::uint64_t>(count, baseLength_ - offset) : 0);
  const std::size_t fromBase = base_.ReadAt(offset, out.first(inBase));
  if (fromBase < inBase) count = fromBase;
  std::memset(out.data() + fromBase, 0, count - fromBase);
  const std::uint64_t end = offset + count;
  for (const Piece& piece : pieces_) {
    const std::uint64_t pieceEnd = piece.Offset + piece.Bytes.size();
    const std::uint64_t from = std::max(offset, piece.Offset);
    const std::uint64_t to = std::min(end, pieceEnd);
    if (from >= to) continue;
    std::memcpy(out.data() + (from - offset), piece.Bytes.data() + (from - piece.Offset), to - from);
  }
  return count;
}
