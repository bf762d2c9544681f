#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "byte_stream.h"

// A view of a source as it would read after some writes and a length change,
// without touching it: the writer reads its planned result through this view
// before it writes anything.
class PatchedSource final : public ByteSource {
 public:
  PatchedSource(ByteSource& base, std::uint64_t length);
  // Later patches win where they overlap earlier ones.
  void Patch(std::uint64_t offset, std::vector<std::uint8_t> bytes);

  std::uint64_t Size() const override { return length_; }
  std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override;

 private:
  struct Piece {
    std::uint64_t Offset;
    std::vector<std::uint8_t> Bytes;
  };
  ByteSource& base_;
  std::uint64_t baseLength_;
  std::uint64_t length_;
  std::vector<Piece> pieces_;
};
