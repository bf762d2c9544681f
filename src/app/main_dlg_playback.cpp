// Playback: the transport commands, the play modes and the choice of the next
// track, opening a track, the position notifications and the searches.
#include <algorithm>
#include <cstdint>
#include <set>

#include "main_dlg.h"
#include "media_kind.h"
#include "skin_button.h"
#include "status_display.h"

namespace {

constexpr int kForwardStepMs = 3000;
constexpr int kReverseStepMs = 4000;
// Rewind within the first second goes back to the previous track instead.
constexpr int kRewindThresholdMs = 1000;
// Going on past tracks that cannot be played, Random may draw one that has
// failed already, again and again. Draws cost nothing: this many rounds of
// them make it unlikely that a playable track is missed, and still end the
// search when every track fails or Loop holds on to the one that did.
constexpr int kDrawRoundsPastUnplayable = 8;

}  // namespace

bool CMainDlg::IsLit(int id) const { return Button(id)->GetLit() != 0; }

void CMainDlg::SetLit(int id, bool on) { Button(id)->SetLit(on ? 1 : 0); }

PlayModes CMainDlg::CurrentModes() const {
  return PlayModes{IsLit(IDC_CONTINUOUS), IsLit(IDC_LOOP), IsLit(IDC_RANDOM), m_bStopAtAlbumEnd};
}

void CMainDlg::OnPlay() {
  SetLit(IDC_FF, false);
  SetLit(IDC_RW, false);
  SetLit(IDC_PLAY, true);
  SetLit(IDC_STOP, false);
  SetLit(IDC_PAUSE, false);
  SetLit(IDC_MINI_PLAY, true);
  SetLit(IDC_MINI_STOP, false);
  m_hMciWnd->Play();
}

void CMainDlg::OnStop() {
  SetLit(IDC_PLAY, false);
  SetLit(IDC_STOP, true);
  SetLit(IDC_PAUSE, false);
  SetLit(IDC_FF, false);
  SetLit(IDC_RW, false);
  SetLit(IDC_MINI_PLAY, false);
  SetLit(IDC_MINI_STOP, true);
  m_hMciWnd->Stop();
}

void CMainDlg::OnPause() {
  if (IsLit(IDC_STOP)) {
    return;
  }
  if (!IsLit(IDC_PAUSE)) {
    SetLit(IDC_PAUSE, true);
    m_hMciWnd->Pause();
  } else {
    SetLit(IDC_PAUSE, false);
    m_hMciWnd->Resume();
  }
  SetLit(IDC_FF, false);
  SetLit(IDC_RW, false);
}

// A search stays engaged until Play, Stop or Pause; the seek timer moves.
void CMainDlg::OnReverseSearch() {
  if (IsLit(IDC_PAUSE)) {
    return;
  }
  SetLit(IDC_RW, true);
  SetLit(IDC_FF, false);
}

void CMainDlg::OnForwardSearch() {
  if (IsLit(IDC_PAUSE)) {
    return;
  }
  SetLit(IDC_FF, true);
  SetLit(IDC_RW, false);
}

void CMainDlg::OnHome() {
  if (m_hMciWnd->GetPosition() > kRewindThresholdMs) {
    m_hMciWnd->Seek(MciWindow::kStart);
    ResumeState();
  } else if (IsLit(IDC_CONTINUOUS) && SelectPreviousTrack()) {
    OpenCurrentTrack();
  }
}

void CMainDlg::OnEnd() {
  if (SelectNextTrack()) {
    OpenCurrentTrack();
  }
}

// Choosing Continuous or Loop by hand is choosing how the album goes on:
// the stop at its end, set from the desktop, gives way.
void CMainDlg::ToggleMode(int id) {
  SetLit(id, !IsLit(id));
  if (id == IDC_CONTINUOUS || id == IDC_LOOP) {
    m_bStopAtAlbumEnd = false;
  }
  KeepPreparedTrackCurrent();
}

