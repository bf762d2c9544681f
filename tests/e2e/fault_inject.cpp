// Preloaded into kestrune (LD_PRELOAD) by the crash harness: makes one write,
// length change or flush of a file in a given folder fail as a full or dying
// disk makes it fail, or tears a write at a sector or page boundary and kills
// the process there, as a power cut would. Only calls on descriptors whose
// path is the folder or lies inside it are counted, so the program's output
// and its other files are left alone. Set by the environment:
//   FAULT_FOLDER  the folder
//   FAULT_CALL    write (write, pwrite), truncate (ftruncate)
//                 or sync (fsync, fdatasync); unset, every call passes
//   FAULT_AT      N: the N-th call of that kind, counted from 1; "N+": that
//                 call and every later one
//   FAULT_DO      enospc or eio: the call returns -1 with that errno;
//                 tear512 or tear4096: a write puts its bytes only up to the
//                 next such boundary of the file offset, then SIGKILL (any
//                 other call is killed before it runs)
//   FAULT_LOG     a file outside the folder that gets a line per counted call,
//                 "write 3 /folder/a.wav 1644 26" (kind, its number, path,
//                 offset, length), "inject ..." when a fault is made, and
//                 "torn KEPT of LENGTH" when a write is torn
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

enum Kind { kWrite, kTruncate, kSync, kKinds };
constexpr const char* kKindNames[kKinds] = {"write", "truncate", "sync"};

enum class Action { kPass, kFail, kTear };

struct Decision {
  Action action = Action::kPass;
  int error = 0;
  std::uint64_t boundary = 0;
};

