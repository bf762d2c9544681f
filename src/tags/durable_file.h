#pragma once

#include <string>
#include <string_view>

// The system steps that make a saved file last: finding the file a link
// names, a temporary file of this process's own beside it, and syncs that
// put data and names on the device. Shared by the tag editor's journal and
// the jukebox's data files. POSIX only, like the rest of the core's
// file access. Failures leave errno set by the step that failed.
namespace durable {

// The file path finally names once its symbolic links are followed; the
// last link's target need not exist (it is the file a save creates). False
// for a loop of links or a link that cannot be read.
bool ResolveLinks(const std::string& path, std::string& target);

// The folder holding path ("." for a bare name).
std::string FolderOf(const std::string& path);

// Creates and opens for writing a new file ".<name>.XXXXXX" beside target
// (X a random letter or digit), with O_EXCL so no other process or writer
// shares it; the umask applies to mode. The descriptor, or -1.
int CreateTemporaryBeside(const std::string& target, unsigned mode, std::string& created);

// Errors that say the folder takes no new file while a file already in it
// may still be writable.
bool FolderRefusesNewFiles(int error);

// Puts the open file's data on the device; an interrupted call is retried.
bool SyncDescriptor(int fd);

// Makes the names in folder (a rename just done) survive a power cut.
bool SyncFolder(const std::string& folder);

// Replaces the whole content of the open file fd by bytes, then fixes its
// length and puts it on the device. Room for a longer text is reserved
// first, so a full disk fails before the first old byte changes.
bool OverwriteWhole(int fd, std::string_view bytes);

}  // namespace durable
