// The entry of the module that holds TagLib and the readers on it.
#include "linked_readers.h"

extern "C" __attribute__((visibility("default"))) const FileTagReaders* velmora_file_tag_readers() {
  return &LinkedFileTagReaders();
}
