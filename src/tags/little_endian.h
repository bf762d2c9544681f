#pragma once

#include <cstdint>
#include <vector>

// RIFF stores every integer little-endian whatever the machine's byte order,
// so values are assembled byte by byte.
inline std::uint16_t LoadLe16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

inline std::uint32_t LoadLe32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

inline void StoreLe32(std::uint8_t* p, std::uint32_t value) {
  p[0] = static_cast<std::uint8_t>(value);
  p[1] = static_cast<std::uint8_t>(value >> 8);
  p[2] = static_cast<std::uint8_t>(value >> 16);
  p[3] = static_cast<std::uint8_t>(value >> 24);
}

inline void AppendLe32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  const std::size_t at = out.size();
  out.resize(at + 4);
  StoreLe32(out.data() + at, value);
}

inline std::vector<std::uint8_t> Le32Bytes(std::uint32_t value) {
  std::vector<std::uint8_t> bytes;
  AppendLe32(bytes, value);
  return bytes;
}
