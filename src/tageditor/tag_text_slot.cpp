#include "tag_text_slot.h"

#include "text_encoding.h"

void CTagTextSlot::Show(const QString& shown, const std::string& bytes) {
  m_strShown = shown;
  m_strBytes = bytes;
}

std::string CTagTextSlot::BytesFor(const QString& current) const {
  if (current == m_strShown) return m_strBytes;
  return EncodeTypedTextForTag(current.toStdString());
}
