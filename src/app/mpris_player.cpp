#include "mpris_player.h"

#include <QApplication>
#include <QDBusObjectPath>
#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>
#include <cstdlib>

#include "control_ids.h"
#include "external_files.h"
#include "main_dlg.h"
#include "screen_text.h"
#include "skin_button.h"

namespace {

constexpr qint64 kUsPerMs = 1000;
// A position further than this from where playback would have taken it
// since the last look was moved by a seek.
constexpr qint64 kSeekJumpUs = 1500 * kUsPerMs;
// Playback never takes the position back, and a pause holds it still: a
// move back, or one while not playing at either look, larger than a late
// report of the back end is a seek. Rewind just past the first second is
// one, and moves less than kSeekJumpUs.
constexpr qint64 kStillJumpUs = 500 * kUsPerMs;
// How often commands held by a modal box look whether it has gone.
constexpr int kHoldRetryMs = 100;
const QString kNoTrack = QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack");

QStringList OneText(const std::string& bytes) {
  return bytes.empty() ? QStringList() : QStringList{ScreenText(bytes)};
}

// A date text that names a whole day, with or without a time of it, in ISO
// 8601; a year alone, or a text that is no such date, gives nothing.
QString CreatedDate(const std::string& bytes) {
  QString text = ScreenText(bytes).trimmed();
  if (text.size() == 10) {
    const QDate day = QDate::fromString(text, Qt::ISODate);
    return day.isValid() ? day.toString(Qt::ISODate) : QString();
  }
  if (text.size() < 16 || (text[10] != QLatin1Char('T') && text[10] != QLatin1Char(' '))) return QString();
  text[10] = QLatin1Char('T');
  const QDateTime time = QDateTime::fromString(text, Qt::ISODate);
  return time.isValid() ? time.toString(Qt::ISODate) : QString();
}

void InsertIfAny(QVariantMap& metadata, const QString& key, const QString& value) {
  if (!value.isEmpty()) metadata.insert(key, value);
}

}  // namespace

CMprisPlayer::CMprisPlayer(CMainDlg& mainDlg, QObject* parent) : QObject(parent), m_mainDlg(mainDlg) {
  m_lastProperties = ChangingProperties();
  m_sinceLastPoll.start();
  m_holdTimer.setSingleShot(true);
  m_holdTimer.setInterval(kHoldRetryMs);
  connect(&m_holdTimer, &QTimer::timeout, this, &CMprisPlayer::RunQueued);
  // A joined track changes the metadata with no command: the desktop hears
  // of it at once rather than at the next look.
  connect(&mainDlg, &CMainDlg::trackJoined, this, &CMprisPlayer::Poll);
}

void CMprisPlayer::Later(std::function<void()> action) {
  m_queue.push_back(std::move(action));
  QMetaObject::invokeMethod(this, &CMprisPlayer::RunQueued, Qt::QueuedConnection);
}

void CMprisPlayer::RunQueued() {
  if (m_bRunning) return;
  m_bRunning = true;
  while (!m_queue.empty() && QApplication::activeModalWidget() == nullptr) {
    const std::function<void()> action = std::move(m_queue.front());
    m_queue.pop_front();
    action();
  }
  m_bRunning = false;
  if (!m_queue.empty()) m_holdTimer.start();
}

void CMprisPlayer::Command(int id) {
  m_mainDlg.OnCommand(id);
  Poll();
}

// With no track chosen yet (every start), the desktop's Play means the
// album: its first track is chosen as Select would choose it, then Play.
void CMprisPlayer::Play() {
  Later([this] { StartPlaying(); });
}

void CMprisPlayer::StartPlaying() {
  CTracklistDlg& album = m_mainDlg.TracklistDlg();
  const int current = album.GetCurrentIndex();
  const MciWindow* playback = m_mainDlg.GetMciWindow();
  if ((current < 0 || current >= album.GetTrackCount()) && album.GetTrackCount() > 0 && playback != nullptr &&
      playback->GetLength() == 0) {
    album.SetCurrentIndex(0);
    m_mainDlg.OpenCurrentTrack();
  }
  Command(IDC_PLAY);
}