void CMainDlg::SetStopAtAlbumEnd(bool on) {
  m_bStopAtAlbumEnd = on;
  KeepPreparedTrackCurrent();
}

// Asked without drawing: a draw only picks among tracks that are there.
bool CMainDlg::CanSkipToEnd() const {
  return m_hMciWnd && NextTrackIndex(m_tracklistDlg.GetTrackCount(), m_tracklistDlg.GetCurrentIndex(),
                                     CurrentModes(), [] { return 0; });
}

bool CMainDlg::CanRewind() const {
  return m_hMciWnd && (m_hMciWnd->GetPosition() > kRewindThresholdMs ||
                       PreviousTrackIndex(m_tracklistDlg.GetTrackCount(), m_tracklistDlg.GetCurrentIndex(),
                                          CurrentModes()));
}

bool CMainDlg::SelectNextTrack() {
  const std::optional<int> next = NextTrackIndex(m_tracklistDlg.GetTrackCount(), m_tracklistDlg.GetCurrentIndex(),
                                                 CurrentModes(), m_drawRandom);
  if (!next) {
    return false;
  }
  m_tracklistDlg.SetCurrentIndex(*next);
  return true;
}

bool CMainDlg::SelectPreviousTrack() {
  const std::optional<int> previous =
      PreviousTrackIndex(m_tracklistDlg.GetTrackCount(), m_tracklistDlg.GetCurrentIndex(), CurrentModes());
  if (!previous) {
    return false;
  }
  m_tracklistDlg.SetCurrentIndex(*previous);
  return true;
}

void CMainDlg::ShowTrackLamps(const MediaEntry& track) {
  for (int lamp : {CStatusDisplay::kLampTag, CStatusDisplay::kLampDic, CStatusDisplay::kLampAud,
                   CStatusDisplay::kLampVid}) {
    m_statusDisplay->SetLamp(lamp, 0);
  }
  if (track.m_nOrigin == kOriginDictionary) {
    m_statusDisplay->SetLamp(CStatusDisplay::kLampDic, 1);
  } else if (track.m_nOrigin == kOriginRiffInfo || track.m_nOrigin == kOriginId3v1 ||
             track.m_nOrigin == kOriginFileTags) {
    m_statusDisplay->SetLamp(CStatusDisplay::kLampTag, 1);
  }
  if (track.m_nKind == kKindAudio) {
    m_statusDisplay->SetLamp(CStatusDisplay::kLampAud, 1);
  } else if (track.m_nKind == kKindVideo) {
    m_statusDisplay->SetLamp(CStatusDisplay::kLampVid, 1);
  }
}

void CMainDlg::OpenCurrentTrack() {
  // The tracklist can call before the playback window has been made.
  if (!m_hMciWnd) {
    m_trackDisplay->Redraw();
    return;
  }
  // One asked for while another open waits (for its medium or its message
  // box) opens its track and no more: the outer one sees it and gives way.
  if (m_bOpeningTrack) {
    OpenSelectedTrack();
    return;
  }
  m_bOpeningTrack = true;
  // A track that cannot be played is passed over as at its end while playing
  // is wanted; chosen while stopped it stays, its message shown.
  if (!OpenSelectedTrack() && IsLit(IDC_PLAY)) {
    PlayOnPastUnplayable();
  }
  m_bOpeningTrack = false;
}

