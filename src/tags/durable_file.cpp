#include "durable_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <random>
#include <system_error>

namespace durable {

namespace {

namespace fs = std::filesystem;

// The kernel gives up on a path after 40 links; so do we.
constexpr int kMaxLinkHops = 40;
// Each try draws 62^6 names; a clash this many times running is no chance.
constexpr int kNameAttempts = 100;
constexpr std::string_view kNameLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int kSuffixLength = 6;

// A forked child would otherwise draw the very names of its parent (which
// O_EXCL would still keep apart, one clash at a time): the generator is
// seeded again in each process.
std::string RandomSuffix() {
  thread_local std::mt19937_64 generator;
  thread_local pid_t seededFor = 0;
  if (seededFor != ::getpid()) {
    seededFor = ::getpid();
    generator.seed((static_cast<std::uint64_t>(std::random_device{}()) << 32) ^ static_cast<std::uint64_t>(seededFor));
  }
  std::uniform_int_distribution<std::size_t> pick(0, kNameLetters.size() - 1);
  std::string suffix;
  for (int i = 0; i < kSuffixLength; ++i) suffix += kNameLetters[pick(generator)];
  return suffix;
}

}  // namespace

bool ResolveLinks(const std::string& path, std::string& target) {
  fs::path current = path;
  for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
      target = current.string();  // a file, or the missing file a save makes
      return true;
    }
    std::error_code error;
    const fs::path next = fs::read_symlink(current, error);
    if (error) {
      errno = error.value();
      return false;
    }
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  errno = ELOOP;
  return false;
}

std::string FolderOf(const std::string& path) {
  const fs::path folder = fs::path(path).parent_path();
  return folder.empty() ? std::string(".") : folder.string();
}

int CreateTemporaryBeside(const std::string& target, unsigned mode, std::string& created) {
  const fs::path where(target);
  const std::string prefix = (where.parent_path() / ("." + where.filename().string() + ".")).string();
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string candidate = prefix + RandomSuffix();
    const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(mode));
    if (fd >= 0) {
      created = std::move(candidate);
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

// ENOSPC is not among them: writing over the old file on a full disk could
// cut it short.
bool FolderRefusesNewFiles(int error) { return error == EACCES || error == EPERM || error == EROFS; }

bool SyncDescriptor(int fd) {
  int result;
  do {
    result = ::fsync(fd);
  } while (result != 0 && errno == EINTR);
  return result == 0;
}

// File systems that cannot sync a folder say EINVAL; they keep no separate
// folder state to lose.
bool SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = SyncDescriptor(fd) || errno == EINVAL;
  return (::close(fd) == 0) && synced;
}

bool OverwriteWhole(int fd, std::string_view bytes) {
  const auto length = static_cast<off_t>(bytes.size());
  if (length > 0) {
    // A file system that cannot reserve room gets the write unguarded.
    const int reserved = ::posix_fallocate(fd, 0, length);
    if (reserved != 0 && reserved != EOPNOTSUPP && reserved != EINVAL) {
      errno = reserved;
      return false;
    }
  }
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t count = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    done += static_cast<std::size_t>(count);
  }
  // The length is cut after the write, so a failure before it leaves the new
  // text followed by old bytes rather than an empty file.
  return ::ftruncate(fd, length) == 0 && SyncDescriptor(fd);
}

}  // namespace durable
