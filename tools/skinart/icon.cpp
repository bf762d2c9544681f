#include "icon.h"

#include <QPainter>
#include <QPainterPath>

#include "skin_palette.h"

QImage DrawProgramIcon() {
  using namespace skin_palette;
  constexpr int kSize = 32;
  QImage icon(kSize, kSize, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);

  QLinearGradient body(0, 2, 0, 30);
  body.setColorAt(0, QColor(kKeyTop));
  body.setColorAt(1, QColor(kFaceBottom));
  painter.setPen(QPen(QColor(kEdge), 1.0));
  painter.setBrush(body);
  painter.drawRoundedRect(QRectF(1.5, 3.5, 29, 25), 4, 4);

  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(kWell));
  painter.drawRoundedRect(QRectF(4, 6, 24, 12), 2, 2);

  QPainterPath play;
  play.moveTo(7, 8.5);
  play.lineTo(14, 12);
  play.lineTo(7, 15.5);
  play.closeSubpath();
  painter.setBrush(QColor(0, 255, 0));
  painter.drawPath(play);

  const int levels[] = {3, 6, 4, 8, 5};
  for (int i = 0; i < 5; ++i) {
    painter.setBrush(QColor(255, 174, 0));
    painter.drawRect(QRectF(16 + i * 2.2, 16 - levels[i], 1.4, levels[i]));
  }

  painter.setBrush(QColor(kKeyHighlight));
  for (int i = 0; i < 4; ++i) {
    painter.drawRoundedRect(QRectF(5 + i * 6, 21, 4.5, 4), 1, 1);
  }
  return icon;
}
