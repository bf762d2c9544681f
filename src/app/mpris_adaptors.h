#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QStringList>
#include <QVariantMap>

#include "mpris_player.h"

// The root interface: who the player is, and the window to raise or quit.
class CMprisRootAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
  Q_PROPERTY(bool CanQuit READ CanQuit)
  Q_PROPERTY(bool CanRaise READ CanRaise)
  Q_PROPERTY(bool HasTrackList READ HasTrackList)
  Q_PROPERTY(QString Identity READ Identity)
  Q_PROPERTY(QString DesktopEntry READ DesktopEntry)
  Q_PROPERTY(QStringList SupportedUriSchemes READ SupportedUriSchemes)
  Q_PROPERTY(QStringList SupportedMimeTypes READ SupportedMimeTypes)

 public:
  CMprisRootAdaptor(QObject* object, CMprisPlayer& player);

  bool CanQuit() const { return true; }
  bool CanRaise() const { return true; }
  bool HasTrackList() const { return false; }
  QString Identity() const { return QStringLiteral("Velmora"); }
  QString DesktopEntry() const { return QStringLiteral("velmora"); }
  QStringList SupportedUriSchemes() const { return {QStringLiteral("file")}; }
  QStringList SupportedMimeTypes() const;

 public slots:
  void Raise() { m_player.Raise(); }
  void Quit() { m_player.Quit(); }

 private:
  CMprisPlayer& m_player;
};

// The player interface: transport, modes, the current track and its place.
class CMprisPlayerAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
  Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
  Q_PROPERTY(QString LoopStatus READ LoopStatus WRITE SetLoopStatus)
  Q_PROPERTY(double Rate READ Rate WRITE SetRate)
  Q_PROPERTY(bool Shuffle READ Shuffle WRITE SetShuffle)
  Q_PROPERTY(QVariantMap Metadata READ Metadata)
  Q_PROPERTY(double Volume READ Volume WRITE SetVolume)
  Q_PROPERTY(qlonglong Position READ Position)
  Q_PROPERTY(double MinimumRate READ Rate)
  Q_PROPERTY(double MaximumRate READ Rate)
  Q_PROPERTY(bool CanGoNext READ CanGoNext)
  Q_PROPERTY(bool CanGoPrevious READ CanGoPrevious)
  Q_PROPERTY(bool CanPlay READ CanPlay)
  Q_PROPERTY(bool CanPause READ CanPause)
  Q_PROPERTY(bool CanSeek READ CanSeek)
  Q_PROPERTY(bool CanControl READ CanControl)

 public:
  CMprisPlayerAdaptor(QObject* object, CMprisPlayer& player);

  QString PlaybackStatus() const { return m_player.PlaybackStatus(); }
  QString LoopStatus() const { return m_player.LoopStatus(); }
  void SetLoopStatus(const QString& status) { m_player.SetLoopStatus(status); }
  // The jukebox plays at one speed and its own volume.
  double Rate() const { return 1.0; }
  void SetRate(double) {}
  double Volume() const { return 1.0; }
  void SetVolume(double) {}
  bool Shuffle() const { return m_player.Shuffle(); }
  void SetShuffle(bool on) { m_player.SetShuffle(on); }
  QVariantMap Metadata() const { return m_player.Metadata(); }
  qlonglong Position() const { return m_player.Position(); }
  bool CanGoNext() const { return m_player.CanGoNext(); }
  bool CanGoPrevious() const { return m_player.CanGoPrevious(); }
  bool CanPlay() const { return m_player.CanPlay(); }
  bool CanPause() const { return m_player.CanPause(); }
  bool CanSeek() const { return m_player.CanSeek(); }
  bool CanControl() const { return true; }

 public slots:
  void Next() { m_player.Next(); }
  void Previous() { m_player.Previous(); }
  void Pause() { m_player.Pause(); }
  void PlayPause() { m_player.PlayPause(); }
  void Stop() { m_player.Stop(); }
  void Play() { m_player.Play(); }
  void Seek(qlonglong offset) { m_player.Seek(offset); }
  void SetPosition(const QDBusObjectPath& trackId, qlonglong position) { m_player.SetPosition(trackId.path(), position); }
  // A refused file is answered with an error naming it, not with silence.
  void OpenUri(const QString& uri, const QDBusMessage& message);

 signals:
  void Seeked(qlonglong position);

 private:
  CMprisPlayer& m_player;
};
