#pragma once

#include <QImage>
#include <QWidget>
#include <string>

#include "color_triple.h"
#include "skin_control.h"

// Where the track display gets its line of text: the main window answers with
// the current track's name.
class TrackDisplayTextSource {
 public:
  virtual ~TrackDisplayTextSource() = default;
  virtual std::string GetTrackDisplayText() const = 0;
};

// One line of text on the 238 x 16 track display, in the track display colour
// on the dark background, cut at the right edge (no scrolling). Zoomed, the
// text is drawn at the zoom's size in the same font, not blown up. While files
// are scanned it reads "Scanning files...". A click is reported to the owner.
class CTrackDisplay : public QWidget, public SkinControl {
  Q_OBJECT

 public:
  // The text background, red = green = blue = 32; also the colour the text
  // has until the colours are applied.
  static constexpr ColorTriple kTextBackground{32, 32, 32};

  explicit CTrackDisplay(const TrackDisplayTextSource* owner, QWidget* parent = nullptr);

  void Redraw();
  void SetColor(ColorTriple colour);
  void SetScanning(int on);

  ColorTriple GetColor() const { return m_clrText; }
  int GetScanning() const { return m_bScanning; }
  // The text the display shows now.
  QString DisplayText() const;
  void SetTipText(const QString& text);

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage m_bmpBackground;
  ColorTriple m_clrText = kTextBackground;
  int m_bScanning = 0;
  const TrackDisplayTextSource* m_pOwner;
};
