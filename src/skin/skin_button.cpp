#include "skin_button.h"

#include <QPainter>

#include "raster_op.h"
#include "skin_image.h"
#include "skin_tip.h"
#include "tint.h"

namespace {

// Unlit glyphs show at half colour.
constexpr int kUnlitDivisor = 2;

}  // namespace

CSkinButton::CSkinButton(QWidget* parent) : QAbstractButton(parent) { setFocusPolicy(Qt::NoFocus); }

int CSkinButton::LoadBitmaps(int face, int pressedFace, int glyph) {
  m_bmpFace = {};
  m_bmpPressedFace = {};
  m_bmpGlyph = {};
  m_bmpFace = LoadSkinBitmap(face);
  if (m_bmpFace.IsEmpty()) {
    return 0;
  }
  bool loadedAll = true;
  if (pressedFace != 0) {
    m_bmpPressedFace = LoadSkinBitmap(pressedFace);
    loadedAll = loadedAll && !m_bmpPressedFace.IsEmpty();
  }
  if (glyph != 0) {
    m_bmpGlyph = LoadSkinBitmap(glyph);
    loadedAll = loadedAll && !m_bmpGlyph.IsEmpty();
  }
  return loadedAll ? 1 : 0;
}

void CSkinButton::SetLit(int state) {
  m_bLit = state;
  RedrawNow();
}

void CSkinButton::SetColor(ColorTriple colour) {
  m_clr = colour;
  RedrawNow();
}

void CSkinButton::Refresh() { RedrawNow(); }

void CSkinButton::SetTipText(const QString& text) { SetSkinTipText(this, text); }

void CSkinButton::RedrawNow() {
  if (m_bDrawn) {
    repaint();
  }
}

void CSkinButton::paintEvent(QPaintEvent*) {
  DrawItem(isDown());
  QPainter painter(this);
  PaintPicture(painter, *this, ImageFromPixelBuffer(m_canvas));
}

void CSkinButton::DrawItem(bool pressed) {
  const QSize size = SkinSize(*this);
  m_canvas = PixelBuffer(size.width(), size.height());
  PixelBuffer& face = pressed && !m_bmpPressedFace.IsEmpty() ? m_bmpPressedFace : m_bmpFace;
  const ColorTriple glyphColour = pressed || m_bLit == 1 ? m_clr : DimColor(m_clr, kUnlitDivisor);
  if (m_bmpGlyph.IsEmpty()) {
    BitBlt(m_canvas, 0, 0, size.width(), size.height(), face, 0, 0, RasterOp::SRCCOPY);
  } else {
    TintMasked(face, m_bmpGlyph, glyphColour, m_canvas, 0, 0, size.width(), size.height());
  }
  m_bDrawn = 1;
}
