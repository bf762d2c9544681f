#include "mpris_player.h"

#include <gmock/gmock.h>

#include <QApplication>
#include <QDBusObjectPath>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QUrl>
#include <cstdlib>
#include <functional>
#include <tuple>

#include "controller_fixture.h"
#include "ffmpeg_files.h"

namespace {

using Act = std::function<void(CMainDlg&, CMprisPlayer&)>;

// What a command leaves behind: the lit transport buttons, the current
// track and what the playback window was asked to do.
using Outcome = std::tuple<std::vector<int>, int, std::vector<std::string>>;

class MprisPlayerTest : public ControllerTest {
 protected:
  // A fresh controller with three tracks, the second playing (then paused or
  // stopped as asked), 5 s into it; then `act`.
  Outcome Run(int startCommand, const Act& act) {
    m_dlg = std::make_unique<CMainDlg>();
    ControllerTest::SetUp();
    AddTracks({60000, 60000, 60000});
    PlayTrack(1);
    m_mci->Advance(5000);
    if (startCommand != 0) m_dlg->OnCommand(startCommand);
    m_mci->ClearCalls();
    CMprisPlayer player(*m_dlg);
    act(*m_dlg, player);
    player.RunQueued();
    return {LitTransport(), Current(), Calls()};
  }
};

Act Button(int id) {
  return [id](CMainDlg& dlg, CMprisPlayer&) { dlg.OnCommand(id); };
}
Act Nothing() {
  return [](CMainDlg&, CMprisPlayer&) {};
}

// Each method of the desktop's controls does what its skin button does,
// from a playing, a paused and a stopped track; where the desktop asks for
// no change (Pause when paused or stopped) nothing happens.
TEST_F(MprisPlayerTest, EveryMethodDoesWhatItsButtonDoes) {
  struct Row { const char* name; int start; std::function<void(CMprisPlayer&)> method; Act button; bool changes = true; };
  const std::vector<Row> rows = {
      {"Play when paused", IDC_PAUSE, &CMprisPlayer::Play, Button(IDC_PLAY)},
      {"Play when stopped", IDC_STOP, &CMprisPlayer::Play, Button(IDC_PLAY)},
      {"Pause when playing", 0, &CMprisPlayer::Pause, Button(IDC_PAUSE)},
      {"Pause when paused", IDC_PAUSE, &CMprisPlayer::Pause, Nothing(), false},
      {"PlayPause when playing", 0, &CMprisPlayer::PlayPause, Button(IDC_PAUSE)},
      {"PlayPause when paused", IDC_PAUSE, &CMprisPlayer::PlayPause, Button(IDC_PAUSE)},
      {"PlayPause when stopped", IDC_STOP, &CMprisPlayer::PlayPause, Button(IDC_PLAY)},
      {"Stop", 0, &CMprisPlayer::Stop, Button(IDC_STOP)},
      {"Next", 0, &CMprisPlayer::Next, Button(IDC_END)},
      {"Previous", 0, &CMprisPlayer::Previous, Button(IDC_HOME)},
  };
  for (const Row& row : rows) {
    const Outcome byBus = Run(row.start, [&](CMainDlg&, CMprisPlayer& player) { row.method(player); });
    EXPECT_EQ(byBus, Run(row.start, row.button)) << row.name;
    // A row that changes nothing would pass whatever the method did.
    if (row.changes) {
      EXPECT_NE(byBus, Run(row.start, Nothing())) << row.name;
    }
  }
}

// Status, modes and the track as the desktop reads them; modes set through
// the bus light the buttons, and every change is announced.
TEST_F(MprisPlayerTest, StateFollowsTheButtonsAndChangesAreAnnounced) {
  AddTracks({60000, 30000});
  MediaEntry tagged = m_dlg->TracklistDlg().GetTrack(0);
  tagged.m_strName = "Caf\xe9";
  tagged.m_strArtist = "Ann";
  m_dlg->TracklistDlg().Album().SetAt(0, tagged);
  CMprisPlayer player(*m_dlg);
  QSignalSpy changes(&player, &CMprisPlayer::propertiesChanged);
  EXPECT_EQ(player.PlaybackStatus(), QStringLiteral("Stopped"));

  PlayTrack(0);
  player.Poll();
  QVariantMap metadata = player.Metadata();
  EXPECT_EQ(std::tuple(player.PlaybackStatus(), metadata.value(QStringLiteral("xesam:title")).toString(),
                       metadata.value(QStringLiteral("xesam:artist")).toStringList()),
            std::tuple(QStringLiteral("Playing"), QString::fromUtf8("Café"), QStringList{QStringLiteral("Ann")}));
  EXPECT_TRUE(!changes.isEmpty() && changes.last().at(0).toMap().value(QStringLiteral("PlaybackStatus")).toString() == "Playing");

  MediaEntry untagged = m_dlg->TracklistDlg().GetTrack(1);
  untagged.m_strName.clear();
  m_dlg->TracklistDlg().Album().SetAt(1, untagged);
  PlayTrack(1);  // no texts of its own: known by its file name
  metadata = player.Metadata();
  EXPECT_EQ(std::tuple(metadata.value(QStringLiteral("xesam:title")).toString(), metadata.value(QStringLiteral("xesam:artist")).toStringList()),
            std::tuple(QStringLiteral("t1.wav"), QStringList()));

  player.SetShuffle(true);
  player.RunQueued();
  EXPECT_TRUE(Lit(IDC_RANDOM) && player.Shuffle() && changes.last().at(0).toMap().value(QStringLiteral("Shuffle")).toBool());
}

// The album and the cover come from the file's own tags, read once per open
// of the track; the cover is saved in the cache folder for a panel to show,
// and one that cannot be saved is left out. The date is told only when it
// names a whole day.
TEST_F(MprisPlayerTest, AlbumCoverAndDateOfTheOpenedFile) {
  if (!HaveFfmpeg()) GTEST_SKIP() << "no ffmpeg";
  const std::string flac = m_dir.File("x.flac"), png = m_dir.File("in.png");
  ASSERT_EQ(std::system(("ffmpeg -v error -f lavfi -i color=red:s=8x8 -frames:v 1 " + png).c_str()), 0);
  ASSERT_TRUE(WriteTaggedFile(flac, {{"title", "T"}, {"album", "Al"}},
                              "-i " + png + " -map 0 -map 1 -c:v png -disposition:v attached_pic"));
  const auto restore = qScopeGuard([before = qgetenv("XDG_CACHE_HOME")] { qputenv("XDG_CACHE_HOME", before); });
  qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(m_dir.File("cache")));
  MediaEntry track;
  track.m_strFile = flac;
  m_dlg->TracklistDlg().Album().Add(track);
  m_mci->AddMedium(flac, 1000);
  AddTracks({1000});  // a file that is not there
  CMprisPlayer player(*m_dlg);

