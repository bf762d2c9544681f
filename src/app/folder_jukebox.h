#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <future>

#include "folder_lock.h"

// One jukebox per folder: the folder's album and dictionary belong to the
// first jukebox started in it. It holds a name on the session bus made from
// the folder's path; a later start in the same folder finds the name taken,
// hands its files to the running jukebox and ends, so no two processes ever
// write the same "default.alb". Every jukebox also holds a lock on a file
// beside the album, which keeps a second one out where there is no session
// bus to ask.
class CFolderJukebox : public QObject {
  Q_OBJECT

 public:
  // Files handed over by a later start, and the wish to be seen.
  using FilesHandler = std::function<void(const QStringList& files)>;

  explicit CFolderJukebox(const QString& folder, QObject* parent = nullptr);

  // Asks the bus for the folder's name on a thread of its own, so the main
  // window is built meanwhile.
  void StartClaim();
  // Waits for the answer; true when this process may run the folder's
  // jukebox as far as the bus knows (the name is ours, or there is no bus to
  // ask).
  bool Claimed();
  // When Claim gave false: gives the files to the jukebox that holds the name
  // and asks it to show itself. False when it could not be reached.
  bool HandOver(const QStringList& files) const;
  // Once the bus's name is ours: takes the folder's lock. False when another
  // process holds it; LockHolder then names it. With a bus, the holder may
  // be a jukebox that gave up the name at Exit and is saving: the lock is
  // waited for a little.
  bool Lock();
  long LockHolder() const { return m_lock.Holder(); }
  // At Exit, before saving: a later start no longer hands its files to this
  // jukebox, which would drop them, but runs on its own.
  void GiveUpName();
  // After saving: a new start may take the folder's album now.
  void ReleaseLock() { m_lock.Release(); }
  // Where handed-over files go once the main window exists; files that came
  // before it are handed over now.
  void SetFilesHandler(FilesHandler handler);

  const QString& ServiceName() const { return m_strServiceName; }
  // Called over the bus by a later start.
  void Open(const QStringList& files);

 private:
  void DeliverHandedFiles();

  QString m_strServiceName;
  std::future<bool> m_claim;
  bool m_bRegistered = false;
  FolderLock m_lock;
  FilesHandler m_handler;
  QStringList m_handedFiles;
};
