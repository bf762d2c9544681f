#include "bench_album.h"

#include <array>
#include <random>

EntryArray MakeBenchAlbum(int tracks) {
  static const std::array<const char*, 8> kGenres = {"Rock", "Pop", "Jazz", "Blues", "Classical", "Folk", "Metal", ""};
  std::mt19937 random(7);
  EntryArray album;
  for (int i = 0; i < tracks; ++i) {
    const unsigned artist = random() % 400;
    const unsigned record = random() % 5;
    MediaEntry track;
    track.m_strArtist = "Artist " + std::to_string(artist);
    track.m_strSource = "Album " + std::to_string(artist) + "-" + std::to_string(record);
    track.m_strGenre = kGenres[random() % kGenres.size()];
    track.m_strName = "Track title " + std::to_string(random() % 20000);
    track.m_strFile = "/home/user/Music/" + track.m_strArtist + "/" + track.m_strSource + "/" +
                      std::to_string(i) + " " + track.m_strName + ".mp3";
    track.m_nKind = 1;
    track.m_nOrigin = 3;
    album.Add(std::move(track));
  }
  return album;
}
