#include "skin_control.h"

#include <QWidget>

void SkinControl::SetSkinPlace(const QRect& skinRect, const SkinZoom& zoom) {
  m_skinRect = skinRect;
  m_zoom = zoom;
}

QSize SkinControl::SkinSize(const QWidget& self) const { return m_skinRect.isNull() ? self.size() : m_skinRect.size(); }

void SkinControl::PaintPicture(QPainter& painter, const QWidget& self, const QImage& picture) const {
  // A picture larger than the control is cut at the control's skin edge, not
  // at the logical one, which may reach a device pixel further.
  const QSize size = SkinSize(self);
  const QImage shown = picture.width() > size.width() || picture.height() > size.height()
                           ? picture.copy(QRect(QPoint(0, 0), size))
                           : picture;
  PaintDevicePixels(painter, self, DeviceOrigin(), BlowUp(shown, m_zoom.DevicePixels()));
}
