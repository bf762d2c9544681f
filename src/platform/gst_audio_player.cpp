#include "gst_audio_player.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <utility>

#include <gst/gst.h>

#include <QFile>
#include <QThread>

#include "gst_audio_sink.h"
#include "message_box.h"

namespace {

// playbin's "flags": sound only, with no volume element (GstPlayFlags lives
// in a plug-in, not in a header).
constexpr guint kPlaySoundOnly = 1U << 1;
// The length is asked until playbin knows it, for up to a second.
constexpr int kLengthTries = 100;
constexpr unsigned long kLengthRetryMs = 10;
// A next medium that failed is told once the one before has ended; should its
// end never be announced, this long after it was due.
constexpr int kEndGraceMs = 2000;
// The longest a sink takes a medium ahead of playing it (a sound card's
// buffer); a longer wait would be a position that is not the one before's.
constexpr int kMaxJoinDelayMs = 1000;
// How long playbin's ask for the next medium waits for the caller to say it.
constexpr auto kNextDecisionWait = std::chrono::seconds(1);

QString ErrorText(GstMessage* message) {
  GError* error = nullptr;
  gchar* debug = nullptr;
  gst_message_parse_error(message, &error, &debug);
  const QString text = QString::fromUtf8(error != nullptr ? error->message : "Unknown error.");
  if (error != nullptr) g_error_free(error);
  g_free(debug);
  return text;
}

// A file URI for a path of any bytes; empty when there is none.
std::string FileUri(const std::string& path) {
  gchar* uri = gst_filename_to_uri(path.c_str(), nullptr);
  if (uri == nullptr) return std::string();
  std::string result(uri);
  g_free(uri);
  return result;
}

}  // namespace

GstAudioPlayer::GstAudioPlayer(QWidget* messageOwner) : m_messageOwner(messageOwner) {
  m_notifyTimer.setInterval(kNotifyPeriodMs);
  connect(&m_notifyTimer, &QTimer::timeout, this, &GstAudioPlayer::OnNotifyTimer);
}

GstAudioPlayer::~GstAudioPlayer() {
  m_notifyTimer.stop();
  if (m_playbin == nullptr) return;
  gst_element_set_state(m_playbin, GST_STATE_NULL);
  GstBus* bus = gst_element_get_bus(m_playbin);
  gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
  gst_object_unref(bus);
  gst_object_unref(m_heard);
  gst_object_unref(m_playbin);
}

bool GstAudioPlayer::CreatePipeline() {
  if (m_playbin != nullptr) return true;
  gst_init(nullptr, nullptr);
  GstElement* playbin = gst_element_factory_make("playbin", nullptr);
  if (playbin == nullptr) return false;
  m_playbin = GST_ELEMENT(gst_object_ref_sink(playbin));
  g_object_set(m_playbin, "flags", kPlaySoundOnly, nullptr);
  QString problem;
  const QByteArray description = qgetenv(kAudioSinkVariable);
  m_heard = GST_ELEMENT(gst_object_ref(m_playbin));
  if (GstElement* sink = MakeAudioSink(description, &problem)) {
    g_object_set(m_playbin, "audio-sink", sink, nullptr);
    // A recording's own sink answers for the bytes it has written, which
    // run ahead of what is heard.
    if (GstElement* paced = gst_bin_get_by_name(GST_BIN(sink), kPacedSinkName)) {
      gst_object_unref(m_heard);
      m_heard = paced;
    }
  } else if (!problem.isEmpty()) {
    ReportError(QStringLiteral("The audio output \"%1\" given in %2 cannot be made, so the sound goes to the "
                               "usual output.\n%3")
                    .arg(QString::fromLocal8Bit(description), QString::fromLatin1(kAudioSinkVariable), problem));
  }
  g_signal_connect(m_playbin, "about-to-finish", G_CALLBACK(&GstAudioPlayer::OnAboutToFinish), this);
  GstBus* bus = gst_element_get_bus(m_playbin);
  gst_bus_set_sync_handler(bus, reinterpret_cast<GstBusSyncHandler>(&GstAudioPlayer::OnBusMessage), this, nullptr);
  gst_object_unref(bus);
  return true;
}

