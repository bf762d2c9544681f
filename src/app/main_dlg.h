#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "color_triple.h"
#include "element_color_table.h"
#include "mci_window.h"
#include "pixel_buffer.h"
#include "skin_layout.h"
#include "track_display.h"

class CBitmapStatic;
class QHelpEvent;
class CSkinButton;
class CStatusDisplay;

// The jukebox's main window: a frameless 266 x 114 window drawn wholly from
// the skin, with its skin buttons, the status and track displays, the caption
// and the position slider. This part holds the face: layout, painting,
// colours, moving and rolling up the window and dragging the slider thumb.
// Playback goes through the MciWindow it is given.
class CMainDlg : public QWidget, public TrackDisplayTextSource {
  Q_OBJECT

 public:
  explicit CMainDlg(QWidget* parent = nullptr);
  ~CMainDlg() override;

  // The playback window; the main window owns it from here on.
  void SetMciWindow(std::unique_ptr<MciWindow> mciWindow);
  MciWindow* GetMciWindow() const { return m_hMciWnd.get(); }

  // Skin (main_dlg_skin.cpp).
  void RepaintAll();
  void DrawSlider(unsigned s);
  // Pushes colour element k (0-24) of the colour table to the skin, or every
  // element with -1; any other k does nothing.
  void ApplyColor(int k);
  // Lit state of an element's button (0-16) or lamp (20-23), 0 otherwise.
  int GetElementState(int k) const;
  void SetElementState(int k, int on);
  void ToggleRollUp();
  // The caption shows whether the application is the active one.
  void OnActivateApp(bool active);
  void OnMinimize();

  // The 25 element colours ApplyColor reads.
  ElementColorTable& ColorTable() { return m_colorTable; }

  // Playback state the face needs (main_dlg.cpp).
  // Sets the length of the open medium and the slider's scale from it.
  void SetSliderScale(int lengthMs);
  // After a seek: plays again when Play is lit, pauses again when Pause is.
  void ResumeState();
  std::string GetTrackDisplayText() const override;

  // The tooltip of a control, asked for when the tip is about to show
  // (main_dlg_tips.cpp). An empty text shows no tip.
  QString TipText(int id) const;

  // Controls by identifier (nullptr for an unknown one), and all of them in
  // creation order.
  QWidget* Control(int id) const;
  CSkinButton* Button(int id) const;
  CStatusDisplay* StatusDisplay() const { return m_statusDisplay; }
  CTrackDisplay* TrackDisplay() const { return m_trackDisplay; }
  const std::vector<std::pair<int, QWidget*>>& Controls() const { return m_controls; }

  QPoint GetMainPosition() const { return m_ptMain; }
  void SetMainPosition(QPoint position);
  bool IsRolledUp() const { return m_bRolledUp != 0; }
  bool IsDraggingSlider() const { return m_bDragSlider != 0; }
  int GetDragPosition() const { return m_nDragPosition; }

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  // A skin button was clicked.
  void OnCommand(int id);

  // Skin set-up and painting (main_dlg_skin.cpp).
  void CreateSkin();
  void CreateStatics();
  void CreateButtons();
  void AddControl(int id, QWidget* control, const ClientRect& rect);
  void DrawCaption();
  void ApplyAllColors();
  void ApplyDisplayColor(int k);
  CSkinButton* ElementButton(int k, bool smallTwin) const;
  void PushButtonColor(int k, bool smallTwin);
  void ShowRolledUpControls(bool rolledUp);
  void ResizeHeight(int height);

  // Mouse (main_dlg_mouse.cpp).
  static QPoint ToClient(QPointF windowPoint);
  void BeginDrag(QMouseEvent* event);
  void DragThumb(int cursorX);
  void EndThumbDrag();

  // Tooltips (main_dlg_tips.cpp).
  int ControlId(const QObject* control) const;
  bool ShowTip(QWidget* control, int id, QHelpEvent* event);
  bool ShowStaticTip(QHelpEvent* event);

  ElementColorTable m_colorTable;
  std::unique_ptr<MciWindow> m_hMciWnd;

  // The skin bitmaps the window holds itself.
  QImage m_bmpBackground;
  QImage m_bmpBackgroundRolled;
  PixelBuffer m_bmpCaptionActive;
  PixelBuffer m_bmpCaptionInactive;
  PixelBuffer m_bmpSlider;
  PixelBuffer m_bmpThumb;
  PixelBuffer m_bmpThumbMask;
  bool m_bCaptionActive = true;

  // The controls, owned by the window as its children.
  std::vector<std::pair<int, QWidget*>> m_controls;
  CTrackDisplay* m_trackDisplay = nullptr;
  CStatusDisplay* m_statusDisplay = nullptr;
  CBitmapStatic* m_slider = nullptr;
  CBitmapStatic* m_caption = nullptr;

  // Playback and window state shared with the controller.
  int m_nPosition = 0;
  int m_nLengthMs = 0;
  int m_nMsPerPixel = 1;
  int m_nThumbX = 0;
  int m_nDragPosition = 0;
  int m_bDragSlider = 0;
  QPoint m_ptGrab;
  int m_nSliderGrab = 0;
  QPoint m_ptMain{10, 10};
  int m_bRolledUp = 0;
  int m_bResizing = 0;
  int m_bPainted = 0;
  int m_nReady = 1;
  ColorTriple m_clrSlider;

  // Hit rectangles, client coordinates, edges inclusive.
  ClientRect m_rcCaption = kCaptionRect;
  ClientRect m_rcStatus = kStatusRect;
  ClientRect m_rcTrack = kTrackDisplayRect;
  ClientRect m_rcSlider = kSliderRect;
  ClientRect m_rcThumb{};
};
