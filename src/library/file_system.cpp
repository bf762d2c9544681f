#include "file_system.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

namespace fsys {

namespace {

unsigned char FoldCase(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

bool FoldedLess(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return FoldCase(x) < FoldCase(y); });
}

// Name order: letters compared without case (ASCII only: a byte of a UTF-8
// name sorts by its value), names equal but for case by their bytes.
bool ComesBefore(const std::string& a, const std::string& b) {
  if (FoldedLess(a, b)) return true;
  if (FoldedLess(b, a)) return false;
  // Names equal but for case still need one order, the same every time.
  return a < b;
}

}  // namespace

PathKind Examine(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return PathKind::Missing;
  if (S_ISDIR(info.st_mode)) return PathKind::Folder;
  return S_ISREG(info.st_mode) ? PathKind::File : PathKind::Special;
}

bool Exists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool GetFolderIdentity(const std::string& path, FolderIdentity& id) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return false;
  id.device = static_cast<std::uint64_t>(info.st_dev);
  id.inode = static_cast<std::uint64_t>(info.st_ino);
  return true;
}

bool ListFolder(const std::string& path, std::vector<std::string>& names) {
  names.clear();
  DIR* folder = ::opendir(path.c_str());
  if (folder == nullptr) return false;
  while (const dirent* item = ::readdir(folder)) names.emplace_back(item->d_name);
  ::closedir(folder);
  // The system lists a folder in the order its directory keeps (a hash on
  // many file systems); an album built from a folder follows the names.
  std::sort(names.begin(), names.end(), ComesBefore);
  return true;
}

}  // namespace fsys
