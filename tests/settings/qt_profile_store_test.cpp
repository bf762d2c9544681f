#include "qt_profile_store.h"

#include <gtest/gtest.h>

#include "riff_builder.h"
#include "settings_table.h"
#include "temp_dir.h"

namespace {

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
  values.tagFlags = {1, 0, 0, 1, 0, 1};  // each choice read back from its own name
  // The file is read while the store that wrote it still lives: a program
  // killed right after Flush has its settings on disk.
  QtProfileStore store(QString::fromStdString(path));
  WriteSettings(store, values);
  EXPECT_TRUE(store.Flush());
  const std::string text = ToText(ReadFileBytes(path));
  EXPECT_NE(text.find("[Settings]"), std::string::npos) << text;
  EXPECT_NE(text.find("clrPlay=255\n"), std::string::npos) << text;

  QtProfileStore reopened(QString::fromStdString(path));
  SettingsValues back = ReadSettings(reopened);
  for (std::size_t i = 0; i < Numbers(values).size(); ++i) EXPECT_EQ(*Numbers(back)[i], *Numbers(values)[i]) << i;
  EXPECT_EQ(back.colors, values.colors);
  EXPECT_EQ(back.tagFlags, values.tagFlags);
}

// A file that cannot be written (its folder's name is taken by a file,
// which stops root too) is a failed Flush, not a silent loss.
TEST(QtProfileStoreTest, AFlushThatCannotWriteTheFileFails) {
  TempDir dir;
  const std::string blocker = dir.Write("Orvane", "a file where the folder should be");
  QtProfileStore store(QString::fromStdString(blocker + "/Velmora.conf"));
  store.WriteProfileInt(kSettingsSection, "MainX", 5);
  EXPECT_FALSE(store.Flush());
}

// Hand-edited values are read by the table's own rules; only quotes and
// commas mean something to this file format.
TEST(QtProfileStoreTest, QuotesAndCommasOfAHandEditedFile) {
  TempDir dir;
  const std::string text = "[Settings]\nMainX=\"12\"\nTlistsizeX=1, 2\n";
  QtProfileStore store(QString::fromStdString(dir.Write("Velmora.conf", text)));
  const SettingsValues values = ReadSettings(store);
  EXPECT_EQ(values.nMainX, 12);         // the quotes are not the value's
  EXPECT_EQ(values.nTlistSizeX, 250);  // a list is no number
}

}  // namespace
