#include "qt_mci_window.h"

#include <algorithm>
#include <climits>

#include <QEventLoop>
#include <QFile>
#include <QMediaMetaData>
#include <QPointer>
#include <QUrl>
#include <QVideoSink>

#include "message_box.h"

QtMciWindow::QtMciWindow(QWidget* owner, int x, int y) : QVideoWidget(owner) {
  setWindowFlags(Qt::Window);
  setAttribute(Qt::WA_ShowWithoutActivating);
  Move(x, y, kInitialWidth, 0);

  m_notifyTimer.setInterval(kNotifyPeriodMs);
  connect(&m_notifyTimer, &QTimer::timeout, this, &QtMciWindow::OnNotifyTimer);
  // Queued: the sink announces a new size while it holds the lock that
  // videoSize() takes, so asking at once would deadlock.
  connect(
      videoSink(), &QVideoSink::videoSizeChanged, this,
      [this] {
        if (m_player && m_player->hasVideo()) FitToVideo(videoSink()->videoSize());
      },
      Qt::QueuedConnection);
  // The player is made by the first Open: starting the media framework's
  // audio side costs time and memory that a window with nothing open does
  // not need.
}

QtMciWindow::~QtMciWindow() {
  m_notifyTimer.stop();
  if (m_player) m_player->stop();
}

void QtMciWindow::CreatePlayer() {
  m_player.reset();
  m_audioOutput = std::make_unique<QAudioOutput>();
  m_player = std::make_unique<QMediaPlayer>();
  // Without an audio output the GStreamer pipeline leaves its audio branch
  // unlinked and fails at once. With one, a machine without any sound device
  // still plays: the sink falls back to one that drops the samples but keeps
  // the clock running, so positions advance as they would with sound.
  m_player->setAudioOutput(m_audioOutput.get());
  m_player->setVideoOutput(this);
  connect(m_player.get(), &QMediaPlayer::mediaStatusChanged, this, &QtMciWindow::OnMediaStatus);
  connect(m_player.get(), &QMediaPlayer::errorOccurred, this,
          [this](QMediaPlayer::Error, const QString& errorText) { OnPlayerError(errorText); });
}

int QtMciWindow::OpenAudio(const std::string& path) {
  if (m_bOpening) return 0;
  Close();
  if (!m_audio) {
    m_audio = std::make_unique<GstAudioPlayer>(parentWidget());
    m_audio->SetPositionListener(m_pListener);
  }
  return m_audio->Open(path);
}

bool QtMciWindow::SetNextMedium(const std::string& path) { return AudioOpen() && m_audio->SetNextMedium(path); }

void QtMciWindow::SetPositionListener(MciPositionListener* listener) {
  m_pListener = listener;
  if (m_audio) m_audio->SetPositionListener(listener);
}

int QtMciWindow::Open(const std::string& path) {
  // A timer that fires while a medium loads must not replace the player the
  // loading waits on.
  if (m_bOpening) return 0;
  if (m_audio) m_audio->Close();
  // An empty path names no medium: there is nothing to wait for.
  if (path.empty()) return 0;
  Close();
  CreatePlayer();
  m_strPath = QFile::decodeName(QByteArray::fromStdString(path));
  m_strOpenError.clear();
  m_bOpening = true;
  m_player->setSource(QUrl::fromLocalFile(m_strPath));
  const bool loaded = WaitUntilLoaded();
  m_bOpening = false;
  if (!loaded) {
    const QString failure = LoadFailure();
    Close();
    ReportError(failure);
    return 0;
  }
  m_nLengthMs = static_cast<int>(std::min<qint64>(m_player->duration(), INT_MAX));
  m_mode = Mode::kStopped;
  // Paused rather than stopped: a paused player keeps its position through
  // seeks and shows the first frame of a video.
  m_player->pause();
  const QSize resolution = m_player->metaData().value(QMediaMetaData::Resolution).toSize();
  if (m_player->hasVideo() && resolution.isValid()) FitToVideo(resolution);
  m_notifyTimer.start();
  return 1;
}

