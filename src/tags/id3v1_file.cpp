#include "id3v1_file.h"

#include <cstring>

#include "four_cc.h"
#include "path_names.h"

namespace {

constexpr std::size_t kBlockSize = 128;

// A field ends at its first NUL. Only a field that fills its whole width loses
// its trailing spaces: a NUL is not a space, so spaces standing before a NUL
// are kept.
std::string FieldText(const std::uint8_t* field, std::size_t width) {
  const void* nul = std::memchr(field, 0, width);
  std::size_t length = nul ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(nul) - field) : width;
  if (length == width) {
    while (length > 0 && field[length - 1] == ' ') --length;
  }
  return std::string(reinterpret_cast<const char*>(field), length);
}

}  // namespace

CId3v1File::~CId3v1File() = default;

void CId3v1File::ResetFields() {
  m_strTitle.clear();
  m_strArtist.clear();
  m_strAlbum.clear();
  m_strYear.clear();
  m_strComment.clear();
  m_strGenreName.clear();
  m_nGenreIndex = -1;
  m_source.reset();
  m_bIsOpen = false;
}

int CId3v1File::Open(const std::string& path) {
  ResetFields();
  if (!EndsWithTypeLetters(path, "mp3")) return 0;
  std::unique_ptr<ByteSource> file = FileStore::Open(path, false);
  if (!file) return 0;
  m_source = std::move(file);
  m_bIsOpen = true;
  return 1;
}

int CId3v1File::OpenStore(std::unique_ptr<ByteSource> source, const std::string& path) {
  ResetFields();
  if (!source || !EndsWithTypeLetters(path, "mp3")) return 0;
  m_source = std::move(source);
  m_bIsOpen = true;
  return 1;
}

// Only the last 128 bytes are read, in one read.
int CId3v1File::ReadTag() {
  if (!m_bIsOpen || !m_source) return 0;
  const std::uint64_t size = m_source->Size();
  if (size < kBlockSize) return 0;
  std::uint8_t block[kBlockSize];
  if (m_source->ReadAt(size - kBlockSize, block) != kBlockSize) return 0;
  if (std::memcmp(block, "TAG", 3) != 0) return 0;
  m_strTitle = FieldText(block + 3, 30);
  m_strArtist = FieldText(block + 33, 30);
  m_strAlbum = FieldText(block + 63, 30);
  m_strYear = FieldText(block + 93, 4);
  m_strComment = FieldText(block + 97, 30);
  m_nGenreIndex = block[127] >= 80 ? 80 : block[127];
  m_strGenreName = GenreTable[static_cast<std::size_t>(m_nGenreIndex)];
  return 1;
}

int CId3v1File::GetTag(std::uint32_t id, std::string& out) const {
  switch (id) {
    case fourcc::kINAM: out = m_strTitle; break;
    case fourcc::kIART: out = m_strArtist; break;
    case fourcc::kISRC: out = m_strAlbum; break;
    case fourcc::kICRD: out = m_strYear; break;
    case fourcc::kICMT: out = m_strComment; break;
    case fourcc::kIGNR: out = m_strGenreName; break;
    default: out.clear(); break;
  }
  return out.empty() ? 0 : 1;
}

int CId3v1File::Close() {
  if (!m_bIsOpen || !m_source) return 0;
  m_bIsOpen = false;
  auto* store = dynamic_cast<ByteStore*>(m_source.get());
  const bool closed = store == nullptr || store->Close();
  m_source.reset();
  return closed ? 1 : 0;
}
