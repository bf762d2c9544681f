#include "block_reader.h"

#include <algorithm>
#include <cstring>

#include "little_endian.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VELMORA_X86_SEARCH 1
#include <immintrin.h>
#endif

BlockReader::BlockReader(ByteSource& source)
    : source_(source),
      size_(source.Size()),
      capacity_(static_cast<std::size_t>(std::min<std::uint64_t>(kBlockSize, size_))),
      window_(new std::uint8_t[capacity_]) {}

bool BlockReader::InWindow(std::uint64_t offset, std::uint64_t length) const {
  return offset >= windowStart_ && offset - windowStart_ <= windowLength_ &&
         length <= windowLength_ - (offset - windowStart_);
}

void BlockReader::Load(std::uint64_t offset) {
  windowStart_ = offset;
  windowLength_ = 0;
  if (offset >= size_) return;
  const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(capacity_, size_ - offset));
  windowLength_ = source_.ReadAt(offset, std::span(window_.get(), wanted));
}

bool BlockReader::ReadExact(std::uint64_t offset, std::span<std::uint8_t> out) {
  if (offset > size_ || out.size() > size_ - offset) return false;
  if (out.empty()) return true;
  if (!InWindow(offset, out.size())) {
    if (out.size() > capacity_) return source_.ReadAt(offset, out) == out.size();
    Load(offset);
    if (!InWindow(offset, out.size())) return false;
  }
  std::memcpy(out.data(), window_.get() + (offset - windowStart_), out.size());
  return true;
}

std::uint16_t BlockReader::Le16At(std::uint64_t offset) {
  std::uint8_t bytes[2];
  return ReadExact(offset, bytes) ? LoadLe16(bytes) : 0;
}

std::uint32_t BlockReader::Le32At(std::uint64_t offset) {
  std::uint8_t bytes[4];
  return ReadExact(offset, bytes) ? LoadLe32(bytes) : 0;
}

std::optional<std::uint64_t> BlockReader::FindFourCC(std::uint32_t code, std::uint64_t from,
                                                     std::uint64_t before) {
  const std::uint64_t end = std::min(before, size_ < 3 ? 0 : size_ - 3);  // last start + 1
  std::uint64_t position = from;
  while (position < end) {
    if (!InWindow(position, 4)) {
      Load(position);
      if (!InWindow(position, 4)) return std::nullopt;  // read error: stop rather than spin
    }
    const std::size_t begin = static_cast<std::size_t>(position - windowStart_);
    const std::size_t found = FindFourCCInBytes(window_.get() + begin, windowLength_ - begin, code);
    if (found != windowLength_ - begin) {
      const std::uint64_t match = position + found;
      return match < end ? std::optional(match) : std::nullopt;
    }
    // The last three bytes of the window may start a code; the next block begins with them.
    position = windowStart_ + windowLength_ - 3;
  }
  return std::nullopt;
}

std::string BlockReader::ReadText(std::uint64_t offset, std::uint64_t maxLength) {
  std::string text;
  if (offset >= size_) return text;
  const std::uint64_t end = offset + std::min(maxLength, size_ - offset);
  std::uint64_t position = offset;
  while (position < end) {
    if (!InWindow(position, 1)) {
      Load(position);
      if (!InWindow(position, 1)) break;  // read error: keep what was read
    }
    const std::size_t begin = static_cast<std::size_t>(position - windowStart_);
    const std::size_t available = static_cast<std::size_t>(std::min<std::uint64_t>(end - position, windowLength_ - begin));
    const char* start = reinterpret_cast<const char*>(window_.get() + begin);
    const void* nul = std::memchr(start, 0, available);
    if (nul != nullptr) {
      text.append(start, static_cast<std::size_t>(static_cast<const char*>(nul) - start));
      break;
    }
    text.append(start, available);
    position += available;
  }
  return text;
}

