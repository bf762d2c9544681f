#include "id3v1_builder.h"

#include <algorithm>

namespace {

void PutField(Bytes& block, std::size_t offset, std::size_t width, const std::string& text, char fill) {
  for (std::size_t i = 0; i < width; ++i) {
    block[offset + i] = static_cast<std::uint8_t>(i < text.size() ? text[i] : fill);
  }
}

}  // namespace

Bytes Id3v1Block(const Id3v1Fields& fields) {
  Bytes block(128, 0);
  std::copy_n(fields.Magic.begin(), std::min<std::size_t>(3, fields.Magic.size()), block.begin());
  PutField(block, 3, 30, fields.Title, fields.Fill);
  PutField(block, 33, 30, fields.Artist, fields.Fill);
  PutField(block, 63, 30, fields.Album, fields.Fill);
  PutField(block, 93, 4, fields.Year, fields.Fill);
  PutField(block, 97, 30, fields.Comment, fields.Fill);
  block[127] = fields.Genre;
  return block;
}

Bytes Mp3WithId3v1(const Id3v1Fields& fields, std::size_t audioBytes) {
  Bytes file = SampleBytes(audioBytes);
  const Bytes block = Id3v1Block(fields);
  file.insert(file.end(), block.begin(), block.end());
  return file;
}
