#include "dictionary_store.h"

#include <array>
#include <utility>

#include "line_breaks.h"
#include "media_kind.h"
#include "path_parts.h"
#include "text_file.h"

namespace {

constexpr const char* kCannotOpenToCreate = "Cannot open default.dic\nWill attempt to create";
constexpr const char* kCannotCreate = "Cannot create.  Exiting...";
constexpr const char* kCannotOpen = "Cannot open default.dic";

// A record's six texts in the order the file stores them after the key.
constexpr std::array<std::string MediaEntry::*, 6> kTextsInFileOrder = {
    &MediaEntry::m_strName, &MediaEntry::m_strArtist, &MediaEntry::m_strGenre,
    &MediaEntry::m_strDate, &MediaEntry::m_strSource, &MediaEntry::m_strComment};

}  // namespace

DictionaryStore::DictionaryStore(PlatformHooks hooks, std::string filePath)
    : m_hooks(std::move(hooks)), m_strFilePath(std::move(filePath)) {}

MediaEntry DictionaryStore::MakeRecord(const std::string& key) {
  MediaEntry record;
  record.m_strFile = key;
  record.m_bArtist = record.m_bName = record.m_bGenre = 1;
  record.m_bDate = record.m_bComment = record.m_bSource = 1;
  record.m_nOrigin = kOriginDictionary;
  record.m_nKind = ClassifyExtension(ExtensionPart(key));
  return record;
}

LoadResult DictionaryStore::LoadDictionary() {
  WaitCursorGuard wait(m_hooks);
  m_dictionary.RemoveAll();
  LineReader reader;
  if (!reader.Open(m_strFilePath)) {
    m_hooks.Message(kCannotOpenToCreate);
    if (!CreateFileIfMissing(m_strFilePath)) {
      m_hooks.Message(kCannotCreate);
      return LoadResult::MustExit;
    }
    return LoadResult::CreatedEmpty;
  }
  std::string key;
  while (reader.ReadLine(key)) {
    MediaEntry record = MakeRecord(key);
    // Lines missing at the end of a short file read as empty texts.
    for (auto text : kTextsInFileOrder) reader.ReadLine(record.*text);
    m_dictionary.Add(std::move(record));
  }
  return LoadResult::Loaded;
}

int DictionaryStore::SaveDictionary() {
  WaitCursorGuard wait(m_hooks);
  AtomicFileWriter writer;
  if (writer.Open(m_strFilePath)) {
    for (int i = 0; i < m_dictionary.GetSize(); ++i) {
      const MediaEntry& record = m_dictionary.At(i);
      writer.WriteLine(LineBreaksToSpaces(record.m_strFile));
      for (auto text : kTextsInFileOrder) writer.WriteLine(LineBreaksToSpaces(record.*text));
    }
    if (writer.Commit()) return 1;
  }
  m_hooks.Message(kCannotOpen);
  return 0;
}

int DictionaryStore::Lookup(MediaEntry& track) const {
  const int found = m_dictionary.FindFile(FileNamePart(track.m_strFile));
  if (found < 0) return 0;
  std::string path = std::move(track.m_strFile);
  track = m_dictionary.At(found);
  track.m_strFile = std::move(path);
  return 1;
}
