// The main window under the mouse: dragging the window, dragging the slider
// thumb to seek, and the double-click areas of the status display and the
// caption.
#include <QGuiApplication>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QWindow>
#include <algorithm>
#include <cstdint>

#include "main_dlg.h"
#include "status_display.h"

namespace {

// A thumb pressed and released without moving has no new position.
constexpr int kNoDragPosition = -1;

// Native Wayland lets no window place itself; the compositor moves it.
bool CompositorMovesWindows() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

}  // namespace

// Client coordinates are skin pixels, whatever the zoom: the hit rectangles,
// the thumb's travel and its time per pixel are those of 1x.
QPoint CMainDlg::ToClient(QPointF windowPoint) const {
  return m_skinZoom.ToSkin(windowPoint) - QPoint(kBorder, kBorder);
}

void CMainDlg::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  m_ptGrab = event->globalPosition().toPoint() - pos();
  const QPoint client = ToClient(event->position());
  m_rcThumb = {m_rcSlider.left + m_nThumbX + kThumbInset, m_rcSlider.top,
               m_rcSlider.left + m_nThumbX + kThumbInset + kThumbWidth, m_rcSlider.bottom};
  m_bDragSlider = m_rcThumb.ContainsInclusive(client.x(), client.y()) ? 1 : 0;
  if (m_bDragSlider) {
    m_nSliderGrab = client.x() - m_nThumbX;
    m_nDragPosition = kNoDragPosition;
  } else if (CompositorMovesWindows() && windowHandle() != nullptr) {
    windowHandle()->startSystemMove();
  }
}

void CMainDlg::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) {
    return;
  }
  if (m_bDragSlider) {
    DragThumb(ToClient(event->position()).x());
    return;
  }
  m_ptMain = event->globalPosition().toPoint() - m_ptGrab;
  move(m_ptMain);
}

// A move the window manager makes (a drag with its modifier key, a move from
// the keyboard, a snap to an edge) is kept like the skin's own drag, so the
// next start opens where the user left the window.
void CMainDlg::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (isVisible() && !isMinimized()) {
    m_ptMain = pos();
  }
}

// The thumb follows the cursor within its travel and the time display shows
// the time under it; playback hears of it only when the thumb is let go.
void CMainDlg::DragThumb(int cursorX) {
  const int thumbX = std::clamp(cursorX - m_nSliderGrab, 0, kThumbTravel);
  m_nDragPosition = thumbX * m_nMsPerPixel / 1000;
  DrawSlider(static_cast<unsigned>(m_nDragPosition));
  m_statusDisplay->SetTime(static_cast<std::uint32_t>(m_nDragPosition));
}

void CMainDlg::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && m_bDragSlider) {
    EndThumbDrag();
  }
}

// The release of a thumb drag can go astray: a message box that opens
// mid-drag takes it, or the window loses the pointer grab. Once the button is
// found up, the drag ends as a release would have ended it.
void CMainDlg::EndUnfinishedThumbDrag() {
  if (m_bDragSlider && !(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
    EndThumbDrag();
  }
}

void CMainDlg::EndThumbDrag() {
  m_bDragSlider = 0;
  if (m_nDragPosition == kNoDragPosition || !m_hMciWnd) {
    return;
  }
  m_hMciWnd->Seek(m_nDragPosition * 1000);
  // While the album loads, play or pause is not sent again.
  if (m_nReady > 0) {
    ResumeState();
  }
}

void CMainDlg::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    return;
  }
  const QPoint client = ToClient(event->position());
  if (m_rcStatus.ContainsInclusive(client.x(), client.y())) {
    m_statusDisplay->StepMode();
  }
  if (m_rcCaption.ContainsInclusive(client.x(), client.y())) {
    ToggleRollUp();
  }
}