int GstAudioPlayer::Open(const std::string& path) {
  Close();
  if (path.empty()) return 0;
  QString failure;
  if (!CreatePipeline()) {
    failure = QStringLiteral("GStreamer has no \"playbin\": the package gstreamer1.0-plugins-base is missing.");
  } else if (Load(path, &failure)) {
    m_strPath = path;
    m_mode = Mode::kStopped;
    m_notifyTimer.start();
    return 1;
  }
  Unload();
  ReportError(CannotPlay(path, failure));
  return 0;
}

// Puts path in the pipeline, paused at its start, and waits until it is ready
// to sound and its length is known; a medium that is not within
// kOpenTimeoutMs counts as unplayable rather than freezing the program.
bool GstAudioPlayer::Load(const std::string& path, QString* failure, const std::string& next) {
  m_bLoading = true;
  const bool loaded = LoadPaused(path, failure, next);
  m_bLoading = false;
  return loaded;
}

bool GstAudioPlayer::LoadPaused(const std::string& path, QString* failure, const std::string& next) {
  Unload();
  if (!next.empty()) DecideNext(next);
  const std::string uri = FileUri(path);
  if (uri.empty()) {
    *failure = QStringLiteral("The path cannot be made into a URI.");
    return false;
  }
  g_object_set(m_playbin, "uri", uri.c_str(), nullptr);
  GstStateChangeReturn result = gst_element_set_state(m_playbin, GST_STATE_PAUSED);
  if (result != GST_STATE_CHANGE_FAILURE) {
    result = gst_element_get_state(m_playbin, nullptr, nullptr, GstClockTime{kOpenTimeoutMs} * GST_MSECOND);
  }
  const qint64 lengthNs = result == GST_STATE_CHANGE_SUCCESS ? LengthOnceKnown() : -1;
  if (lengthNs > 0) {
    SetLength(static_cast<int>(std::min<qint64>(lengthNs / GST_MSECOND, INT_MAX)));
    return true;
  }
  std::lock_guard lock(m_mutex);
  if (!m_strLastError.isEmpty()) {
    *failure = m_strLastError;
  } else if (result == GST_STATE_CHANGE_ASYNC) {
    *failure = QStringLiteral("The file did not load within %1 seconds.").arg(kOpenTimeoutMs / 1000);
  } else {
    *failure = QStringLiteral("The length of the medium is unknown.");
  }
  return false;
}

// Stops the streaming threads (a change to READY waits for them), so whatever
// they posted before is known to be stale.
void GstAudioPlayer::Unload() {
  if (m_playbin == nullptr) return;
  DecideNext(std::string());
  gst_element_set_state(m_playbin, GST_STATE_READY);
  ++m_nMedium;
  std::lock_guard lock(m_mutex);
  m_bNextDecided = false;
  m_bAskMissed = false;
  m_strNext.clear();
  m_strJoining.clear();
  m_bGroupKnown = false;
  m_strLastError.clear();
  m_strFailedNext.clear();
}

void GstAudioPlayer::Close() {
  m_notifyTimer.stop();
  Unload();
  m_mode = Mode::kClosed;
  m_bAtEnd = false;
  SetLength(0);
  m_nLastNotified = -1;
}

void GstAudioPlayer::SetLength(int lengthMs) {
  m_nLengthMs = lengthMs;
  m_nSharedLengthMs = lengthMs;
}

// The length of a medium without an index (an MP3 file, say) is known once
// its parser has seen enough of it, soon after it is ready to sound.
qint64 GstAudioPlayer::LengthOnceKnown() const {
  qint64 lengthNs = QueryNs(true);
  for (int tries = 1; lengthNs <= 0 && tries < kLengthTries; ++tries) {
    QThread::msleep(kLengthRetryMs);
    lengthNs = QueryNs(true);
  }
  return lengthNs;
}

qint64 GstAudioPlayer::QueryNs(bool duration) const {
  gint64 ns = -1;
  const bool known = duration ? gst_element_query_duration(m_playbin, GST_FORMAT_TIME, &ns)
                              : gst_element_query_position(m_heard, GST_FORMAT_TIME, &ns);
  return known ? ns : -1;
}

