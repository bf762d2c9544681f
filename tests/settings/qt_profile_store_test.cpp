#include "qt_profile_store.h"

#include <gtest/gtest.h>

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

TEST(QtProfileStoreTest, ReadsEveryValueBackFromTheFileItFlushed) {
  TempDir dir;
  const std::string path = dir.File("Velmora.conf");
  SettingsValues values;
  int next = -1200;  // a screen left of the primary one
  for (int* number : Numbers(values)) *number = next++;
  for (std::uint32_t k = 0; k < kColorElementCount; ++k) {
    values.colors[k] = ColorTriple::FromColorRef(0x030201 * (k + 1));  // no two alike
  }
  values.tagFlags = {1, 0, 0, 1, 0, 1};  // each choice read back from its own name
  // The file is read while the store that wrote it still lives: a program
  // killed right after Flush has its settings on disk.
  QtProfileStore store(QString::fromStdString(path));
  WriteSettings(store, values);
  EXPECT_TRUE(store.Flush());

  QtProfileStore reopened(QString::fromStdString(path));
  SettingsValues back = ReadSettings(reopened);
  for (std::size_t i = 0; i < Numbers(values).size(); ++i) EXPECT_EQ(*Numbers(back)[i], *Numbers(values)[i]) << i;
  EXPECT_EQ(std::tie(back.colors, back.tagFlags), std::tie(values.colors, values.tagFlags));
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
