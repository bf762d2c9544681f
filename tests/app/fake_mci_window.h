#pragma once

// A playback window that only writes down what it is asked to do.
#include <string>
#include <vector>

#include "mci_window.h"

class FakeMciWindow : public MciWindow {
 public:
  explicit FakeMciWindow(std::vector<std::string>* calls) : m_calls(calls) {}

  int Open(const std::string& path) override { return Record("open " + path), 1; }
  void SetTimeFormatMs() override { Record("ms"); }
  int GetLength() const override { return 0; }
  int GetPosition() const override { return 0; }
  void Play() override { Record("play"); }
  void Pause() override { Record("pause"); }
  void Resume() override { Record("resume"); }
  void Stop() override { Record("stop"); }
  void Seek(int positionMs) override { Record("seek " + std::to_string(positionMs)); }
  void SetVisible(bool visible) override { Record(visible ? "show" : "hide"); }
  void Move(int, int, int, int) override { Record("move"); }
  WindowPos GetWindowPos() const override { return {}; }
  void SetPositionListener(MciPositionListener*) override {}

 private:
  void Record(const std::string& call) { m_calls->push_back(call); }

  std::vector<std::string>* m_calls;
};