int GstAudioPlayer::GetPosition() const {
  if (m_mode == Mode::kClosed) return 0;
  if (m_bAtEnd) return m_nLengthMs;
  // The length itself is kept for the end, so that it is notified once only.
  return static_cast<int>(std::clamp<qint64>(QueryNs(false) / GST_MSECOND, 0, m_nLengthMs - 1));
}

void GstAudioPlayer::Play() {
  if (m_mode == Mode::kClosed || m_bAtEnd) return;
  m_mode = Mode::kPlaying;
  gst_element_set_state(m_playbin, GST_STATE_PLAYING);
}

void GstAudioPlayer::Pause() {
  if (m_mode != Mode::kPlaying) return;
  m_mode = Mode::kPaused;
  gst_element_set_state(m_playbin, GST_STATE_PAUSED);
}

void GstAudioPlayer::Resume() {
  if (m_mode != Mode::kPaused) return;
  m_mode = Mode::kPlaying;
  gst_element_set_state(m_playbin, GST_STATE_PLAYING);
}

void GstAudioPlayer::Stop() {
  if (m_mode == Mode::kClosed) return;
  m_mode = Mode::kStopped;
  if (!m_bAtEnd) gst_element_set_state(m_playbin, GST_STATE_PAUSED);
}

void GstAudioPlayer::Seek(int positionMs) {
  if (m_mode == Mode::kClosed) return;
  m_mode = Mode::kStopped;
  const int target = positionMs == MciWindow::kStart ? 0 : std::clamp(positionMs, 0, m_nLengthMs);
  // A seek to the length is the end: the next notification reports it.
  m_bAtEnd = target == m_nLengthMs;
  QString failure;
  if (!Reload(m_bAtEnd ? m_nLengthMs - 1 : target, nullptr, &failure)) {
    const std::string path = m_strPath;
    Close();
    ReportError(CannotPlay(path, failure));
  }
}

// Pauses the open medium at positionMs. Once the next medium has been handed
// to playbin it cannot be taken back, and a seek would not bring the open
// one's end back: the open medium is then loaded anew, and the next one (or
// *next, when given) is handed over again when the open one nears its end
// once more.
bool GstAudioPlayer::Reload(int positionMs, const std::string* next, QString* failure) {
  std::string joining;
  bool missed = false;
  {
    std::lock_guard lock(m_mutex);
    joining = m_strJoining;
    missed = m_bAskMissed;
  }
  if (joining.empty() && !(missed && next != nullptr && !next->empty())) {
    gst_element_set_state(m_playbin, GST_STATE_PAUSED);
    gst_element_get_state(m_playbin, nullptr, nullptr, GstClockTime{kOpenTimeoutMs} * GST_MSECOND);
    FlushTo(positionMs);
    std::lock_guard lock(m_mutex);
    // Handed over as the flush began, it may be lost: load again.
    if (m_strJoining.empty()) return true;
    joining = m_strJoining;
  }
  const std::string handOver = next != nullptr ? *next : joining;
  // At the start the next medium goes with the load; elsewhere it is handed
  // over once the seek is done: one handed over before a seek would be lost.
  if (!Load(m_strPath, failure, positionMs == 0 ? handOver : std::string())) return false;
  if (positionMs > 0) {
    FlushTo(positionMs);
    DecideNext(handOver);
  }
  return true;
}

// A flushing seek to positionMs, waiting until the medium is ready there.
// An ask for the next medium while the flush runs waits until it is done:
// the medium flows again from the new place, and the ask is answered then.
// (An ask of the data before the flush would hold the flush up until it
// gives up waiting, and then goes without an answer.)
void GstAudioPlayer::FlushTo(int positionMs) {
  {
    std::lock_guard lock(m_mutex);
    m_bFlushing = true;
  }
  gst_element_seek_simple(m_playbin, GST_FORMAT_TIME,
                          static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                          gint64{positionMs} * GST_MSECOND);
  {
    std::lock_guard lock(m_mutex);
    m_bFlushing = false;
  }
  m_nextDecided.notify_all();
  gst_element_get_state(m_playbin, nullptr, nullptr, GstClockTime{kOpenTimeoutMs} * GST_MSECOND);
}

