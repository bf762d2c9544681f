#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>

#include <QString>
#include <QTimer>

#include "mci_window.h"

class QWidget;
typedef struct _GstElement GstElement;
typedef struct _GstBus GstBus;
typedef struct _GstMessage GstMessage;

// Plays media that hold sound only, on GStreamer's playbin, so that the next
// medium joins the open one without a gap: it is handed to playbin while the
// open one still plays (when playbin says it is about to finish), and its
// first sample follows the last sample of the one before.
//
// Transport keeps the playback window's rules: Stop and Seek keep the medium
// loaded at its position (the pipeline is only paused), Play starts from the
// current position, and the end of the medium is a position of its own, equal
// to the length, notified once. Position notifications go out every 500 ms
// when the position has moved since the last one.
//
// Errors are shown in a message box owned by the given widget. The pipeline
// is made by the first Open.
class GstAudioPlayer : public QObject {
  Q_OBJECT

 public:
  static constexpr int kNotifyPeriodMs = 500;
  static constexpr int kOpenTimeoutMs = 5000;

  explicit GstAudioPlayer(QWidget* messageOwner);
  ~GstAudioPlayer() override;

  // 1 when the medium is open and paused at its start; 0, after a message,
  // when it cannot be played.
  int Open(const std::string& path);
  void Close();
  bool IsOpen() const { return m_mode != Mode::kClosed; }
  int GetLength() const { return m_nLengthMs; }
  int GetPosition() const;
  void Play();
  void Pause();
  void Resume();
  void Stop();
  void Seek(int positionMs);
  bool SetNextMedium(const std::string& path);
  void SetPositionListener(MciPositionListener* listener) { m_pListener = listener; }

 private:
  enum class Mode { kClosed, kStopped, kPlaying, kPaused };

  bool CreatePipeline();
  // Puts path in the pipeline, paused at its start, with next (if any) to
  // follow it; false and the reason when it cannot be played.
  bool Load(const std::string& path, QString* failure, const std::string& next = std::string());
  bool LoadPaused(const std::string& path, QString* failure, const std::string& next);
  void FlushTo(int positionMs);
  void Unload();
  qint64 QueryNs(bool duration) const;
  qint64 LengthOnceKnown() const;
  void OnNotifyTimer();
  void OnEndOfMedium();
  void OnError(const QString& text);
  void OnJoined(const std::string& path);
  void FailNextMedium();
  bool Reload(int positionMs, const std::string* next, QString* failure);
  void DecideNext(const std::string& path);
  void ReportError(const QString& text);
  QString CannotPlay(const std::string& path, const QString& reason) const;
  // Runs action on this object's thread, after delayMs, unless the medium
  // has been replaced (or seeked across a join) meanwhile.
  void PostForThisMedium(std::function<void()> action, int delayMs = 0);
  void SetLength(int lengthMs);

  static void OnAboutToFinish(GstElement* playbin, void* self);
  static int OnBusMessage(GstBus* bus, GstMessage* message, void* self);
  void OnStreamStartMessage(GstMessage* message);

  QWidget* m_messageOwner;
  GstElement* m_playbin = nullptr;
  // What is asked the position: playbin, or the paced sink of a recording.
  GstElement* m_heard = nullptr;
  QTimer m_notifyTimer;
  MciPositionListener* m_pListener = nullptr;
  Mode m_mode = Mode::kClosed;
  std::string m_strPath;
  bool m_bAtEnd = false;
  int m_nLengthMs = 0;
  int m_nLastNotified = -1;
  // Raised whenever the medium in the pipeline is replaced, after its
  // streaming threads have stopped: what they posted before is stale.
  std::atomic<int> m_nMedium{0};
  // The length, for the streaming threads.
  std::atomic<int> m_nSharedLengthMs{0};

  // Shared with the streaming threads.
  std::mutex m_mutex;
  std::condition_variable m_nextDecided;
  // Whether the caller has said what follows the loaded medium. A short
  // medium is read whole while it loads, before the caller can say it, and
  // playbin asks for the next one then: the ask waits for the answer.
  bool m_bNextDecided = false;
  // playbin asked for the next medium before the caller had said it.
  bool m_bAskMissed = false;
  bool m_bFlushing = false;
  // Loading or seeking: an ask for the next medium then is not waited on.
  std::atomic<bool> m_bLoading{false};
  std::string m_strNext;      // the medium to join, not yet handed over
  std::string m_strJoining;   // handed to playbin, not yet sounding
  unsigned m_nGroup = 0;      // the stream group sounding now
  bool m_bGroupKnown = false;
  QString m_strLastError;
  // The next medium failed while the one before still plays: the failure is
  // told once that one has ended.
  std::string m_strFailedNext;
  QString m_strFailedReason;
};
