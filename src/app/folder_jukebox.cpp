#include "folder_jukebox.h"

#include <QCryptographicHash>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>
#include <QFile>
#include <QMetaObject>
#include <QFileInfo>
#include <utility>

namespace {

const QString kObjectPath = QStringLiteral("/org/velmora/Jukebox");
const QString kInterface = QStringLiteral("org.velmora.Jukebox");
// Calls to a jukebox that hangs must not hang the start that asks it.
constexpr int kHandOverTimeoutMs = 5000;
// Saving the album and the dictionary at Exit takes far less.
constexpr int kSavingJukeboxWaitMs = 3000;
// Beside "default.alb", hidden as the album's temporary copies are.
constexpr const char* kLockFileName = ".default.alb.lock";

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
    : QObject(parent),
      m_strServiceName(ServiceNameOf(folder)),
      m_lock(QFile::encodeName(QDir(folder).filePath(kLockFileName)).toStdString()) {}

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
    m_bRegistered = QDBusConnection::sessionBus().registerObject(kObjectPath, this);
  }
  return claimed;
}

bool CFolderJukebox::Lock() {
  const int waitMs = m_bRegistered ? kSavingJukeboxWaitMs : 0;
  return m_lock.Acquire(waitMs) != FolderLock::Outcome::kTaken;
}

void CFolderJukebox::GiveUpName() {
  if (!m_bRegistered) return;
  QDBusConnection bus = QDBusConnection::sessionBus();
  bus.unregisterObject(kObjectPath);
  bus.unregisterService(m_strServiceName);
  m_bRegistered = false;
}

void CFolderJukebox::SetFilesHandler(FilesHandler handler) {
  m_handler = std::move(handler);
  DeliverHandedFiles();
}

// A plain call: an interface object would first ask the jukebox to describe
// itself, with the bus's default limit of 25 s, before the call's own limit
// applies.
bool CFolderJukebox::HandOver(const QStringList& files) const {
  QDBusMessage call = QDBusMessage::createMethodCall(m_strServiceName, kObjectPath, kInterface, QStringLiteral("Open"));
  call << files;
  const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, kHandOverTimeoutMs);
  return reply.type() == QDBusMessage::ReplyMessage;
}

// The later start has its answer at once: the files are added from the event
// loop, since adding a folder takes as long as its scan. Files that come while
// this jukebox is still starting (a message box of the start-up waits for the
// user) wait for the handler.
void CFolderJukebox::Open(const QStringList& files) {
  m_handedFiles.append(files);
  QMetaObject::invokeMethod(this, &CFolderJukebox::DeliverHandedFiles, Qt::QueuedConnection);
}

void CFolderJukebox::DeliverHandedFiles() {
  if (m_handler && !m_handedFiles.isEmpty()) m_handler(std::exchange(m_handedFiles, {}));
}

#include "folder_jukebox.moc"
