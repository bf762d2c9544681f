#include "folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

constexpr mode_t kLockFileMode = 0644;
constexpr std::chrono::milliseconds kRetryPeriod{50};

}  // namespace

FolderLock::Outcome FolderLock::Acquire(int waitMs) {
  Release();
  m_fd = ::open(m_strPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, kLockFileMode);
  // A lock file someone else made and we may not write still takes a lock.
  if (m_fd < 0) m_fd = ::open(m_strPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (m_fd < 0) return Outcome::kUnlockable;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
  while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    const bool taken = errno == EWOULDBLOCK;
    if (!taken || std::chrono::steady_clock::now() >= deadline) {
      ::close(m_fd);
      m_fd = -1;
      return taken ? Outcome::kTaken : Outcome::kUnlockable;
    }
    std::this_thread::sleep_for(kRetryPeriod);
  }
  WriteHolder();
  return Outcome::kHeld;
}

// Best effort: the lock is what counts, the id only names its holder.
void FolderLock::WriteHolder() const {
  const std::string text = std::to_string(static_cast<long>(::getpid())) + "\n";
  if (::ftruncate(m_fd, 0) != 0) return;
  const ssize_t written = ::pwrite(m_fd, text.data(), text.size(), 0);
  static_cast<void>(written);
}

long FolderLock::Holder() const {
  std::FILE* file = std::fopen(m_strPath.c_str(), "r");
  if (file == nullptr) return 0;
  long pid = 0;
  if (std::fscanf(file, "%ld", &pid) != 1 || pid < 0) pid = 0;
  std::fclose(file);
  return pid;
}

void FolderLock::Release() {
  if (m_fd < 0) return;
  // Closing ends the lock; the file stays, since removing it could remove
  // one another start has just opened and locked.
  ::close(m_fd);
  m_fd = -1;
}