void GstAudioPlayer::DecideNext(const std::string& path) {
  {
    std::lock_guard lock(m_mutex);
    m_strNext = path;
    m_bNextDecided = true;
  }
  m_nextDecided.notify_all();
}

bool GstAudioPlayer::SetNextMedium(const std::string& path) {
  if (m_mode == Mode::kClosed) return false;
  DecideNext(path);
  std::string joining;
  bool missed = false;
  {
    std::lock_guard lock(m_mutex);
    joining = m_strJoining;
    missed = m_bAskMissed;
  }
  // Another choice once the next medium is on its way, or a choice that
  // comes after playbin has asked for it (a short medium is read whole while
  // it loads): the open one is loaded again where it is, and plays on as it
  // did. While it sounds that would be heard, so a late choice is then left
  // to the end.
  const bool replaced = !joining.empty() && joining != path;
  const bool late = joining.empty() && missed && !path.empty() && m_mode == Mode::kStopped;
  if (replaced || late) {
    const Mode mode = m_mode;
    QString failure;
    if (!Reload(GetPosition(), &path, &failure)) {
      const std::string open = m_strPath;
      Close();
      ReportError(CannotPlay(open, failure));
      return true;
    }
    if (mode == Mode::kPlaying) gst_element_set_state(m_playbin, GST_STATE_PLAYING);
  }
  return true;
}

void GstAudioPlayer::PostForThisMedium(std::function<void()> action, int delayMs) {
  const int medium = m_nMedium.load();
  auto ifStill = [this, medium, action = std::move(action)] {
    if (medium == m_nMedium.load()) action();
  };
  QMetaObject::invokeMethod(
      this,
      [this, delayMs, ifStill = std::move(ifStill)] {
        if (delayMs > 0) {
          QTimer::singleShot(delayMs, this, ifStill);
        } else {
          ifStill();
        }
      },
      Qt::QueuedConnection);
}

// On a streaming thread: the open medium's data has all been read. The next
// one, if any, is handed over now, so that its first sample follows.
void GstAudioPlayer::OnAboutToFinish(GstElement* playbin, void* self) {
  auto* player = static_cast<GstAudioPlayer*>(self);
  std::unique_lock lock(player->m_mutex);
  const bool flushed = player->m_nextDecided.wait_for(lock, kNextDecisionWait, [player] { return !player->m_bFlushing; });
  if (flushed && !player->m_bLoading) {
    player->m_nextDecided.wait_for(lock, kNextDecisionWait, [player] { return player->m_bNextDecided; });
  }
  if (!flushed || !player->m_bNextDecided) {
    player->m_bAskMissed = true;
    return;
  }
  if (player->m_strNext.empty()) return;
  const std::string uri = FileUri(player->m_strNext);
  if (uri.empty()) return;
  g_object_set(playbin, "uri", uri.c_str(), nullptr);
  player->m_strJoining = std::exchange(player->m_strNext, std::string());
  // What follows the joined medium is the caller's to say once it sounds.
  player->m_bNextDecided = false;
}

// On whatever thread posted the message.
int GstAudioPlayer::OnBusMessage(GstBus*, GstMessage* message, void* self) {
  auto* player = static_cast<GstAudioPlayer*>(self);
  switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_STREAM_START:
      player->OnStreamStartMessage(message);
      break;
    case GST_MESSAGE_EOS:
      player->PostForThisMedium([player] { player->OnEndOfMedium(); });
      break;
    case GST_MESSAGE_ERROR: {
      const QString text = ErrorText(message);
      {
        std::lock_guard lock(player->m_mutex);
        if (player->m_strLastError.isEmpty()) player->m_strLastError = text;
      }
      player->PostForThisMedium([player, text] { player->OnError(text); });
      break;
    }
    default:
      break;
  }
  gst_message_unref(message);
  return GST_BUS_DROP;
}

