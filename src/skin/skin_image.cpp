#include "skin_image.h"

namespace {

MonoBitmap MonoBitmapFromImage(const QImage& image) {
  MonoBitmap bits(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      bits.SetBit(x, y, qGray(image.pixel(x, y)) >= 128);
    }
  }
  return bits;
}

}  // namespace

QString SkinBitmapPath(int id) { return QStringLiteral(":/skin/%1.png").arg(id); }

PixelBuffer LoadSkinBitmap(int id) {
  const QImage image(SkinBitmapPath(id));
  if (image.isNull()) {
    return {};
  }
  if (image.depth() == 1) {
    return ExpandMonochrome(MonoBitmapFromImage(image));
  }
  return PixelBufferFromImage(image);
}

PixelBuffer PixelBufferFromImage(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  PixelBuffer buffer(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    const uchar* line = rgb.constScanLine(y);
    for (int x = 0; x < rgb.width(); ++x) {
      buffer.SetPixel(x, y, ColorTriple{line[3 * x], line[3 * x + 1], line[3 * x + 2]});
    }
  }
  return buffer;
}

QImage ImageFromPixelBuffer(const PixelBuffer& buffer) {
  QImage image(buffer.Width(), buffer.Height(), QImage::Format_RGB888);
  for (int y = 0; y < buffer.Height(); ++y) {
    uchar* line = image.scanLine(y);
    for (int x = 0; x < buffer.Width(); ++x) {
      const ColorTriple pixel = buffer.Pixel(x, y);
      line[3 * x] = pixel.red;
      line[3 * x + 1] = pixel.green;
      line[3 * x + 2] = pixel.blue;
    }
  }
  return image;
}
