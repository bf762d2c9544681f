// Tooltips of the main window's controls. Each text is asked for when its tip
// is about to show, so tips that follow the playback state stay current; the
// same text is the control's accessible name.
#include <QHelpEvent>
#include <QToolTip>

#include "main_dlg.h"
#include "skin_tip.h"

namespace {

// A tip holds at most this many characters; longer ones (very long tags)
// are cut, never split inside a character.
constexpr qsizetype kMaxTipLength = 319;

QString CutToFit(QString text) {
  if (text.size() <= kMaxTipLength) {
    return text;
  }
  qsizetype length = kMaxTipLength;
  if (text.at(length - 1).isHighSurrogate()) {
    --length;
  }
  text.truncate(length);
  return text;
}

}  // namespace

QString CMainDlg::TipText(int id) const {
  // Two tips follow the playback: the small Play button's names the track
  // while it plays, and the track display's lists the current track's
  // chosen tags.
  switch (id) {
    case IDC_CAPTION:
      return QString::fromLatin1(kCaptionTip);
    case IDC_STATUS_DISPLAY:
      return QString::fromLatin1(kStatusTip);
    case IDC_MINI_PLAY:
      return CutToFit(MiniPlayTip());
    case IDC_TRACK_DISPLAY:
      return CutToFit(TrackDisplayTip());
    default:
      break;
  }
  for (const SkinButtonPlace& place : kSkinButtons) {
    if (place.id == id) {
      return QString::fromLatin1(place.tip);
    }
  }
  return {};
}

int CMainDlg::ControlId(const QObject* control) const {
  for (const PlacedControl& placed : m_controls) {
    if (placed.widget == control) {
      return placed.id;
    }
  }
  return 0;
}

bool CMainDlg::ShowTip(QWidget* control, int id, QHelpEvent* event) {
  const QString text = TipText(id);
  SetSkinTipText(control, text);
  if (text.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(event->globalPos(), text, control);
  }
  return true;
}

// The statics that let the mouse through get their tips from here.
bool CMainDlg::ShowStaticTip(QHelpEvent* event) {
  for (const PlacedControl& placed : m_controls) {
    QWidget* control = placed.widget;
    if (control->isVisible() && control->testAttribute(Qt::WA_TransparentForMouseEvents) &&
        control->geometry().contains(event->pos())) {
      return ShowTip(control, placed.id, event);
    }
  }
  QToolTip::hideText();
  event->ignore();
  return true;
}

bool CMainDlg::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    return ShowStaticTip(static_cast<QHelpEvent*>(event));
  }
  // Moved to a screen of another scale, the skin keeps whole device pixels.
  if (event->type() == QEvent::ScreenChangeInternal && SkinZoom(m_nZoom, devicePixelRatioF()) != m_skinZoom) {
    LayOutSkin();
  }
  return QWidget::event(event);
}

bool CMainDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    if (const int id = ControlId(watched); id != 0) {
      return ShowTip(static_cast<QWidget*>(watched), id, static_cast<QHelpEvent*>(event));
    }
  }
  // The track display keeps its presses: they neither move the window nor
  // reach the double-click areas. Its release still reports the click.
  if (watched == m_trackDisplay) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
        event->accept();
        return true;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}