// The caller reads the length right after opening, so opening waits until the
// back end has loaded the medium and found its length (it does so on its own
// threads; for an MP3 the length may come after the medium is loaded). Only
// timers and back-end events run meanwhile, never user input, and a medium
// that does not load within kOpenTimeoutMs counts as unplayable rather than
// freezing the program.
bool QtMciWindow::WaitUntilLoaded() {
  if (!LoadSettled()) {
    QEventLoop loop;
    const auto quitWhenSettled = [this, &loop] {
      if (LoadSettled()) loop.quit();
    };
    connect(m_player.get(), &QMediaPlayer::mediaStatusChanged, &loop, quitWhenSettled);
    connect(m_player.get(), &QMediaPlayer::durationChanged, &loop, quitWhenSettled);
    connect(m_player.get(), &QMediaPlayer::errorOccurred, &loop, quitWhenSettled);
    QTimer::singleShot(kOpenTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  }
  return m_strOpenError.isEmpty() && IsLoaded(m_player->mediaStatus()) && m_player->duration() > 0;
}

bool QtMciWindow::IsLoaded(QMediaPlayer::MediaStatus status) {
  return status != QMediaPlayer::NoMedia && status != QMediaPlayer::LoadingMedia &&
         status != QMediaPlayer::InvalidMedia;
}

bool QtMciWindow::LoadSettled() const {
  const QMediaPlayer::MediaStatus status = m_player->mediaStatus();
  return !m_strOpenError.isEmpty() || status == QMediaPlayer::InvalidMedia ||
         (IsLoaded(status) && m_player->duration() > 0);
}

QString QtMciWindow::LoadFailure() const {
  QString reason = m_strOpenError;
  if (reason.isEmpty()) {
    switch (m_player->mediaStatus()) {
      case QMediaPlayer::LoadingMedia:
        reason = QStringLiteral("The file did not load within %1 seconds.").arg(kOpenTimeoutMs / 1000);
        break;
      case QMediaPlayer::InvalidMedia:
        reason = QStringLiteral("The file holds no medium that can be played.");
        break;
      default:
        reason = QStringLiteral("The length of the medium is unknown.");
        break;
    }
  }
  return QStringLiteral("Cannot play \"%1\".\n%2").arg(m_strPath, reason);
}

void QtMciWindow::Close() {
  m_notifyTimer.stop();
  if (m_player) m_player->stop();
  m_mode = Mode::kClosed;
  m_bAtEnd = false;
  m_nLengthMs = 0;
  m_nLastNotified = -1;
  m_videoSize = QSize();
}

int QtMciWindow::GetPosition() const {
  if (AudioOpen()) return m_audio->GetPosition();
  if (m_mode == Mode::kClosed) return 0;
  if (m_bAtEnd) return m_nLengthMs;
  // The length itself is kept for the end, so that it is notified once only.
  return static_cast<int>(std::clamp<qint64>(m_player->position(), 0, m_nLengthMs - 1));
}

void QtMciWindow::Play() {
  if (AudioOpen()) return m_audio->Play();
  if (m_mode == Mode::kClosed || m_bAtEnd) return;
  m_mode = Mode::kPlaying;
  m_player->play();
}

void QtMciWindow::Pause() {
  if (AudioOpen()) return m_audio->Pause();
  if (m_mode != Mode::kPlaying) return;
  m_mode = Mode::kPaused;
  m_player->pause();
}

void QtMciWindow::Resume() {
  if (AudioOpen()) return m_audio->Resume();
  if (m_mode != Mode::kPaused) return;
  m_mode = Mode::kPlaying;
  m_player->play();
}

// QMediaPlayer::stop() would rewind to the start; stopping here keeps the
// position, so the next Play goes on from where the medium stopped.
void QtMciWindow::Stop() {
  if (AudioOpen()) return m_audio->Stop();
  if (m_mode == Mode::kClosed) return;
  m_mode = Mode::kStopped;
  if (!m_bAtEnd) m_player->pause();
}

void QtMciWindow::Seek(int positionMs) {
  if (AudioOpen()) return m_audio->Seek(positionMs);
  if (m_mode == Mode::kClosed) return;
  m_mode = Mode::kStopped;
  const int target = positionMs == kStart ? 0 : std::clamp(positionMs, 0, m_nLengthMs);
  // A seek to the length is the end: the next notification reports it.
  m_bAtEnd = target == m_nLengthMs;
  m_player->pause();
  m_player->setPosition(m_bAtEnd ? m_nLengthMs - 1 : target);
}

// Only playing reaches the end: an end the back end reports after a seek or a
// stop is stale and would hide the new position.
void QtMciWindow::OnMediaStatus(QMediaPlayer::MediaStatus status) {
  if (status != QMediaPlayer::EndOfMedia || (m_mode != Mode::kPlaying && m_mode != Mode::kPaused)) return;
  m_bAtEnd = true;
  m_mode = Mode::kStopped;
}

void QtMciWindow::OnPlayerError(const QString& errorText) {
  if (m_bOpening) {
    m_strOpenError = errorText;
    return;
  }
  if (m_mode == Mode::kClosed) return;
  const bool wasPlaying = m_mode == Mode::kPlaying;
  m_mode = Mode::kStopped;
  // Shown from the event loop, not from inside whatever call of the player
  // reported the error. A medium that broke while playing never reaches its
  // end, so the listener hears of it once the user has read the message,
  // unless another medium has been opened meanwhile.
  const QString text = QStringLiteral("Cannot play \"%1\".\n%2").arg(m_strPath, errorText);
  const QPointer<QMediaPlayer> failed = m_player.get();
  QTimer::singleShot(0, this, [this, text, wasPlaying, failed] {
    ReportError(text);
    if (wasPlaying && failed && failed == m_player.get() && m_pListener) m_pListener->OnMediumFailed();
  });
}

void QtMciWindow::OnNotifyTimer() {
  if (m_mode == Mode::kClosed) return;
  const int position = GetPosition();
  if (position == m_nLastNotified) return;
  m_nLastNotified = position;
  if (m_pListener) m_pListener->OnNotifyPos(position);
}

void QtMciWindow::SetVisible(bool visible) { setVisible(visible); }

void QtMciWindow::Move(int x, int y, int width, int height) {
  move(x, y);
  if (height == 0 && m_videoSize.isValid()) height = m_videoSize.height();
  resize(width, height);
}

void QtMciWindow::FitToVideo(const QSize& videoSize) {
  if (videoSize.isEmpty() || videoSize == m_videoSize) return;
  m_videoSize = videoSize;
  resize(videoSize);
}

void QtMciWindow::ReportError(const QString& text) {
  ShowMessageBox(isVisible() ? this : parentWidget(), text);
}
