#include "bmp_writer.h"


namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
// 2835 pixels per metre is 72 pixels per inch.
constexpr quint32 kPixelsPerMetre = 2835;

void Put16(QByteArray* out, quint16 value) {
  out->append(static_cast<char>(value & 0xFF));
  out->append(static_cast<char>(value >> 8));
}

void Put32(QByteArray* out, quint32 value) {
  for (int shift = 0; shift < 32; shift += 8) {
    out->append(static_cast<char>((value >> shift) & 0xFF));
  }
}

QList<QRgb> PaletteOf(const QImage& indexed, int depth) {
  QList<QRgb> palette = depth == 1 ? QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)} : indexed.colorTable();
  palette.resize(1 << depth, qRgb(0, 0, 0));
  return palette;
}

int IndexAt(const QImage& indexed, int depth, int x, int y) {
  if (depth == 1) {
    return qGray(indexed.pixel(x, y)) >= 128 ? 1 : 0;
  }
  return indexed.pixelIndex(x, y);
}

QByteArray PackedRow(const QImage& indexed, int depth, int y, int rowBytes) {
  QByteArray row(rowBytes, '\0');
  const int perByte = 8 / depth;
  for (int x = 0; x < indexed.width(); ++x) {
    const int shift = 8 - depth * (x % perByte + 1);
    row[x / perByte] = static_cast<char>(row[x / perByte] | (IndexAt(indexed, depth, x, y) << shift));
  }
  return row;
}

}  // namespace

QByteArray EncodeBmp(const QImage& indexed, int depth) {
  const int rowBytes = (indexed.width() * depth + 31) / 32 * 4;
  const QList<QRgb> palette = PaletteOf(indexed, depth);
  const int pixelsAt = kFileHeaderSize + kInfoHeaderSize + 4 * static_cast<int>(palette.size());
  const int imageSize = rowBytes * indexed.height();

  QByteArray out;
  out.append("BM");
  Put32(&out, static_cast<quint32>(pixelsAt + imageSize));
  Put32(&out, 0);  // reserved
  Put32(&out, static_cast<quint32>(pixelsAt));
  Put32(&out, kInfoHeaderSize);
  Put32(&out, static_cast<quint32>(indexed.width()));
  Put32(&out, static_cast<quint32>(indexed.height()));  // positive: bottom-up
  Put16(&out, 1);                                        // planes
  Put16(&out, static_cast<quint16>(depth));
  Put32(&out, 0);  // uncompressed
  Put32(&out, static_cast<quint32>(imageSize));
  Put32(&out, kPixelsPerMetre);
  Put32(&out, kPixelsPerMetre);
  Put32(&out, static_cast<quint32>(palette.size()));
  Put32(&out, 0);  // all colours matter
  for (QRgb colour : palette) {
    out.append(static_cast<char>(qBlue(colour)));
    out.append(static_cast<char>(qGreen(colour)));
    out.append(static_cast<char>(qRed(colour)));
    out.append('\0');
  }
  for (int y = indexed.height() - 1; y >= 0; --y) {
    out.append(PackedRow(indexed, depth, y, rowBytes));
  }
  return out;
}
