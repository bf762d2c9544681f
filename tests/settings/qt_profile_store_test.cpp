#include "qt_profile_store.h"

#include <gtest/gtest.h>

#include <fstream>

#include "settings_table.h"
#include "temp_dir.h"

namespace {

std::string FileText(const std::string& path) {
  std::ifstream in(path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(QtProfileStoreTest, WritesAFileWithTheSettingsGroupAndReadsItBack) {
  TempDir dir;
  const std::string path = dir.File("Velmora.conf");
  SettingsValues values = DefaultSettings();
  values.nOptionRandom = 1;
  values.nDictX = -1200;
  values.colors[12] = {255, 0, 0};
  values.colors[24] = {255, 128, 254};
  values.tagFlags[3] = 1;
  {
    QtProfileStore store(QString::fromStdString(path));
    WriteSettings(store, values);
  }
  const std::string text = FileText(path);
  EXPECT_NE(text.find("[Settings]"), std::string::npos) << text;
  EXPECT_NE(text.find("clrPlay=255\n"), std::string::npos) << text;
  EXPECT_NE(text.find("m_clrSlider="), std::string::npos) << text;

  QtProfileStore reopened(QString::fromStdString(path));
  const SettingsValues back = ReadSettings(reopened);
  EXPECT_EQ(back.nOptionRandom, 1);
  EXPECT_EQ(back.nDictX, -1200);
  EXPECT_EQ(back.colors, values.colors);
  EXPECT_EQ(back.tagFlags, values.tagFlags);
}

TEST(QtProfileStoreTest, HandEditedTextReadsTheDefault) {
  TempDir dir;
  const std::string path = dir.Write("Velmora.conf",
                                     std::string("[Settings]\nOptionContinuous=on\nMainX=\"12\"\nMainY=-40\n"
                                                 "clrPlay=255\nclrStop=4278190335\nTlistsizeX=1, 2\n"));
  QtProfileStore store(QString::fromStdString(path));
  const SettingsValues values = ReadSettings(store);
  EXPECT_EQ(values.nOptionContinuous, 1);
  EXPECT_EQ(values.nMainX, 12);  // quotes are the file format's, not the value's
  EXPECT_EQ(values.nMainY, -40);
  EXPECT_EQ(values.nTlistSizeX, 250);
  EXPECT_EQ(values.colors[12], (ColorTriple{255, 0, 0}));
  EXPECT_EQ(values.colors[15], (ColorTriple{255, 0, 0}));
}

}  // namespace
