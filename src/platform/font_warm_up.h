#pragma once

#include <thread>

// Reads the system's font configuration on a thread of its own while the
// program builds its first window, so that the window's first text does not
// wait for it (on Linux that was the largest part of the time to the first
// paint). Does nothing where the platform has no such configuration. Made
// after the QApplication and gone before it: the thread is joined on
// destruction.
class CFontWarmUp {
 public:
  CFontWarmUp();
  ~CFontWarmUp();
  CFontWarmUp(const CFontWarmUp&) = delete;
  CFontWarmUp& operator=(const CFontWarmUp&) = delete;

 private:
  std::thread m_thread;
};