  PlayTrack(0);
  const QVariantMap metadata = player.Metadata();
  EXPECT_EQ(metadata.value(QStringLiteral("xesam:album")).toString(), QStringLiteral("Al"));
  const QString art = QUrl(metadata.value(QStringLiteral("mpris:artUrl")).toString()).toLocalFile();
  EXPECT_TRUE(art.startsWith(QString::fromStdString(m_dir.File("cache/"))) && art.endsWith(QStringLiteral(".png")))
      << art.toStdString();
  EXPECT_EQ(ReadFileBytes(art.toStdString()), ReadFileBytes(png));  // the attached picture, byte for byte
  qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(png));  // no folder can be made there
  EXPECT_EQ(player.Metadata(), metadata);
  PlayTrack(0);
  EXPECT_EQ(std::tuple(player.Metadata().contains(QStringLiteral("mpris:artUrl")),
                       player.Metadata().value(QStringLiteral("xesam:album")).toString(), m_messages.All().isEmpty()),
            std::tuple(false, QStringLiteral("Al"), true));

  for (const auto& [date, created] : std::vector<std::pair<const char*, const char*>>{
           {"2024-05-01", "2024-05-01"}, {"2024-05-01 10:20:30", "2024-05-01T10:20:30"}, {"2024", nullptr},
           {"2024-02-30", nullptr}, {"01/05/2024", nullptr}}) {
    track.m_strDate = date;
    m_dlg->TracklistDlg().Album().SetAt(0, track);
    EXPECT_EQ(player.Metadata().value(QStringLiteral("xesam:contentCreated")),
              created ? QVariant(QString::fromLatin1(created)) : QVariant())
        << date;
  }
  PlayTrack(1);
  EXPECT_FALSE(player.Metadata().contains(QStringLiteral("xesam:album")));
}

// A relative seek past the track's end goes to the next track. (Seeks within
// a track, by place and by track id, are checked over the bus.)
TEST_F(MprisPlayerTest, ASeekPastTheEndIsTheNextTrack) {
  AddTracks({60000, 30000});
  PlayTrack(0);
  CMprisPlayer player(*m_dlg);
  player.Seek(90000000);
  player.RunQueued();
  EXPECT_EQ(std::tuple(Current(), player.Position()), std::tuple(1, 0));
}

// Each loop status lights the buttons that do it, whatever was lit before,
// reads back as itself, and decides what follows a track's end: Track
// repeats it, Playlist goes round, None stops after the album's last track
// (and only there) with nothing to skip to.
struct LoopCase { const char* status; int playing, afterEnd; const char* statusAfterEnd; bool loopLit, canGoNext; };

void PrintTo(const LoopCase& row, std::ostream* out) { *out << row.status << " from " << row.playing; }

class LoopStatusTest : public MprisPlayerTest, public ::testing::WithParamInterface<LoopCase> {};

TEST_P(LoopStatusTest, DecidesWhatFollowsTheEnd) {
  const LoopCase& row = GetParam();
  AddTracks({1200, 1200, 1200});
  SetModes(false, row.status != std::string("Track"), false);
  CMprisPlayer player(*m_dlg);
  player.SetLoopStatus(QString::fromLatin1(row.status));
  player.RunQueued();
  EXPECT_EQ(std::tuple(Lit(IDC_CONTINUOUS), Lit(IDC_LOOP), player.LoopStatus()),
            std::tuple(true, row.loopLit, QString::fromLatin1(row.status)));
  PlayTrack(row.playing);
  m_mci->Advance(1500);
  EXPECT_EQ(std::tuple(Current(), player.PlaybackStatus(), player.CanGoNext()),
            std::tuple(row.afterEnd, QString::fromLatin1(row.statusAfterEnd), row.canGoNext));
}

