#include "media_kind.h"

#include <array>

#include "ascii_case.h"

namespace {

// The first rows are the kinds of the first media players; today's files follow.
constexpr std::array<std::string_view, 17> kAudioExtensions = {
    "au", "ra", "mid", "mp2", "mp3", "rmi", "snd", "wav", "aifc", "aiff",
    "flac", "ogg", "oga", "opus", "m4a", "aac", "wma"};
constexpr std::array<std::string_view, 15> kVideoExtensions = {
    "ram", "dat", "avi", "m1v", "mov", "mpg", "mpe", "mpeg", "qt",
    "mp4", "m4v", "mkv", "webm", "ogv", "wmv"};

template <std::size_t N>
bool InTable(std::string_view extension, const std::array<std::string_view, N>& table) {
  for (auto candidate : table) {
    if (EqualsIgnoringAsciiCase(extension, candidate)) return true;
  }
  return false;
}

}  // namespace

std::int32_t ClassifyExtension(std::string_view extension) {
  if (InTable(extension, kAudioExtensions)) return kKindAudio;
  if (InTable(extension, kVideoExtensions)) return kKindVideo;
  return kKindOther;
}
