// Feeds arbitrary bytes to the ID3v1 reader.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "four_cc.h"
#include "id3v1_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CId3v1File file;
  file.OpenStore(std::make_unique<MemoryStore>(std::make_shared<std::vector<std::uint8_t>>(data, data + size), false),
                 "fuzz.mp3");
  const int read = file.ReadTag();
  std::string text;
  for (std::uint32_t id : {fourcc::kINAM, fourcc::kIART, fourcc::kISRC, fourcc::kICRD, fourcc::kICMT}) {
    file.GetTag(id, text);
    if (text.size() > 30) std::abort();
  }
  const bool genreNamed = file.GetTag(fourcc::kIGNR, text) == 1;
  if (read != (genreNamed ? 1 : 0) || file.GenreIndex() < -1 || file.GenreIndex() > 80) std::abort();
  file.Close();
  return 0;
}
