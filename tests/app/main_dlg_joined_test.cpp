// Sound tracks joined without a gap: the next track is chosen ahead and
// handed to the playback window, and becomes current when it begins to sound.
#include <gmock/gmock.h>

#include <QSignalSpy>
#include <array>
#include <tuple>

#include "controller_fixture.h"
#include "media_kind.h"
#include "mpris_player.h"
#include "status_display.h"

namespace {

using ::testing::Contains;
using ::testing::Not;

class JoinedPlayTest : public ControllerTest {
 protected:
  void SetUp() override {
    ControllerTest::SetUp();
    m_mci->EnableJoins();
  }
  // The current track, the track the controls name, the time and length
  // shown, and the track handed over to follow.
  using Shown = std::tuple<int, std::string, std::uint32_t, std::uint32_t, std::string>;
  Shown Now() const {
    return {Current(), m_dlg->OpenedTrack().m_strName, m_dlg->StatusDisplay()->GetTime(),
            m_dlg->StatusDisplay()->GetLength(), m_mci->NextMedium()};
  }
};

// At the join the next track is current and shown at once, to the desktop's
// media controls too, with no open and no stop; the one after it is handed
// over in turn, round the album.
TEST_F(JoinedPlayTest, TheJoinedTrackIsShownAsItBeginsAndTheNextIsHandedOver) {
  AddTracks({2200, 3000, 4000});
  PlayTrack(0);
  CMprisPlayer controls(*m_dlg);
  QSignalSpy announced(&controls, &CMprisPlayer::propertiesChanged);
  EXPECT_EQ(m_mci->NextMedium(), "/music/t1.wav");
  m_mci->Advance(2000);
  const int serial = m_dlg->OpenedTrackSerial();
  EXPECT_EQ(Now(), Shown(0, "Track 0", 2, 2, "/music/t1.wav"));
  m_mci->Advance(500);  // 300 ms into the next
  EXPECT_EQ(Now(), Shown(1, "Track 1", 0, 3, "/music/t2.wav"));
  ASSERT_EQ(announced.size(), 1);
  const QVariantMap metadata = announced[0][0].toMap()[QStringLiteral("Metadata")].toMap();
  EXPECT_EQ(metadata[QStringLiteral("xesam:title")].toString(), QStringLiteral("Track 1"));
  EXPECT_EQ(std::tuple(Calls().back(), m_mci->IsPlaying(), m_dlg->OpenedTrackSerial() > serial),
            std::tuple("join /music/t1.wav", true, true));
  m_mci->Advance(7000);
  EXPECT_EQ(Now(), Shown(0, "Track 0", 0, 2, "/music/t1.wav"));
  EXPECT_THAT(Calls(), Not(Contains(::testing::StartsWith("open"))));
}

// The choice made ahead follows the modes and the album as they change:
// Loop hands over the same track, Random its draw (made once), no
// Continuous or the album's end nothing, and an edit of the album chooses
// again before the join.
TEST_F(JoinedPlayTest, TheTrackHandedOverFollowsTheModesAndTheAlbum) {
  AddTracks({5000, 5000, 5000});
  int draws = 0;
  m_dlg->SetRandomSource([&draws] { return ++draws == 1 ? 32767 : 0; });
  PlayTrack(1);
  EXPECT_EQ(m_mci->NextMedium(), "/music/t2.wav");
  m_dlg->OnCommand(IDC_LOOP);
  EXPECT_EQ(m_mci->NextMedium(), "/music/t1.wav");
  m_dlg->OnCommand(IDC_LOOP);
  m_dlg->OnCommand(IDC_RANDOM);
  m_mci->Advance(1000);
  EXPECT_EQ(std::tuple(m_mci->NextMedium(), draws), std::tuple("/music/t2.wav", 1));
  m_dlg->OnCommand(IDC_RANDOM);
  m_dlg->OnCommand(IDC_CONTINUOUS);
  EXPECT_EQ(m_mci->NextMedium(), "");
  m_dlg->OnCommand(IDC_CONTINUOUS);
  m_dlg->TracklistDlg().Album().RemoveAt(2);
  m_mci->Advance(500);
  EXPECT_EQ(m_mci->NextMedium(), "/music/t0.wav");
  m_dlg->SetStopAtAlbumEnd(true);
  EXPECT_EQ(m_mci->NextMedium(), "");
  m_mci->Advance(5000);
  EXPECT_EQ(std::tuple(Current(), m_mci->IsPlaying()), std::tuple(1, false));
  EXPECT_THAT(Calls(), Not(Contains(::testing::StartsWith("join"))));
}

// Only sound joins sound: a file of no known kind and a video that follow
// are opened after the end, as ever, and the video is shown.
TEST_F(JoinedPlayTest, OnlySoundIsHandedOver) {
  AddTracks({1000});
  for (const auto& [file, kind] : {std::pair{"/music/other.xyz", kKindOther}, std::pair{"/music/clip.mp4", kKindVideo}}) {
    MediaEntry entry;
    entry.m_strFile = file;
    entry.m_nKind = kind;
    m_dlg->TracklistDlg().Album().Add(entry);
    m_mci->AddMedium(file, 1000, kind == kKindVideo);
  }
  PlayTrack(0);
  EXPECT_EQ(m_mci->NextMedium(), "");
  m_mci->Advance(2700);
  EXPECT_EQ(std::tuple(Current(), m_mci->IsVideoOpen(), m_mci->IsVisible(), m_mci->IsPlaying()),
            std::tuple(2, true, true, true));
}

// Random draws the next track once as each track begins, joined or opened.
TEST_F(JoinedPlayTest, RandomDrawsOncePerTrack) {
  AddTracks({1000, 1000, 1000});
  SetModes(true, false, true);
  int draws = 0;
  m_dlg->SetRandomSource([&draws] { return std::array{15000, 25000, 5000}[draws++ % 3]; });
  PlayTrack(0);
  m_mci->Advance(1700);
  EXPECT_EQ(std::tuple(draws, Current(), m_mci->NextMedium()), std::tuple(2, 1, "/music/t2.wav"));
}

// A track handed over that cannot be played is passed over as any track that
// cannot be played: play goes on with the one after it.
TEST_F(JoinedPlayTest, AnUnplayableTrackHandedOverIsPassedOver) {
  AddTracks({1000, 0, 1000});
  PlayTrack(0);
  m_mci->Advance(1500);
  EXPECT_EQ(std::tuple(Current(), m_mci->IsPlaying(), Calls()),
            std::tuple(2, true, std::vector<std::string>{"join /music/t1.wav", "open /music/t2.wav", "ms", "hide",
                                                         "play"}));
}

}  // namespace
