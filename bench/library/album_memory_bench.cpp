// Peak resident memory of an album of 100,000 tracks against the same process
// with an empty store, per track, less the bytes of the tracks' texts.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "text_file.h"
#include "track_collection.h"

namespace {

class QuietController : public TracklistController {
 public:
  void SetScanning(bool) override {}
  int LookUpDictionary(MediaEntry&) override { return 0; }
  void OpenCurrentTrack() override {}
};

// Peak resident set size of this process in bytes (VmHWM).
long PeakResidentBytes() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmHWM:") {
      long kilobytes = 0;
      status >> kilobytes;
      return kilobytes * 1024;
    }
  }
  return -1;
}

std::size_t TextBytes(const MediaEntry& entry) {
  return entry.m_strFile.size() + entry.m_strArtist.size() + entry.m_strName.size() + entry.m_strGenre.size() +
         entry.m_strDate.size() + entry.m_strComment.size() + entry.m_strSource.size();
}

}  // namespace

int main() {
  constexpr int kTracks = 100000;
  const auto folder = std::filesystem::temp_directory_path() / "velmora-memory-bench";
  std::filesystem::create_directories(folder);
  const std::string albumPath = (folder / "default.alb").string();
  {
    // Paths of files that do not exist: each becomes a "(N/A) " track
    // without touching the disk, so only the store's memory is measured.
    AtomicFileWriter writer;
    writer.Open(albumPath);
    for (int i = 0; i < kTracks; ++i) {
      writer.WriteLine("/srv/music/collection/artist" + std::to_string(i % 500) + "/album" +
                       std::to_string(i % 37) + "/track number " + std::to_string(i) + ".mp3");
    }
    writer.Commit();
  }
  QuietController controller;
  TrackCollection album(controller, {}, albumPath);
  const long before = PeakResidentBytes();
  album.LoadAlbum();
  album.Album().FindFile("");  // the duplicate index is part of the cost
  const long after = PeakResidentBytes();
  std::size_t textBytes = 0;
  for (int i = 0; i < album.GetTrackCount(); ++i) textBytes += TextBytes(album.Album().At(i));
  const double perTrack = (static_cast<double>(after - before) - static_cast<double>(textBytes)) / kTracks;
  std::printf("%d tracks: peak RSS %.1f MiB over the empty store, texts %.1f MiB\n", album.GetTrackCount(),
              (after - before) / 1048576.0, textBytes / 1048576.0);
  std::printf("per track beyond the texts: %.0f bytes (target <= 400)\n", perTrack);
  std::filesystem::remove_all(folder);
  return 0;
}
