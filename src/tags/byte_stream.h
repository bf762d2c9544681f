#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

// The readers and the INFO writer see a file only through this seam, so tests
// and fuzzers can hand them bytes in memory while the programs hand them files.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Current length in bytes.
  virtual std::uint64_t Size() const = 0;
  // Copies up to out.size() bytes from offset; returns how many were copied
  // (fewer only at the end of the data or on a read error).
  virtual std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) = 0;
};

// A source that can also be changed in place. Every operation returns true on
// success; a false result means the bytes may not be on disk as asked.
class ByteStore : public ByteSource {
 public:
  virtual bool WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) = 0;
  // Cuts the data to length, or extends it with zero bytes.
  virtual bool Truncate(std::uint64_t length) = 0;
  // Pushes written bytes to the storage device.
  virtual bool Flush() = 0;
  // Releases the underlying file; false when the system reported an error.
  virtual bool Close() = 0;
};

// Bytes held in memory; the vector is shared so a test can look at it after
// the owner of the store has let go.
class MemoryStore final : public ByteStore {
 public:
  explicit MemoryStore(std::shared_ptr<std::vector<std::uint8_t>> bytes, bool writable = true);
  std::uint64_t Size() const override;
  std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override;
  bool WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override;
  bool Truncate(std::uint64_t length) override;
  bool Flush() override;
  bool Close() override;

 private:
  std::shared_ptr<std::vector<std::uint8_t>> bytes_;
  bool writable_;
};

// A local file opened for reading, or for reading and writing, with other
// processes free to open it too. Open returns nullptr when the system refuses.
class FileStore final : public ByteStore {
 public:
  static std::unique_ptr<FileStore> Open(const std::string& path, bool writable);
  ~FileStore() override;
  FileStore(const FileStore&) = delete;
  FileStore& operator=(const FileStore&) = delete;

  std::uint64_t Size() const override;
  std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override;
  bool WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override;
  bool Truncate(std::uint64_t length) override;
  bool Flush() override;
  bool Close() override;
  // The open file's descriptor (-1 once closed), still owned by the store.
  int Descriptor() const { return fd_; }

 private:
  FileStore(int fd, bool writable);
  int fd_;
  bool writable_;
};
