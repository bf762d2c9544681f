#include "bitmap_static.h"

#include <QPainter>

#include "skin_image.h"

CBitmapStatic::CBitmapStatic(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CBitmapStatic::SetPicture(const PixelBuffer& picture) {
  m_picture = picture;
  m_image = ImageFromPixelBuffer(picture);
  update();
}

void CBitmapStatic::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintPicture(painter, *this, m_image);
}
