#pragma once

#include <cstdint>

// A pseudo-random generator of 15-bit values, 0 to 32767, for random play.
// The C library's rand() cannot serve: on this platform it reaches 2^31 - 1,
// and random play needs exactly the range 0-32767.
class CRandom15 {
 public:
  void Seed(std::uint32_t seed) { m_nState = seed; }
  std::int32_t Next();

 private:
  std::uint32_t m_nState = 1;
};
