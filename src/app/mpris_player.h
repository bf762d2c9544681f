#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <string>

class CMainDlg;

// What the desktop's media controls see of the jukebox and ask of it. Every
// command goes through the command of the skin button that does the same, so
// the window and the desktop never disagree; the state is read from the lit
// buttons, the album and the playback window each time it is asked for.
// Times are in microseconds, as the desktop counts them.
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
  // A local file: added as a drop on the main window, then played.
  void OpenUri(const QString& uri);
  void Raise();
  void Quit();

  QString PlaybackStatus() const;
  // "Track" while Loop is lit, "Playlist" while Continuous is, else "None".
  QString LoopStatus() const;
  void SetLoopStatus(const QString& status);
  bool Shuffle() const;
  void SetShuffle(bool on);
  QVariantMap Metadata() const;
  qint64 Position() const;
  bool CanGoNext() const;
  bool CanGoPrevious() const;
  bool CanPlay() const;
  bool CanPause() const;
  bool CanSeek() const;

  // Every property of the player interface that can change, by its name.
  QVariantMap ChangingProperties() const;

 public slots:
  // Compares the properties with the last look and reports what changed; a
  // position that jumped (a seek from the window) is reported as a seek.
  void Poll();

 signals:
  void propertiesChanged(const QVariantMap& changed);
  void seeked(qint64 positionUs);

 private:
  void Command(int id);
  void SeekTo(qint64 positionUs);
  QString TrackId() const;

  CMainDlg& m_mainDlg;
  QVariantMap m_lastProperties;
  qint64 m_nLastPositionUs = 0;
  QElapsedTimer m_sinceLastPoll;
  std::string m_strPendingPlay;  // a path OpenUri waits to see in the album
};