// The Pause button pauses and resumes; the desktop's Pause only pauses.
// Whether it must is decided when it runs, after the commands before it.
void CMprisPlayer::Pause() {
  Later([this] {
    if (PlaybackStatus() == QStringLiteral("Playing")) Command(IDC_PAUSE);
  });
}

void CMprisPlayer::PlayPause() {
  Later([this] {
    if (PlaybackStatus() == QStringLiteral("Stopped")) {
      StartPlaying();
    } else {
      Command(IDC_PAUSE);
    }
  });
}

void CMprisPlayer::Stop() {
  Later([this] { Command(IDC_STOP); });
}

void CMprisPlayer::Next() {
  Later([this] { Command(IDC_END); });
}

void CMprisPlayer::Previous() {
  Later([this] { Command(IDC_HOME); });
}

// A relative seek past the end is the next track; a position past it is
// no place in the track and is ignored, as the desktop expects.
void CMprisPlayer::SeekTo(qint64 positionUs, bool pastEndIsNext) {
  MciWindow* playback = m_mainDlg.GetMciWindow();
  if (!CanSeek()) return;
  const qint64 lengthUs = qint64{playback->GetLength()} * kUsPerMs;
  if (positionUs > lengthUs) {
    if (pastEndIsNext) Command(IDC_END);
    return;
  }
  playback->Seek(static_cast<int>(std::max<qint64>(positionUs, 0) / kUsPerMs));
  m_mainDlg.ResumeState();
  // Announced here, however short the move, and not again as a jump.
  m_nLastPositionUs = Position();
  m_sinceLastPoll.restart();
  Poll();
  emit seeked(Position());
}

void CMprisPlayer::Seek(qint64 offsetUs) {
  Later([this, offsetUs] { SeekTo(Position() + offsetUs, true); });
}

// The track named is the one current when the seek runs.
void CMprisPlayer::SetPosition(const QString& trackId, qint64 positionUs) {
  Later([this, trackId, positionUs] {
    if (trackId == TrackId() && positionUs >= 0) SeekTo(positionUs, false);
  });
}

QString CMprisPlayer::OpenUri(const QString& uri) {
  const QUrl url(uri);
  if (url.scheme() != QStringLiteral("file")) return QStringLiteral("Only local files can be opened: %1").arg(uri);
  // "file://name/..." names a host, not a folder here; the album holds
  // whole paths, so a relative one has nothing to be relative to.
  const QString host = url.host();
  const QString path = url.path(QUrl::FullyDecoded);
  if (!host.isEmpty() && host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) != 0)
    return QStringLiteral("Not a file on this computer: %1").arg(uri);
  if (!QFileInfo(path).isAbsolute()) return QStringLiteral("Not an absolute path: %1").arg(uri);
  if (!QFileInfo::exists(path)) return QStringLiteral("No such file: %1").arg(path);
  Later([this, file = PathBytes(path)] {
    m_strPendingPlay = file;
    AddExternalFiles(m_mainDlg, {file});
    Poll();
  });
  return QString();
}

void CMprisPlayer::Raise() {
  Later([this] {
    m_mainDlg.showNormal();
    m_mainDlg.raise();
    m_mainDlg.activateWindow();
  });
}

void CMprisPlayer::Quit() {
  Later([this] { m_mainDlg.OnCommand(IDC_EXIT); });
}

// Read from the playback window as well as the buttons: Play stays lit
// when a track ends with nothing to follow it, and is lit with nothing open
// when no track was chosen or the chosen one could not be played.
QString CMprisPlayer::PlaybackStatus() const {
  const QString stopped = QStringLiteral("Stopped");
  if (m_mainDlg.Button(IDC_STOP)->GetLit() || !m_mainDlg.Button(IDC_PLAY)->GetLit()) return stopped;
  const MciWindow* playback = m_mainDlg.GetMciWindow();
  if (playback == nullptr || playback->GetLength() <= 0) return stopped;
  if (m_mainDlg.Button(IDC_PAUSE)->GetLit()) return QStringLiteral("Paused");
  if (playback->GetPosition() >= playback->GetLength() && !m_mainDlg.CanSkipToEnd()) return stopped;
  return QStringLiteral("Playing");
}

