#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <future>

// One jukebox per folder: the folder's album and dictionary belong to the
// first jukebox started in it. It holds a name on the session bus made from
// the folder's path; a later start in the same folder finds the name taken,
// hands its files to the running jukebox and ends, so no two processes ever
// write the same "default.alb". Without a session bus every start runs.
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
  // jukebox (the name is ours, or there is no bus to ask).
  bool Claimed();
  // When Claim gave false: gives the files to the jukebox that holds the name
  // and asks it to show itself. False when it could not be reached.
  bool HandOver(const QStringList& files) const;
  // Where handed-over files go once the main window exists.
  void SetFilesHandler(FilesHandler handler) { m_handler = std::move(handler); }

  const QString& ServiceName() const { return m_strServiceName; }
  // Called over the bus by a later start.
  void Open(const QStringList& files);

 private:
  QString m_strServiceName;
  std::future<bool> m_claim;
  FilesHandler m_handler;
};

// The files given on the command line, as absolute paths; options are left
// to Qt and ignored here.
QStringList CommandLineFiles(const QStringList& arguments);