// False when the playback window could not open the track (it has told the
// user) and no other open came in while it did.
bool CMainDlg::OpenSelectedTrack() {
  const int serial = ++m_nTrackOpens;
  const MediaEntry track = m_tracklistDlg.GetCurrentTrack();
  // An index that names no track (none chosen yet, or its track deleted)
  // has no path to open; the medium that is open stays, as with no album.
  const int current = m_tracklistDlg.GetCurrentIndex();
  bool opened = true;
  if (current >= 0 && current < m_tracklistDlg.GetTrackCount()) {
    // Recorded before the open: one nested in it (while it waits) is the
    // later one, and its track the one left open.
    ShowOpenedTrack(track, serial);
    m_prepared = PreparedTrack{};
    // The whole path is opened, however long it is. Sound goes where the
    // next track can be joined to it.
    m_bJoinable = track.m_nKind == kKindAudio;
    opened = (m_bJoinable ? m_hMciWnd->OpenAudio(track.m_strFile) : m_hMciWnd->Open(track.m_strFile)) != 0;
    m_hMciWnd->SetTimeFormatMs();
    SetSliderScale(m_hMciWnd->GetLength());
    if (opened && serial == m_nTrackOpens) {
      PrepareNextTrack();
    }
  }
  ShowTrackAndLength();
  m_hMciWnd->SetVisible(track.m_nKind == kKindVideo);
  ResumeState();
  return opened || serial != m_nTrackOpens;
}

// The track that play goes on to, chosen now as the end of the open one would
// choose it (Random draws it now), goes to the playback window to be joined
// to the open one. Only sound joins sound; any other track is opened after
// the end, as ever.
void CMainDlg::PrepareNextTrack() {
  const int count = m_tracklistDlg.GetTrackCount();
  const int current = m_tracklistDlg.GetCurrentIndex();
  m_prepared = PreparedTrack{current, count, CurrentModes(), -1, MediaEntry{}};
  // Asked first, so that a window that joins nothing draws nothing either.
  m_bJoinable = m_bJoinable && m_hMciWnd->SetNextMedium(std::string());
  if (!m_bJoinable) {
    return;
  }
  const std::optional<int> next = NextTrackIndex(count, current, m_prepared.modes, m_drawRandom);
  if (next && m_tracklistDlg.GetTrack(*next).m_nKind == kKindAudio) {
    m_prepared.index = *next;
    m_prepared.track = m_tracklistDlg.GetTrack(*next);
    m_hMciWnd->SetNextMedium(m_prepared.track.m_strFile);
  }
}

// The choice made ahead holds while the album, the current track and the
// modes it was made from do; any change chooses again.
void CMainDlg::KeepPreparedTrackCurrent() {
  if (!m_bJoinable || m_bOpeningTrack) {
    return;
  }
  const PreparedTrack& p = m_prepared;
  const bool same = p.after == m_tracklistDlg.GetCurrentIndex() && p.count == m_tracklistDlg.GetTrackCount() &&
                    p.modes == CurrentModes() &&
                    (p.index < 0 || m_tracklistDlg.GetTrack(p.index).m_strFile == p.track.m_strFile);
  if (!same) {
    PrepareNextTrack();
  }
}

// The current track's name and the open medium's length in whole seconds.
void CMainDlg::ShowTrackAndLength() {
  m_trackDisplay->Redraw();
  m_statusDisplay->SetLength(static_cast<std::uint32_t>(std::max(m_hMciWnd->GetLength(), 0) / 1000));
}

void CMainDlg::ShowOpenedTrack(const MediaEntry& track, int serial) {
  ShowTrackLamps(track);
  m_openedTrack = track;
  m_nOpenedTrackSerial = serial;
}

// The prepared track sounds now: it becomes the current track, and the
// displays, the slider and the media controls follow it at once.
void CMainDlg::OnNextMediumStarted() {
  const PreparedTrack joined = m_prepared;
  if (joined.index >= 0 && joined.index < m_tracklistDlg.GetTrackCount() &&
      m_tracklistDlg.GetTrack(joined.index).m_strFile == joined.track.m_strFile) {
    m_tracklistDlg.SetCurrentIndex(joined.index);
  }
  ShowOpenedTrack(joined.track, ++m_nTrackOpens);
  SetSliderScale(m_hMciWnd->GetLength());
  ShowTrackAndLength();
  PrepareNextTrack();
  OnNotifyPos(m_hMciWnd->GetPosition());
  emit trackJoined();
}

