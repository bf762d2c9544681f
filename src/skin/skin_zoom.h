#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>

#include "zoom_range.h"

class QPainter;
class QWidget;

// How big the skin's pixels are on the screen. Each skin pixel is a square of
// whole device pixels: the chosen zoom times the screen's scale, rounded to a
// whole number (at least one). Pixel art resampled by a fraction turns some
// rows into two and others into one; whole squares keep every glyph crisp. On
// a screen of scale 1 the square is zoom x zoom pixels and the logical places
// are exactly the skin places times the zoom.
class SkinZoom {
 public:
  SkinZoom() = default;
  // A zoom outside kMinZoom-kMaxZoom counts as kMinZoom.
  SkinZoom(int zoom, qreal devicePixelRatio);

  int Zoom() const { return m_zoom; }
  // Device pixels per skin pixel, across and down.
  int DevicePixels() const { return m_devicePixels; }
  // The smallest logical rectangle that covers every device pixel of a
  // rectangle given in skin pixels.
  QRect Cover(const QRect& skin) const;
  // The skin pixel under a logical point.
  QPoint ToSkin(QPointF logical) const;

  friend bool operator==(const SkinZoom&, const SkinZoom&) = default;

 private:
  int m_zoom = kMinZoom;
  qreal m_ratio = 1;
  int m_devicePixels = 1;
};

// A picture blown up by a whole factor: every pixel becomes a factor x factor
// block of its colour. The picture comes back as it is for a factor of 1.
QImage BlowUp(const QImage& picture, int factor);

// Sets the painter of `widget` to draw in device pixels, with (0, 0) on the
// device pixel `devicePoint` counted from the corner of the widget's window:
// whatever logical place the widget rounded to, what is drawn then lands on
// whole device pixels.
void UseDevicePixels(QPainter& painter, const QWidget& widget, QPoint devicePoint);

// Paints a picture already blown up to device pixels with its top-left corner
// on the device pixel `devicePoint`, counted from the corner of `widget`'s
// window, never resampled.
void PaintDevicePixels(QPainter& painter, const QWidget& widget, QPoint devicePoint, const QImage& picture);
