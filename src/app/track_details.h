#pragma once

#include <QString>
#include <string>

// The album and front cover of one opened track, read from the file's own
// tags once: the desktop asks for the track's metadata on every property
// query, and a file is read again only when a track is opened anew.
class CTrackDetails {
 public:
  // Reads the file at path unless the open numbered serial was read last.
  void Load(int serial, const std::string& path);
  // Empty when the tags name no album.
  const QString& Album() const { return m_album; }
  // A file:// URL of the cover saved in the user's cache folder, where a
  // desktop panel can show it; empty when the file has none or it could not
  // be saved.
  const QString& CoverUrl() const { return m_coverUrl; }

 private:
  int m_nSerial = 0;
  QString m_album;
  QString m_coverUrl;
};