// The prepared track cannot be played: the playback window has played the
// one before to its end and shown the message. Play goes on past it, as
// after any track that cannot be played.
void CMainDlg::OnNextMediumFailed() {
  const PreparedTrack failed = m_prepared;
  m_prepared = PreparedTrack{};
  if (failed.index >= 0 && failed.index < m_tracklistDlg.GetTrackCount()) {
    m_tracklistDlg.SetCurrentIndex(failed.index);
  }
  OnMediumFailed();
}

// The current track cannot be played: the tracks that follow it in play order
// are opened until one plays. Within one pass each track is tried once, so no
// track shows its message twice; when none is left to try, or the play modes
// give nothing else (no Continuous, or Loop repeating the failed one),
// playing stops as with the Stop button.
void CMainDlg::PlayOnPastUnplayable() {
  int from = m_tracklistDlg.GetCurrentIndex();
  std::set<int> failed;
  if (from >= 0 && from < m_tracklistDlg.GetTrackCount()) {
    failed.insert(from);
  }
  const int maxDraws = kDrawRoundsPastUnplayable * m_tracklistDlg.GetTrackCount();
  for (int draw = 0; draw < maxDraws; ++draw) {
    const int count = m_tracklistDlg.GetTrackCount();
    const std::optional<int> next = NextTrackIndex(count, from, CurrentModes(), m_drawRandom);
    if (!next || failed.size() >= static_cast<std::size_t>(count)) {
      break;
    }
    from = *next;
    if (failed.contains(*next)) {
      continue;
    }
    m_tracklistDlg.SetCurrentIndex(*next);
    if (OpenSelectedTrack()) {
      return;
    }
    // Stop, from the desktop's media controls, while the message showed.
    if (!IsLit(IDC_PLAY)) {
      return;
    }
    failed.insert(*next);
  }
  OnStop();
}

// A medium that broke while it played counts as a track that cannot be
// played; the playback window has told the user already.
void CMainDlg::OnMediumFailed() {
  if (!m_hMciWnd || m_bOpeningTrack || !IsLit(IDC_PLAY)) {
    return;
  }
  m_bOpeningTrack = true;
  PlayOnPastUnplayable();
  m_bOpeningTrack = false;
}

void CMainDlg::OnNotifyPos(int positionMs) {
  EndUnfinishedThumbDrag();
  const int s = positionMs / 1000;
  const int t = positionMs / m_nMsPerPixel;
  m_nPosition = s;
  m_nThumbX = t;
  if (t != m_nShownThumbX && !m_bDragSlider) {
    DrawSlider(static_cast<unsigned>(std::max(s, 0)));
  }
  if (s != m_nShownPosition && !m_bDragSlider) {
    m_statusDisplay->SetTime(static_cast<std::uint32_t>(std::max(s, 0)));
  }
  m_nShownPosition = s;
  m_nShownThumbX = t;
  KeepPreparedTrackCurrent();
  // The playback window reports the end of a medium as its length, exactly.
  if (positionMs == m_nLengthMs && SelectNextTrack()) {
    OpenCurrentTrack();
  }
}

void CMainDlg::OnSeekTimer() {
  if (m_bColorDlgOpen || !m_hMciWnd) {
    return;
  }
  if (IsLit(IDC_FF)) {
    const std::int64_t target = std::int64_t{m_hMciWnd->GetPosition()} + kForwardStepMs;
    m_hMciWnd->Seek(static_cast<int>(std::min<std::int64_t>(target, m_nLengthMs)));
    ResumeState();
  }
  if (IsLit(IDC_RW)) {
    const std::int64_t target = std::int64_t{m_hMciWnd->GetPosition()} - kReverseStepMs;
    m_hMciWnd->Seek(static_cast<int>(std::max<std::int64_t>(target, 0)));
    ResumeState();
  }
}
