#pragma once

#include <thread>

// Reads the system's font configuration on a thread of its own while the
// program builds its first window, so that the window's first text does not
// wait for it (on Linux that was the largest part of the time to the first
// paint). Does nothing where the platform has no such configuration. It
// needs no QApplication; Finish (or the destructor) waits for the thread, and
// must be called before a QApplication made after it goes.
class CFontWarmUp {
 public:
  CFontWarmUp();
  ~CFontWarmUp() { Finish(); }
  void Finish();
  CFontWarmUp(const CFontWarmUp&) = delete;
  CFontWarmUp& operator=(const CFontWarmUp&) = delete;

 private:
  std::thread m_thread;
};
