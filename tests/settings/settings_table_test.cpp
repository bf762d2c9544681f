#include "settings_table.h"

#include <gtest/gtest.h>

#include "memory_profile_store.h"

namespace {

TEST(SettingsTableTest, StoredPlayColourIsRedWithTopByteIgnored) {
  MemoryProfileStore store;
  store.WriteProfileInt(kSettingsSection, "clrPlay", 0x0000FF);
  store.WriteText(kSettingsSection, "clrStop", "4278190335");  // 0xFF0000FF, written unsigned
  store.WriteProfileInt(kSettingsSection, "m_clrSlider", 0x12345678);
  const SettingsValues values = ReadSettings(store);
  EXPECT_EQ(values.colors[12], (ColorTriple{255, 0, 0}));
  EXPECT_EQ(values.colors[15], (ColorTriple{255, 0, 0}));
  EXPECT_EQ(values.colors[24], (ColorTriple{0x78, 0x56, 0x34}));
}

TEST(SettingsTableTest, HandEditedValuesReadAsMeant) {
  MemoryProfileStore store;
  const std::vector<std::pair<const char*, const char*>> planted = {
      {"OptionContinuous", "yes"}, {"TlistsizeX", "12px"}, {"clrPlay", "0x0000FF"}, {"MainX", ""},
      {"MainY", "4294967296"},  // past 32 bits
      {"DictX", "1.5"},         {"DictY", "-"},
  };
  for (const auto& [name, text] : planted) store.WriteText(kSettingsSection, name, text);
  store.WriteText(kSettingsSection, "TagsX", " -1200 ");  // a screen left of the primary one
  // Any number but 0 shows a tag, as any but 0 lights a play mode.
  store.WriteText(kSettingsSection, "tagINAM", "2");
  store.WriteText(kSettingsSection, "tagIART", "-1");
  store.WriteText(kSettingsSection, "tagIGNR", "0");
  const SettingsValues values = ReadSettings(store);
  EXPECT_EQ(values.tagFlags[0] * 100 + values.tagFlags[1] * 10 + values.tagFlags[2], 110);
  EXPECT_EQ(values.nOptionContinuous, 1);
  EXPECT_EQ(values.nTlistSizeX, 250);
  EXPECT_EQ(values.colors[12], (ColorTriple{0, 255, 0}));
  EXPECT_EQ(values.nMainX + values.nMainY + values.nDictX + values.nDictY, 40);
  EXPECT_EQ(values.nTagsX, -1200);
}

}  // namespace
