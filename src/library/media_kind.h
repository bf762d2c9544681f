#pragma once

#include <cstdint>
#include <string_view>

enum MediaKind : std::int32_t { kKindOther = 0, kKindAudio = 1, kKindVideo = 2 };

// The media kind of an extension (no dot), compared without regard to ASCII
// case. "ram" is video although "ra" is audio.
std::int32_t ClassifyExtension(std::string_view extension);
