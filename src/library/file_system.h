#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <vector>

// The few questions the track collection asks the file system. Paths are byte
// strings used exactly as given.
namespace fsys {

// Where a folder lives on disk; two paths that reach one folder through links
// give the same identity.
struct FolderIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  auto operator<=>(const FolderIdentity&) const = default;
};

// Special is anything else on disk: a named pipe, a device, a socket.
enum class PathKind { Missing, Folder, File, Special };
// What path names (links followed), with one question to the system.
PathKind Examine(const std::string& path);
// True when path names something that exists (links followed).
bool Exists(const std::string& path);
// True when path names a folder (links followed).
bool IsFolder(const std::string& path);
// Fills id for a folder; false when path cannot be examined.
bool GetFolderIdentity(const std::string& path, FolderIdentity& id);
// The names in a folder in name order (letters without case, then bytes),
// hidden ones and "." and ".." included; false when the folder cannot be
// listed.
bool ListFolder(const std::string& path, std::vector<std::string>& names);

}  // namespace fsys
