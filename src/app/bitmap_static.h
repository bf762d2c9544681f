#pragma once

#include <QImage>
#include <QWidget>

#include "pixel_buffer.h"
#include "skin_control.h"

// A plain skin picture (the caption bar, the slider) that the main window
// draws into. Presses pass through it to the main window, which handles the
// caption and the slider itself.
class CBitmapStatic : public QWidget, public SkinControl {
  Q_OBJECT

 public:
  explicit CBitmapStatic(QWidget* parent = nullptr);

  // Shows the picture from the control's top-left corner; what lies beyond
  // the control is cut.
  void SetPicture(const PixelBuffer& picture);
  const PixelBuffer& Picture() const { return m_picture; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PixelBuffer m_picture;
  // The picture as painted; the thumb moving over the slider repaints it
  // every second while a medium plays.
  QImage m_image;
};
