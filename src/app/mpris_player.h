#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariantMap>
#include <deque>
#include <functional>
#include <string>

#include "track_details.h"

class CMainDlg;

// What the desktop's media controls see of the jukebox and ask of it. Every
// command goes through the command of the skin button that does the same, so
// the window and the desktop never disagree; the state is read from the lit
// buttons, the album and the playback window each time it is asked for.
// Times are in microseconds, as the desktop counts them.
//
// A command can open a track, and the playback window tells of one it cannot
// play in a modal message box; a bus call that waited for it would time out
// in the desktop. So every command and every mode set from the bus returns at
// once and what it asks for runs from the event loop, in the order asked,
// one at a time: never while a modal box is up (it would act underneath the
// box, or stack a second one), never inside another command that waits.
class CMprisPlayer : public QObject {
  Q_OBJECT

 public:
  explicit CMprisPlayer(CMainDlg& mainDlg, QObject* parent = nullptr);

  void Play();
  void Pause();
  void PlayPause();
  void Stop();
  void Next();
  void Previous();
  void Seek(qint64 offsetUs);
  void SetPosition(const QString& trackId, qint64 positionUs);
  // A local file that exists: added as a drop on the main window, then
  // played. Anything else is refused and nothing is added: the answer is why,
  // naming the path; it is empty when the file was taken.
  QString OpenUri(const QString& uri);
  void Raise();
  void Quit();

  QString PlaybackStatus() const;
  // What the jukebox does at a track's end: "Track" repeats it (Continuous
  // and Loop lit), "Playlist" goes round the album (Continuous alone), "None"
  // stops, after each track (Continuous off) or after the album's last (the
  // stop at the album's end; with Random lit there is no last, and play goes
  // on). Setting one lights the buttons that do it.
  QString LoopStatus() const;
  void SetLoopStatus(const QString& status);
  bool Shuffle() const;
  void SetShuffle(bool on);
  QVariantMap Metadata() const;
  qint64 Position() const;
  // Whether Next (Skip to end) and Previous (Rewind) would do anything.
  bool CanGoNext() const;
  bool CanGoPrevious() const;
  bool CanPlay() const;
  bool CanPause() const;
  bool CanSeek() const;

  // Every property of the player interface that can change, by its name.
  QVariantMap ChangingProperties() const;

 public slots:
  // Runs the commands waiting, in order, until none is left or a modal box
  // is up; those left are tried again shortly. Inside a running command (its
  // box or its medium keeps an event loop going) it leaves them to that one.
  void RunQueued();
  // Compares the properties with the last look and reports what changed; a
  // position that jumped (a seek from the window) is reported as a seek.
  // While a track opens it waits for the next look.
  void Poll();

 signals:
  void propertiesChanged(const QVariantMap& changed);
  void seeked(qint64 positionUs);

 private:
  void Later(std::function<void()> action);
  void Command(int id);
  void StartPlaying();
  void SetModesFor(const QString& status);
  void SeekTo(qint64 positionUs, bool pastEndIsNext);
  QString TrackId() const;

  CMainDlg& m_mainDlg;
  QVariantMap m_lastProperties;
  qint64 m_nLastPositionUs = 0;
  QElapsedTimer m_sinceLastPoll;
  std::string m_strPendingPlay;  // a path OpenUri waits to see in the album
  std::deque<std::function<void()>> m_queue;
  bool m_bRunning = false;
  QTimer m_holdTimer;  // tries the queue again while a modal box holds it
  mutable CTrackDetails m_details;  // of the opened track, read at its first look
};
