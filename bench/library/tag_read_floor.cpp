#include "tag_read_floor.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

std::uint32_t U32(const unsigned char* bytes) {
  return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

bool EndsWith(const std::string& text, const char* tail) {
  const std::size_t size = std::strlen(tail);
  return text.size() >= size && text.compare(text.size() - size, size, tail) == 0;
}

void ReadWaveTags(int fd) {
  unsigned char header[12];
  if (::pread(fd, header, sizeof header, 0) != sizeof header) return;
  std::uint64_t offset = 12;
  const std::uint64_t end = 8 + static_cast<std::uint64_t>(U32(header + 4));
  std::vector<unsigned char> list;
  unsigned char chunk[8];
  while (offset + 8 <= end && ::pread(fd, chunk, 8, static_cast<off_t>(offset)) == 8) {
    const std::uint32_t size = U32(chunk + 4);
    if (std::memcmp(chunk, "LIST", 4) == 0) {
      list.resize(size);
      if (::pread(fd, list.data(), size, static_cast<off_t>(offset + 8)) < 0) return;
    }
    offset += 8 + size + (size & 1);
  }
}

void ReadMp3Tag(int fd) {
  struct stat info {};
  if (::fstat(fd, &info) != 0 || info.st_size < 128) return;
  unsigned char tag[128];
  if (::pread(fd, tag, sizeof tag, info.st_size - 128) < 0) return;
}

std::size_t Walk(const std::string& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return 0;
  std::vector<std::string> names;
  while (const dirent* item = ::readdir(dir)) names.emplace_back(item->d_name);
  ::closedir(dir);
  std::size_t files = 0;
  for (const std::string& name : names) {
    if (name == "." || name == "..") continue;
    const std::string path = folder + "/" + name;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) continue;
    if (S_ISDIR(info.st_mode)) {
      files += Walk(path);
      continue;
    }
    ++files;
    const bool wave = EndsWith(name, "wav");
    if (!wave && !EndsWith(name, "mp3")) continue;
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) continue;
    if (wave) {
      ReadWaveTags(fd);
    } else {
      ReadMp3Tag(fd);
    }
    ::close(fd);
  }
  return files;
}

}  // namespace

std::size_t ReadTreeTagsFloor(const std::string& root) { return Walk(root); }
