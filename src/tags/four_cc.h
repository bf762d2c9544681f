#pragma once

#include <cstdint>

// A four-character code as RIFF stores it: the four bytes in file order read as
// one little-endian 32-bit integer, so "data" is 0x61746164. Codes are compared
// as these integers, never as strings.
constexpr std::uint32_t MakeFourCC(const char (&code)[5]) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(code[0])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(code[1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(code[2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(code[3])) << 24;
}

namespace fourcc {
inline constexpr std::uint32_t kRiff = MakeFourCC("RIFF");
inline constexpr std::uint32_t kWave = MakeFourCC("WAVE");
inline constexpr std::uint32_t kFmt = MakeFourCC("fmt ");
inline constexpr std::uint32_t kData = MakeFourCC("data");
inline constexpr std::uint32_t kList = MakeFourCC("LIST");
inline constexpr std::uint32_t kInfo = MakeFourCC("INFO");
inline constexpr std::uint32_t kJunk = MakeFourCC("JUNK");
inline constexpr std::uint32_t kRf64 = MakeFourCC("RF64");

// The six tags both programs read and edit.
inline constexpr std::uint32_t kINAM = MakeFourCC("INAM");  // title
inline constexpr std::uint32_t kIART = MakeFourCC("IART");  // artist
inline constexpr std::uint32_t kIGNR = MakeFourCC("IGNR");  // genre
inline constexpr std::uint32_t kICRD = MakeFourCC("ICRD");  // creation date; ID3v1 year
inline constexpr std::uint32_t kISRC = MakeFourCC("ISRC");  // source; ID3v1 album
inline constexpr std::uint32_t kICMT = MakeFourCC("ICMT");  // comment
}  // namespace fourcc
