#include "display_text.h"

#include <QStringDecoder>

QString DecodeDisplayText(const std::string& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString decoded = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (!utf8.hasError()) {
    return decoded;
  }
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
