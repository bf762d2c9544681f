// Feeds arbitrary bytes to the reader of today's tag formats. The first byte
// picks the format the rest is read as; the seeds are files written by ffmpeg.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "file_tags.h"
#include "four_cc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const char* const kNames[] = {"f.mp3", "f.flac", "f.ogg", "f.opus", "f.m4a", "f.wma", "f.aiff", "f.ape",
                                       "f.wv", "f.mpc"};
  if (size == 0) return 0;
  const char* name = kNames[data[0] % std::size(kNames)];
  CFileTags tags;
  const int read = tags.ReadBytes(name, std::string(reinterpret_cast<const char*>(data + 1), size - 1));
  std::string text;
  int answered = 0;
  for (std::uint32_t id : {fourcc::kINAM, fourcc::kIART, fourcc::kIGNR, fourcc::kICRD, fourcc::kICMT}) {
    answered |= tags.GetTag(id, text);
  }
  if (read != answered || tags.GetTag(fourcc::kISRC, text) != 0) std::abort();
  return 0;
}
