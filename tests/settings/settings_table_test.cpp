#include "settings_table.h"

#include <gtest/gtest.h>

#include <limits>

#include "memory_profile_store.h"

namespace {

TEST(SettingsTableTest, HandEditedValuesReadAsMeant) {
  MemoryProfileStore store;
  const std::vector<std::pair<const char*, const char*>> planted = {
      {"OptionContinuous", "yes"}, {"TlistsizeX", "12px"}, {"clrPlay", "0x0000FF"}, {"MainX", ""},
      {"MainY", "4294967296"},  // past 32 bits
      {"DictX", "1.5"},            {"DictY", "-"},          {"ColorX", "-2147483648"},  // the lowest there is
      {"TagsX", " -1200 "},  // a screen left of the primary one
      {"Zoom", "4"},         // a zoom the menu does not offer
      // Any number but 0 shows a tag, as any but 0 lights a play mode.
      {"tagINAM", "2"},            {"tagIART", "-1"},       {"tagIGNR", "0"},
      // A colour is red in its low byte; the top byte means nothing.
      {"clrStop", "4294967295"},     // 0xFFFFFFFF, the largest written unsigned
      {"m_clrSlider", "305419896"},  // 0x12345678
  };
  for (const auto& [name, text] : planted) store.WriteText(kSettingsSection, name, text);
  const SettingsValues values = ReadSettings(store);
  EXPECT_EQ(values.tagFlags[0] * 100 + values.tagFlags[1] * 10 + values.tagFlags[2], 110);
  EXPECT_EQ(std::tuple(values.nOptionContinuous, values.nTlistSizeX, values.nMainX + values.nMainY + values.nDictX + values.nDictY,
                       values.nTagsX, values.nColorX),
            std::tuple(1, 250, 40, -1200, std::numeric_limits<int>::min()));
  EXPECT_EQ(std::tuple(values.colors[12], values.colors[15], values.colors[24]),
            std::tuple(ColorTriple{0, 255, 0}, ColorTriple{255, 255, 255}, ColorTriple{0x78, 0x56, 0x34}));
  EXPECT_EQ(values.nZoom, 1);
}

}  // namespace
