#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

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

std::string HexHash(const std::string& text) {
  static const char kHex[] = "0123456789abcdef";
  std::string hash;
  for (std::uint64_t value = NameHash(text), i = 0; i < 16; ++i, value >>= 4) hash += kHex[value & 15];
  return hash;
}

// ".NAME-journal"; a name too long for that keeps its start and a hash of
// the whole, so the journal's name stays one the folder can hold.
std::string JournalFileName(const std::string& name) {
  const std::string suffix = "-journal";
  if (1 + name.size() + suffix.size() <= kLongestFileName) return "." + name + suffix;
  return "." + name.substr(0, 200) + "~" + HexHash(name) + suffix;
}

// Where journals go for files whose folder takes no new file: the user's
// state folder, one journal per file, named by a hash of its whole path.
// Empty when the user has no home.
std::string FolderForElsewhereJournals() {
  const char* state = std::getenv("XDG_STATE_HOME");
  if (state != nullptr && *state == '/') return std::string(state) + "/kestrune/journals";
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home == '/') return std::string(home) + "/.local/state/kestrune/journals";
  return {};
}

// Makes the folder and those above it that are missing, private to the user.
bool MakeFolders(const std::string& folder) {
  for (std::size_t slash = folder.find('/', 1); ; slash = folder.find('/', slash + 1)) {
    const std::string part = folder.substr(0, slash);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) return true;
  }
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

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// A place a journal may stand.
struct JournalSpot {
  std::string Folder;
  std::string Name;
  std::string Path() const { return Folder + "/" + Name; }
};

class DiskPlace final : public FilePlace {
 public:
  // Every path to one file keeps its journal in one place: beside the file
  // its links lead to, or, where that folder takes no new file, in the
  // user's state folder.
  DiskPlace(const std::string& path, int fd) : path_(path), fd_(fd) {
    std::string resolved;
    if (!durable::ResolveLinks(path, resolved)) resolved = path;
    const std::string name = resolved.substr(resolved.rfind('/') + 1);
    spots_[kBeside] = {durable::FolderOf(resolved), JournalFileName(name)};
    std::error_code error;
    const std::string whole = std::filesystem::absolute(resolved, error).lexically_normal().string();
    spots_[kElsewhere] = {FolderForElsewhereJournals(), HexHash(whole) + "-" + JournalFileName(name).substr(1)};
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
    const JournalClaim claim = CreateAt(kBeside, bytes);
    if (claim != JournalClaim::Failed || !durable::FolderRefusesNewFiles(errno) || !HasElsewhere() ||
        !MakeFolders(spots_[kElsewhere].Folder))
      return claim;
    return CreateAt(kElsewhere, bytes);
  }

  JournalRead ReadJournal(std::vector<std::uint8_t>& bytes) override {
    JournalRead read = ReadAt(kBeside, bytes);
    if (read == JournalRead::None && HasElsewhere()) read = ReadAt(kElsewhere, bytes);
    return read;
  }

  // Once its own journal is empty on the device, the save is the file's
  // content: the name's removal and the folder's sync after it can fail or
  // be lost to a power cut without taking anything back.
  bool RemoveJournal() override {
    const JournalSpot& spot = spots_[active_];
    if (journalFd_ >= 0) {
      const bool emptied = ::ftruncate(journalFd_, 0) == 0 && durable::SyncDescriptor(journalFd_);
      ::close(journalFd_);
      journalFd_ = -1;
      if (!emptied) return false;
      ::unlink(spot.Path().c_str());
      durable::SyncFolder(spot.Folder);
      return true;
    }
    if (::unlink(spot.Path().c_str()) != 0 && errno != ENOENT) return false;
    durable::SyncFolder(spot.Folder);
    return true;
  }

  // Beside the file, the name is enough; elsewhere, the user needs the path.
  std::string JournalName() const override {
    return active_ == kBeside ? spots_[kBeside].Name : spots_[kElsewhere].Path();
  }

 private:
  static constexpr std::size_t kBeside = 0;
  static constexpr std::size_t kElsewhere = 1;

  bool HasElsewhere() const { return !spots_[kElsewhere].Folder.empty(); }

  // A journal's coming and going is durable only once its folder is synced.
  JournalClaim CreateAt(std::size_t spot, std::span<const std::uint8_t> bytes) {
    struct stat file {};
    const mode_t mode = ::fstat(fd_, &file) == 0 ? (file.st_mode & 0666) : 0600;
    const std::string path = spots_[spot].Path();
    int fd;
    do {
      fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return errno == EEXIST ? JournalClaim::Taken : JournalClaim::Failed;
    active_ = spot;
    if (WriteAll(fd, bytes) && durable::SyncDescriptor(fd) && durable::SyncFolder(spots_[spot].Folder)) {
      journalFd_ = fd;
      return JournalClaim::Created;
    }
    ::close(fd);
    ::unlink(path.c_str());
    durable::SyncFolder(spots_[spot].Folder);
    errno = 0;
    return JournalClaim::Failed;
  }

  JournalRead ReadAt(std::size_t spot, std::vector<std::uint8_t>& bytes) {
    int fd;
    do {
      fd = ::open(spots_[spot].Path().c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return errno == ENOENT ? JournalRead::None : JournalRead::Failed;
    active_ = spot;
    const bool read = ReadAll(fd, bytes);
    ::close(fd);
    return read ? JournalRead::Read : JournalRead::Failed;
  }

  std::string path_;
  int fd_;
  std::array<JournalSpot, 2> spots_;
  std::size_t active_ = kBeside;  // where the journal read or created stands
  int journalFd_ = -1;            // the journal this place created, until it is removed
};

}  // namespace

std::unique_ptr<FilePlace> MakeDiskPlace(const std::string& path, int fd) {
  return std::make_unique<DiskPlace>(path, fd);
}
