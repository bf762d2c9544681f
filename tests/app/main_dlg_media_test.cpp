// The controller with the real playback window on Qt Multimedia: generated
// WAVE files really play, in real time, also with no sound device.
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

#include "main_dlg.h"
#include "message_box.h"
#include "qt_mci_window.h"
#include "riff_builder.h"
#include "skin_button.h"
#include "temp_dir.h"

namespace {

// Writes down the last position notified while the first track was current.
class NotedMainDlg : public CMainDlg {
 public:
  void OnNotifyPos(int positionMs) override {
    if (TracklistDlg().GetCurrentIndex() == 0) m_lastOfFirst = positionMs;
    CMainDlg::OnNotifyPos(positionMs);
  }
  int m_lastOfFirst = -1;
};

// The end is notified with the length exactly, and it is what moves
// Continuous play on to the next track, which plays from its start.
TEST(MainDlgMediaTest, AWavePlaysToItsEndAndTheNextTrackOpens) {
  TempDir dir;
  CMessageBoxRecorder messages;
  NotedMainDlg dlg;
  dlg.SetMciWindow(std::make_unique<QtMciWindow>(&dlg, 10, 10));
  dlg.Button(IDC_CONTINUOUS)->SetLit(1);
  // 1.5 s of stereo 16-bit silence at 44100 samples a second.
  const Bytes silence(264600, 0);
  for (const char* name : {"first.wav", "second.wav"}) {
    MediaEntry track;
    track.m_strFile = dir.Write(name, CanonicalWave(silence));
    track.m_nKind = 1;
    dlg.TracklistDlg().Album().Add(track);
  }
  dlg.TracklistDlg().SetCurrentIndex(0);
  dlg.OnCommand(IDC_PLAY);
  dlg.OpenCurrentTrack();
  ASSERT_EQ(dlg.GetMciWindow()->GetLength(), 1500);
  ASSERT_TRUE(QTest::qWaitFor([&] { return dlg.TracklistDlg().GetCurrentIndex() == 1; }, 15000));
  EXPECT_TRUE(messages.All().isEmpty());
  EXPECT_EQ(dlg.m_lastOfFirst, 1500);
  EXPECT_TRUE(QTest::qWaitFor([&] { return dlg.GetMciWindow()->GetPosition() > 0; }, 5000));
}

}  // namespace
