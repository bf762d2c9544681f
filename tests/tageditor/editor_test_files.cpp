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

Bytes TrailedWave() {
  Bytes wave = CanonicalWave(SampleBytes(400), {{"INAM", "Kept"}});
  Bytes id3 = ToBytes("TAG");
  id3.resize(128, ' ');
  wave.insert(wave.end(), id3.begin(), id3.end());
  return wave;
}
