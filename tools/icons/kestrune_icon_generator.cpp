// Draws the Kestrune icon: a slate tile crossed by a sound wave, with an amber
// tag hanging over its lower corner, the picture of "labels on a WAVE file".
//   kestrune_icon_generator OUTPUT_FOLDER SIZE...
// writes OUTPUT_FOLDER/kestrune-SIZE.png for every SIZE.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace {

// Everything is drawn on a 256-unit square and scaled to the size asked for.
constexpr double kCanvas = 256.0;

// Strokes get thinner with the picture but never below about one pixel, so
// the wave stays visible at 16 pixels.
double StrokeWidth(double canvasWidth, int size) {
  return std::max(canvasWidth, 1.3 * kCanvas / size);
}

void DrawTile(QPainter& painter) {
  QLinearGradient shade(0, 0, 0, kCanvas);
  shade.setColorAt(0.0, QColor(0x2c, 0x6e, 0x8c));
  shade.setColorAt(1.0, QColor(0x15, 0x3a, 0x50));
  painter.setPen(Qt::NoPen);
  painter.setBrush(shade);
  painter.drawRoundedRect(QRectF(8, 8, 240, 240), 48, 48);
}

// A wave that swells and fades like a struck note.
void DrawWave(QPainter& painter, int size) {
  const int cycles = size <= 16 ? 2 : 3;
  const double left = 36;
  const double right = 220;
  const double middle = 106;
  QPainterPath wave;
  for (int step = 0; step <= 240; ++step) {
    const double t = step / 240.0;
    const double envelope = std::sin(t * M_PI);
    const double y = middle - 62 * envelope * std::sin(t * cycles * 2 * M_PI);
    const QPointF point(left + t * (right - left), y);
    if (step == 0) {
      wave.moveTo(point);
    } else {
      wave.lineTo(point);
    }
  }
  QPen pen(QColor(0xf4, 0xf7, 0xf8), StrokeWidth(13, size), Qt::SolidLine, Qt::RoundCap,
           Qt::RoundJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(wave);
}

// A luggage tag: a rectangle with a pointed end, a hole in the point, turned
// a little so it reads as hanging.
void DrawTag(QPainter& painter, int size) {
  painter.save();
  painter.translate(168, 182);
  painter.rotate(-28);
  QPainterPath tag;
  tag.moveTo(-62, 0);
  tag.lineTo(-36, -30);
  tag.lineTo(58, -30);
  tag.lineTo(58, 30);
  tag.lineTo(-36, 30);
  tag.closeSubpath();
  QPainterPath hole;
  hole.addEllipse(QPointF(-34, 0), 9, 9);
  painter.setPen(QPen(QColor(0x7a, 0x3e, 0x0a), StrokeWidth(6, size), Qt::SolidLine,
                      Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(QColor(0xf2, 0xa5, 0x2b));
  painter.drawPath(tag.subtracted(hole));
  if (size > 16) {
    // Two lines of "writing" on the tag.
    painter.setPen(QPen(QColor(0x7a, 0x3e, 0x0a), StrokeWidth(7, size), Qt::SolidLine,
                        Qt::RoundCap));
    painter.drawLine(QPointF(-8, -9), QPointF(42, -9));
    painter.drawLine(QPointF(-8, 11), QPointF(28, 11));
  }
  painter.restore();
}

QImage DrawIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / kCanvas, size / kCanvas);
  DrawTile(painter);
  DrawWave(painter, size);
  DrawTag(painter, size);
  painter.end();
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER SIZE...\n", argv[0]);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  for (int i = 2; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    if (size < 8 || size > 1024) {
      std::fprintf(stderr, "kestrune_icon_generator: bad size '%s'\n", argv[i]);
      return 2;
    }
    const QString path = QStringLiteral("%1/kestrune-%2.png").arg(folder).arg(size);
    if (!DrawIcon(size).save(path, "PNG")) {
      std::fprintf(stderr, "kestrune_icon_generator: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
