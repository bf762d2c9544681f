// A folder of 10,000 files of today's kinds (MP3 with ID3v2 tags, FLAC, Ogg
// Vorbis, M4A and a few WAVE files, copies of files ffmpeg writes here) is
// dropped into an empty album and the album naming it is loaded; both are
// compared with a floor that walks the same folder and only opens each file
// with TagLib's FileRef and reads its title and artist. Page cache warm;
// runs alternate and the best of each counts.
#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "linked_readers.h"
#include "text_file.h"
#include "track_collection.h"

namespace fs = std::filesystem;

namespace {

class NoDictionary : public TracklistController {
 public:
  void SetScanning(bool) override {}
  int LookUpDictionary(MediaEntry&) override { return 0; }
  void OpenCurrentTrack() override {}
};

double Seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Ten kinds in turn: four MP3, two FLAC, two Ogg, one M4A, one WAVE.
const char* const kKinds[] = {"mp3", "flac", "mp3", "ogg", "m4a", "mp3", "flac", "ogg", "mp3", "wav"};

bool WriteTemplates(const fs::path& folder) {
  fs::create_directories(folder);
  for (const char* kind : {"mp3", "flac", "ogg", "m4a", "wav"}) {
    const std::string command = "ffmpeg -v error -y -f lavfi -i sine=d=3 -metadata title='A title of today' "
                                "-metadata artist='An artist' -metadata album='An album' -metadata date=2024 " +
                                (folder / (std::string("t.") + kind)).string();
    if (std::system(command.c_str()) != 0) return false;
  }
  return true;
}

void WriteTree(const fs::path& templates, const fs::path& tree, std::size_t files) {
  for (std::size_t i = 0; i < files; ++i) {
    const char* kind = kKinds[i % std::size(kKinds)];
    const fs::path folder = tree / ("f" + std::to_string(i / 100));
    fs::create_directories(folder);
    fs::copy_file(templates / (std::string("t.") + kind), folder / ("n" + std::to_string(i) + "." + kind));
  }
}

std::size_t FileRefFloor(const fs::path& tree) {
  std::size_t titled = 0;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(tree)) {
    if (!entry.is_regular_file()) continue;
    const TagLib::FileRef file(entry.path().c_str(), false);
    if (!file.isNull() && file.tag() != nullptr && !file.tag()->title().isEmpty() && !file.tag()->artist().isEmpty())
      ++titled;
  }
  return titled;
}

void WriteAlbumFile(const std::string& path, const std::string& line) {
  AtomicFileWriter writer;
  writer.Open(path);
  writer.WriteLine(line);
  writer.Commit();
}

void Report(const char* what, double measured, double floor, double target) {
  std::printf("%-34s %8.1f ms  floor %8.1f ms  ratio %.2f (target <= %.2f)\n", what, measured * 1e3, floor * 1e3,
              measured / floor, target);
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path root = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "velmora-todays-tags-bench";
  const std::size_t files = 10000;
  const fs::path tree = root / "tree";
  if (!fs::exists(tree)) {
    if (!WriteTemplates(root / "templates")) {
      std::printf("ffmpeg could not write the files; nothing measured\n");
      return 1;
    }
    WriteTree(root / "templates", tree, files);
  }
  const std::string albumPath = (root / "default.alb").string();
  NoDictionary controller;
  PlatformHooks hooks;
  hooks.ReadFileTags = LinkedFileTagReaders().ReadTags;
  double drop = 1e30, load = 1e30, floor = 1e30;
  int tagged = 0;
  FileRefFloor(tree);  // warm the page cache
  for (int run = 0; run < 5; ++run) {
    WriteAlbumFile(albumPath, "");
    TrackCollection dropped(controller, hooks, albumPath);
    dropped.LoadAlbum();
    drop = std::min(drop, Seconds([&] { dropped.OnDropFiles({tree.string()}); }));
    tagged = 0;
    for (int i = 0; i < dropped.GetTrackCount(); ++i) tagged += dropped.GetTrack(i).m_nOrigin != kOriginNone;
    floor = std::min(floor, Seconds([&] { FileRefFloor(tree); }));
    WriteAlbumFile(albumPath, tree.string());
    TrackCollection loaded(controller, hooks, albumPath);
    load = std::min(load, Seconds([&] { loaded.LoadAlbum(); }));
  }
  std::printf("%zu files, %d of them named by their own tags\n", files, tagged);
  Report("drop of the folder", drop, floor, 1.25);
  Report("load of an album naming it", load, floor, 1.5);
  if (argc <= 1) fs::remove_all(root);
  return 0;
}
