#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// Line end written to the data files: the platform's own. Readers accept both.
#if defined(_WIN32)
inline constexpr std::string_view kLineEnd = "\r\n";
#else
inline constexpr std::string_view kLineEnd = "\n";
#endif

// Reads a text file line by line, each line whole whatever its length. A line
// ends at LF; a CR just before the LF is dropped. A last line without a line
// end still counts. Bytes are handed on as stored.
class LineReader {
 public:
  LineReader();
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // False when path cannot be opened for reading or names a folder.
  bool Open(const std::string& path);
  // False at the end of the file (or on a read error); line is then untouched.
  bool ReadLine(std::string& line);
  void Close();

 private:
  bool Refill();

  std::FILE* m_file = nullptr;
  std::vector<char> m_buffer;
  std::size_t m_pos = 0;
  std::size_t m_end = 0;
};

// Creates an empty file when none exists; never truncates one that does.
bool CreateFileIfMissing(const std::string& path);

// Writes a whole file so that a save reported done holds the complete new
// text, even after a power cut, and a failed one leaves the old file as it
// was with no stray file beside it.
//  - A path that is a symbolic link stays one: the file it finally names gets
//    the new text (a dangling link's target is created).
//  - The text goes to a temporary file of this writer's own beside that file
//    (".default.alb.XXXXXX", created exclusively), is flushed to the device,
//    takes the old file's permission bits and is renamed over it; the folder
//    is then synced so the rename lasts. Two processes saving at once each
//    write their own temporary file, and the file ends as one whole version.
//  - A new file gets the mode the umask gives.
//  - Where the folder takes no new file (not writable) but the file itself
//    is, the text is kept in memory and written over the file at Commit.
class AtomicFileWriter {
 public:
  AtomicFileWriter() = default;
  ~AtomicFileWriter();  // discards an uncommitted save; the file is untouched
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // False when nothing can be written for path: the old file is untouched.
  bool Open(const std::string& path);
  void Write(std::string_view bytes);
  void WriteLine(std::string_view text);
  // True only when every byte is on disk under path.
  bool Commit();

 private:
  bool OpenInPlace();
  bool CommitReplace();
  bool CommitInPlace();
  void Discard();

  std::string m_targetPath;  // path with its links followed
  bool m_bKeepMode = false;  // the file existed: its permission bits are kept
  unsigned m_oldMode = 0;
  // Replacing: the temporary file beside the target.
  std::string m_tempPath;
  std::FILE* m_file = nullptr;
  bool m_bFailed = false;
  // Writing in place: the open target and the whole new text.
  int m_inPlaceFd = -1;
  std::string m_inPlaceText;
};
