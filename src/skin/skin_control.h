#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include "skin_zoom.h"

class QPainter;
class QWidget;

// What a skin control knows of its place: its rectangle in skin pixels from
// the window's corner, and the window's zoom. It draws its picture at 1x and
// paints it blown up. A control never placed (one shown on its own) is drawn
// at 1x from its own corner, at its own size.
class SkinControl {
 public:
  virtual ~SkinControl() = default;

  // The window lays its controls out with this and repaints them.
  void SetSkinPlace(const QRect& skinRect, const SkinZoom& zoom);
  const QRect& SkinRect() const { return m_skinRect; }
  const SkinZoom& Zoom() const { return m_zoom; }

 protected:
  // The control's size in skin pixels.
  QSize SkinSize(const QWidget& self) const;
  // The device pixel of the control's corner, counted from the window's.
  QPoint DeviceOrigin() const { return m_skinRect.topLeft() * m_zoom.DevicePixels(); }
  // Paints the control's 1x picture as whole blocks of device pixels.
  void PaintPicture(QPainter& painter, const QWidget& self, const QImage& picture) const;

 private:
  QRect m_skinRect;
  SkinZoom m_zoom;
};
