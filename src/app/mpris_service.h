#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "mpris_player.h"

class CMainDlg;

// The jukebox on the session bus as a media player the desktop's controls
// know (the MediaPlayer2 interfaces at /org/mpris/MediaPlayer2). Registered
// once the main window has painted; without a session bus nothing happens and
// the jukebox works as it does without.
class CMprisService : public QObject {
  Q_OBJECT

 public:
  explicit CMprisService(CMainDlg& mainDlg, QObject* parent = nullptr);

  // Takes "org.mpris.MediaPlayer2.velmora", or the name with ".instance<pid>"
  // when another jukebox holds it. False without a session bus.
  bool Register();
  const QString& ServiceName() const { return m_strServiceName; }
  CMprisPlayer& Player() { return m_player; }

 private:
  void EmitPropertiesChanged(const QVariantMap& changed);
  void EmitSeeked(qint64 positionUs);

  CMprisPlayer m_player;
  QTimer m_pollTimer;
  QString m_strServiceName;
};
