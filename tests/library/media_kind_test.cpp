#include "media_kind.h"

#include <gtest/gtest.h>

namespace {

// Case does not matter; a near name is not the kind ("ram" is video though
// "ra" is audio, "wave" is nothing); today's formats have their kinds.
TEST(ClassifyExtension, KindsAndTheirNearMisses) {
  for (const auto& [extension, kind] : std::vector<std::pair<std::string, std::int32_t>>{
           {"Wav", kKindAudio}, {"ra", kKindAudio}, {"ram", kKindVideo}, {"wave", kKindOther}, {"mp", kKindOther},
           {"", kKindOther}, {"FLAC", kKindAudio}, {"opus", kKindAudio}, {"mp4", kKindVideo}, {"MKV", kKindVideo},
           {"webm", kKindVideo}, {"m4", kKindOther}})
    EXPECT_EQ(ClassifyExtension(extension), kind) << extension;
}

}  // namespace
