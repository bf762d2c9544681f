#include "mpris_service.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

#include "mpris_adaptors.h"

namespace {

const QString kObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kBaseName = QStringLiteral("org.mpris.MediaPlayer2.velmora");
// The player interface's properties are read after each command and at this
// pace, so the desktop hears of changes made in the window too.
constexpr int kPollMs = 250;

}  // namespace

CMprisService::CMprisService(CMainDlg& mainDlg, QObject* parent) : QObject(parent), m_player(mainDlg) {
  connect(&m_player, &CMprisPlayer::propertiesChanged, this, &CMprisService::EmitPropertiesChanged);
  connect(&m_player, &CMprisPlayer::seeked, this, &CMprisService::EmitSeeked);
  connect(&m_pollTimer, &QTimer::timeout, &m_player, &CMprisPlayer::Poll);
}

bool CMprisService::Register() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return false;
  new CMprisRootAdaptor(this, m_player);
  new CMprisPlayerAdaptor(this, m_player);
  if (!bus.registerObject(kObjectPath, this)) return false;
  m_strServiceName = kBaseName;
  if (!bus.registerService(m_strServiceName)) {
    m_strServiceName = kBaseName + QStringLiteral(".instance%1").arg(QCoreApplication::applicationPid());
    if (!bus.registerService(m_strServiceName)) return false;
  }
  m_pollTimer.start(kPollMs);
  return true;
}

void CMprisService::EmitPropertiesChanged(const QVariantMap& changed) {
  QDBusMessage signal = QDBusMessage::createSignal(kObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                   QStringLiteral("PropertiesChanged"));
  signal << kPlayerInterface << changed << QStringList();
  QDBusConnection::sessionBus().send(signal);
}

void CMprisService::EmitSeeked(qint64 positionUs) {
  QDBusMessage signal = QDBusMessage::createSignal(kObjectPath, kPlayerInterface, QStringLiteral("Seeked"));
  signal << static_cast<qlonglong>(positionUs);
  QDBusConnection::sessionBus().send(signal);
}
