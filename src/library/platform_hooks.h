#pragma once

#include <functional>
#include <string>

#include "file_tags.h"

// What the platform does for the core in the middle of its work. The windows
// fill these in; tests record or inject. An empty hook does nothing.
struct PlatformHooks {
  // Dispatches every message waiting in the queue, so the program stays
  // responsive during long work; any handler may run inside it.
  std::function<void()> PumpMessages;
  // Shows a message box with this text, an OK button and the program's name.
  std::function<void(const std::string&)> ShowMessage;
  // Shows (true) or restores (false) the wait cursor; calls nest.
  std::function<void(bool)> SetWaitCursor;
  // Reads the tags of today's formats (see CFileTags::Read); without it no
  // file has such tags.
  std::function<int(const std::string&, CFileTags&)> ReadFileTags;

  void Pump() const {
    if (PumpMessages) PumpMessages();
  }
  void Message(const std::string& text) const {
    if (ShowMessage) ShowMessage(text);
  }
  int ReadTags(const std::string& path, CFileTags& tags) const {
    if (ReadFileTags) return ReadFileTags(path, tags);
    tags = {};
    return 0;
  }
};

// Shows the wait cursor for the lifetime of the guard.
class WaitCursorGuard {
 public:
  explicit WaitCursorGuard(const PlatformHooks& hooks) : m_hooks(hooks) {
    if (m_hooks.SetWaitCursor) m_hooks.SetWaitCursor(true);
  }
  ~WaitCursorGuard() {
    if (m_hooks.SetWaitCursor) m_hooks.SetWaitCursor(false);
  }
  WaitCursorGuard(const WaitCursorGuard&) = delete;
  WaitCursorGuard& operator=(const WaitCursorGuard&) = delete;

 private:
  const PlatformHooks& m_hooks;
};
