#include "main_dlg.h"

#include <QGuiApplication>

#include "skin_button.h"

namespace {

// What the track display reads while no track is current.
constexpr const char* kNoFileLoaded = "No file loaded";

}  // namespace

CMainDlg::CMainDlg(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
  setWindowTitle(QStringLiteral("Velmora"));
  setFixedSize(kMainWidth, kMainHeight);
  move(m_ptMain);
  CreateSkin();
  ApplyColor(-1);
  connect(qApp, &QGuiApplication::applicationStateChanged, this,
          [this](Qt::ApplicationState state) { OnActivateApp(state == Qt::ApplicationActive); });
}

CMainDlg::~CMainDlg() {
  if (m_hMciWnd) {
    m_hMciWnd->SetPositionListener(nullptr);
  }
}

void CMainDlg::SetMciWindow(std::unique_ptr<MciWindow> mciWindow) { m_hMciWnd = std::move(mciWindow); }

void CMainDlg::SetSliderScale(int lengthMs) {
  m_nLengthMs = lengthMs;
  // The scale is never 0: a medium shorter than the slider's travel, or none,
  // moves the thumb one pixel per millisecond.
  m_nMsPerPixel = lengthMs / kSliderScalePixels > 0 ? lengthMs / kSliderScalePixels : 1;
}

void CMainDlg::ResumeState() {
  if (!m_hMciWnd) {
    return;
  }
  if (Button(IDC_PLAY)->GetLit()) {
    m_hMciWnd->Play();
  }
  if (Button(IDC_PAUSE)->GetLit()) {
    m_hMciWnd->Pause();
  }
}

// The album arrives with the controller; until then no track is current.
std::string CMainDlg::GetTrackDisplayText() const { return kNoFileLoaded; }

QWidget* CMainDlg::Control(int id) const {
  for (const auto& [controlId, control] : m_controls) {
    if (controlId == id) {
      return control;
    }
  }
  return nullptr;
}

CSkinButton* CMainDlg::Button(int id) const { return qobject_cast<CSkinButton*>(Control(id)); }

void CMainDlg::SetMainPosition(QPoint position) {
  m_ptMain = position;
  move(m_ptMain);
}

void CMainDlg::OnCommand(int id) {
  // The transport, the modes and the companion windows are the controller's;
  // the face answers only its own button.
  if (id == IDC_MINIMIZE) {
    OnMinimize();
  }
}
