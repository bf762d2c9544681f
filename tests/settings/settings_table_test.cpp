#include "settings_table.h"

#include <gtest/gtest.h>

#include "recording_profile_store.h"

namespace {

// Every stored name, in the order start-up reads and exit writes them.
const std::vector<std::string> kExpectedOrder = {
    "OptionRandom", "OptionLoop", "OptionContinuous",
    "MainX", "MainY", "PlayX", "PlayY", "DictX", "DictY", "TlistX", "TlistY",
    "TlistsizeX", "TlistsizeY", "ColorX", "ColorY", "TagsX", "TagsY",
    "clrSysMenu", "clrSysMini", "clrSysClose", "clrTlist", "clrDict", "clrCont", "clrLoop", "clrRandom",
    "clrAbout", "clrHelp", "clrHome", "clrRW", "clrPlay", "clrFF", "clrEnd", "clrStop", "clrPause",
    "clrDispTrack", "clrDispTime", "clrDispSep", "clrIndDic", "clrIndTag", "clrIndVid", "clrIndAud",
    "m_clrSlider",
    "tagIART", "tagINAM", "tagIGNR", "tagICRD", "tagICMT", "tagISRC",
};

TEST(SettingsTableTest, ReadsAndWritesEveryNameInOrder) {
  RecordingProfileStore store;
  WriteSettings(store, ReadSettings(store));
  std::vector<std::string> expected;
  for (const std::string& name : kExpectedOrder) expected.push_back("Settings/" + name);
  EXPECT_EQ(store.reads, expected);
  EXPECT_EQ(store.writes, expected);
}

TEST(SettingsTableTest, FirstStartGivesTheDefaults) {
  MemoryProfileStore empty;
  const SettingsValues values = ReadSettings(empty);
  EXPECT_EQ(values.nOptionRandom + values.nOptionLoop, 0);
  EXPECT_EQ(values.nOptionContinuous, 1);
  for (int v : {values.nMainX, values.nMainY, values.nPlayX, values.nPlayY, values.nDictX, values.nDictY,
                values.nTlistX, values.nTlistY, values.nColorX, values.nColorY, values.nTagsX, values.nTagsY}) {
    EXPECT_EQ(v, 10);
  }
  EXPECT_EQ(values.nTlistSizeX, 250);
  EXPECT_EQ(values.nTlistSizeY, 375);
  EXPECT_EQ(values.tagFlags, (std::array<int, 6>{}));
  EXPECT_EQ(values.colors[3], (ColorTriple{255, 174, 0}));     // 0x00AEFF
  EXPECT_EQ(values.colors[18], (ColorTriple{200, 255, 255}));  // 0xFFFFC8
  EXPECT_EQ(values.colors[24], (ColorTriple{0, 255, 0}));
  EXPECT_EQ(empty.Size(), 0u) << "reading must not create values";
}

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

TEST(SettingsTableTest, TextWhereANumberBelongsReadsTheDefault) {
  MemoryProfileStore store;
  const std::vector<std::pair<const char*, const char*>> planted = {
      {"OptionContinuous", "yes"}, {"TlistsizeX", "12px"}, {"clrPlay", "0x0000FF"}, {"MainX", ""},
      {"MainY", "4294967296"},  // past 32 bits
      {"DictX", "1.5"},         {"DictY", "-"},
  };
  for (const auto& [name, text] : planted) store.WriteText(kSettingsSection, name, text);
  store.WriteText(kSettingsSection, "TagsX", " -1200 ");  // a screen left of the primary one
  const SettingsValues values = ReadSettings(store);
  EXPECT_EQ(values.nOptionContinuous, 1);
  EXPECT_EQ(values.nTlistSizeX, 250);
  EXPECT_EQ(values.colors[12], (ColorTriple{0, 255, 0}));
  EXPECT_EQ(values.nMainX + values.nMainY + values.nDictX + values.nDictY, 40);
  EXPECT_EQ(values.nTagsX, -1200);
}

}  // namespace
