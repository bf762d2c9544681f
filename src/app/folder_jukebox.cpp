#include "folder_jukebox.h"

#include <QCryptographicHash>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDir>
#include <QFileInfo>

namespace {

const QString kObjectPath = QStringLiteral("/org/velmora/Jukebox");
const QString kInterface = QStringLiteral("org.velmora.Jukebox");
// Calls to a jukebox that hangs must not hang the start that asks it.
constexpr int kHandOverTimeoutMs = 5000;

// A bus name element may not begin with a digit; the hash stands for the
// folder's canonical path.
QString ServiceNameOf(const QString& folder) {
  const QString canonical = QFileInfo(folder).canonicalFilePath();
  const QByteArray hash = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex().left(24);
  return QStringLiteral("org.velmora.Folder.h") + QString::fromLatin1(hash);
}

}  // namespace

// Receives the files of a later start in the same folder.
class CFolderJukeboxAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.velmora.Jukebox")

 public:
  explicit CFolderJukeboxAdaptor(CFolderJukebox* jukebox) : QDBusAbstractAdaptor(jukebox), m_jukebox(jukebox) {}

 public slots:
  void Open(const QStringList& files) { m_jukebox->Open(files); }

 private:
  CFolderJukebox* m_jukebox;
};

CFolderJukebox::CFolderJukebox(const QString& folder, QObject* parent)
    : QObject(parent), m_strServiceName(ServiceNameOf(folder)) {}

void CFolderJukebox::StartClaim() {
  m_claim = std::async(std::launch::async, [name = m_strServiceName] {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return true;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = bus.interface()->registerService(
        name, QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    // A bus that answers nothing sensible is no reason to refuse to run.
    return !reply.isValid() || reply.value() == QDBusConnectionInterface::ServiceRegistered;
  });
}

// The object that takes handed-over files lives on the main thread.
bool CFolderJukebox::Claimed() {
  if (!m_claim.valid()) StartClaim();
  const bool claimed = m_claim.get();
  if (claimed && QDBusConnection::sessionBus().isConnected()) {
    new CFolderJukeboxAdaptor(this);
    QDBusConnection::sessionBus().registerObject(kObjectPath, this);
  }
  return claimed;
}

bool CFolderJukebox::HandOver(const QStringList& files) const {
  QDBusInterface running(m_strServiceName, kObjectPath, kInterface, QDBusConnection::sessionBus());
  running.setTimeout(kHandOverTimeoutMs);
  const QDBusMessage reply = running.call(QStringLiteral("Open"), files);
  return reply.type() == QDBusMessage::ReplyMessage;
}

void CFolderJukebox::Open(const QStringList& files) {
  if (m_handler) m_handler(files);
}

QStringList CommandLineFiles(const QStringList& arguments) {
  QStringList files;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (arguments.at(i).startsWith(QLatin1Char('-'))) continue;
    files.append(QFileInfo(arguments.at(i)).absoluteFilePath());
  }
  return files;
}

#include "folder_jukebox.moc"