// Every medium is a stream group of its own; the first group after a load is
// the loaded medium, and a new one after it is the joined medium, which the
// sink has begun to take.
void GstAudioPlayer::OnStreamStartMessage(GstMessage* message) {
  guint group = 0;
  if (!gst_message_parse_group_id(message, &group)) return;
  std::string joined;
  {
    std::lock_guard lock(m_mutex);
    if (m_bGroupKnown && group == m_nGroup) return;
    const bool first = !m_bGroupKnown;
    m_nGroup = group;
    m_bGroupKnown = true;
    if (first) return;
    joined = std::exchange(m_strJoining, std::string());
  }
  if (joined.empty()) return;
  // The sink takes the new medium as it begins to play the last buffer of
  // the one before (or, for a sound card, as it hands that buffer over): the
  // join is heard when the one before has played to its length.
  const int positionMs = static_cast<int>(std::max<qint64>(QueryNs(false), 0) / GST_MSECOND);
  const int untilJoinMs = std::clamp(m_nSharedLengthMs.load() - positionMs, 0, kMaxJoinDelayMs);
  PostForThisMedium([this, joined] { OnJoined(joined); }, untilJoinMs);
}

void GstAudioPlayer::OnJoined(const std::string& path) {
  if (m_mode == Mode::kClosed) return;
  m_strPath = path;
  m_bAtEnd = false;
  m_nLastNotified = -1;
  SetLength(static_cast<int>(std::clamp<qint64>(LengthOnceKnown() / GST_MSECOND, 1, INT_MAX)));
  if (m_pListener) m_pListener->OnNextMediumStarted();
}

// Only playing reaches the end: an end announced after a seek or a stop is
// stale and would hide the new position.
void GstAudioPlayer::OnEndOfMedium() {
  bool nextFailed = false;
  {
    std::lock_guard lock(m_mutex);
    nextFailed = !m_strFailedNext.empty();
  }
  if (nextFailed) {
    FailNextMedium();
    return;
  }
  if (m_mode != Mode::kPlaying && m_mode != Mode::kPaused) return;
  m_bAtEnd = true;
  m_mode = Mode::kStopped;
}

void GstAudioPlayer::OnError(const QString& text) {
  if (m_mode == Mode::kClosed) return;
  // The next medium, handed over already, cannot be played: the open one
  // plays on to its end, and then the failure is told.
  bool nextFailed = false;
  {
    // A failure comes as several errors; the first tells it.
    std::lock_guard lock(m_mutex);
    if (!m_strFailedNext.empty()) return;
    if (!m_strJoining.empty()) {
      m_strFailedNext = std::exchange(m_strJoining, std::string());
      m_strFailedReason = text;
      nextFailed = true;
    }
  }
  if (nextFailed) {
    const int remainingMs = std::max(m_nLengthMs - GetPosition(), 0);
    QTimer::singleShot(remainingMs + kEndGraceMs, this, [this, medium = m_nMedium.load()] {
      if (medium == m_nMedium.load()) FailNextMedium();
    });
    return;
  }
  // A medium that broke is closed, so that it tells no more; while it was
  // playing it never reaches its end, and the listener hears of it once the
  // user has read the message, unless another medium has been opened
  // meanwhile.
  const bool wasPlaying = m_mode == Mode::kPlaying;
  const std::string path = m_strPath;
  Close();
  const int medium = m_nMedium.load();
  ReportError(CannotPlay(path, text));
  if (wasPlaying && medium == m_nMedium.load() && m_pListener) m_pListener->OnMediumFailed();
}

void GstAudioPlayer::FailNextMedium() {
  std::string failed;
  QString reason;
  {
    std::lock_guard lock(m_mutex);
    failed = std::exchange(m_strFailedNext, std::string());
    reason = m_strFailedReason;
  }
  if (failed.empty()) return;
  Close();
  ReportError(CannotPlay(failed, reason));
  if (m_pListener) m_pListener->OnNextMediumFailed();
}

void GstAudioPlayer::OnNotifyTimer() {
  if (m_mode == Mode::kClosed) return;
  const int position = GetPosition();
  if (position == m_nLastNotified) return;
  m_nLastNotified = position;
  if (m_pListener) m_pListener->OnNotifyPos(position);
}

QString GstAudioPlayer::CannotPlay(const std::string& path, const QString& reason) const {
  return QStringLiteral("Cannot play \"%1\".\n%2").arg(QFile::decodeName(QByteArray::fromStdString(path)), reason);
}

void GstAudioPlayer::ReportError(const QString& text) { ShowMessageBox(m_messageOwner, text); }