QString CMprisPlayer::LoopStatus() const {
  if (!m_mainDlg.Button(IDC_CONTINUOUS)->GetLit()) return QStringLiteral("None");
  if (m_mainDlg.Button(IDC_LOOP)->GetLit()) return QStringLiteral("Track");
  return m_mainDlg.StopsAtAlbumEnd() ? QStringLiteral("None") : QStringLiteral("Playlist");
}

void CMprisPlayer::SetLoopStatus(const QString& status) {
  Later([this, status] { SetModesFor(status); });
}

// Every status plays on past a track's end, so Continuous is lit for each;
// each button is set by its own command, only where it must change, and the
// stop at the album's end (which those commands clear) is set last.
void CMprisPlayer::SetModesFor(const QString& status) {
  const bool none = status == QStringLiteral("None");
  const bool loop = status == QStringLiteral("Track");
  if (!none && !loop && status != QStringLiteral("Playlist")) return;
  if (!m_mainDlg.Button(IDC_CONTINUOUS)->GetLit()) m_mainDlg.OnCommand(IDC_CONTINUOUS);
  if ((m_mainDlg.Button(IDC_LOOP)->GetLit() != 0) != loop) m_mainDlg.OnCommand(IDC_LOOP);
  m_mainDlg.SetStopAtAlbumEnd(none);
  Poll();
}

bool CMprisPlayer::Shuffle() const { return m_mainDlg.Button(IDC_RANDOM)->GetLit() != 0; }

void CMprisPlayer::SetShuffle(bool on) {
  Later([this, on] {
    if (Shuffle() != on) Command(IDC_RANDOM);
  });
}

// Each open of a track is a track of its own to the desktop: a position
// asked for one that has been replaced since is not applied to the next.
QString CMprisPlayer::TrackId() const {
  const int serial = m_mainDlg.OpenedTrackSerial();
  return serial == 0 ? kNoTrack : QStringLiteral("/org/velmora/track/%1").arg(serial);
}

// The track handed to the playback window, even once it has left the album;
// while it is the current track its texts are read from the album, where
// they may have been edited since. The album and the cover, which the album
// file does not keep, come from the file's own tags.
QVariantMap CMprisPlayer::Metadata() const {
  QVariantMap metadata;
  metadata.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath(TrackId())));
  if (TrackId() == kNoTrack) return metadata;
  MediaEntry track = m_mainDlg.OpenedTrack();
  const CTracklistDlg& album = m_mainDlg.TracklistDlg();
  const int current = album.GetCurrentIndex();
  if (current >= 0 && current < album.GetTrackCount() && album.GetTrack(current).m_strFile == track.m_strFile)
    track = album.GetTrack(current);
  const QString path = QFile::decodeName(QByteArray::fromStdString(track.m_strFile));
  metadata.insert(QStringLiteral("xesam:url"), QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded));
  // A track without texts is known by its file name, as in the tracklist.
  metadata.insert(QStringLiteral("xesam:title"),
                  track.m_strName.empty() ? QFileInfo(path).fileName() : ScreenText(track.m_strName));
  metadata.insert(QStringLiteral("xesam:artist"), OneText(track.m_strArtist));
  metadata.insert(QStringLiteral("xesam:genre"), OneText(track.m_strGenre));
  metadata.insert(QStringLiteral("xesam:comment"), OneText(track.m_strComment));
  InsertIfAny(metadata, QStringLiteral("xesam:contentCreated"), CreatedDate(track.m_strDate));
  m_details.Load(m_mainDlg.OpenedTrackSerial(), track.m_strFile);
  InsertIfAny(metadata, QStringLiteral("xesam:album"), m_details.Album());
  InsertIfAny(metadata, QStringLiteral("mpris:artUrl"), m_details.CoverUrl());
  if (const MciWindow* playback = m_mainDlg.GetMciWindow(); playback != nullptr && playback->GetLength() > 0)
    metadata.insert(QStringLiteral("mpris:length"), qint64{playback->GetLength()} * kUsPerMs);
  return metadata;
}

