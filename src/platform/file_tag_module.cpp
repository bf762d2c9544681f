#include "file_tag_module.h"

#include <QDir>
#include <QLibrary>
#include <QtGlobal>

#include "cover_art.h"
#include "file_tag_readers.h"
#include "file_tags.h"
#include "playback_module.h"
#include "tag_format.h"

namespace {

using EntryFunction = const FileTagReaders* (*)();

const FileTagReaders* LoadReaders() {
  QString reason = QStringLiteral("no folder to look in");
  for (const QString& folder : PlaybackModuleFolders()) {
    // Never unloaded: the readers stay in use until the program ends.
    QLibrary module(QDir(folder).filePath(QString::fromLatin1(kFileTagModuleName)));
    if (auto entry = reinterpret_cast<EntryFunction>(module.resolve(kFileTagModuleEntry))) return entry();
    reason = module.errorString();
  }
  qWarning("Cannot load the tag module \"%s\", so tags other than RIFF INFO and ID3v1 are not read: %s",
           kFileTagModuleName, qPrintable(reason));
  return nullptr;
}

// A file of no format the module reads (a WAVE file, a video) never loads it.
const FileTagReaders* ReadersFor(const std::string& path) {
  if (TagFormatOfPath(path) == TagFormat::None) return nullptr;
  static const FileTagReaders* readers = LoadReaders();
  return readers;
}

}  // namespace

int ReadFileTagsFromModule(const std::string& path, CFileTags& tags) {
  if (const FileTagReaders* readers = ReadersFor(path)) return readers->ReadTags(path, tags);
  tags = {};
  return 0;
}

int ReadCoverArtFromModule(const std::string& path, CoverArt& art) {
  if (const FileTagReaders* readers = ReadersFor(path)) return readers->ReadCover(path, art);
  art = {};
  return 0;
}
