#include "main_dlg.h"

#include <QGuiApplication>

#include "memory_profile_store.h"
#include "message_box.h"
#include "skin_button.h"

CMainDlg::CMainDlg(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_pProfile(std::make_unique<MemoryProfileStore>()),
      m_colorDlg(this),
      m_tracklistDlg(this, this),
      m_dictionaryDlg(this),
      m_tagDisplayEditor([this](int number) { return m_tagDisplayDlg.GetTagFlag(number); },
                         [this](int number, int value) { m_tagDisplayDlg.SetTagFlag(number, value); }, this),
      m_drawRandom([this] { return m_random.Next(); }) {
  m_tagDisplayDlg.SetMessageSink(
      [this](const std::string& text) { ShowMessageBox(this, QString::fromStdString(text)); });
  setWindowTitle(QStringLiteral("Velmora"));
  move(m_ptMain);
  CreateSkin();
  LayOutSkin();
  CreateSystemMenu();
  ApplyColor(-1);
  connect(qApp, &QGuiApplication::applicationStateChanged, this,
          [this](Qt::ApplicationState state) { OnActivateApp(state == Qt::ApplicationActive); });
}

CMainDlg::~CMainDlg() {
  if (m_hMciWnd) {
    m_hMciWnd->SetPositionListener(nullptr);
  }
}

void CMainDlg::SetMciWindow(std::unique_ptr<MciWindow> mciWindow) {
  if (m_hMciWnd) {
    m_hMciWnd->SetPositionListener(nullptr);
  }
  m_hMciWnd = std::move(mciWindow);
  if (m_hMciWnd) {
    m_hMciWnd->SetPositionListener(this);
  }
}

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

QWidget* CMainDlg::Control(int id) const {
  for (const PlacedControl& placed : m_controls) {
    if (placed.id == id) {
      return placed.widget;
    }
  }
  return nullptr;
}

CSkinButton* CMainDlg::Button(int id) const { return qobject_cast<CSkinButton*>(Control(id)); }

void CMainDlg::SetMainPosition(QPoint position) {
  m_ptMain = position;
  move(m_ptMain);
}
