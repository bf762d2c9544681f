#include "entry_array.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "tracklist_fakes.h"

namespace {

// Random edits on an array and a plain vector side by side: the order and
// FindFile (the first equal file) must match. Few names, so equal files and
// reused slots are common; copies must not share anything.
TEST(EntryArrayTest, FollowsAPlainVectorThroughRandomEdits) {
  const std::vector<std::string> names = {"a", "b", "B", "c", ""};
  std::mt19937 random(12);
  EntryArray array;
  std::vector<std::string> model;
  for (int step = 0; step < 3000; ++step) {
    const std::string name = names[random() % names.size()];
    const int size = static_cast<int>(model.size());
    const int at = size > 0 ? static_cast<int>(random() % static_cast<unsigned>(size)) : 0;
    switch (random() % 7) {
      case 0:
      case 1:
        ASSERT_EQ(array.Add(DictionaryStore::MakeRecord(name)), size);
        model.push_back(name);
        break;
      case 2:
        if (size == 0) break;
        array.RemoveAt(at);
        model.erase(model.begin() + at);
        break;
      case 3:
        if (size == 0) break;
        array.SetAt(at, DictionaryStore::MakeRecord(name));
        model[static_cast<std::size_t>(at)] = name;
        break;
      case 4: {
        std::vector<int> order(model.size());
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), random);
        array.Reorder(order);
        std::vector<std::string> reordered;
        for (int from : order) reordered.push_back(model[static_cast<std::size_t>(from)]);
        model = reordered;
        break;
      }
      case 5: {  // an edit of a copy leaves the original as it was, until the copy is assigned back
        EntryArray copy(array);
        copy.Add(DictionaryStore::MakeRecord("copy only"));
        ASSERT_EQ(array.FindFile("copy only"), -1);
        copy.SetAt(size, DictionaryStore::MakeRecord(name));
        if (random() % 2) {
          array = copy;
        } else {
          array = std::move(copy);
        }
        model.push_back(name);
        break;
      }
      default:
        if (random() % 10 != 0) break;
        array.RemoveAll();
        model.clear();
    }
    ASSERT_EQ(FilesOf(array), model) << "step " << step;
    if (random() % 2) continue;  // some edits follow each other with no lookup between
    for (const std::string& each : names) {
      const auto first = std::find(model.begin(), model.end(), each);
      const int expected = first == model.end() ? -1 : static_cast<int>(first - model.begin());
      ASSERT_EQ(array.FindFile(each), expected) << "step " << step << " file " << each;
    }
  }
}

}  // namespace
