#include "track_display.h"

#include <QMouseEvent>
#include <QPainter>

#include "display_text.h"
#include "skin_bitmap_ids.h"
#include "skin_image.h"
#include "skin_tip.h"

namespace {

constexpr int kWidth = 238;
constexpr int kHeight = 16;
// The display is one line high; the font is sized so a line fills it.
constexpr int kTextPixelSize = 11;

QColor ToQColor(ColorTriple colour) { return QColor(colour.red, colour.green, colour.blue); }

}  // namespace

CTrackDisplay::CTrackDisplay(const TrackDisplayTextSource* owner, QWidget* parent)
    : QWidget(parent), m_bmpBackground(LoadSkinImage(IDB_TRACK_DISPLAY)), m_pOwner(owner) {
  resize(kWidth, kHeight);
  QFont textFont = font();
  textFont.setPixelSize(kTextPixelSize);
  // Crisp pixels like the rest of the skin, and whole pixels of the colour.
  textFont.setStyleStrategy(QFont::NoAntialias);
  setFont(textFont);
}

void CTrackDisplay::Redraw() { update(); }

void CTrackDisplay::SetColor(ColorTriple colour) {
  m_clrText = colour;
  Redraw();
}

void CTrackDisplay::SetScanning(int on) {
  m_bScanning = on;
  Redraw();
}

void CTrackDisplay::SetTipText(const QString& text) { SetSkinTipText(this, text); }

QString CTrackDisplay::DisplayText() const {
  if (m_bScanning) {
    return QStringLiteral("Scanning files...");
  }
  return m_pOwner != nullptr ? DecodeDisplayText(m_pOwner->GetTrackDisplayText()) : QString();
}

void CTrackDisplay::paintEvent(QPaintEvent*) {
  const QString text = DisplayText();
  QPainter painter(this);
  PaintPicture(painter, *this, m_bmpBackground);
  // From here on one unit is one device pixel, and the font is sized in them.
  const int scale = Zoom().DevicePixels();
  UseDevicePixels(painter, *this, DeviceOrigin());
  const QSize size = SkinSize(*this);
  painter.setClipRect(QRect(0, 0, size.width() * scale, size.height() * scale));
  QFont textFont = font();
  textFont.setPixelSize(kTextPixelSize * scale);
  painter.setFont(textFont);
  // The text goes on an opaque box of the dark background, as wide as the
  // text; whatever passes the right edge is cut.
  const QFontMetrics metrics(textFont);
  const QRect box(0, 0, metrics.horizontalAdvance(text), metrics.height());
  painter.fillRect(box, ToQColor(kTextBackground));
  painter.setPen(ToQColor(m_clrText));
  painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

void CTrackDisplay::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
  QWidget::mouseReleaseEvent(event);
}
