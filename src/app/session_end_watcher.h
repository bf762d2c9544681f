#pragma once

#include <QObject>

class QSocketNotifier;

// Turns the ways a desktop session ends a program into one Qt signal on the
// GUI thread: the session manager's request to save (commit data), and
// SIGTERM and SIGHUP. A signal handler may do almost nothing, so it only
// writes a byte into a pipe that the event loop watches.
class CSessionEndWatcher : public QObject {
  Q_OBJECT

 public:
  explicit CSessionEndWatcher(QObject* parent = nullptr);
  ~CSessionEndWatcher() override;

  // Installs the handlers of SIGTERM and SIGHUP; 1 on success. One watcher
  // at a time may own them.
  int WatchSignals();

 signals:
  // The session asks the program to save; it may go on running afterwards.
  void saveRequested();
  // SIGTERM or SIGHUP arrived: the program should save and end.
  void terminationRequested(int signalNumber);

 private:
  void OnSignalByte();

  int m_fdPipe[2] = {-1, -1};
  QSocketNotifier* m_pNotifier = nullptr;
};
