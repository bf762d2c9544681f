#pragma once

#include <memory>
#include <string>

#include "riff_builder.h"
#include "wave_info_file.h"

// Opens bytes held in memory as "test.wav" and parses them; the returned
// vector is the store's, so a test sees every write.
inline std::shared_ptr<Bytes> OpenBytes(CWaveInfoFile& wave, const Bytes& bytes, int mode = ReadWrite) {
  auto shared = std::make_shared<Bytes>(bytes);
  wave.SetAccessMode(mode);
  wave.OpenStore(std::make_unique<MemoryStore>(shared, mode == ReadWrite), "test.wav");
  wave.Parse();
  return shared;
}

inline std::uint32_t FourCCOf(const std::string& code) {
  return static_cast<std::uint32_t>(Le32(ToBytes(code), 0));
}

inline std::string TagOf(const CWaveInfoFile& wave, const std::string& id) {
  std::string text;
  return wave.GetTag(FourCCOf(id), text) == 1 ? text : "<absent>";
}
