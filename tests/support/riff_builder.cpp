#include "riff_builder.h"

#include <stdexcept>

Bytes ToBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

std::string ToText(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

std::uint32_t Le32(const Bytes& bytes, std::size_t offset) {
  if (offset + 4 > bytes.size()) throw std::out_of_range("Le32 past the end");
  return static_cast<std::uint32_t>(bytes[offset]) | static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
         static_cast<std::uint32_t>(bytes[offset + 2]) << 16 | static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

void PutLe32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.at(offset + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(value >> (8 * i));
}

void PushLe16(Bytes& bytes, std::uint16_t value) {
  bytes.push_back(static_cast<std::uint8_t>(value));
  bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PushLe32(Bytes& bytes, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PushFourCC(Bytes& bytes, std::string_view code) {
  if (code.size() != 4) throw std::invalid_argument("a four-character code needs four characters");
  bytes.insert(bytes.end(), code.begin(), code.end());
}

RiffBuilder& RiffBuilder::Chunk(std::string_view id, const Bytes& payload, ChunkOptions options) {
  PushFourCC(body_, id);
  PushLe32(body_, options.DeclaredSize.value_or(static_cast<std::uint32_t>(payload.size())));
  body_.insert(body_.end(), payload.begin(), payload.end());
  if (options.Pad && payload.size() % 2 == 1) body_.push_back(0);
  return *this;
}

Bytes RiffBuilder::Build() const {
  Bytes file;
  PushFourCC(file, magic_);
  PushLe32(file, riffSize_.value_or(static_cast<std::uint32_t>(body_.size() + 4)));
  PushFourCC(file, form_);
  file.insert(file.end(), body_.begin(), body_.end());
  if (truncateTo_ && *truncateTo_ < file.size()) file.resize(*truncateTo_);
  return file;
}

Bytes PcmFormat(std::uint16_t channels, std::uint32_t samplesPerSec, std::uint16_t bitsPerSample,
                std::uint16_t formatTag) {
  const std::uint16_t blockAlign = static_cast<std::uint16_t>(channels * bitsPerSample / 8);
  Bytes fmt;
  PushLe16(fmt, formatTag);
  PushLe16(fmt, channels);
  PushLe32(fmt, samplesPerSec);
  PushLe32(fmt, samplesPerSec * blockAlign);
  PushLe16(fmt, blockAlign);
  PushLe16(fmt, bitsPerSample);
  return fmt;
}

Bytes InfoSubChunk(std::string_view id, std::string_view text, std::optional<std::uint32_t> declaredSize) {
  Bytes chunk;
  PushFourCC(chunk, id);
  PushLe32(chunk, declaredSize.value_or(static_cast<std::uint32_t>(text.size() + 1)));
  chunk.insert(chunk.end(), text.begin(), text.end());
  chunk.push_back(0);
  if (chunk.size() % 2 == 1) chunk.push_back(0);
  return chunk;
}

Bytes InfoList(const std::vector<std::pair<std::string, std::string>>& tags) {
  Bytes list = ToBytes("INFO");
  for (const auto& [id, text] : tags) {
    const Bytes sub = InfoSubChunk(id, text);
    list.insert(list.end(), sub.begin(), sub.end());
  }
  return list;
}

Bytes CanonicalWave(const Bytes& audio, const std::vector<std::pair<std::string, std::string>>& tags) {
  RiffBuilder builder;
  builder.Chunk("fmt ", PcmFormat(2, 44100, 16)).Chunk("data", audio);
  if (!tags.empty()) builder.Chunk("LIST", InfoList(tags));
  return builder.Build();
}

// Bytes below 0x40 cannot start any of the codes the reader searches for.
Bytes SampleBytes(std::size_t count, std::uint32_t seed) {
  Bytes bytes(count);
  std::uint32_t state = seed * 2654435761u + 1;
  for (auto& byte : bytes) {
    state = state * 1664525u + 1013904223u;
    byte = static_cast<std::uint8_t>((state >> 24) & 0x3F);
  }
  return bytes;
}
