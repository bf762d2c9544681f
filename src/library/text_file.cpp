#include "text_file.h"

#include <cstring>
#include <filesystem>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

constexpr std::size_t kReadChunk = 64 * 1024;

bool NamesFolder(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

bool FlushToDevice(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
#if defined(_WIN32)
  return _commit(_fileno(file)) == 0;
#else
  return ::fsync(::fileno(file)) == 0;
#endif
}

}  // namespace

LineReader::LineReader() = default;

LineReader::~LineReader() { Close(); }

bool LineReader::Open(const std::string& path) {
  Close();
  if (NamesFolder(path)) return false;
  m_file = std::fopen(path.c_str(), "rb");
  if (m_file == nullptr) return false;
  m_buffer.resize(kReadChunk);
  m_pos = m_end = 0;
  return true;
}

void LineReader::Close() {
  if (m_file != nullptr) std::fclose(m_file);
  m_file = nullptr;
  m_pos = m_end = 0;
}

bool LineReader::Refill() {
  if (m_file == nullptr) return false;
  m_pos = 0;
  m_end = std::fread(m_buffer.data(), 1, m_buffer.size(), m_file);
  return m_end > 0;
}

bool LineReader::ReadLine(std::string& line) {
  if (m_pos == m_end && !Refill()) return false;
  std::string text;
  for (;;) {
    const char* start = m_buffer.data() + m_pos;
    const auto* lineFeed = static_cast<const char*>(std::memchr(start, '\n', m_end - m_pos));
    if (lineFeed != nullptr) {
      text.append(start, lineFeed);
      m_pos = static_cast<std::size_t>(lineFeed - m_buffer.data()) + 1;
      if (!text.empty() && text.back() == '\r') text.pop_back();
      break;
    }
    text.append(start, m_end - m_pos);
    m_pos = m_end;
    if (!Refill()) break;  // last line without a line end
  }
  line = std::move(text);
  return true;
}

bool CreateFileIfMissing(const std::string& path) {
  if (NamesFolder(path)) return false;
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) return false;
  return std::fclose(file) == 0;
}

AtomicFileWriter::~AtomicFileWriter() { Discard(); }

bool AtomicFileWriter::Open(const std::string& path) {
  Discard();
  m_path = path;
  m_tempPath = path + ".tmp";
  m_bFailed = false;
  m_file = std::fopen(m_tempPath.c_str(), "wb");
  return m_file != nullptr;
}

void AtomicFileWriter::Write(std::string_view bytes) {
  if (m_file == nullptr || m_bFailed || bytes.empty()) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size()) m_bFailed = true;
}

void AtomicFileWriter::WriteLine(std::string_view text) {
  Write(text);
  Write(kLineEnd);
}

bool AtomicFileWriter::Commit() {
  if (m_file == nullptr) return false;
  bool written = !m_bFailed && FlushToDevice(m_file);
  written = (std::fclose(m_file) == 0) && written;
  m_file = nullptr;
  if (written) {
    std::error_code error;
    std::filesystem::rename(m_tempPath, m_path, error);
    written = !error;
  }
  if (!written) {
    std::error_code ignored;
    std::filesystem::remove(m_tempPath, ignored);
  }
  m_tempPath.clear();
  return written;
}

void AtomicFileWriter::Discard() {
  if (m_file == nullptr) return;
  std::fclose(m_file);
  m_file = nullptr;
  std::error_code ignored;
  std::filesystem::remove(m_tempPath, ignored);
}
