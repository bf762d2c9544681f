#include "media_tree.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

void PutU32(std::string& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}
void PutU16(std::string& out, std::uint16_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>(value >> 8));
}

void PutSubChunk(std::string& out, const char* id, const std::string& text) {
  out.append(id, 4);
  PutU32(out, static_cast<std::uint32_t>(text.size() + 1));
  out += text;
  out.push_back('\0');
  if ((text.size() + 1) % 2 != 0) out.push_back('\0');
}

std::string WaveBytes(std::size_t i) {
  std::string info = "INFO";
  if (i % 3 != 0) PutSubChunk(info, "INAM", "Title number " + std::to_string(i));
  PutSubChunk(info, "IART", "Artist " + std::to_string(i % 97));
  PutSubChunk(info, "IGNR", "Genre");
  PutSubChunk(info, "ICRD", "1998");
  std::string body = "WAVE";
  body += "fmt ";
  PutU32(body, 16);
  PutU16(body, 1);
  PutU16(body, 1);
  PutU32(body, 8000);
  PutU32(body, 8000);
  PutU16(body, 1);
  PutU16(body, 8);
  body += "data";
  PutU32(body, 4000);
  body.append(4000, '\x80');
  body += "LIST";
  PutU32(body, static_cast<std::uint32_t>(info.size()));
  body += info;
  std::string file = "RIFF";
  PutU32(file, static_cast<std::uint32_t>(body.size()));
  return file + body;
}

std::string Fixed(const std::string& text, std::size_t size) {
  std::string field = text.substr(0, size);
  field.resize(size, '\0');
  return field;
}

std::string Mp3Bytes(std::size_t i) {
  std::string file(4000, '\0');
  file[0] = '\xFF';
  file[1] = '\xFB';
  if (i % 2 == 0) {
    file += "TAG" + Fixed("Song " + std::to_string(i), 30) + Fixed("Band", 30) + Fixed("Album", 30) +
            Fixed("2001", 4) + Fixed("comment", 30) + std::string(1, '\x11');
  }
  return file;
}

}  // namespace

std::string MediaTreeFileName(std::size_t i) {
  const std::size_t slot = i % 20;
  const char* extension = slot < 9 ? ".wav" : (slot < 18 ? ".mp3" : ".txt");
  return "track" + std::to_string(i) + extension;
}

std::size_t WriteMediaTree(const std::string& root, std::size_t count) {
  std::size_t textBytes = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string folder = root + "/disc" + std::to_string(i / 1000) + "/part" + std::to_string(i / 100);
    if (i % 100 == 0) std::filesystem::create_directories(folder);
    const std::string name = MediaTreeFileName(i);
    const std::string ext = name.substr(name.size() - 3);
    const std::string bytes = ext == "wav" ? WaveBytes(i) : (ext == "mp3" ? Mp3Bytes(i) : "notes\n");
    std::ofstream out(folder + "/" + name, std::ios::binary);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write the media tree");
    textBytes += bytes.size();
  }
  return textBytes;
}
