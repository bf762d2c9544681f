// The main window's skin: creating the controls, painting, colours, lit
// states and rolling the window up to its caption strip.
#include <QPainter>
#include <array>
#include <cstdint>

#include "bitmap_static.h"
#include "main_dlg.h"
#include "skin_button.h"
#include "skin_image.h"
#include "status_display.h"
#include "tint.h"

namespace {

// Elements 0-16 are buttons, the last of them Pause.
constexpr int kLastButtonElement = 16;
constexpr int kFirstLampElement = 20;
constexpr int kLastLampElement = 23;
// The small buttons repeat Home, Play, End and Stop.
constexpr std::array<int, 4> kTwinElements = {10, 12, 14, 15};
constexpr int kRollStep = 10;

// Elements 20-23 are the Dic, Tag, Vid and Aud lamps.
int LampForElement(int k) {
  constexpr std::array<int, 4> lamps = {CStatusDisplay::kLampDic, CStatusDisplay::kLampTag, CStatusDisplay::kLampVid,
                                        CStatusDisplay::kLampAud};
  return lamps[static_cast<std::size_t>(k - kFirstLampElement)];
}

bool IsLampElement(int k) { return k >= kFirstLampElement && k <= kLastLampElement; }
bool IsButtonElement(int k) { return k >= 0 && k <= kLastButtonElement; }

}  // namespace

void CMainDlg::CreateSkin() {
  m_bmpBackground = LoadSkinImage(IDB_BACKGROUND);
  m_bmpBackgroundRolled = LoadSkinImage(IDB_BACKGROUND_ROLLED);
  m_bmpCaptionActive = LoadSkinBitmap(IDB_CAPTION_ACTIVE);
  m_bmpCaptionInactive = LoadSkinBitmap(IDB_CAPTION_INACTIVE);
  m_bmpSlider = LoadSkinBitmap(IDB_SLIDER);
  m_bmpThumb = LoadSkinBitmap(IDB_THUMB);
  m_bmpThumbMask = LoadSkinBitmap(IDB_THUMB_MASK);
  CreateStatics();
  CreateButtons();
  for (int id : kLitAtStart) {
    Button(id)->SetLit(1);
  }
}

void CMainDlg::CreateStatics() {
  m_trackDisplay = new CTrackDisplay(this, this);
  AddControl(IDC_TRACK_DISPLAY, m_trackDisplay, m_trackDisplay, kTrackDisplayRect);
  m_statusDisplay = new CStatusDisplay(this);
  // Presses on the status display, the slider and the caption are the main
  // window's: they move it, drag the thumb or roll the window up.
  m_statusDisplay->setAttribute(Qt::WA_TransparentForMouseEvents);
  m_statusDisplay->SetTipText(QString::fromLatin1(kStatusTip));
  AddControl(IDC_STATUS_DISPLAY, m_statusDisplay, m_statusDisplay, kStatusRect);
  m_slider = new CBitmapStatic(this);
  AddControl(IDC_SLIDER, m_slider, m_slider, kSliderRect);
  m_caption = new CBitmapStatic(this);
  m_caption->setToolTip(QString::fromLatin1(kCaptionTip));
  m_caption->setAccessibleName(QString::fromLatin1(kCaptionTip));
  AddControl(IDC_CAPTION, m_caption, m_caption, kCaptionRect);
}

void CMainDlg::CreateButtons() {
  for (const SkinButtonPlace& place : kSkinButtons) {
    auto* button = new CSkinButton(this);
    button->LoadBitmaps(place.face, place.pressedFace, place.glyph);
    button->SetTipText(QString::fromLatin1(place.tip));
    button->setVisible(!place.small);
    AddControl(place.id, button, button, place.rect);
    connect(button, &CSkinButton::clicked, this, [this, id = place.id] { OnCommand(id); });
  }
}

void CMainDlg::AddControl(int id, QWidget* widget, SkinControl* skin, const ClientRect& rect) {
  widget->installEventFilter(this);
  m_controls.push_back({id, widget, skin, rect});
}

void CMainDlg::SetZoom(int zoom) {
  m_nZoom = SkinZoom(zoom, 1).Zoom();
  // Start-up asks for the zoom the window was built at; nothing moves then.
  if (SkinZoom(m_nZoom, devicePixelRatioF()) != m_skinZoom) {
    LayOutSkin();
  }
  CheckCurrentZoom();
}

// Places every control at its skin rectangle scaled to the zoom and the
// screen's scale. Run again when the window moves to a screen of another
// scale.
void CMainDlg::LayOutSkin() {
  m_skinZoom = SkinZoom(m_nZoom, devicePixelRatioF());
  const int scale = m_skinZoom.DevicePixels();
  m_zoomedBackground = BlowUp(m_bmpBackground, scale);
  m_zoomedBackgroundRolled = BlowUp(m_bmpBackgroundRolled, scale);
  for (const PlacedControl& placed : m_controls) {
    const QRect skinRect(placed.rect.left + kBorder, placed.rect.top + kBorder, placed.rect.Width(),
                         placed.rect.Height());
    placed.skin->SetSkinPlace(skinRect, m_skinZoom);
    placed.widget->setGeometry(m_skinZoom.Cover(skinRect));
  }
  ResizeHeight(m_bRolledUp ? kRolledHeight : kMainHeight);
  update();
}

void CMainDlg::paintEvent(QPaintEvent*) {
  // The background carries the window's one-pixel border. The children are
  // composed over it by Qt's backing store, so nothing has to be clipped out
  // to keep them from flickering.
  QPainter painter(this);
  const QImage& background = m_bRolledUp ? m_zoomedBackgroundRolled : m_zoomedBackground;
  // Where the screen's scale is a fraction, the window's last logical pixel
  // can reach a device pixel past the skin; it takes the border's colour.
  if (width() * devicePixelRatioF() > background.width() || height() * devicePixelRatioF() > background.height()) {
    painter.fillRect(rect(), background.pixelColor(0, 0));
  }
  PaintDevicePixels(painter, *this, QPoint(0, 0), background);
  if (!m_bPainted) {
    m_bPainted = 1;
    OnFirstPaint();
  }
}

