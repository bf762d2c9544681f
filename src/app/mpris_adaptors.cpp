#include "mpris_adaptors.h"

#include <QDBusConnection>
#include <QDBusError>

CMprisRootAdaptor::CMprisRootAdaptor(QObject* object, CMprisPlayer& player)
    : QDBusAbstractAdaptor(object), m_player(player) {}

// The kinds the jukebox plays, as the desktop entry lists them.
QStringList CMprisRootAdaptor::SupportedMimeTypes() const {
  return {QStringLiteral("audio/x-wav"),      QStringLiteral("audio/mpeg"),      QStringLiteral("audio/flac"),
          QStringLiteral("audio/ogg"),        QStringLiteral("audio/x-vorbis+ogg"), QStringLiteral("audio/x-opus+ogg"),
          QStringLiteral("audio/mp4"),        QStringLiteral("audio/aac"),       QStringLiteral("audio/x-ms-wma"),
          QStringLiteral("audio/x-aiff"),     QStringLiteral("audio/basic"),     QStringLiteral("audio/midi"),
          QStringLiteral("video/mp4"),        QStringLiteral("video/x-matroska"), QStringLiteral("video/webm"),
          QStringLiteral("video/ogg"),        QStringLiteral("video/x-msvideo"), QStringLiteral("video/mpeg"),
          QStringLiteral("video/quicktime"),  QStringLiteral("video/x-ms-wmv")};
}

CMprisPlayerAdaptor::CMprisPlayerAdaptor(QObject* object, CMprisPlayer& player)
    : QDBusAbstractAdaptor(object), m_player(player) {
  // Property changes go out as PropertiesChanged from the service itself.
  setAutoRelaySignals(false);
}

void CMprisPlayerAdaptor::OpenUri(const QString& uri, const QDBusMessage& message) {
  const QString refusal = m_player.OpenUri(uri);
  if (refusal.isEmpty()) return;
  message.setDelayedReply(true);
  QDBusConnection::sessionBus().send(message.createErrorReply(QDBusError::InvalidArgs, refusal));
}
