#include "linked_readers.h"

#include "cover_art.h"
#include "file_tags.h"

namespace {

int ReadTags(const std::string& path, CFileTags& tags) { return tags.Read(path); }

}  // namespace

const FileTagReaders& LinkedFileTagReaders() {
  static const FileTagReaders readers{&ReadTags, &ReadCoverArt};
  return readers;
}