qint64 CMprisPlayer::Position() const {
  const MciWindow* playback = m_mainDlg.GetMciWindow();
  return playback == nullptr ? 0 : qint64{std::max(playback->GetPosition(), 0)} * kUsPerMs;
}

bool CMprisPlayer::CanGoNext() const { return m_mainDlg.CanSkipToEnd(); }
bool CMprisPlayer::CanGoPrevious() const { return m_mainDlg.CanRewind(); }
bool CMprisPlayer::CanPlay() const {
  return m_mainDlg.GetMciWindow() != nullptr && m_mainDlg.TracklistDlg().GetTrackCount() > 0;
}
bool CMprisPlayer::CanPause() const { return CanPlay(); }

bool CMprisPlayer::CanSeek() const {
  const MciWindow* playback = m_mainDlg.GetMciWindow();
  return playback != nullptr && playback->GetLength() > 0;
}

QVariantMap CMprisPlayer::ChangingProperties() const {
  return {{QStringLiteral("PlaybackStatus"), PlaybackStatus()},
          {QStringLiteral("LoopStatus"), LoopStatus()},
          {QStringLiteral("Shuffle"), Shuffle()},
          {QStringLiteral("Metadata"), Metadata()},
          {QStringLiteral("CanGoNext"), CanGoNext()},
          {QStringLiteral("CanGoPrevious"), CanGoPrevious()},
          {QStringLiteral("CanPlay"), CanPlay()},
          {QStringLiteral("CanPause"), CanPause()},
          {QStringLiteral("CanSeek"), CanSeek()}};
}

void CMprisPlayer::Poll() {
  // Halfway through an open there is no medium: the status would read
  // Stopped and the track unseekable for a moment. The next look after the
  // open tells the desktop what it needs to know.
  if (m_mainDlg.IsOpeningTrack()) return;
  // A file handed in by OpenUri plays once its drop has put it in the album;
  // opening it is a command like the others, and waits as they do.
  if (!m_strPendingPlay.empty() && m_mainDlg.TracklistDlg().Album().FindFile(m_strPendingPlay) >= 0) {
    Later([this, path = std::move(m_strPendingPlay)] {
      const int index = m_mainDlg.TracklistDlg().Album().FindFile(path);
      if (index < 0) return;
      m_mainDlg.TracklistDlg().SetCurrentIndex(index);
      m_mainDlg.OpenCurrentTrack();
      m_mainDlg.OnCommand(IDC_PLAY);
    });
    m_strPendingPlay.clear();
  }
  const QString playing = QStringLiteral("Playing");
  const bool wasPlaying = m_lastProperties.value(QStringLiteral("PlaybackStatus")).toString() == playing;
  const QVariantMap now = ChangingProperties();
  QVariantMap changed;
  for (auto it = now.begin(); it != now.end(); ++it) {
    if (m_lastProperties.value(it.key()) != it.value()) changed.insert(it.key(), it.value());
  }
  m_lastProperties = now;
  if (!changed.isEmpty()) emit propertiesChanged(changed);

  const qint64 position = Position();
  const QString status = now.value(QStringLiteral("PlaybackStatus")).toString();
  const qint64 expected = m_nLastPositionUs + (status == playing ? m_sinceLastPoll.elapsed() * kUsPerMs : 0);
  const qint64 jump = status == playing || wasPlaying ? kSeekJumpUs : kStillJumpUs;
  if (status != QStringLiteral("Stopped") && !changed.contains(QStringLiteral("Metadata")) &&
      (position < m_nLastPositionUs - kStillJumpUs || std::abs(position - expected) > jump))
    emit seeked(position);
  m_sinceLastPoll.restart();
  m_nLastPositionUs = position;
}