void CMainDlg::showEvent(QShowEvent* event) {
  RepaintAll();
  QWidget::showEvent(event);
}

void CMainDlg::RepaintAll() {
  update();
  DrawCaption();
  DrawSlider(static_cast<unsigned>(m_nPosition));
  m_statusDisplay->RedrawAll();
  m_trackDisplay->Redraw();
}

void CMainDlg::DrawCaption() { m_caption->SetPicture(m_bCaptionActive ? m_bmpCaptionActive : m_bmpCaptionInactive); }

void CMainDlg::DrawSlider(unsigned s) {
  PixelBuffer slider = m_bmpSlider;
  const std::uint64_t thumbX = std::uint64_t{s} * 1000 / static_cast<unsigned>(m_nMsPerPixel) + kThumbInset;
  // A thumb beyond the track is cut away whole.
  if (thumbX < static_cast<std::uint64_t>(slider.Width())) {
    TintMasked(m_bmpThumb, m_bmpThumbMask, m_clrSlider, slider, static_cast<int>(thumbX), 0);
  }
  m_slider->SetPicture(slider);
}

void CMainDlg::OnActivateApp(bool active) {
  if (!m_bPainted) {
    return;
  }
  m_bCaptionActive = active;
  DrawCaption();
}

void CMainDlg::OnMinimize() {
  if (isMinimized()) {
    showNormal();
  } else {
    showMinimized();
  }
}

CSkinButton* CMainDlg::ElementButton(int k, bool smallTwin) const {
  for (const SkinButtonPlace& place : kSkinButtons) {
    if (place.element == k && place.small == smallTwin) {
      return Button(place.id);
    }
  }
  return nullptr;
}

void CMainDlg::PushButtonColor(int k, bool smallTwin) {
  if (CSkinButton* button = ElementButton(k, smallTwin)) {
    button->SetColor(m_colorDlg.GetColor(k));
  }
}

void CMainDlg::ApplyDisplayColor(int k) {
  const ColorTriple colour = m_colorDlg.GetColor(k);
  if (k == kElementTrackDisplay) {
    m_trackDisplay->SetColor(colour);
  } else if (k == kElementSliderThumb) {
    m_clrSlider = colour;
    DrawSlider(static_cast<unsigned>(m_nPosition));
  } else {
    m_statusDisplay->SetElementColor(k, colour);
  }
}

void CMainDlg::ApplyColor(int k) {
  if (k == -1) {
    ApplyAllColors();
  } else if (IsButtonElement(k)) {
    PushButtonColor(k, false);
    PushButtonColor(k, true);
  } else if (k > kLastButtonElement && k < kElementCount) {
    ApplyDisplayColor(k);
  }
}

void CMainDlg::ApplyAllColors() {
  // The main buttons, then the small twins, then the rest.
  for (int k = 0; k < kLastButtonElement; ++k) {
    PushButtonColor(k, false);
  }
  for (int k : kTwinElements) {
    PushButtonColor(k, true);
  }
  PushButtonColor(kLastButtonElement, false);
  for (int k = kElementTrackDisplay; k < kElementCount; ++k) {
    ApplyDisplayColor(k);
  }
}

int CMainDlg::GetElementState(int k) const {
  if (IsButtonElement(k)) {
    return ElementButton(k, false)->GetLit();
  }
  if (IsLampElement(k)) {
    return m_statusDisplay->GetLamp(LampForElement(k));
  }
  return 0;
}

void CMainDlg::SetElementState(int k, int on) {
  if (IsButtonElement(k)) {
    ElementButton(k, false)->SetLit(on);
    if (CSkinButton* twin = ElementButton(k, true)) {
      twin->SetLit(on);
    }
  } else if (IsLampElement(k)) {
    m_statusDisplay->SetLamp(LampForElement(k), on);
  }
}

void CMainDlg::ResizeHeight(int height) { setFixedSize(m_skinZoom.Cover(QRect(0, 0, kMainWidth, height)).size()); }

// Rolled up, the window is its caption strip: the three caption buttons stay
// and the four small transport buttons join them. The controls below the
// strip are hidden as well as cut off, so neither the mouse nor a screen
// reader finds them.
void CMainDlg::ShowRolledUpControls(bool rolledUp) {
  for (const SkinButtonPlace& place : kSkinButtons) {
    if (place.small) {
      Button(place.id)->setVisible(rolledUp);
    }
  }
  for (const PlacedControl& placed : m_controls) {
    if (placed.rect.top > kCaptionRect.bottom) {
      placed.widget->setVisible(!rolledUp);
    }
  }
}

void CMainDlg::ToggleRollUp() {
  if (!m_bRolledUp) {
    m_bResizing = 1;
    for (int height = kMainHeight; height >= kRolledHeight + 2; height -= kRollStep) {
      ResizeHeight(height);
    }
    m_bResizing = 0;
    ResizeHeight(kRolledHeight);
    m_bRolledUp = 1;
    RepaintAll();
    ShowRolledUpControls(true);
  } else {
    m_bRolledUp = 0;
    ShowRolledUpControls(false);
    RepaintAll();
    m_bResizing = 1;
    for (int height = kRolledHeight; height <= kMainHeight - 2; height += kRollStep) {
      ResizeHeight(height);
    }
    m_bResizing = 0;
    ResizeHeight(kMainHeight);
  }
}
