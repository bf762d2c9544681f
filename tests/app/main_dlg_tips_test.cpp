#include "controller_fixture.h"

namespace {

using TipsTest = ControllerTest;

TEST_F(TipsTest, SmallPlayButtonNamesTheTrackWhilePlaying) {
  AddTracks({5000});
  m_dlg->TracklistDlg().SetCurrentIndex(0);
  m_dlg->ToggleRollUp();
  EXPECT_EQ(m_dlg->TipText(IDC_MINI_PLAY), "Play");
  m_dlg->OnCommand(IDC_MINI_PLAY);
  EXPECT_EQ(m_dlg->TipText(IDC_MINI_PLAY), "Playing: Track 0");
  m_dlg->OnCommand(IDC_MINI_STOP);
  EXPECT_EQ(m_dlg->TipText(IDC_MINI_PLAY), "Play");
}

// Tips are cut to 319 characters, never inside one: the second name ends in
// a character outside the basic plane (two UTF-16 units) at 319.
TEST_F(TipsTest, LongTipsAreCutTo319CharactersNeverSplittingOne) {
  for (const std::string& name : {std::string(400, 'n'), std::string(318, 'n') + "\xF0\x9F\x8E\xB5"}) {
    MediaEntry track;
    track.m_strName = name;
    m_dlg->TracklistDlg().Album().Add(track);
  }
  m_dlg->TracklistDlg().SetCurrentIndex(0);
  m_dlg->TagDisplayDlg().SetTagFlag(2, 1);
  EXPECT_EQ(m_dlg->TipText(IDC_TRACK_DISPLAY), QString(319, 'n'));
  m_dlg->OnCommand(IDC_PLAY);
  EXPECT_EQ(m_dlg->TipText(IDC_MINI_PLAY).size(), 319);
  m_dlg->TracklistDlg().SetCurrentIndex(1);
  EXPECT_EQ(m_dlg->TipText(IDC_TRACK_DISPLAY), QString(318, 'n'));
}

TEST_F(TipsTest, TrackDisplayShowsScanningThenTheCurrentName) {
  AddTracks({5000});
  EXPECT_EQ(m_dlg->TrackDisplay()->DisplayText(), "No file loaded");
  m_dlg->SetScanning(true);
  EXPECT_EQ(m_dlg->TrackDisplay()->DisplayText(), "Scanning files...");
  m_dlg->SetScanning(false);
  m_dlg->TracklistDlg().SetCurrentIndex(0);
  EXPECT_EQ(m_dlg->TrackDisplay()->DisplayText(), "Track 0");
}

}  // namespace
