#include "save_journal.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// The first bytes of every journal; the digit counts the layout's versions.
constexpr std::array<std::uint8_t, 8> kMagic = {'K', 'S', 'T', 'J', 'R', 'N', 'L', '1'};
constexpr std::size_t kChecksumSize = 8;

// FNV-1a, 64 bits: enough to tell a whole journal from one cut short or
// overwritten by chance, which is all it has to do.
std::uint64_t Checksum(std::span<const std::uint8_t> bytes) {
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (std::uint8_t byte : bytes) hash = (hash ^ byte) * 0x100000001b3u;
  return hash;
}

void PutLe64(std::vector<std::uint8_t>& out, std::uint64_t value) {
  for (int shift = 0; shift < 64; shift += 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutBlock(std::vector<std::uint8_t>& out, const std::vector<std::uint8_t>& bytes) {
  PutLe64(out, bytes.size());
  out.insert(out.end(), bytes.begin(), bytes.end());
}

// Reads forward through a journal; every read is bounded by what is left.
class JournalReader {
 public:
  explicit JournalReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool Le64(std::uint64_t& value) {
    if (bytes_.size() - at_ < 8) return false;
    value = 0;
    for (int i = 7; i >= 0; --i) value = value << 8 | bytes_[at_ + static_cast<std::size_t>(i)];
    at_ += 8;
    return true;
  }

  bool Block(std::vector<std::uint8_t>& out) {
    std::uint64_t size = 0;
    if (!Le64(size) || size > bytes_.size() - at_) return false;
    out.assign(bytes_.begin() + static_cast<std::ptrdiff_t>(at_),
               bytes_.begin() + static_cast<std::ptrdiff_t>(at_ + size));
    at_ += static_cast<std::size_t>(size);
    return true;
  }

  bool AtEnd() const { return at_ == bytes_.size(); }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

}  // namespace

std::vector<std::uint8_t> EncodeSaveJournal(const SaveJournal& journal) {
  std::vector<std::uint8_t> out(kMagic.begin(), kMagic.end());
  PutLe64(out, journal.OldLength);
  PutLe64(out, journal.NewLength);
  PutLe64(out, journal.Ranges.size());
  for (const JournalRange& range : journal.Ranges) {
    PutLe64(out, range.Offset);
    PutBlock(out, range.OldBytes);
    PutBlock(out, range.NewBytes);
  }
  PutLe64(out, Checksum(out));
  return out;
}

std::optional<SaveJournal> DecodeSaveJournal(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kMagic.size() + kChecksumSize ||
      !std::equal(kMagic.begin(), kMagic.end(), bytes.begin()))
    return std::nullopt;
  const auto body = bytes.first(bytes.size() - kChecksumSize);
  std::uint64_t stored = 0;
  if (!JournalReader(bytes.last(kChecksumSize)).Le64(stored) || stored != Checksum(body)) return std::nullopt;

  JournalReader reader(body.subspan(kMagic.size()));
  SaveJournal journal;
  std::uint64_t count = 0;
  if (!reader.Le64(journal.OldLength) || !reader.Le64(journal.NewLength) || !reader.Le64(count))
    return std::nullopt;
  for (std::uint64_t i = 0; i < count; ++i) {
    JournalRange range;
    if (!reader.Le64(range.Offset) || !reader.Block(range.OldBytes) || !reader.Block(range.NewBytes))
      return std::nullopt;
    journal.Ranges.push_back(std::move(range));
  }
  if (!reader.AtEnd()) return std::nullopt;
  return journal;
}
