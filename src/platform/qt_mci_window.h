#pragma once

#include <memory>

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QString>
#include <QTimer>
#include <QVideoWidget>

#include "gst_audio_player.h"
#include "mci_window.h"

// The playback window on Qt Multimedia: a captioned, resizable top-level
// window owned by the main window (it stays with it and is never a child
// inside it), showing the video of the open medium.
//
// Transport follows the classic media control model rather than
// QMediaPlayer's: Stop and Seek keep the medium loaded at its position (the
// player is only paused), Play starts from the current position, a seek ends
// playing until the next Play, and the end of the medium is a position of its
// own, equal to the length, where Play does nothing. Position notifications go
// out every 500 ms when the position has moved since the last one; a position
// equal to the length is notified only at the end, once.
//
// Errors of the medium are shown in a message box by the window itself; when
// one breaks a medium that was playing, the listener hears of it after the
// message (OnMediumFailed).
//
// Media opened as sound only play through a GstAudioPlayer instead, which
// joins the next medium to the open one without a gap; the window then only
// passes the transport on to it.
class QtMciWindow : public QVideoWidget, public MciWindow {
  Q_OBJECT

 public:
  static constexpr int kNotifyPeriodMs = 500;
  static constexpr int kOpenTimeoutMs = 5000;

  // Placed at (x, y), kInitialWidth wide and with no height until a video
  // opens; hidden until SetVisible(true).
  QtMciWindow(QWidget* owner, int x, int y);
  ~QtMciWindow() override;

  int Open(const std::string& path) override;
  int OpenAudio(const std::string& path) override;
  bool SetNextMedium(const std::string& path) override;
  void SetTimeFormatMs() override {}  // positions are always milliseconds
  int GetLength() const override { return AudioOpen() ? m_audio->GetLength() : m_nLengthMs; }
  int GetPosition() const override;
  void Play() override;
  void Pause() override;
  void Resume() override;
  void Stop() override;
  void Seek(int positionMs) override;
  void SetVisible(bool visible) override;
  void Move(int x, int y, int width, int height) override;
  WindowPos GetWindowPos() const override { return WindowPos{x(), y()}; }
  void SetPositionListener(MciPositionListener* listener) override;

 private:
  bool AudioOpen() const { return m_audio && m_audio->IsOpen(); }
  enum class Mode { kClosed, kStopped, kPlaying, kPaused };

  void CreatePlayer();
  static bool IsLoaded(QMediaPlayer::MediaStatus status);
  bool LoadSettled() const;
  bool WaitUntilLoaded();
  QString LoadFailure() const;
  void Close();
  void OnMediaStatus(QMediaPlayer::MediaStatus status);
  void OnPlayerError(const QString& errorText);
  void OnNotifyTimer();
  void FitToVideo(const QSize& videoSize);
  void ReportError(const QString& text);

  // Made anew for every medium: after a failed open the back end's player
  // can fail every later one.
  std::unique_ptr<QAudioOutput> m_audioOutput;
  // Made by the first medium opened as sound only.
  std::unique_ptr<GstAudioPlayer> m_audio;
  std::unique_ptr<QMediaPlayer> m_player;
  QTimer m_notifyTimer;
  MciPositionListener* m_pListener = nullptr;
  Mode m_mode = Mode::kClosed;
  QString m_strPath;
  QString m_strOpenError;
  bool m_bOpening = false;
  bool m_bAtEnd = false;
  int m_nLengthMs = 0;
  int m_nLastNotified = -1;
  QSize m_videoSize;  // of the open video; invalid for audio
};
