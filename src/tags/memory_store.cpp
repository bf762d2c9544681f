#include <algorithm>
#include <cstring>

#include "byte_stream.h"

MemoryStore::MemoryStore(std::shared_ptr<std::vector<std::uint8_t>> bytes, bool writable)
    : bytes_(bytes ? std::move(bytes) : std::make_shared<std::vector<std::uint8_t>>()),
      writable_(writable) {}

std::uint64_t MemoryStore::Size() const { return bytes_->size(); }

std::size_t MemoryStore::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) {
  if (offset >= bytes_->size() || out.empty()) return 0;
  const std::size_t count =
      std::min<std::uint64_t>(out.size(), bytes_->size() - offset);
  std::memcpy(out.data(), bytes_->data() + offset, count);
  return count;
}

// Writing past the end zero-fills the gap, as a file system does.
bool MemoryStore::WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
  if (!writable_) return false;
  const std::uint64_t end = offset + bytes.size();
  if (end > bytes_->max_size()) return false;
  if (end > bytes_->size()) bytes_->resize(end, 0);
  std::copy(bytes.begin(), bytes.end(), bytes_->begin() + static_cast<std::ptrdiff_t>(offset));
  return true;
}

bool MemoryStore::Truncate(std::uint64_t length) {
  if (!writable_ || length > bytes_->max_size()) return false;
  bytes_->resize(length, 0);
  return true;
}

bool MemoryStore::Flush() { return true; }

bool MemoryStore::Close() { return true; }
