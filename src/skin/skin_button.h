#pragma once

#include <QAbstractButton>

#include "color_triple.h"
#include "pixel_buffer.h"
#include "skin_control.h"

// A push button drawn from the skin: its face (or the pressed face while it is
// held down) with the glyph tinted in the element colour, at full colour when
// lit or held and at half colour otherwise. There is no hover look.
class CSkinButton : public QAbstractButton, public SkinControl {
  Q_OBJECT

 public:
  explicit CSkinButton(QWidget* parent = nullptr);

  // Frees what was held, then loads the face (required; 0 at once without
  // it), and the pressed face and glyph when their numbers are not 0.
  // Returns 1 when every bitmap asked for was loaded.
  int LoadBitmaps(int face, int pressedFace, int glyph);

  // These repaint at once, but only after the button has been drawn once.
  void SetLit(int state);
  int GetLit() const { return m_bLit; }
  void SetColor(ColorTriple colour);
  void Refresh();

  ColorTriple GetColor() const { return m_clr; }
  bool HasBeenDrawn() const { return m_bDrawn != 0; }
  void SetTipText(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void DrawItem(bool pressed);
  void RedrawNow();

  PixelBuffer m_bmpFace;
  PixelBuffer m_bmpPressedFace;
  PixelBuffer m_bmpGlyph;
  int m_bLit = 0;
  int m_bDrawn = 0;
  ColorTriple m_clr;
  PixelBuffer m_canvas;
};
