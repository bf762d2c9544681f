#include "skin_zoom.h"

#include <QPainter>
#include <QTransform>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstring>

SkinZoom::SkinZoom(int zoom, qreal devicePixelRatio)
    : m_zoom(zoom >= kMinZoom && zoom <= kMaxZoom ? zoom : kMinZoom),
      m_ratio(devicePixelRatio > 0 ? devicePixelRatio : 1),
      m_devicePixels(std::max(1, static_cast<int>(std::lround(m_zoom * m_ratio)))) {}

QRect SkinZoom::Cover(const QRect& skin) const {
  const auto logical = [this](int skinPixels, auto round) {
    return static_cast<int>(round(skinPixels * m_devicePixels / m_ratio));
  };
  const auto floor = [](qreal value) { return std::floor(value + 1e-9); };
  const auto ceil = [](qreal value) { return std::ceil(value - 1e-9); };
  const int left = logical(skin.left(), floor);
  const int top = logical(skin.top(), floor);
  return QRect(left, top, logical(skin.left() + skin.width(), ceil) - left,
               logical(skin.top() + skin.height(), ceil) - top);
}

QPoint SkinZoom::ToSkin(QPointF logical) const {
  const auto skin = [this](qreal value) { return static_cast<int>(std::floor(value * m_ratio / m_devicePixels)); };
  return QPoint(skin(logical.x()), skin(logical.y()));
}

QImage BlowUp(const QImage& picture, int factor) {
  if (factor <= 1 || picture.isNull()) {
    return picture;
  }
  const QImage source = picture.format() == QImage::Format_RGB888 ? picture
                                                                   : picture.convertToFormat(QImage::Format_RGB888);
  QImage blown(source.width() * factor, source.height() * factor, QImage::Format_RGB888);
  const std::size_t rowBytes = static_cast<std::size_t>(blown.width()) * 3;
  for (int y = 0; y < source.height(); ++y) {
    const uchar* from = source.constScanLine(y);
    uchar* to = blown.scanLine(y * factor);
    for (int x = 0; x < source.width(); ++x) {
      for (int copy = 0; copy < factor; ++copy) {
        std::memcpy(to + (x * factor + copy) * 3, from + x * 3, 3);
      }
    }
    for (int copy = 1; copy < factor; ++copy) {
      std::memcpy(blown.scanLine(y * factor + copy), to, rowBytes);
    }
  }
  return blown;
}

void UseDevicePixels(QPainter& painter, const QWidget& widget, QPoint devicePoint) {
  // What lies beneath the painter's own transform: the widget's place in the
  // window (or in a grab), times the screen's scale.
  const QTransform beneath = painter.worldTransform().inverted() * painter.deviceTransform();
  const QPoint inWindow = widget.mapTo(widget.window(), QPoint(0, 0));
  const QPoint windowCorner = beneath.map(QPointF(-inWindow)).toPoint();
  const QPoint target = devicePoint + windowCorner;
  painter.setWorldTransform(QTransform::fromTranslate(target.x(), target.y()) * beneath.inverted());
}

void PaintDevicePixels(QPainter& painter, const QWidget& widget, QPoint devicePoint, const QImage& picture) {
  painter.save();
  UseDevicePixels(painter, widget, devicePoint);
  painter.drawImage(0, 0, picture);
  painter.restore();
}
