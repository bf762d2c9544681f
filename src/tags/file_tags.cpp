#include "file_tags.h"

#include "four_cc.h"

int CFileTags::GetTag(std::uint32_t id, std::string& out) const {
  const std::string* text = nullptr;
  switch (id) {
    case fourcc::kINAM: text = &m_strTitle; break;
    case fourcc::kIART: text = &m_strArtist; break;
    case fourcc::kIGNR: text = &m_strGenre; break;
    case fourcc::kICRD: text = &m_strDate; break;
    case fourcc::kICMT: text = &m_strComment; break;
    default: break;
  }
  out = text == nullptr ? std::string() : *text;
  return out.empty() ? 0 : 1;
}