template <typename Function>
Function Next(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

using WriteFn = ssize_t (*)(int, const void*, size_t);
using PwriteFn = ssize_t (*)(int, const void*, size_t, off_t);

WriteFn RealWrite() {
  static const WriteFn real = Next<WriteFn>("write");
  return real;
}

// Appends a line to FAULT_LOG; silent when it cannot.
void Log(const char* format, ...) {
  const char* log = std::getenv("FAULT_LOG");
  if (log == nullptr || *log == '\0') return;
  char line[4200];
  va_list args;
  va_start(args, format);
  const int length = std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  if (length <= 0) return;
  const int fd = open(log, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return;
  RealWrite()(fd, line, std::min(static_cast<std::size_t>(length), sizeof line - 1));
  close(fd);
}

bool InFolder(int fd, char (&path)[4096]) {
  const char* folder = std::getenv("FAULT_FOLDER");
  if (folder == nullptr || *folder == '\0') return false;
  char link[64];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const ssize_t length = readlink(link, path, sizeof path - 1);
  if (length < 0) return false;
  path[length] = '\0';
  const std::size_t folderLength = std::strlen(folder);
  return std::strncmp(path, folder, folderLength) == 0 &&
         (path[folderLength] == '\0' || path[folderLength] == '/');
}

bool IsChosen(Kind kind, int number) {
  const char* call = std::getenv("FAULT_CALL");
  const char* at = std::getenv("FAULT_AT");
  if (call == nullptr || at == nullptr || std::strcmp(call, kKindNames[kind]) != 0) return false;
  char* end = nullptr;
  const long first = std::strtol(at, &end, 10);
  return number == first || (*end == '+' && number > first);
}

// Counts the call when it touches the folder and says what to do with it.
Decision Decide(Kind kind, int fd, std::uint64_t offset, std::size_t length) {
  static std::atomic<int> counts[kKinds];
  char path[4096];
  if (!InFolder(fd, path)) return {};
  const int number = ++counts[kind];
  Log("%s %d %s %llu %zu\n", kKindNames[kind], number, path, static_cast<unsigned long long>(offset), length);
  if (!IsChosen(kind, number)) return {};
  const char* what = std::getenv("FAULT_DO");
  Decision decision;
  if (what == nullptr) return decision;
  if (std::strcmp(what, "enospc") == 0) decision = {Action::kFail, ENOSPC, 0};
  if (std::strcmp(what, "eio") == 0) decision = {Action::kFail, EIO, 0};
  if (std::strcmp(what, "tear512") == 0) decision = {Action::kTear, 0, 512};
  if (std::strcmp(what, "tear4096") == 0) decision = {Action::kTear, 0, 4096};
  if (decision.action != Action::kPass) Log("inject %s %s %d\n", what, kKindNames[kind], number);
  return decision;
}

// How many of `length` bytes written at `offset` stay before the boundary;
// logged as "torn KEPT of LENGTH".
std::size_t TornLength(const Decision& decision, std::uint64_t offset, std::size_t length) {
  const std::uint64_t next = (offset / decision.boundary + 1) * decision.boundary;
  const auto kept = static_cast<std::size_t>(std::min<std::uint64_t>(length, next - offset));
  Log("torn %zu of %zu\n", kept, length);
  return kept;
}

[[noreturn]] void Die() {
  raise(SIGKILL);
  _exit(137);
}

// Where a write() on fd lands.
std::uint64_t CurrentOffset(int fd) {
  const int flags = fcntl(fd, F_GETFL);
  struct stat info {};
  if (flags >= 0 && (flags & O_APPEND) != 0 && fstat(fd, &info) == 0) return static_cast<std::uint64_t>(info.st_size);
  const off_t offset = lseek(fd, 0, SEEK_CUR);
  return offset < 0 ? 0 : static_cast<std::uint64_t>(offset);
}

ssize_t Pwrite(const char* name, int fd, const void* bytes, size_t length, off_t offset) {
  static const PwriteFn next64 = Next<PwriteFn>("pwrite64");
  static const PwriteFn next = Next<PwriteFn>("pwrite");
  const PwriteFn real = std::strcmp(name, "pwrite64") == 0 ? next64 : next;
  const Decision decision = Decide(kWrite, fd, static_cast<std::uint64_t>(offset), length);
  if (decision.action == Action::kFail) {
    errno = decision.error;
    return -1;
  }
  if (decision.action == Action::kTear) {
    real(fd, bytes, TornLength(decision, static_cast<std::uint64_t>(offset), length), offset);
    Die();
  }
  return real(fd, bytes, length, offset);
}

int Truncate(const char* name, int fd, off_t length) {
  using Fn = int (*)(int, off_t);
  static const Fn next64 = Next<Fn>("ftruncate64");
  static const Fn next = Next<Fn>("ftruncate");
  const Fn real = std::strcmp(name, "ftruncate64") == 0 ? next64 : next;
  const Decision decision = Decide(kTruncate, fd, static_cast<std::uint64_t>(length), 0);
  if (decision.action == Action::kTear) Die();
  if (decision.action == Action::kFail) {
    errno = decision.error;
    return -1;
  }
  return real(fd, length);
}

int Sync(const char* name, int fd) {
  using Fn = int (*)(int);
  static const Fn nextSync = Next<Fn>("fsync");
  static const Fn nextDataSync = Next<Fn>("fdatasync");
  const Fn real = std::strcmp(name, "fsync") == 0 ? nextSync : nextDataSync;
  const Decision decision = Decide(kSync, fd, 0, 0);
  if (decision.action == Action::kTear) Die();
  if (decision.action == Action::kFail) {
    errno = decision.error;
    return -1;
  }
  return real(fd);
}

}  // namespace

extern "C" {

ssize_t write(int fd, const void* bytes, size_t length) {
  const Decision decision = Decide(kWrite, fd, CurrentOffset(fd), length);
  if (decision.action == Action::kFail) {
    errno = decision.error;
    return -1;
  }
  if (decision.action == Action::kTear) {
    RealWrite()(fd, bytes, TornLength(decision, CurrentOffset(fd), length));
    Die();
  }
  return RealWrite()(fd, bytes, length);
}

ssize_t pwrite(int fd, const void* bytes, size_t length, off_t offset) {
  return Pwrite("pwrite", fd, bytes, length, offset);
}

ssize_t pwrite64(int fd, const void* bytes, size_t length, off_t offset) {
  return Pwrite("pwrite64", fd, bytes, length, offset);
}

int ftruncate(int fd, off_t length) { return Truncate("ftruncate", fd, length); }

int ftruncate64(int fd, off_t length) { return Truncate("ftruncate64", fd, length); }

int fsync(int fd) { return Sync("fsync", fd); }

int fdatasync(int fd) { return Sync("fdatasync", fd); }

}  // extern "C"
