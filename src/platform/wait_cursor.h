#pragma once

// Shows the wait cursor over every window of the program while it lives, for
// work that keeps the user waiting. Guards nest.
class CWaitCursor {
 public:
  CWaitCursor();
  ~CWaitCursor();
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;
};
