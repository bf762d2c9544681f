#include "session_end_watcher.h"

#include <fcntl.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <csignal>

namespace {

// The write end of the pipe of the watcher that owns the signal handlers.
volatile std::sig_atomic_t g_signalWriteFd = -1;

extern "C" void OnTerminationSignal(int signalNumber) {
  const int fd = g_signalWriteFd;
  if (fd >= 0) {
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // Nothing can be done about a full pipe here; one byte already waiting
    // is enough to end the program.
    [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
  }
}

}  // namespace

CSessionEndWatcher::CSessionEndWatcher(QObject* parent) : QObject(parent) {
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { emit saveRequested(); },
            Qt::DirectConnection);
  }
}

CSessionEndWatcher::~CSessionEndWatcher() {
  if (m_fdPipe[1] >= 0 && g_signalWriteFd == m_fdPipe[1]) {
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGHUP, SIG_DFL);
    g_signalWriteFd = -1;
  }
  for (int& fd : m_fdPipe) {
    if (fd >= 0) {
      ::close(fd);
      fd = -1;
    }
  }
}

int CSessionEndWatcher::WatchSignals() {
  if (m_fdPipe[0] >= 0) {
    return 1;
  }
  if (::pipe2(m_fdPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
    m_fdPipe[0] = m_fdPipe[1] = -1;
    return 0;
  }
  m_pNotifier = new QSocketNotifier(m_fdPipe[0], QSocketNotifier::Read, this);
  connect(m_pNotifier, &QSocketNotifier::activated, this, &CSessionEndWatcher::OnSignalByte);
  g_signalWriteFd = m_fdPipe[1];
  struct sigaction action {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  const bool installed = ::sigaction(SIGTERM, &action, nullptr) == 0 && ::sigaction(SIGHUP, &action, nullptr) == 0;
  return installed ? 1 : 0;
}

void CSessionEndWatcher::OnSignalByte() {
  unsigned char byte = 0;
  int signalNumber = 0;
  // Several signals may be waiting; one ending is enough.
  while (::read(m_fdPipe[0], &byte, 1) == 1) {
    signalNumber = byte;
  }
  if (signalNumber != 0) {
    emit terminationRequested(signalNumber);
  }
}
