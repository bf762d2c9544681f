#include "screen_text.h"

#include <algorithm>

#include <QFile>

#include "text_encoding.h"

QString ScreenText(const std::string& bytes) {
  const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                 [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
  if (ascii) return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
  return QString::fromStdString(DecodeTagTextToUtf8(bytes));
}

std::string PathBytes(const QString& path) {
  const QByteArray bytes = QFile::encodeName(path);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
