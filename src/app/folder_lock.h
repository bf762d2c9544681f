#pragma once

#include <string>

// An advisory lock on a file beside a folder's album, held for the life of
// the jukebox that owns the folder. It is what keeps a second jukebox out
// where there is no session bus to ask; the holder writes its process id
// into the file so that the one kept out can say who has the folder.
class FolderLock {
 public:
  enum class Outcome {
    kHeld,       // this process holds the folder now
    kTaken,      // another process holds it
    kUnlockable  // the folder takes no lock (read-only, no locks): go on
  };

  explicit FolderLock(std::string lockPath) : m_strPath(std::move(lockPath)) {}
  ~FolderLock() { Release(); }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  // Tries for up to waitMs while another process holds the lock.
  Outcome Acquire(int waitMs = 0);
  // The process id the holder wrote, or 0 when it cannot be read.
  long Holder() const;
  void Release();

 private:
  void WriteHolder() const;

  std::string m_strPath;
  int m_fd = -1;
};
