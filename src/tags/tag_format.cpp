#include "tag_format.h"

#include <array>

#include "ascii_case.h"

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

}  // namespace

TagFormat TagFormatOfPath(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  const std::size_t slash = path.rfind('/');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return TagFormat::None;
  const std::string_view extension = path.substr(dot + 1);
  for (const ExtensionFormat& known : kExtensions) {
    if (EqualsIgnoringAsciiCase(extension, known.extension)) return known.format;
  }
  return TagFormat::None;
}
