#include "editor_test_files.h"

#include <cstdint>

#include "wave_info_file.h"

std::string ReadTag(const std::string& path, const std::string& id) {
  const std::uint32_t code = Le32(ToBytes(id), 0);
  CWaveInfoFile wave;
  std::string text;
  const bool present = wave.Open(path) && wave.Parse() && wave.GetTag(code, text) == 1;
  wave.Close();
  return present ? text : std::string();
}

Bytes TrailedWave() {
  Bytes wave = CanonicalWave(SampleBytes(400), {{"INAM", "Kept"}});
  const Bytes id3 = ToBytes("TAG" + std::string(125, ' '));
  wave.insert(wave.end(), id3.begin(), id3.end());
  return wave;
}