namespace {

std::size_t FindFourCCScalar(const std::uint8_t* bytes, std::size_t from, std::size_t length,
                             std::uint32_t code) {
  for (std::size_t i = from; i + 4 <= length; ++i) {
    if (LoadLe32(bytes + i) == code) return i;
  }
  return length;
}

}  // namespace

#if defined(VELMORA_X86_SEARCH)
namespace {

// Exact comparison of the candidate positions in mask, lowest first.
std::size_t ConfirmCandidates(const std::uint8_t* bytes, std::size_t at, std::uint32_t mask, std::uint32_t code,
                              std::size_t none) {
  for (; mask != 0; mask &= mask - 1) {
    const std::size_t position = at + static_cast<std::size_t>(__builtin_ctz(mask));
    if (LoadLe32(bytes + position) == code) return position;
  }
  return none;
}

// Returns the first match at or after *from, advancing *from past the
// positions it has looked at; length when none was found there.
std::size_t FilterSse2(const std::uint8_t* bytes, std::size_t length, std::uint32_t code, std::size_t* from) {
  const __m128i first = _mm_set1_epi8(static_cast<char>(code));
  const __m128i last = _mm_set1_epi8(static_cast<char>(code >> 24));
  std::size_t i = *from;
  for (; i + 16 + 3 <= length; i += 16) {
    const __m128i head = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
    const __m128i tail = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i + 3));
    const auto mask = static_cast<std::uint32_t>(
        _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(head, first), _mm_cmpeq_epi8(tail, last))));
    const std::size_t found = ConfirmCandidates(bytes, i, mask, code, length);
    if (found != length) return found;
  }
  *from = i;
  return length;
}

__attribute__((target("avx2"))) __m256i CandidatesAvx2(const std::uint8_t* at, __m256i first, __m256i last) {
  const __m256i head = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
  const __m256i tail = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + 3));
  return _mm256_and_si256(_mm256_cmpeq_epi8(head, first), _mm256_cmpeq_epi8(tail, last));
}

__attribute__((target("avx2"))) std::size_t FilterAvx2(const std::uint8_t* bytes, std::size_t length,
                                                        std::uint32_t code, std::size_t* from) {
  const __m256i first = _mm256_set1_epi8(static_cast<char>(code));
  const __m256i last = _mm256_set1_epi8(static_cast<char>(code >> 24));
  std::size_t i = *from;
  for (; i + 64 + 3 <= length; i += 64) {
    const __m256i low = CandidatesAvx2(bytes + i, first, last);
    const __m256i high = CandidatesAvx2(bytes + i + 32, first, last);
    const __m256i any = _mm256_or_si256(low, high);
    if (_mm256_testz_si256(any, any)) continue;
    std::size_t found = ConfirmCandidates(bytes, i, static_cast<std::uint32_t>(_mm256_movemask_epi8(low)), code, length);
    if (found == length)
      found = ConfirmCandidates(bytes, i + 32, static_cast<std::uint32_t>(_mm256_movemask_epi8(high)), code, length);
    if (found != length) return found;
  }
  *from = i;
  return length;
}

}  // namespace
#endif

// The search runs over every byte of a file whose data chunk is not found, so
// on x86-64 it filters many positions at once: a position is a candidate when
// its byte equals the code's first byte and the byte three further on equals
// the last. Candidates (rare in audio) are compared whole, in order, so the
// first match is the one a byte-by-byte search finds.
std::size_t FindFourCCInBytes(const std::uint8_t* bytes, std::size_t length, std::uint32_t code) {
  std::size_t i = 0;
#if defined(VELMORA_X86_SEARCH)
  static const bool hasAvx2 = __builtin_cpu_supports("avx2");
  if (hasAvx2) {
    const std::size_t found = FilterAvx2(bytes, length, code, &i);
    if (found != length) return found;
  }
  const std::size_t found = FilterSse2(bytes, length, code, &i);
  if (found != length) return found;
#endif
  return FindFourCCScalar(bytes, i, length, code);
}
