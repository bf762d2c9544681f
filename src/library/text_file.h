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

// Writes a whole file so that the old one is replaced only by a complete new
// one: the text goes to "<path>.tmp" beside it, is flushed to the device and
// then renamed over path. Any failure removes the temporary file and leaves
// the old file as it was.
class AtomicFileWriter {
 public:
  AtomicFileWriter() = default;
  ~AtomicFileWriter();  // discards an uncommitted temporary file
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  bool Open(const std::string& path);
  void Write(std::string_view bytes);
  void WriteLine(std::string_view text);
  // True only when every byte is on disk under path.
  bool Commit();

 private:
  void Discard();

  std::string m_path;
  std::string m_tempPath;
  std::FILE* m_file = nullptr;
  bool m_bFailed = false;
};
