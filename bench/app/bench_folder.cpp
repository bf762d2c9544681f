#include "bench_folder.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

void PutLe(std::string& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) {
    bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  }
}

void PutChunk(std::string& bytes, const char* id, const std::string& payload) {
  bytes.append(id, 4);
  PutLe(bytes, static_cast<std::uint32_t>(payload.size()), 4);
  bytes += payload;
  if (payload.size() % 2 != 0) {
    bytes.push_back('\0');
  }
}

}  // namespace

BenchFolder::BenchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "velmora-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot make a temporary folder");
  }
  m_path = pattern;
}

BenchFolder::~BenchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(m_path, ignored);
}

void BenchFolder::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(File(name), std::ios::binary);
  out << bytes;
}

std::string SilentWaveBytes(int lengthMs, const std::string& title) {
  std::string format;
  PutLe(format, 1, 2);       // PCM
  PutLe(format, 2, 2);       // channels
  PutLe(format, 44100, 4);   // samples a second
  PutLe(format, 176400, 4);  // bytes a second
  PutLe(format, 4, 2);       // block align
  PutLe(format, 16, 2);      // bits per sample
  std::string info = "INFO";
  PutChunk(info, "INAM", title + '\0');
  std::string body = "WAVE";
  PutChunk(body, "fmt ", format);
  PutChunk(body, "data", std::string(static_cast<std::size_t>(lengthMs) * 1764 / 10, '\0'));
  PutChunk(body, "LIST", info);
  std::string file;
  PutChunk(file, "RIFF", body);
  return file;
}

long PeakResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmHWM:") {
      long kib = 0;
      status >> kib;
      return kib;
    }
    status.ignore(1 << 16, '\n');
  }
  return 0;
}
