#include "random15.h"

std::int32_t CRandom15::Next() {
  // A linear congruential step; the low bits of such a generator repeat
  // quickly, so the value is taken from bits 16-30.
  m_nState = m_nState * 1103515245u + 12345u;
  return static_cast<std::int32_t>((m_nState >> 16) & 0x7FFFu);
}
