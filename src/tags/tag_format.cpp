#include "tag_format.h"

#include <array>

namespace {

struct ExtensionFormat {
  std::string_view extension;  // lower case, no dot
  TagFormat format;
};
constexpr std::array<ExtensionFormat, 18> kExtensions = {{
    {"mp3", TagFormat::Mpeg},   {"flac", TagFormat::Flac},    {"ogg", TagFormat::Ogg},
    {"oga", TagFormat::Ogg},    {"opus", TagFormat::Opus},    {"m4a", TagFormat::Mp4},
    {"m4b", TagFormat::Mp4},    {"mp4", TagFormat::Mp4},      {"m4v", TagFormat::Mp4},
    {"wma", TagFormat::Asf},    {"wmv", TagFormat::Asf},      {"asf", TagFormat::Asf},
    {"ape", TagFormat::Ape},    {"wv", TagFormat::WavPack},   {"mpc", TagFormat::Musepack},
    {"aif", TagFormat::Aiff},   {"aiff", TagFormat::Aiff},    {"aifc", TagFormat::Aiff},
}};

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameLetters(std::string_view text, std::string_view lower) {
  if (text.size() != lower.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (AsciiLower(text[i]) != lower[i]) return false;
  }
  return true;
}

}  // namespace

TagFormat TagFormatOfPath(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  const std::size_t slash = path.rfind('/');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return TagFormat::None;
  const std::string_view extension = path.substr(dot + 1);
  for (const ExtensionFormat& known : kExtensions) {
    if (SameLetters(extension, known.extension)) return known.format;
  }
  return TagFormat::None;
}
