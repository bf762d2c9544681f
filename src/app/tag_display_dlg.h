#pragma once

#include <array>
#include <functional>
#include <string>

// The six choices of what the track display's tooltip lists, numbered 1-6:
// artist, name, genre, date, comment, source. 1 shows the text, 0 hides it.
// The settings load and save them; the tooltip reads them each time it is
// made. (The window that edits them sits on top of this store.)
class CTagDisplayDlg {
 public:
  static constexpr int kFlagCount = 6;

  // Shown when a flag number outside 1-6 is asked for.
  using MessageSink = std::function<void(const std::string&)>;
  void SetMessageSink(MessageSink sink) { m_messageSink = std::move(sink); }

  // Numbers outside 1-6 are ignored.
  void SetTagFlag(int number, int value);
  // For a number outside 1-6: "Bad tag parameter" and 0.
  int GetTagFlag(int number) const;

 private:
  std::array<int, kFlagCount> m_nFlags{};
  MessageSink m_messageSink;
};
