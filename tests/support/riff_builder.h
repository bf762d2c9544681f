#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Builds RIFF files byte by byte for tests, including the broken ones: odd
// sizes with or without pad bytes, size fields that lie, truncated chunks.
//
//   Bytes wave = RiffBuilder()
//                    .Chunk("fmt ", PcmFormat(2, 44100, 16))
//                    .Chunk("data", Bytes(1000, 0x11))
//                    .Chunk("LIST", InfoList({{"INAM", "Title"}}))
//                    .Build();
using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(std::string_view text);
std::string ToText(const Bytes& bytes);
std::uint32_t Le32(const Bytes& bytes, std::size_t offset);
void PutLe32(Bytes& bytes, std::size_t offset, std::uint32_t value);
void PushLe16(Bytes& bytes, std::uint16_t value);
void PushLe32(Bytes& bytes, std::uint32_t value);
void PushFourCC(Bytes& bytes, std::string_view code);  // exactly four characters

struct ChunkOptions {
  std::optional<std::uint32_t> DeclaredSize;  // size field when it must lie
  bool Pad = true;                            // add the pad byte after an odd payload
};

class RiffBuilder {
 public:
  // Magic is "RIFF" and the form type "WAVE" unless told; the RIFF size is
  // the built length - 8 unless told.
  RiffBuilder& Magic(std::string_view magic) { magic_ = magic; return *this; }
  RiffBuilder& FormType(std::string_view form) { form_ = form; return *this; }
  RiffBuilder& RiffSize(std::uint32_t size) { riffSize_ = size; return *this; }
  RiffBuilder& Chunk(std::string_view id, const Bytes& payload, ChunkOptions options = {});
  RiffBuilder& Chunk(std::string_view id, std::string_view text, ChunkOptions options = {}) {
    return Chunk(id, ToBytes(text), options);
  }
  // Bytes outside any chunk.
  RiffBuilder& Raw(const Bytes& bytes) { body_.insert(body_.end(), bytes.begin(), bytes.end()); return *this; }
  // Cuts the built file there.
  RiffBuilder& TruncateTo(std::size_t length) { truncateTo_ = length; return *this; }

  Bytes Build() const;

 private:
  std::string magic_ = "RIFF";
  std::string form_ = "WAVE";
  std::optional<std::uint32_t> riffSize_;
  std::optional<std::size_t> truncateTo_;
  Bytes body_;
};

// A 16-byte PCM "fmt " payload.
Bytes PcmFormat(std::uint16_t channels, std::uint32_t samplesPerSec, std::uint16_t bitsPerSample,
                std::uint16_t formatTag = 1);

// One INFO sub-chunk: identifier, size, the text and a NUL, padded to even.
// A declared size replaces the size field only.
Bytes InfoSubChunk(std::string_view id, std::string_view text,
                   std::optional<std::uint32_t> declaredSize = std::nullopt);

// A LIST payload: "INFO" followed by one sub-chunk per (identifier, text).
Bytes InfoList(const std::vector<std::pair<std::string, std::string>>& tags);

// The usual small file: fmt, data of the given bytes, and an INFO list when
// tags are given.
Bytes CanonicalWave(const Bytes& audio, const std::vector<std::pair<std::string, std::string>>& tags = {});

// Audio-like bytes: a deterministic pattern that never contains "LIST",
// "INFO" or "data".
Bytes SampleBytes(std::size_t count, std::uint32_t seed = 1);