INSTANTIATE_TEST_SUITE_P(Statuses, LoopStatusTest,
                         ::testing::Values(LoopCase{"Track", 2, 2, "Playing", true, true},
                                           LoopCase{"Playlist", 2, 0, "Playing", false, true},
                                           LoopCase{"None", 0, 1, "Playing", false, true},
                                           LoopCase{"None", 2, 2, "Stopped", false, false}));

// The stop at the album's end is the desktop's alone: a click of Loop or
// Continuous gives it up, and without Continuous every track stops at its
// end, which reads as None.
TEST_F(MprisPlayerTest, ButtonClicksEndTheStopAtTheAlbumsEnd) {
  AddTracks({1200, 1200});
  CMprisPlayer player(*m_dlg);
  player.SetLoopStatus(QStringLiteral("None"));
  player.RunQueued();
  m_dlg->OnCommand(IDC_LOOP);
  m_dlg->OnCommand(IDC_LOOP);
  EXPECT_EQ(std::tuple(player.LoopStatus(), player.CanGoNext()), std::tuple(QStringLiteral("Playlist"), true));
  m_dlg->OnCommand(IDC_CONTINUOUS);
  EXPECT_EQ(player.LoopStatus(), QStringLiteral("None"));
  PlayTrack(1);
  EXPECT_FALSE(player.CanGoNext());
  m_mci->Advance(1500);
  EXPECT_EQ(player.PlaybackStatus(), QStringLiteral("Stopped"));
}

// What the desktop is told plays is what the playback window plays: the
// window's Play with no track chosen plays nothing, and a track deleted from
// the album while it plays is still the one described.
TEST_F(MprisPlayerTest, StatusAndTrackAreThoseOfThePlaybackWindow) {
  AddTracks({60000, 60000});
  CMprisPlayer player(*m_dlg);
  m_dlg->OnCommand(IDC_PLAY);
  EXPECT_EQ(player.PlaybackStatus() + " " + player.Metadata().value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path(),
            QStringLiteral("Stopped /org/mpris/MediaPlayer2/TrackList/NoTrack"));
  PlayTrack(1);
  m_mci->Advance(1000);
  m_dlg->TracklistDlg().Album().RemoveAt(1);
  m_dlg->TracklistDlg().SetCurrentIndex(-1);
  EXPECT_EQ(player.PlaybackStatus() + "/" + player.Metadata().value(QStringLiteral("xesam:title")).toString(), "Playing/Track 1");
}

// A command returns before it runs; while a modal box is up (the playback
// window's "Cannot play" one, say) the commands wait behind it, and then run
// in the order they came.
TEST_F(MprisPlayerTest, CommandsWaitForAModalBoxAndRunInOrder) {
  AddTracks({60000, 60000, 60000});
  PlayTrack(0);
  CMprisPlayer player(*m_dlg);
  QWidget box;
  box.setWindowModality(Qt::ApplicationModal);
  box.show();
  ASSERT_EQ(QApplication::activeModalWidget(), &box);
  player.Next();
  player.Next();
  player.Pause();
  QCoreApplication::processEvents();
  player.RunQueued();
  EXPECT_EQ(std::tuple(Current(), LitTransport()), std::tuple(0, std::vector<int>{IDC_PLAY}));
  box.close();
  player.RunQueued();
  EXPECT_EQ(std::tuple(Current(), LitTransport()), std::tuple(2, std::vector<int>{IDC_PLAY, IDC_PAUSE}));
}

// Only a file that is there is handed on as a drop: a missing one, one on
// another host or a relative path is refused with a reason naming it.
TEST_F(MprisPlayerTest, OpenUriTakesOnlyAFileThatExists) {
  CMprisPlayer player(*m_dlg);
  const std::string there = m_dir.Path() + "/there.wav";
  std::ofstream(there) << "RIFF";
  EXPECT_THAT(player.OpenUri(QStringLiteral("file:///no/such/missing.wav")).toStdString(),
              ::testing::HasSubstr("/no/such/missing.wav"));
  EXPECT_THAT(player.OpenUri(QStringLiteral("file://relative/t.wav")).toStdString(),
              ::testing::HasSubstr("relative/t.wav"));
  EXPECT_FALSE(player.OpenUri(QStringLiteral("file:relative.wav")).isEmpty());
  player.RunQueued();
  EXPECT_EQ((std::tuple{m_dlg->TracklistDlg().TakeHeldDrops().empty(), player.OpenUri(QUrl::fromLocalFile(QString::fromStdString(there)).toString())}),
            std::tuple(true, QString()));
  player.RunQueued();
  EXPECT_EQ(m_dlg->TracklistDlg().TakeHeldDrops(), std::vector<DropList>{{there}});
}

}  // namespace
