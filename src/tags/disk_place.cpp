#include <cerrno>
#include <climits>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "durable_file.h"
#include "file_place.h"

namespace {

// A save holds the lock for milliseconds; a wait this long means the other
// program is stuck, and the user is better told than kept waiting.
constexpr int kLockTries = 250;
constexpr long kLockPauseNanoseconds = 20'000'000;
constexpr std::size_t kLongestFileName = NAME_MAX;

std::uint64_t NameHash(const std::string& name) {
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (unsigned char c : name) hash = (hash ^ c) * 0x100000001b3u;
  return hash;
}

// ".NAME-journal"; a name too long for that keeps its start and a hash of
// the whole, so the journal's name stays one the folder can hold.
std::string JournalFileName(const std::string& name) {
  const std::string suffix = "-journal";
  if (1 + name.size() + suffix.size() <= kLongestFileName) return "." + name + suffix;
  static const char kHex[] = "0123456789abcdef";
  std::string hash;
  for (std::uint64_t value = NameHash(name), i = 0; i < 16; ++i, value >>= 4) hash += kHex[value & 15];
  return "." + name.substr(0, 200) + "~" + hash + suffix;
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    done += static_cast<std::size_t>(put);
  }
  return true;
}

bool ReadAll(int fd, std::vector<std::uint8_t>& bytes) {
  bytes.clear();
  std::uint8_t buffer[64 * 1024];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    bytes.insert(bytes.end(), buffer, buffer + got);
  }
}

bool SyncDescriptor(int fd) {
  int result;
  do {
    result = ::fsync(fd);
  } while (result != 0 && errno == EINTR);
  return result == 0;
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

class DiskPlace final : public FilePlace {
 public:
  DiskPlace(const std::string& path, int fd) : path_(path), fd_(fd) {
    // Every path to one file keeps its journal in one place: beside the file
    // its links lead to.
    std::string resolved;
    if (!durable::ResolveLinks(path, resolved)) resolved = path;
    folder_ = durable::FolderOf(resolved);
    journalName_ = JournalFileName(resolved.substr(resolved.rfind('/') + 1));
    journalPath_ = folder_ + "/" + journalName_;
  }

  ~DiskPlace() override {
    if (journalFd_ >= 0) ::close(journalFd_);
  }
  DiskPlace(const DiskPlace&) = delete;
  DiskPlace& operator=(const DiskPlace&) = delete;

  // A file system that keeps no locks (some network shares) is saved
  // without one: the journal's exclusive creation still keeps two saves
  // apart.
  bool Lock() override {
    for (int i = 0; i < kLockTries; ++i) {
      if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return true;
      if (errno != EWOULDBLOCK && errno != EINTR) return true;
      const timespec pause{0, kLockPauseNanoseconds};
      ::nanosleep(&pause, nullptr);
    }
    return false;
  }

  void Unlock() override { ::flock(fd_, LOCK_UN); }

  bool StillNamesTheOpenFile() override {
    struct stat opened {}, named {};
    return ::fstat(fd_, &opened) == 0 && ::stat(path_.c_str(), &named) == 0 && SameFile(opened, named);
  }

  std::unique_ptr<ByteStore> OpenForRepair() override {
    auto store = FileStore::Open(path_, true);
    struct stat opened {}, repaired {};
    if (!store || ::fstat(fd_, &opened) != 0 || ::fstat(store->Descriptor(), &repaired) != 0 ||
        !SameFile(opened, repaired))
      return nullptr;
    return store;
  }

  // The journal stays open until the save is done, so that it can be emptied
  // through the very file that was created.
  JournalClaim CreateJournal(std::span<const std::uint8_t> bytes) override {
    struct stat file {};
    const mode_t mode = ::fstat(fd_, &file) == 0 ? (file.st_mode & 0666) : 0600;
    int fd;
    do {
      fd = ::open(journalPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return errno == EEXIST ? JournalClaim::Taken : JournalClaim::Failed;
    if (WriteAll(fd, bytes) && SyncDescriptor(fd) && SyncFolder()) {
      journalFd_ = fd;
      return JournalClaim::Created;
    }
    ::close(fd);
    ::unlink(journalPath_.c_str());
    SyncFolder();
    return JournalClaim::Failed;
  }

  JournalRead ReadJournal(std::vector<std::uint8_t>& bytes) override {
    int fd;
    do {
      fd = ::open(journalPath_.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return errno == ENOENT ? JournalRead::None : JournalRead::Failed;
    const bool read = ReadAll(fd, bytes);
    ::close(fd);
    return read ? JournalRead::Read : JournalRead::Failed;
  }

  // Once its own journal is empty on the device, the save is the file's
  // content: the name's removal and the folder's sync after it can fail or
  // be lost to a power cut without taking anything back.
  bool RemoveJournal() override {
    if (journalFd_ >= 0) {
      const bool emptied = ::ftruncate(journalFd_, 0) == 0 && SyncDescriptor(journalFd_);
      ::close(journalFd_);
      journalFd_ = -1;
      if (!emptied) return false;
      ::unlink(journalPath_.c_str());
      SyncFolder();
      return true;
    }
    if (::unlink(journalPath_.c_str()) != 0 && errno != ENOENT) return false;
    SyncFolder();
    return true;
  }

  std::string JournalName() const override { return journalName_; }

 private:
  // A journal's coming and going is durable only once its folder is synced.
  bool SyncFolder() { return durable::SyncFolder(folder_); }

  std::string path_;
  int fd_;
  int journalFd_ = -1;  // the journal this place created, until it is removed
  std::string folder_;
  std::string journalName_;
  std::string journalPath_;
};

}  // namespace

std::unique_ptr<FilePlace> MakeDiskPlace(const std::string& path, int fd) {
  return std::make_unique<DiskPlace>(path, fd);
}
