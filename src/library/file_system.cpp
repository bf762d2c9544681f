#include "file_system.h"

#include <dirent.h>
#include <sys/stat.h>

namespace fsys {

PathKind Examine(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return PathKind::Missing;
  return S_ISDIR(info.st_mode) ? PathKind::Folder : PathKind::Other;
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
  return true;
}

}  // namespace fsys
