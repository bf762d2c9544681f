#pragma once

#include "mci_window.h"

// Stands in for the playback window when its module cannot be loaded: every
// medium fails to open, and the window's place is kept so that it is saved
// as it was.
class UnavailableMciWindow : public MciWindow {
 public:
  UnavailableMciWindow(int x, int y) : m_position{x, y} {}

  int Open(const std::string&) override { return 0; }
  void SetTimeFormatMs() override {}
  int GetLength() const override { return 0; }
  int GetPosition() const override { return 0; }
  void Play() override {}
  void Pause() override {}
  void Resume() override {}
  void Stop() override {}
  void Seek(int) override {}
  void SetVisible(bool) override {}
  void Move(int x, int y, int, int) override { m_position = WindowPos{x, y}; }
  WindowPos GetWindowPos() const override { return m_position; }
  void SetPositionListener(MciPositionListener*) override {}

 private:
  WindowPos m_position;
};
