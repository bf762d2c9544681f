// Feeds arbitrary bytes to the WAVE reader and the INFO writer. Besides
// crashes, it stops on any save that breaks the writer's promise: refused and
// untouched, or well formed with every chunk but the INFO lists kept and the
// tags readable.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "four_cc.h"
#include "info_id_table.h"
#include "riff_check.h"
#include "wave_info_file.h"

namespace {

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "broken promise: %s\n", what);
  std::abort();
}

std::vector<std::string> TagsOf(const CWaveInfoFile& wave) {
  std::vector<std::string> tags;
  for (std::uint32_t id : InfoIdTable) {
    std::string text;
    tags.push_back(wave.GetTag(id, text) == 1 ? text : std::string("\x01" "absent"));
  }
  return tags;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Bytes original(data, data + size);
  auto bytes = std::make_shared<Bytes>(original);
  CWaveInfoFile wave;
  wave.SetAccessMode(ReadWrite);
  wave.OpenStore(std::make_unique<MemoryStore>(bytes), "fuzz.wav");
  wave.Parse();
  // The last bytes of the input choose the edit, so the fuzzer can steer it.
  const std::size_t take = size < 7 ? size : 7;
  wave.SetTag(fourcc::kINAM, std::string(original.end() - static_cast<std::ptrdiff_t>(take), original.end()));
  wave.SetTag(fourcc::kICMT, size % 3 == 0 ? "" : "comment");
  const int saved = wave.WriteInfo();
  const std::vector<std::string> expected = TagsOf(wave);
  wave.Close();
  const std::string broken = BrokenSavePromise(original, *bytes, saved == 1);
  Require(broken.empty(), broken.c_str());
  if (!saved) return 0;
  CWaveInfoFile reread;
  reread.OpenStore(std::make_unique<MemoryStore>(bytes, false), "fuzz.wav");
  reread.Parse();
  Require(TagsOf(reread) == expected, "saved tags did not read back");
  return 0;
}
