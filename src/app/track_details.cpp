#include "track_details.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

#include "cover_art.h"
#include "file_tag_module.h"
#include "file_tags.h"

namespace {

QString PictureExtension(const std::string& mimeType) {
  const QString type = QString::fromStdString(mimeType).toLower();
  if (type == QLatin1String("image/jpeg") || type == QLatin1String("image/jpg")) return QStringLiteral(".jpg");
  if (type == QLatin1String("image/png")) return QStringLiteral(".png");
  if (type == QLatin1String("image/gif")) return QStringLiteral(".gif");
  if (type == QLatin1String("image/bmp")) return QStringLiteral(".bmp");
  return QStringLiteral(".img");
}

// The picture's file is named by its bytes, so every track with the same
// cover shares one file, and one already there is never written again.
QString SavedCoverUrl(const CoverArt& art) {
  const QByteArray bytes = QByteArray::fromStdString(art.Bytes);
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/covers");
  const QString path = folder + QLatin1Char('/') +
                       QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex()) +
                       PictureExtension(art.MimeType);
  if (!QFileInfo(path).isFile()) {
    QSaveFile file(path);
    if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
        !file.commit())
      return QString();
  }
  return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
}

}  // namespace

void CTrackDetails::Load(int serial, const std::string& path) {
  if (serial == m_nSerial) return;
  m_nSerial = serial;
  CFileTags tags;
  ReadFileTagsFromModule(path, tags);  // a file it cannot read leaves the album empty
  m_album = QString::fromStdString(tags.Album());
  CoverArt art;
  m_coverUrl = ReadCoverArtFromModule(path, art) == 1 ? SavedCoverUrl(art) : QString();
}
