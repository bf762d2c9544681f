#pragma once

#include <map>
#include <string>
#include <vector>

#include "mci_window.h"

// A playback window on a virtual clock, for tests of whatever drives
// playback. Media are known by path with a length; Advance moves the clock,
// plays and delivers the position notifications the real window would send.
// Every call is written down, in the words of the calls ("open /a.wav",
// "ms", "play", "pause", "resume", "stop", "seek 3000", "seek -1", "show",
// "hide", "move 10 10 348 0"), so tests can compare the whole sequence.
//
// It keeps the real window's rules: a notification goes out at each 500 ms
// tick when the position differs from the one last notified (so none while
// stopped or paused in one place, but one after a seek); a seek stops
// playback; the end of the medium is notified once, with a position equal to
// the length; Play at the end stays at the end. An unknown path fails to
// open and leaves nothing open (length 0); unlike the real window it shows
// no message box.
//
// With joins enabled it also joins media as the real window joins sound: a
// next medium set with SetNextMedium follows the end of the open one while
// playing, with no end notified ("join /b.wav"); one it does not know fails
// there and leaves nothing open.
class SimulatedMciWindow : public MciWindow {
 public:
  static constexpr int kNotifyPeriodMs = 500;

  void AddMedium(const std::string& path, int lengthMs, bool isVideo = false);
  // Moves the virtual clock forward by ms, notifying at every tick on the way.
  void Advance(int ms);
  // The open medium breaks, as a damaged stream does in the real window: it
  // stops where it is, and the listener hears of it when it was playing.
  void FailMedium();
  void EnableJoins() { m_bJoins = true; }
  const std::string& NextMedium() const { return m_strNext; }

  const std::vector<std::string>& Calls() const { return m_calls; }
  void ClearCalls() { m_calls.clear(); }
  bool IsPlaying() const { return m_mode == Mode::kPlaying; }
  bool IsPaused() const { return m_mode == Mode::kPaused; }
  bool IsVisible() const { return m_bVisible; }
  bool IsVideoOpen() const { return m_bVideo; }

  int Open(const std::string& path) override;
  bool SetNextMedium(const std::string& path) override;
  void SetTimeFormatMs() override;
  int GetLength() const override { return m_nLengthMs; }
  int GetPosition() const override { return m_nPosition; }
  void Play() override;
  void Pause() override;
  void Resume() override;
  void Stop() override;
  void Seek(int positionMs) override;
  void SetVisible(bool visible) override;
  void Move(int x, int y, int width, int height) override;
  WindowPos GetWindowPos() const override { return m_windowPos; }
  void SetPositionListener(MciPositionListener* listener) override { m_pListener = listener; }

 private:
  enum class Mode { kClosed, kStopped, kPlaying, kPaused };
  struct Medium {
    int lengthMs = 0;
    bool isVideo = false;
  };

  void Record(std::string call) { m_calls.push_back(std::move(call)); }
  void PlayFor(int ms);
  void Tick();
  void Join(int intoNextMs);

  std::map<std::string, Medium> m_media;
  std::vector<std::string> m_calls;
  MciPositionListener* m_pListener = nullptr;
  Mode m_mode = Mode::kClosed;
  int m_nLengthMs = 0;
  int m_nPosition = 0;
  int m_nLastNotified = -1;
  int m_nSinceTick = 0;
  bool m_bVideo = false;
  bool m_bJoins = false;
  std::string m_strNext;
  bool m_bVisible = false;
  WindowPos m_windowPos;
};
