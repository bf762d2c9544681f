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

// Stereo 16-bit silence at 44100 samples a second: 176400 bytes a second.
Bytes SilentWave(int lengthMs) {
  const Bytes audio(static_cast<std::size_t>(lengthMs) * 1764 / 10, 0);
  return CanonicalWave(audio);
}

// Writes down every position notification it hears.
class NotedMainDlg : public CMainDlg {
 public:
  void OnNotifyPos(int positionMs) override {
    m_positions.push_back({positionMs, TracklistDlg().GetCurrentIndex()});
    CMainDlg::OnNotifyPos(positionMs);
  }
  struct Noted {
    int positionMs;
    int currentTrack;
  };
  std::vector<Noted> m_positions;
};

TEST(MainDlgMediaTest, AWavePlaysToItsEndAndTheNextTrackOpens) {
  TempDir dir;
  CMessageBoxRecorder messages;
  NotedMainDlg dlg;
  dlg.SetMciWindow(std::make_unique<QtMciWindow>(&dlg, 10, 10));
  dlg.Button(IDC_CONTINUOUS)->SetLit(1);
  for (const char* name : {"first.wav", "second.wav"}) {
    MediaEntry track;
    track.m_strFile = dir.Write(name, SilentWave(1500));
    track.m_nKind = 1;
    dlg.TracklistDlg().Album().Add(track);
  }
  dlg.TracklistDlg().SetCurrentIndex(0);
  dlg.OnCommand(IDC_PLAY);
  dlg.OpenCurrentTrack();
  ASSERT_EQ(dlg.GetMciWindow()->GetLength(), 1500);

  ASSERT_TRUE(QTest::qWaitFor([&] { return dlg.TracklistDlg().GetCurrentIndex() == 1; }, 15000));
  EXPECT_TRUE(messages.All().isEmpty());
  // The last notification of the first track was its length, exactly.
  int lastOfFirst = -1;
  for (const auto& noted : dlg.m_positions) {
    if (noted.currentTrack == 0) {
      lastOfFirst = noted.positionMs;
    }
  }
  EXPECT_EQ(lastOfFirst, 1500);
  EXPECT_EQ(dlg.GetMciWindow()->GetLength(), 1500);
  // The second track plays on from its start.
  ASSERT_TRUE(QTest::qWaitFor([&] { return dlg.GetMciWindow()->GetPosition() > 0; }, 5000));
}

}  // namespace
