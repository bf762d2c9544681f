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

TEST(EntryArrayTest, ReorderAndReusedSlotsKeepIndexesAndLookupsRight) {
  EntryArray array = Of({"a", "b", "c", "d"});
  array.Reorder({3, 1, 0, 2});
  EXPECT_EQ(Files(array), (std::vector<std::string>{"d", "b", "a", "c"}));
  EXPECT_EQ(array.FindFile("a"), 2);
  array.RemoveAt(1);  // "b": its slot is free for the next entry
  MediaEntry added;
  added.m_strFile = "e";
  EXPECT_EQ(array.Add(added), 3);
  EXPECT_EQ(Files(array), (std::vector<std::string>{"d", "a", "c", "e"}));
  EXPECT_EQ(array.FindFile("e"), 3);
  EXPECT_EQ(array.FindFile("b"), -1);
  EntryArray moved = std::move(array);
  EXPECT_EQ(Files(moved), (std::vector<std::string>{"d", "a", "c", "e"}));
  EXPECT_EQ(moved.FindFile("c"), 2);
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
