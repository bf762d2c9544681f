#pragma once

#include <sys/resource.h>

#include <cstdint>
#include <string>

#include "riff_builder.h"

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes away.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  // The full path of name inside the folder (nothing is created).
  std::string File(const std::string& name) const;
  // Writes bytes to name (creating folders on the way) and returns the full path.
  std::string Write(const std::string& name, const Bytes& bytes) const;
  std::string Write(const std::string& name, const std::string& text) const;

 private:
  std::string path_;
};

// The whole file, or an empty vector when it cannot be read.
Bytes ReadFileBytes(const std::string& path);

// A full disk as this process sees it, while the object lives: no file may
// grow past `bytes`, and a write or a reservation there fails with EFBIG.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(std::uint64_t bytes);
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &before_); }

 private:
  rlimit before_{};
};
