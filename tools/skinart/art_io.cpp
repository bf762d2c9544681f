#include "art_io.h"

#include "bmp_writer.h"

#include <QFile>
#include <QHash>
#include <algorithm>
#include <vector>

namespace {

QImage ToMonochrome(const QImage& picture) {
  QImage mono(picture.size(), QImage::Format_Mono);
  mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      mono.setPixel(x, y, qGray(picture.pixel(x, y)) >= 128 ? 1 : 0);
    }
  }
  return mono;
}

// One box of the median cut: the colours it holds.
using Box = std::vector<QRgb>;

int Channel(QRgb colour, int channel) {
  return channel == 0 ? qRed(colour) : channel == 1 ? qGreen(colour) : qBlue(colour);
}

int WidestChannel(const Box& box, int* range) {
  int best = 0;
  *range = -1;
  for (int channel = 0; channel < 3; ++channel) {
    const auto [low, high] = std::minmax_element(box.begin(), box.end(), [channel](QRgb a, QRgb b) {
      return Channel(a, channel) < Channel(b, channel);
    });
    const int span = Channel(*high, channel) - Channel(*low, channel);
    if (span > *range) {
      *range = span;
      best = channel;
    }
  }
  return best;
}

QRgb Average(const Box& box) {
  long red = 0, green = 0, blue = 0;
  for (QRgb colour : box) {
    red += qRed(colour);
    green += qGreen(colour);
    blue += qBlue(colour);
  }
  const long n = static_cast<long>(box.size());
  return qRgb(static_cast<int>(red / n), static_cast<int>(green / n), static_cast<int>(blue / n));
}

// Splits the box with the widest channel range at its median until there are
// enough boxes; each box becomes one palette colour.
QList<QRgb> MedianCutPalette(const Box& colours, int maxColours) {
  std::vector<Box> boxes{colours};
  while (static_cast<int>(boxes.size()) < maxColours) {
    int widest = -1, widestRange = 0, widestChannel = 0;
    for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
      int range = 0;
      const int channel = WidestChannel(boxes[i], &range);
      if (boxes[i].size() > 1 && range > widestRange) {
        widest = i;
        widestRange = range;
        widestChannel = channel;
      }
    }
    if (widest < 0) {
      break;
    }
    Box& box = boxes[widest];
    std::sort(box.begin(), box.end(),
              [widestChannel](QRgb a, QRgb b) { return Channel(a, widestChannel) < Channel(b, widestChannel); });
    Box upper(box.begin() + static_cast<long>(box.size() / 2), box.end());
    box.resize(box.size() / 2);
    boxes.push_back(std::move(upper));
  }
  QList<QRgb> palette;
  for (const Box& box : boxes) {
    palette.append(Average(box));
  }
  return palette;
}

int Nearest(const QList<QRgb>& palette, QRgb colour) {
  int best = 0;
  long bestDistance = -1;
  for (int i = 0; i < palette.size(); ++i) {
    const long dr = qRed(palette[i]) - qRed(colour);
    const long dg = qGreen(palette[i]) - qGreen(colour);
    const long db = qBlue(palette[i]) - qBlue(colour);
    const long distance = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  return best;
}

}  // namespace

QImage ReduceColours(const QImage& picture, int maxColours) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  QHash<QRgb, int> distinct;
  Box colours;
  for (int y = 0; y < rgb.height(); ++y) {
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb colour = rgb.pixel(x, y) | 0xFF000000u;
      if (!distinct.contains(colour)) {
        distinct.insert(colour, static_cast<int>(colours.size()));
        colours.push_back(colour);
      }
    }
  }
  const QList<QRgb> palette =
      static_cast<int>(colours.size()) <= maxColours ? QList<QRgb>(colours.begin(), colours.end())
                                                     : MedianCutPalette(colours, maxColours);
  QHash<QRgb, int> index;
  for (QRgb colour : colours) {
    index.insert(colour, Nearest(palette, colour));
  }
  QImage indexed(rgb.size(), QImage::Format_Indexed8);
  indexed.setColorTable(palette);
  for (int y = 0; y < rgb.height(); ++y) {
    for (int x = 0; x < rgb.width(); ++x) {
      indexed.setPixel(x, y, static_cast<uint>(index.value(rgb.pixel(x, y) | 0xFF000000u)));
    }
  }
  return indexed;
}

bool SaveWithDepth(const QImage& picture, int depth, const QString& path) {
  if (depth > 8) {
    return picture.convertToFormat(QImage::Format_ARGB32).save(path, "PNG");
  }
  const QImage indexed = depth == 1 ? ToMonochrome(picture) : ReduceColours(picture, 1 << depth);
  QFile file(path);
  const QByteArray bytes = EncodeBmp(indexed, depth);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}
