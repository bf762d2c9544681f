#include "media_entry.h"

#include <ostream>

std::ostream& operator<<(std::ostream& out, const MediaEntry& entry) {
  return out << "{file \"" << entry.m_strFile << "\", artist \"" << entry.m_strArtist << "\", name \""
             << entry.m_strName << "\", genre \"" << entry.m_strGenre << "\", date \"" << entry.m_strDate
             << "\", comment \"" << entry.m_strComment << "\", source \"" << entry.m_strSource
             << "\", flags " << entry.m_bArtist << entry.m_bName << entry.m_bGenre << entry.m_bDate
             << entry.m_bComment << entry.m_bSource << ", origin " << entry.m_nOrigin << ", kind "
             << entry.m_nKind << "}";
}
