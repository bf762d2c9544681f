// Preloaded into kestrune (LD_PRELOAD) by the crash harness: makes a write,
// length change or flush of a file in one folder fail as a full or dying disk
// does, or tears a write at a sector or page boundary and kills the process
// there, as a power cut would. Only calls on descriptors of the folder or of
// files inside it are counted, so the program's output and its other files
// are left alone. Set by the environment:
//   FAULT_FOLDER  the folder
//   FAULT_CALL    write (write, pwrite, pwrite64), truncate (ftruncate,
//                 ftruncate64) or sync (fsync, fdatasync); unset, all pass
//   FAULT_AT      N: the N-th call of that kind, counted from 1; "N+": that
//                 call and every later one
//   FAULT_DO      enospc or eio: the call returns -1 with that errno;
//                 tear512 or tear4096: a write puts its bytes only up to the
//                 next such boundary of the file offset, then SIGKILL (any
//                 other call is killed before it runs)
//   FAULT_LOG     a file outside the folder that gets a line per counted call,
//                 "write 3 /folder/a.wav 1644 26" (kind, its number, path,
//                 offset, length), "inject FAULT KIND N" when a fault is made,
//                 and "torn KEPT of LENGTH" when a write is torn
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// The C library's definition of the call `name` this library stands in for.
#define NEXT(name) reinterpret_cast<decltype(&name)>(dlsym(RTLD_NEXT, #name))

namespace {

enum Kind { kWrite, kTruncate, kSync, kKinds };
constexpr const char* kKindNames[kKinds] = {"write", "truncate", "sync"};

// What FAULT_DO can ask for: a failure with an errno, or a tear at a boundary.
struct Fault {
  const char* name;
  int error;
  long long boundary;
};
constexpr Fault kFaults[] = {{"enospc", ENOSPC, 0}, {"eio", EIO, 0}, {"tear512", 0, 512}, {"tear4096", 0, 4096}};

// Appends a line to FAULT_LOG; silent when it cannot.
[[gnu::format(printf, 1, 2)]] void Log(const char* format, ...) {
  const char* log = std::getenv("FAULT_LOG");
  const int fd = log == nullptr || *log == '\0' ? -1 : open(log, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return;
  va_list args;
  va_start(args, format);
  vdprintf(fd, format, args);
  va_end(args);
  close(fd);
}

// Counts the call when fd is FAULT_FOLDER or lies inside it, logs it, and
// gives the fault chosen for it, or null when it is to run.
const Fault* Decide(Kind kind, int fd, long long offset, std::size_t length) {
  static std::atomic<int> counts[kKinds];
  const char* folder = std::getenv("FAULT_FOLDER");
  const std::size_t folderLength = folder == nullptr ? 0 : std::strlen(folder);
  char link[64], path[4096] = {};
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  if (folderLength == 0 || readlink(link, path, sizeof path - 1) < 0 || std::strncmp(path, folder, folderLength) != 0 ||
      (path[folderLength] != '\0' && path[folderLength] != '/')) {
    return nullptr;
  }
  const int number = ++counts[kind];
  Log("%s %d %s %lld %zu\n", kKindNames[kind], number, path, offset, length);
  const char* call = std::getenv("FAULT_CALL");
  const char* at = std::getenv("FAULT_AT");
  const char* what = std::getenv("FAULT_DO");
  if (call == nullptr || at == nullptr || what == nullptr || std::strcmp(call, kKindNames[kind]) != 0) return nullptr;
  char* end = nullptr;
  const long first = std::strtol(at, &end, 10);
  if (number != first && !(*end == '+' && number > first)) return nullptr;
  for (const Fault& fault : kFaults) {
    if (std::strcmp(what, fault.name) != 0) continue;
    Log("inject %s %s %d\n", what, kKindNames[kind], number);
    return &fault;
  }
  return nullptr;
}

// Makes the call through run(n), which puts n bytes for a write, unless
// Decide chose a fault for it: then as FAULT_DO above says.
template <typename Run>
auto Intercept(Kind kind, int fd, long long offset, std::size_t length, Run run) {
  const Fault* fault = Decide(kind, fd, offset, length);
  if (fault == nullptr) return run(length);
  if (fault->boundary == 0) {
    errno = fault->error;
    return decltype(run(length))(-1);
  }
  if (kind == kWrite) {
    const long long next = (offset / fault->boundary + 1) * fault->boundary;
    const auto kept = static_cast<std::size_t>(std::min<long long>(length, next - offset));
    Log("torn %zu of %zu\n", kept, length);
    run(kept);
  }
  raise(SIGKILL);
  _exit(137);
}

// Where a write() on fd lands: its offset, or the end of a file opened to append.
long long CurrentOffset(int fd) {
  struct stat info {};
  if ((fcntl(fd, F_GETFL) & O_APPEND) != 0 && fstat(fd, &info) == 0) return info.st_size;
  return std::max<off_t>(lseek(fd, 0, SEEK_CUR), 0);
}

}  // namespace

extern "C" {

ssize_t write(int fd, const void* bytes, size_t length) {
  static const auto real = NEXT(write);
  return Intercept(kWrite, fd, CurrentOffset(fd), length, [&](size_t n) { return real(fd, bytes, n); });
}

ssize_t pwrite(int fd, const void* bytes, size_t length, off_t offset) {
  static const auto real = NEXT(pwrite);
  return Intercept(kWrite, fd, offset, length, [&](size_t n) { return real(fd, bytes, n, offset); });
}

ssize_t pwrite64(int fd, const void* bytes, size_t length, off64_t offset) {
  static const auto real = NEXT(pwrite64);
  return Intercept(kWrite, fd, offset, length, [&](size_t n) { return real(fd, bytes, n, offset); });
}

int ftruncate(int fd, off_t length) {
  static const auto real = NEXT(ftruncate);
  return Intercept(kTruncate, fd, length, 0, [&](size_t) { return real(fd, length); });
}

int ftruncate64(int fd, off64_t length) {
  static const auto real = NEXT(ftruncate64);
  return Intercept(kTruncate, fd, length, 0, [&](size_t) { return real(fd, length); });
}

int fsync(int fd) {
  static const auto real = NEXT(fsync);
  return Intercept(kSync, fd, 0, 0, [&](size_t) { return real(fd); });
}

int fdatasync(int fd) {
  static const auto real = NEXT(fdatasync);
  return Intercept(kSync, fd, 0, 0, [&](size_t) { return real(fd); });
}

}  // extern "C"
