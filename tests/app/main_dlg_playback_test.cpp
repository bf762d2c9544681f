#include <gmock/gmock.h>

#include <algorithm>
#include <tuple>

#include "controller_fixture.h"
#include "media_kind.h"

namespace {

using ::testing::Contains;
using ::testing::Not;

using PlaybackTest = ControllerTest;

// What follows the end of a track and Skip to end, by the play modes.
struct FollowCase {
  const char* name;
  int tracks;
  PlayModes modes;
  int playing;
  int afterEnd;   // the current track after the end; the same when none follows
  bool reopens;   // a track was opened at the end and on Skip to end
};

class FollowTest : public ControllerTest, public ::testing::WithParamInterface<FollowCase> {};

TEST_P(FollowTest, EndOfTrackAndSkipToEnd) {
  const FollowCase& row = GetParam();
  for (int i = 0; i < row.tracks; ++i) AddTracks({1200});
  SetModes(row.modes.continuous, row.modes.loop, row.modes.random);
  m_dlg->SetRandomSource([] { return 32767; });
  PlayTrack(row.playing);
  m_mci->Advance(1500);
  EXPECT_EQ(Current(), row.afterEnd);
  const std::string opened = "open /music/t" + std::to_string(row.afterEnd) + ".wav";
  EXPECT_EQ(std::tuple(std::count(Calls().begin(), Calls().end(), opened), m_mci->IsPlaying()), std::tuple(row.reopens ? 1 : 0, row.reopens));
  m_mci->ClearCalls();
  m_dlg->OnCommand(IDC_END);
  EXPECT_EQ(Calls().empty(), !row.reopens);
}

INSTANTIATE_TEST_SUITE_P(Modes, FollowTest,
                         ::testing::Values(FollowCase{"FirstAfterLast", 3, {true, false, false}, 2, 0, true},
                                           FollowCase{"LoopRepeats", 2, {true, true, true}, 0, 0, true},
                                           FollowCase{"NothingWithoutContinuous", 2, {false, false, false}, 0, 0,
                                                      false},
                                           // The draw (the last track) is not the next one.
                                           FollowCase{"RandomTakesTheDraw", 3, {true, false, true}, 0, 2, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// A track that cannot be played, while playing is wanted, is passed over as
// at a track's end; every track is tried at most once before playing stops.
// Tracks of length 0 fail to open.
struct UnplayableCase {
  const char* name;
  std::vector<int> lengthsMs;
  PlayModes modes;
  bool playing;
  int start;
  enum { kNothing, kEnd, kBreak } then;  // what happens after the start track opens
  std::vector<int> opened;               // every track opened, in order
  bool playsOn;                          // the last one opened plays; else Stop is lit
};

void PrintTo(const UnplayableCase& row, std::ostream* out) { *out << row.name; }

class UnplayableTest : public ControllerTest, public ::testing::WithParamInterface<UnplayableCase> {};

TEST_P(UnplayableTest, PlayingGoesOnPastItOrStops) {
  const UnplayableCase& row = GetParam();
  for (int length : row.lengthsMs) AddTracks({length});
  SetModes(row.modes.continuous, row.modes.loop, row.modes.random);
  // Random draws the last track twice, then the first, over and over.
  m_dlg->SetRandomSource([drawn = 0]() mutable { return ++drawn % 3 == 0 ? 0 : 32767; });
  m_dlg->OnCommand(row.playing ? IDC_PLAY : IDC_STOP);
  m_dlg->TracklistDlg().SetCurrentIndex(row.start);
  m_dlg->OpenCurrentTrack();
  if (row.then == UnplayableCase::kEnd) m_mci->Advance(1500);
  if (row.then == UnplayableCase::kBreak) m_mci->FailMedium();

  std::vector<int> opened;
  for (const std::string& call : Calls()) {
    if (call.starts_with("open /music/t")) opened.push_back(call[13] - '0');
  }
  EXPECT_EQ(opened, row.opened);
  EXPECT_EQ(std::tuple(Current(), m_mci->IsPlaying(), Lit(IDC_STOP), Lit(IDC_MINI_STOP)),
            std::tuple(row.opened.back(), row.playsOn, !row.playsOn, !row.playsOn));
}

INSTANTIATE_TEST_SUITE_P(
    Albums, UnplayableTest,
    ::testing::Values(
        UnplayableCase{"SkippedAtTheEnd", {1200, 0, 1200}, {}, true, 0, UnplayableCase::kEnd, {0, 1, 2}, true},
        UnplayableCase{"AllFailOneRound", {0, 0, 0}, {}, true, 1, UnplayableCase::kNothing, {1, 2, 0}, false},
        UnplayableCase{"LoopStops", {1200, 0}, {true, true, false}, true, 1, UnplayableCase::kNothing, {1}, false},
        // The second draw repeats the failed track: it is not opened again.
        UnplayableCase{"RandomTriesEachOnce", {1200, 1200, 0}, {true, false, true}, true, 1, UnplayableCase::kEnd,
                       {1, 2, 0}, true},
        UnplayableCase{"ChosenWhileStoppedStays", {1200, 0, 1200}, {}, false, 1, UnplayableCase::kNothing, {1},
                       false},
        UnplayableCase{"BrokenWhilePlaying", {1200, 1200}, {}, true, 0, UnplayableCase::kBreak, {0, 1}, true},
        UnplayableCase{"BrokenWithLoopStops", {1200, 1200}, {true, true, false}, true, 0, UnplayableCase::kBreak,
                       {0}, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Every run starts with no current track; Loop then has no track to repeat,
// and a path that names no medium is never opened (the real playback window
// would wait for it in vain).
TEST_F(PlaybackTest, SkipToEndWithLoopAndNoCurrentTrackStartsTheAlbum) {
  AddTracks({1200, 1200});
  SetModes(true, true, false);
  m_dlg->OnCommand(IDC_END);
  EXPECT_EQ(Current(), 0);
  EXPECT_THAT(Calls(), Contains("open /music/t0.wav"));
  m_mci->ClearCalls();
  m_dlg->TracklistDlg().SetCurrentIndex(-1);
  m_dlg->OpenCurrentTrack();
  EXPECT_THAT(Calls(), Not(Contains("open ")));
}

// The dictionary lights the Dic lamp; a file's own tags, of any format, the
// Tag lamp; an audio track the Aud lamp, a video track the Vid lamp and the
// playback window, which an audio track hides.
TEST_F(PlaybackTest, ATracksOriginAndKindLightTheirLamps) {
  AddTracks({1200});
  struct Lamps { std::int32_t origin, kind; int dic, tag; };
  for (const Lamps& lamps :
       {Lamps{kOriginNone, kKindAudio, 0, 0}, Lamps{kOriginDictionary, kKindVideo, 1, 0},
        Lamps{kOriginRiffInfo, kKindAudio, 0, 1}, Lamps{kOriginId3v1, kKindVideo, 0, 1},
        Lamps{kOriginFileTags, kKindAudio, 0, 1}}) {
    MediaEntry track = m_dlg->TracklistDlg().GetTrack(0);
    track.m_nOrigin = lamps.origin;
    track.m_nKind = lamps.kind;
    m_dlg->TracklistDlg().Album().SetAt(0, track);
    m_dlg->TracklistDlg().SetCurrentIndex(0);
    m_dlg->OpenCurrentTrack();
    const bool video = lamps.kind == kKindVideo;
    EXPECT_EQ((std::vector<int>{m_dlg->GetElementState(20), m_dlg->GetElementState(21), m_dlg->GetElementState(22),
                                m_dlg->GetElementState(23), m_mci->IsVisible()}),
              (std::vector<int>{lamps.dic, lamps.tag, video, !video, video}))
        << lamps.origin;
  }
}

// The tracklist can ask for a track before the playback window is made.
TEST_F(PlaybackTest, NothingNeedsThePlaybackWindowBeforeItExists) {
  AddTracks({1200});
  m_dlg->SetMciWindow(nullptr);
  m_dlg->TracklistDlg().SetCurrentIndex(0);
  m_dlg->OpenCurrentTrack();
  for (int id : {IDC_PLAY, IDC_PAUSE, IDC_FF, IDC_RW, IDC_HOME, IDC_END, IDC_STOP}) m_dlg->OnCommand(id);
  m_dlg->OnTimer(IDT_SEEK);
  EXPECT_EQ(m_dlg->GetTrackDisplayText(), "Track 0");
}

// Rewind to beginning: within the first second it goes to the previous track.
struct RewindCase {
  const char* name;
  int playing;
  int playedMs;
  bool continuous;
  int afterRewind;
  const char* firstCall;  // "" for none
};

class RewindTest : public ControllerTest, public ::testing::WithParamInterface<RewindCase> {};

TEST_P(RewindTest, GoesBackOrRewinds) {
  const RewindCase& row = GetParam();
  AddTracks({5000, 5000});
  SetModes(row.continuous, false, false);
  PlayTrack(row.playing);
  m_mci->Advance(row.playedMs);
  m_mci->ClearCalls();
  m_dlg->OnCommand(IDC_HOME);
  EXPECT_EQ(std::tuple(Current(), Calls().empty() ? std::string() : Calls().front()), std::tuple(row.afterRewind, row.firstCall));
}

INSTANTIATE_TEST_SUITE_P(Positions, RewindTest,
                         ::testing::Values(RewindCase{"AtOneSecond", 1, 1000, true, 0, "open /music/t0.wav"},
                                           RewindCase{"AfterOneSecond", 1, 1001, true, 1, "seek -1"},
                                           RewindCase{"WithoutContinuous", 1, 0, false, 1, ""},
                                           RewindCase{"FromTheFirst", 0, 0, true, 0, ""},
                                           RewindCase{"FromNone", -1, 0, true, -1, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlaybackTest, ForwardSearchStopsAtTheLengthAndTheNextNotificationEndsTheTrack) {
  AddTracks({10000, 3000});
  PlayTrack(0);
  m_mci->Advance(8500);
  m_dlg->OnCommand(IDC_FF);
  m_dlg->OnTimer(IDT_SEEK);
  EXPECT_EQ(std::tuple(m_mci->GetPosition(), Current()), std::tuple(10000, 0));
  EXPECT_THAT(Calls(), Contains("seek 10000"));
  m_mci->Advance(500);
  EXPECT_EQ(Current(), 1);
  EXPECT_THAT(Calls(), Contains("open /music/t1.wav"));
}

// The transport table: a start state, a command, the lit buttons and the
// calls that follow.
struct TransportCase {
  const char* from;  // "stop", "play", "pause" (play and pause) or "play+ff"
  int command;
  std::vector<int> lit;
  std::vector<std::string> calls;
};

void PrintTo(const TransportCase& row, std::ostream* out) { *out << row.from << " + " << row.command; }

class TransportTest : public ControllerTest, public ::testing::WithParamInterface<TransportCase> {};

TEST_P(TransportTest, CommandGivesTheTableRow) {
  const std::string from = GetParam().from;
  m_dlg->OnCommand(from == "stop" ? IDC_STOP : IDC_PLAY);
  if (from == "pause") m_dlg->OnCommand(IDC_PAUSE);
  if (from == "play+ff") m_dlg->OnCommand(IDC_FF);
  m_mci->ClearCalls();
  m_dlg->OnCommand(GetParam().command);
  EXPECT_EQ(std::tuple(LitTransport(), Calls()), std::tie(GetParam().lit, GetParam().calls));
  // The small twins follow Play and Stop.
  EXPECT_EQ(std::tuple(Lit(IDC_MINI_PLAY), Lit(IDC_MINI_STOP)), std::tuple(Lit(IDC_PLAY), Lit(IDC_STOP)));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TransportTest,
    ::testing::Values(TransportCase{"stop", IDC_PLAY, {IDC_PLAY}, {"play"}},
                      TransportCase{"pause", IDC_MINI_STOP, {IDC_STOP}, {"stop"}},
                      TransportCase{"play", IDC_PAUSE, {IDC_PLAY, IDC_PAUSE}, {"pause"}},
                      TransportCase{"pause", IDC_PAUSE, {IDC_PLAY}, {"resume"}},
                      TransportCase{"pause", IDC_MINI_PLAY, {IDC_PLAY}, {"play"}},
                      TransportCase{"stop", IDC_PAUSE, {IDC_STOP}, {}},
                      TransportCase{"play", IDC_FF, {IDC_PLAY, IDC_FF}, {}},
                      TransportCase{"play+ff", IDC_RW, {IDC_PLAY, IDC_RW}, {}},
                      TransportCase{"play+ff", IDC_PAUSE, {IDC_PLAY, IDC_PAUSE}, {"pause"}},
                      TransportCase{"pause", IDC_FF, {IDC_PLAY, IDC_PAUSE}, {}}));

}  // namespace
