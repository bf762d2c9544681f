// What the track display and the tips that follow the playback state show.
#include "display_text.h"
#include "main_dlg.h"
#include "skin_button.h"
#include "tag_tip.h"

std::string CMainDlg::GetTrackDisplayText() const { return m_tracklistDlg.GetCurrentTrack().m_strName; }

QString CMainDlg::MiniPlayTip() const {
  if (!Button(IDC_MINI_PLAY)->GetLit()) {
    return QStringLiteral("Play");
  }
  return QStringLiteral("Playing: ") + DecodeDisplayText(m_tracklistDlg.GetCurrentTrack().m_strName);
}

QString CMainDlg::TrackDisplayTip() const {
  return DecodeDisplayText(TagTipText(m_tracklistDlg.GetCurrentTrack(), m_tagDisplayDlg));
}
