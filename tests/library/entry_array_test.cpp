#include "entry_array.h"

#include <gtest/gtest.h>

namespace {

EntryArray Of(std::initializer_list<const char*> files) {
  EntryArray array;
  for (const char* file : files) {
    MediaEntry entry;
    entry.m_strFile = file;
    array.Add(entry);
  }
  return array;
}

std::vector<std::string> Files(const EntryArray& array) {
  std::vector<std::string> files;
  for (int i = 0; i < array.GetSize(); ++i) files.push_back(array.GetAt(i).m_strFile);
  return files;
}

TEST(EntryArrayTest, RemoveAtKeepsTheOrderOfLaterEntries) {
  EntryArray array = Of({"a", "b", "c"});
  EXPECT_EQ(array.Add(MediaEntry{}), 3);
  array.RemoveAt(0);
  EXPECT_EQ(Files(array), (std::vector<std::string>{"b", "c", ""}));
  EXPECT_EQ(array.GetAt(2), MediaEntry{});
}

TEST(EntryArrayTest, CopiesAreIndependent) {
  EntryArray array = Of({"a"});
  MediaEntry read = array.GetAt(0);
  read.m_strFile = "z";
  EXPECT_EQ(array.GetAt(0).m_strFile, "a");  // changed only by SetAt
  EntryArray copy = array;
  copy.SetAt(0, read);
  EXPECT_EQ(Files(array), (std::vector<std::string>{"a"}));
  EXPECT_EQ(copy.FindFile("z"), 0);
  EXPECT_EQ(array.FindFile("z"), -1);
}

// The index must answer what a scan from the front would, after every edit.
TEST(EntryArrayTest, FindFileGivesTheFirstExactMatchAfterEdits) {
  EntryArray array = Of({"a", "B", "a", "c"});
  EXPECT_EQ(array.FindFile("a"), 0);
  EXPECT_EQ(array.FindFile("b"), -1);
  array.RemoveAt(0);
  EXPECT_EQ(array.FindFile("a"), 1);
  EXPECT_EQ(array.Add(Of({"d"}).GetAt(0)), 3);
  EXPECT_EQ(array.FindFile("d"), 3);
  array.SetAt(1, array.GetAt(2));
  EXPECT_EQ(array.FindFile("a"), -1);
  EntryArray moved = std::move(array);
  EXPECT_EQ(moved.FindFile("c"), 1);
}

}  // namespace
