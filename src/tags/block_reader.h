#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "byte_stream.h"

// Reads a source through one window of kBlockSize bytes, so the header, the
// data search and a small file's INFO list all come from the first read, and
// a search over a large file costs one read per block.
class BlockReader {
 public:
  static constexpr std::size_t kBlockSize = 64 * 1024;

  // The source's length is taken once; the reader assumes it does not change.
  explicit BlockReader(ByteSource& source);

  std::uint64_t Size() const { return size_; }

  // Copies out.size() bytes from offset; false when they do not all lie in the
  // source (or could not be read).
  bool ReadExact(std::uint64_t offset, std::span<std::uint8_t> out);

  // A field that does not lie wholly within the source reads as 0.
  std::uint16_t Le16At(std::uint64_t offset);
  std::uint32_t Le32At(std::uint64_t offset);

  // The first position p with from <= p < before whose four bytes lie in the
  // source and equal the code, exactly as a byte-by-byte search would find it.
  std::optional<std::uint64_t> FindFourCC(std::uint32_t code, std::uint64_t from,
                                          std::uint64_t before = UINT64_MAX);

  // The bytes from offset up to the first NUL, reading at most maxLength bytes
  // and never past the end of the source. A long text is read block by block,
  // so what it costs is its own length, not maxLength.
  std::string ReadText(std::uint64_t offset, std::uint64_t maxLength);

 private:
  bool InWindow(std::uint64_t offset, std::uint64_t length) const;
  // Fills the window from offset; the window is empty when nothing could be
  // read, which the callers find by asking InWindow.
  void Load(std::uint64_t offset);

  ByteSource& source_;
  std::uint64_t size_;
  // Never larger than the source, and left uninitialised: a reader is made
  // for every file a scan opens.
  std::size_t capacity_;
  std::unique_ptr<std::uint8_t[]> window_;
  std::uint64_t windowStart_ = 0;
  std::size_t windowLength_ = 0;
};

// Index of the first position i, i + 4 <= length, where the four bytes equal
// code (in file order); length when there is none.
std::size_t FindFourCCInBytes(const std::uint8_t* bytes, std::size_t length, std::uint32_t code);
