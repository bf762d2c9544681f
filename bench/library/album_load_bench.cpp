// Loads an album whose file names one generated folder tree, and compares the
// time with the floor of ReadTreeTagsFloor on the same tree, page cache warm.
// Then compares the time per file of a four times larger tree, without and
// with a dictionary of 100,000 records.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "dictionary_store.h"
#include "media_tree.h"
#include "tag_read_floor.h"
#include "text_file.h"
#include "track_collection.h"

namespace {

class BenchController : public TracklistController {
 public:
  explicit BenchController(const DictionaryStore& store) : m_store(store) {}
  void SetScanning(bool) override {}
  int LookUpDictionary(MediaEntry& entry) override { return m_store.Lookup(entry); }
  void OpenCurrentTrack() override {}

 private:
  const DictionaryStore& m_store;
};

double Seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
  return spent.count();
}

void WriteAlbumFile(const std::string& path, const std::string& line) {
  AtomicFileWriter writer;
  writer.Open(path);
  writer.WriteLine(line);
  writer.Commit();
}

// A dictionary of records whose keys include one per file of the tree (so
// lookups hit) and the rest made up.
void FillDictionary(DictionaryStore& store, std::size_t records, std::size_t treeFiles) {
  for (std::size_t i = 0; i < records; ++i) {
    const std::string key = i < treeFiles ? MediaTreeFileName(i) : "other" + std::to_string(i) + ".avi";
    MediaEntry record = DictionaryStore::MakeRecord(key);
    record.m_strName = "Mapped " + key;
    store.Entries().Add(record);
  }
}

std::string TreePath(const std::string& root, std::size_t files) {
  return root + "/tree" + std::to_string(files);
}

struct LoadTiming {
  double load = 0;
  double floor = 0;
  int tracks = 0;
};

LoadTiming TimeLoad(const std::string& root, const std::string& work, std::size_t files,
                    std::size_t dictionaryRecords) {
  const std::string tree = TreePath(root, files);
  ReadTreeTagsFloor(tree);  // warm the page cache
  DictionaryStore dictionary({}, work + "/default.dic");
  FillDictionary(dictionary, dictionaryRecords, files);
  BenchController controller(dictionary);
  const std::string albumPath = work + "/default.alb";
  WriteAlbumFile(albumPath, tree);
  LoadTiming timing{1e30, 1e30, 0};
  TrackCollection album(controller, {}, albumPath);
  // Load and floor alternate, so both see the same machine; the best of each counts.
  for (int run = 0; run < 9; ++run) {
    timing.load = std::min(timing.load, Seconds([&] { album.LoadAlbum(); }));
    timing.floor = std::min(timing.floor, Seconds([&] { ReadTreeTagsFloor(tree); }));
  }
  timing.tracks = album.GetTrackCount();
  return timing;
}

void Report(const char* label, const LoadTiming& timing) {
  std::printf("%-34s %6d tracks  load %8.3f ms  floor %8.3f ms  ratio %5.2f  (%.2f us/file)\n", label,
              timing.tracks, timing.load * 1e3, timing.floor * 1e3, timing.load / timing.floor,
              timing.load / timing.tracks * 1e6);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string root = argc > 1 ? argv[1] : (std::filesystem::temp_directory_path() / "velmora-album-bench").string();
  const std::string work = root + "/work";
  std::filesystem::create_directories(work);

  for (std::size_t files : {10000u, 40000u}) {
    if (!std::filesystem::exists(TreePath(root, files))) WriteMediaTree(TreePath(root, files), files);
  }
  const LoadTiming small = TimeLoad(root, work, 10000, 0);
  const LoadTiming large = TimeLoad(root, work, 40000, 0);
  const LoadTiming smallDict = TimeLoad(root, work, 10000, 100000);
  const LoadTiming largeDict = TimeLoad(root, work, 40000, 100000);
  Report("10,000 files", small);
  Report("40,000 files", large);
  Report("10,000 files, 100,000-record dict", smallDict);
  Report("40,000 files, 100,000-record dict", largeDict);
  const auto perFile = [](const LoadTiming& t) { return t.load / t.tracks; };
  std::printf("load / floor at 10,000 files: %.2f (target <= 2.00)\n", small.load / small.floor);
  const auto floorPerFile = [](const LoadTiming& t) { return t.floor / t.tracks; };
  std::printf("time per file 40,000 / 10,000: %.2f (target <= 1.25; the floor's own: %.2f)\n",
              perFile(large) / perFile(small), floorPerFile(large) / floorPerFile(small));
  std::printf("with dictionary, per file 40,000 / 10,000: %.2f (target <= 1.25)\n",
              perFile(largeDict) / perFile(smallDict));
  if (argc <= 1) std::filesystem::remove_all(root);
  return 0;
}
