#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "byte_stream.h"
#include "durable_file.h"

namespace {

bool IsRegularFile(int fd) {
  struct stat info {};
  return fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

// O_NONBLOCK keeps a named pipe that happens to end in "wav" from blocking the
// open; anything but a regular file is then refused. On a regular file the
// flag has no effect, so it is left set (clearing it would cost two calls per
// file in a folder scan).
std::unique_ptr<FileStore> FileStore::Open(const std::string& path, bool writable) {
  const int access = writable ? O_RDWR : O_RDONLY;
  int fd;
  do {
    fd = ::open(path.c_str(), access | O_CLOEXEC | O_NONBLOCK);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return nullptr;
  if (!IsRegularFile(fd)) {
    ::close(fd);
    return nullptr;
  }
  return std::unique_ptr<FileStore>(new FileStore(fd, writable));
}

FileStore::FileStore(int fd, bool writable) : fd_(fd), writable_(writable) {}

FileStore::~FileStore() {
  if (fd_ >= 0) ::close(fd_);
}

std::uint64_t FileStore::Size() const {
  struct stat info {};
  if (fd_ < 0 || fstat(fd_, &info) != 0 || info.st_size < 0) return 0;
  return static_cast<std::uint64_t>(info.st_size);
}

std::size_t FileStore::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) {
  std::size_t done = 0;
  while (fd_ >= 0 && done < out.size()) {
    const ssize_t got = ::pread(fd_, out.data() + done, out.size() - done,
                                static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

bool FileStore::WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
  if (fd_ < 0 || !writable_) return false;
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put = ::pwrite(fd_, bytes.data() + done, bytes.size() - done,
                                 static_cast<off_t>(offset + done));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    done += static_cast<std::size_t>(put);
  }
  return true;
}

bool FileStore::Truncate(std::uint64_t length) {
  if (fd_ < 0 || !writable_) return false;
  int result;
  do {
    result = ::ftruncate(fd_, static_cast<off_t>(length));
  } while (result != 0 && errno == EINTR);
  return result == 0;
}

bool FileStore::Flush() {
  if (fd_ < 0) return false;
  if (!writable_) return true;
  return durable::SyncDescriptor(fd_);
}

// Linux releases the descriptor even when close reports EINTR, so it is never
// retried (a retry could close a descriptor another thread has just opened).
bool FileStore::Close() {
  if (fd_ < 0) return false;
  const int result = ::close(fd_);
  fd_ = -1;
  return result == 0 || errno == EINTR;
}
