// The preferences kept between runs: handed to their owners at start-up and
// gathered back from them at Exit.
#include "main_dlg.h"
#include "mci_window.h"
#include "message_box.h"
#include "settings_table.h"
#include "skin_button.h"
#include "window_placement.h"

namespace {

// A window whose stored place no screen shows any more (a monitor was
// removed) opens at the default place instead of out of reach.
QPoint Reachable(int x, int y, QSize size) { return PlaceOnScreens(QPoint(x, y), size, AvailableScreenAreas()); }

}  // namespace

void CMainDlg::SetProfileStore(std::unique_ptr<ProfileStore> store) {
  if (store) {
    m_pProfile = std::move(store);
  }
}

void CMainDlg::LoadSettings() { ApplySettings(ReadSettings(*m_pProfile)); }

void CMainDlg::SaveSettings() {
  // The video window may have been moved by the user since start-up.
  if (m_hMciWnd) {
    const MciWindow::WindowPos video = m_hMciWnd->GetWindowPos();
    m_ptVideo = QPoint(video.x, video.y);
  }
  WriteSettings(*m_pProfile, GatherSettings());
  // On disk before Exit goes on: a desktop that logs out may kill the
  // program right after its window closes.
  if (!m_pProfile->Flush()) {
    ShowMessageBox(this, QStringLiteral("Cannot save the settings"));
  }
}

void CMainDlg::ApplySettings(const SettingsValues& values) {
  SetLit(IDC_RANDOM, values.nOptionRandom != 0);
  SetLit(IDC_LOOP, values.nOptionLoop != 0);
  SetLit(IDC_CONTINUOUS, values.nOptionContinuous != 0);
  // A zoom stored on a larger screen would put Exit out of reach here.
  m_nChosenZoom = SkinZoom(values.nZoom, 1).Zoom();
  int zoom = m_nChosenZoom;
  while (!ZoomFits(zoom)) --zoom;
  SetZoom(zoom);
  m_ptMain = Reachable(values.nMainX, values.nMainY, size());
  m_ptVideo = Reachable(values.nPlayX, values.nPlayY, QSize(MciWindow::kInitialWidth, 1));
  // The dictionary editor's size is known only once it opens; it checks its
  // place against the screens then.
  m_dictionaryDlg.SetWindowPos(QPoint(values.nDictX, values.nDictY));
  const QSize tracklistSize(values.nTlistSizeX, values.nTlistSizeY);
  m_tracklistDlg.SetWindowRect(QRect(Reachable(values.nTlistX, values.nTlistY, tracklistSize), tracklistSize));
  m_colorDlg.SetWindowPos(QPoint(values.nColorX, values.nColorY));
  m_tagDisplayEditor.SetWindowPos(QPoint(values.nTagsX, values.nTagsY));
  for (int k = 0; k < kColorElementCount; ++k) {
    m_colorDlg.SetColor(k, values.colors[static_cast<std::size_t>(k)]);
  }
  for (int number = 1; number <= kTagFlagCount; ++number) {
    m_tagDisplayDlg.SetTagFlag(number, values.tagFlags[static_cast<std::size_t>(number - 1)]);
  }
}

SettingsValues CMainDlg::GatherSettings() const {
  SettingsValues values;
  values.nOptionRandom = IsLit(IDC_RANDOM) ? 1 : 0;
  values.nOptionLoop = IsLit(IDC_LOOP) ? 1 : 0;
  values.nOptionContinuous = IsLit(IDC_CONTINUOUS) ? 1 : 0;
  values.nMainX = m_ptMain.x();
  values.nMainY = m_ptMain.y();
  values.nZoom = m_nChosenZoom;
  values.nPlayX = m_ptVideo.x();
  values.nPlayY = m_ptVideo.y();
  const QPoint dictionary = m_dictionaryDlg.GetWindowPos();
  values.nDictX = dictionary.x();
  values.nDictY = dictionary.y();
  const QRect tracklist = m_tracklistDlg.GetWindowRect();
  values.nTlistX = tracklist.x();
  values.nTlistY = tracklist.y();
  values.nTlistSizeX = tracklist.width();
  values.nTlistSizeY = tracklist.height();
  const QPoint colour = m_colorDlg.GetWindowPos();
  values.nColorX = colour.x();
  values.nColorY = colour.y();
  const QPoint tags = m_tagDisplayEditor.GetWindowPos();
  values.nTagsX = tags.x();
  values.nTagsY = tags.y();
  for (int k = 0; k < kColorElementCount; ++k) {
    values.colors[static_cast<std::size_t>(k)] = m_colorDlg.GetColor(k);
  }
  for (int number = 1; number <= kTagFlagCount; ++number) {
    values.tagFlags[static_cast<std::size_t>(number - 1)] = m_tagDisplayDlg.GetTagFlag(number);
  }
  return values;
}
