#include "editor_test_files.h"

#include <cstdint>

#include "wave_info_file.h"

std::string ReadTag(const std::string& path, const std::string& id) {
  std::uint32_t code = 0;
  for (int i = 3; i >= 0; --i) code = code << 8 | static_cast<unsigned char>(id.at(i));
  CWaveInfoFile wave;
  std::string text;
  const bool present = wave.Open(path) && wave.Parse() && wave.GetTag(code, text) == 1;
  wave.Close();
  return present ? text : std::string();
}

Bytes LateDataWave() {
  return RiffBuilder()
      .Chunk("fmt ", PcmFormat(2, 44100, 16))
      .Chunk("JUNK", Bytes(120, 0))
      .Chunk("data", SampleBytes(400))
      .Chunk("LIST", InfoList({{"INAM", "Kept"}}))
      .Build();
}
