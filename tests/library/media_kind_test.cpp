#include "media_kind.h"

#include <gtest/gtest.h>

namespace {

using KindCase = std::pair<std::string, std::int32_t>;

class ClassifyExtensionTest : public testing::TestWithParam<KindCase> {};

TEST_P(ClassifyExtensionTest, GivesTheKindOfTheTable) {
  EXPECT_EQ(ClassifyExtension(GetParam().first), GetParam().second) << GetParam().first;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ClassifyExtensionTest,
    testing::Values(KindCase{"au", 1}, KindCase{"ra", 1}, KindCase{"mid", 1}, KindCase{"mp2", 1},
                    KindCase{"MP3", 1}, KindCase{"rmi", 1}, KindCase{"snd", 1}, KindCase{"Wav", 1},
                    KindCase{"aifc", 1}, KindCase{"aiff", 1}, KindCase{"ram", 2}, KindCase{"dat", 2},
                    KindCase{"avi", 2}, KindCase{"m1v", 2}, KindCase{"mov", 2}, KindCase{"mpg", 2},
                    KindCase{"mpe", 2}, KindCase{"Mpeg", 2}, KindCase{"QT", 2}, KindCase{"txt", 0},
                    KindCase{"", 0}, KindCase{"wave", 0}, KindCase{"mp", 0}, KindCase{"r", 0}));

}  // namespace
