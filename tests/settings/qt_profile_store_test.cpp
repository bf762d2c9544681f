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

// Every number a run keeps, so that a value written under one name and read
// under another, or two values sharing a name, shows.
std::vector<int*> Numbers(SettingsValues& v) {
  return {&v.nOptionRandom, &v.nOptionLoop, &v.nOptionContinuous, &v.nMainX, &v.nMainY, &v.nPlayX, &v.nPlayY,
          &v.nDictX, &v.nDictY, &v.nTlistX, &v.nTlistY, &v.nTlistSizeX, &v.nTlistSizeY, &v.nColorX, &v.nColorY,
          &v.nTagsX, &v.nTagsY};
}

TEST(QtProfileStoreTest, WritesAFileWithTheSettingsGroupAndReadsEveryValueBack) {
  TempDir dir;
  const std::string path = dir.File("Velmora.conf");
  SettingsValues values;
  int next = -1200;  // a screen left of the primary one
  for (int* number : Numbers(values)) *number = next++;
  for (int k = 0; k < kColorElementCount; ++k) {
    values.colors[static_cast<std::size_t>(k)] = {static_cast<std::uint8_t>(k), static_cast<std::uint8_t>(100 + k),
                                                  static_cast<std::uint8_t>(200 + k)};
  }
  values.colors[12] = {255, 0, 0};
  values.tagFlags = {1, 2, 3, 4, 5, 6};
  {
    QtProfileStore store(QString::fromStdString(path));
    WriteSettings(store, values);
  }
  const std::string text = FileText(path);
  EXPECT_NE(text.find("[Settings]"), std::string::npos) << text;
  EXPECT_NE(text.find("clrPlay=255\n"), std::string::npos) << text;

  QtProfileStore reopened(QString::fromStdString(path));
  SettingsValues back = ReadSettings(reopened);
  for (std::size_t i = 0; i < Numbers(values).size(); ++i) EXPECT_EQ(*Numbers(back)[i], *Numbers(values)[i]) << i;
  EXPECT_EQ(back.colors, values.colors);
  EXPECT_EQ(back.tagFlags, values.tagFlags);
}

TEST(QtProfileStoreTest, HandEditedTextReadsTheDefault) {
  TempDir dir;
  const std::string path = dir.Write("Velmora.conf",
                                     std::string("[Settings]\nOptionContinuous=on\nMainX=\"12\"\n"
                                                 "clrPlay=255\nclrStop=4278190335\nTlistsizeX=1, 2\n"));
  QtProfileStore store(QString::fromStdString(path));
  const SettingsValues values = ReadSettings(store);
  EXPECT_EQ(values.nOptionContinuous, 1);
  EXPECT_EQ(values.nMainX, 12);  // quotes are the file format's, not the value's
  EXPECT_EQ(values.nTlistSizeX, 250);
  EXPECT_EQ(values.colors[12], (ColorTriple{255, 0, 0}));
  EXPECT_EQ(values.colors[15], (ColorTriple{255, 0, 0}));
}

}  // namespace
