#pragma once

#include <string>

// Receives the playback window's position notifications: every 500 ms while a
// medium is open, and once more with a position equal to the length, exactly,
// when the medium reaches its end.
class MciPositionListener {
 public:
  virtual ~MciPositionListener() = default;
  virtual void OnNotifyPos(int positionMs) = 0;
  // A medium that opened fails while it plays (a broken stream, say): the
  // window has stopped it and the user has dismissed its message. It never
  // reaches its end, so without this word playing would stand still there.
  // Listeners that only follow the position can ignore it.
  virtual void OnMediumFailed() {}
  // The medium given to SetNextMedium has begun to sound, joined without a
  // gap to the end of the one before, which reports no end of its own. From
  // here the length and the position are the new medium's.
  virtual void OnNextMediumStarted() {}
  // The medium given to SetNextMedium cannot be played. The window has
  // played the one before to its end, shown the message and closed: nothing
  // is open.
  virtual void OnNextMediumFailed() {}
};

// The playback window: it plays one medium at a time and doubles as the video
// window, a captioned, resizable top-level window owned by the main window.
// The main window talks to playback only through these operations. Times are
// milliseconds once SetTimeFormatMs has been called after an Open. Errors of
// the medium are shown by the playback window itself.
class MciWindow {
 public:
  // Seek target that means the start of the medium.
  static constexpr int kStart = -1;
  // The video window's width when it is made, before a video sizes it.
  static constexpr int kInitialWidth = 348;

  virtual ~MciWindow() = default;

  // Opens a medium in place of the one open; 1 on success, 0 otherwise.
  virtual int Open(const std::string& path) = 0;
  // Opens a medium known to hold sound only. A window that can join media
  // plays it so that a next one can follow it without a gap; any other opens
  // it as every medium.
  virtual int OpenAudio(const std::string& path) { return Open(path); }
  // The medium that follows the open one, sample for sample, when the open
  // one ends while playing; an empty path withdraws it. False when this
  // window cannot join a medium to the open one: the caller then opens the
  // next one after the end, as it always has.
  virtual bool SetNextMedium(const std::string& /*path*/) { return false; }
  virtual void SetTimeFormatMs() = 0;
  // 0 when nothing playable is open.
  virtual int GetLength() const = 0;
  virtual int GetPosition() const = 0;

  // Play from the current position; pause, resume after a pause, stop.
  virtual void Play() = 0;
  virtual void Pause() = 0;
  virtual void Resume() = 0;
  virtual void Stop() = 0;
  // To positionMs, or to the start with kStart.
  virtual void Seek(int positionMs) = 0;

  // Shows or hides the video window; moves and sizes it (screen pixels; a
  // height of 0 leaves the height to the medium).
  virtual void SetVisible(bool visible) = 0;
  virtual void Move(int x, int y, int width, int height) = 0;
  // Where the video window is now, in screen pixels, so that it can be put
  // back there at the next start.
  struct WindowPos {
    int x = 0;
    int y = 0;
  };
  virtual WindowPos GetWindowPos() const = 0;

  // Where the position notifications go; nullptr stops them being delivered.
  virtual void SetPositionListener(MciPositionListener* listener) = 0;
};
