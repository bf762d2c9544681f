#include "skin_image.h"

#include <QResource>
#include <cstring>

#include "bmp_reader.h"
#include "skin_bitmap_ids.h"

QString SkinBitmapPath(int id) {
  return QStringLiteral(":/skin/%1.%2").arg(id).arg(QLatin1String(SkinArtSuffix(id)));
}

PixelBuffer LoadSkinBitmap(int id) {
  const QResource resource(SkinBitmapPath(id));
  if (!resource.isValid()) {
    return {};
  }
  if (id == IDI_JUKEBOX) {
    return PixelBufferFromImage(QImage(resource.fileName()));
  }
  // Stored uncompressed: read in place, without a copy.
  if (resource.compressionAlgorithm() == QResource::NoCompression) {
    return ReadBmp(resource.data(), static_cast<std::size_t>(resource.size()));
  }
  const QByteArray bytes = resource.uncompressedData();
  return ReadBmp(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
}

QImage LoadSkinImage(int id) { return ImageFromPixelBuffer(LoadSkinBitmap(id)); }

QIcon SkinIcon() { return QIcon(SkinBitmapPath(IDI_JUKEBOX)); }

PixelBuffer PixelBufferFromImage(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  PixelBuffer buffer(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    std::memcpy(buffer.Row(y), rgb.constScanLine(y), static_cast<std::size_t>(rgb.width()) * 3);
  }
  return buffer;
}

// Both keep three bytes per pixel in the order red, green, blue; only the
// image pads its rows.
QImage ImageFromPixelBuffer(const PixelBuffer& buffer) {
  QImage image(buffer.Width(), buffer.Height(), QImage::Format_RGB888);
  for (int y = 0; y < buffer.Height(); ++y) {
    std::memcpy(image.scanLine(y), buffer.Row(y), static_cast<std::size_t>(buffer.Width()) * 3);
  }
  return image;
}
