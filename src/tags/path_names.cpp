#include "path_names.h"

#include <cstring>

bool EndsWithTypeLetters(const std::string& path, const char* ending) {
  const std::size_t count = std::strlen(ending);
  if (path.size() < count) return false;
  for (std::size_t i = 0; i < count; ++i) {
    char c = path[path.size() - count + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != ending[i]) return false;
  }
  return true;
}

std::string FileNameOfPath(const std::string& path) {
#if defined(_WIN32)
  const std::size_t slash = path.find_last_of("\\/");
#else
  const std::size_t slash = path.rfind('/');
#endif
  return slash == std::string::npos ? path : path.substr(slash + 1);
}
