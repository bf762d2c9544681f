#include "simulated_mci_window.h"

#include <algorithm>
#include <utility>

void SimulatedMciWindow::AddMedium(const std::string& path, int lengthMs, bool isVideo) {
  m_media[path] = Medium{lengthMs, isVideo};
}

void SimulatedMciWindow::Advance(int ms) {
  while (ms > 0) {
    const int step = std::min(ms, kNotifyPeriodMs - m_nSinceTick);
    ms -= step;
    m_nSinceTick += step;
    PlayFor(step);
    if (m_nSinceTick == kNotifyPeriodMs) {
      m_nSinceTick = 0;
      Tick();
    }
  }
}

void SimulatedMciWindow::FailMedium() {
  if (m_mode == Mode::kClosed) return;
  const bool wasPlaying = m_mode == Mode::kPlaying;
  m_mode = Mode::kStopped;
  if (wasPlaying && m_pListener) m_pListener->OnMediumFailed();
}

void SimulatedMciWindow::PlayFor(int ms) {
  if (m_mode != Mode::kPlaying) return;
  const int reached = m_nPosition + ms;
  m_nPosition = std::min(reached, m_nLengthMs);
  if (m_nPosition < m_nLengthMs) return;
  if (m_bJoins && !m_strNext.empty()) {
    Join(reached - m_nLengthMs);
  } else {
    m_mode = Mode::kStopped;
  }
}

void SimulatedMciWindow::Join(int intoNextMs) {
  const std::string path = std::exchange(m_strNext, std::string());
  Record("join " + path);
  const auto found = m_media.find(path);
  m_nLastNotified = -1;
  if (found == m_media.end() || found->second.lengthMs <= 0) {
    m_mode = Mode::kClosed;
    m_nLengthMs = 0;
    m_nPosition = 0;
    if (m_pListener) m_pListener->OnNextMediumFailed();
    return;
  }
  m_nLengthMs = found->second.lengthMs;
  m_nPosition = std::min(intoNextMs, m_nLengthMs);
  if (m_pListener) m_pListener->OnNextMediumStarted();
}

bool SimulatedMciWindow::SetNextMedium(const std::string& path) {
  if (!m_bJoins || m_mode == Mode::kClosed) return false;
  m_strNext = path;
  return true;
}

void SimulatedMciWindow::Tick() {
  if (m_mode == Mode::kClosed || m_nPosition == m_nLastNotified) return;
  m_nLastNotified = m_nPosition;
  // The listener may open, seek or play from here; nothing below depends on
  // the state it leaves.
  if (m_pListener) m_pListener->OnNotifyPos(m_nPosition);
}

int SimulatedMciWindow::Open(const std::string& path) {
  Record("open " + path);
  m_strNext.clear();
  m_nPosition = 0;
  m_nLastNotified = -1;
  const auto found = m_media.find(path);
  if (found == m_media.end() || found->second.lengthMs <= 0) {
    m_mode = Mode::kClosed;
    m_nLengthMs = 0;
    m_bVideo = false;
    return 0;
  }
  m_mode = Mode::kStopped;
  m_nLengthMs = found->second.lengthMs;
  m_bVideo = found->second.isVideo;
  return 1;
}

void SimulatedMciWindow::SetTimeFormatMs() { Record("ms"); }

void SimulatedMciWindow::Play() {
  Record("play");
  if (m_mode != Mode::kClosed && m_nPosition < m_nLengthMs) m_mode = Mode::kPlaying;
}

void SimulatedMciWindow::Pause() {
  Record("pause");
  if (m_mode == Mode::kPlaying) m_mode = Mode::kPaused;
}

void SimulatedMciWindow::Resume() {
  Record("resume");
  if (m_mode == Mode::kPaused) m_mode = Mode::kPlaying;
}

void SimulatedMciWindow::Stop() {
  Record("stop");
  if (m_mode != Mode::kClosed) m_mode = Mode::kStopped;
}

void SimulatedMciWindow::Seek(int positionMs) {
  Record("seek " + std::to_string(positionMs));
  if (m_mode == Mode::kClosed) return;
  m_mode = Mode::kStopped;
  m_nPosition = positionMs == kStart ? 0 : std::clamp(positionMs, 0, m_nLengthMs);
}

void SimulatedMciWindow::SetVisible(bool visible) {
  Record(visible ? "show" : "hide");
  m_bVisible = visible;
}

void SimulatedMciWindow::Move(int x, int y, int width, int height) {
  Record("move " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(width) + " " +
         std::to_string(height));
  m_windowPos = WindowPos{x, y};
}
