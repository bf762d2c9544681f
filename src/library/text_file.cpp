#include "text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "durable_file.h"

namespace {

constexpr std::size_t kReadChunk = 64 * 1024;

bool NamesFolder(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

// The temporary file is private while it is written; it takes the old
// file's bits only when complete. A new file takes what the umask leaves.
constexpr unsigned kPrivateMode = 0600;
constexpr unsigned kNewFileMode = 0666;
constexpr unsigned kPermissionBits = 07777;

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
  m_bFailed = false;
  if (!durable::ResolveLinks(path, m_targetPath)) return false;
  struct stat old {};
  m_bKeepMode = ::stat(m_targetPath.c_str(), &old) == 0;
  // A folder or a device under the file's name is never replaced.
  if (m_bKeepMode && !S_ISREG(old.st_mode)) return false;
  m_oldMode = static_cast<unsigned>(old.st_mode) & kPermissionBits;
  const int fd = durable::CreateTemporaryBeside(m_targetPath, m_bKeepMode ? kPrivateMode : kNewFileMode, m_tempPath);
  if (fd < 0) return m_bKeepMode && durable::FolderRefusesNewFiles(errno) && OpenInPlace();
  m_file = ::fdopen(fd, "wb");
  if (m_file != nullptr) return true;
  ::close(fd);
  ::unlink(m_tempPath.c_str());
  m_tempPath.clear();
  return false;
}

// Nothing is written until Commit: a save abandoned on the way leaves the
// old text whole.
bool AtomicFileWriter::OpenInPlace() {
  m_inPlaceFd = ::open(m_targetPath.c_str(), O_WRONLY | O_CLOEXEC);
  return m_inPlaceFd >= 0;
}

void AtomicFileWriter::Write(std::string_view bytes) {
  if (m_inPlaceFd >= 0) {
    m_inPlaceText.append(bytes);
    return;
  }
  if (m_file == nullptr || m_bFailed || bytes.empty()) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size()) m_bFailed = true;
}

void AtomicFileWriter::WriteLine(std::string_view text) {
  Write(text);
  Write(kLineEnd);
}

bool AtomicFileWriter::Commit() {
  if (m_inPlaceFd >= 0) return CommitInPlace();
  if (m_file == nullptr) return false;
  return CommitReplace();
}

bool AtomicFileWriter::CommitReplace() {
  const int fd = ::fileno(m_file);
  bool written = !m_bFailed && std::fflush(m_file) == 0;
  written = written && (!m_bKeepMode || ::fchmod(fd, static_cast<mode_t>(m_oldMode)) == 0);
  written = written && durable::SyncDescriptor(fd);
  written = (std::fclose(m_file) == 0) && written;
  m_file = nullptr;
  written = written && ::rename(m_tempPath.c_str(), m_targetPath.c_str()) == 0;
  if (!written) ::unlink(m_tempPath.c_str());
  m_tempPath.clear();
  // Until the folder is synced, a power cut may bring the old file back.
  return written && durable::SyncFolder(durable::FolderOf(m_targetPath));
}

bool AtomicFileWriter::CommitInPlace() {
  const bool written = durable::OverwriteWhole(m_inPlaceFd, m_inPlaceText);
  const bool closed = ::close(m_inPlaceFd) == 0;
  m_inPlaceFd = -1;
  std::string().swap(m_inPlaceText);
  return written && closed;
}

void AtomicFileWriter::Discard() {
  if (m_inPlaceFd >= 0) {
    ::close(m_inPlaceFd);
    m_inPlaceFd = -1;
    std::string().swap(m_inPlaceText);
  }
  if (m_file == nullptr) return;
  std::fclose(m_file);
  m_file = nullptr;
  ::unlink(m_tempPath.c_str());
  m_tempPath.clear();
}
