#pragma once

#include <string>

#include "entry_array.h"
#include "load_result.h"
#include "platform_hooks.h"

inline constexpr const char* kDictionaryFileName = "default.dic";

// The mapping dictionary: records keyed by bare file name that give display
// texts to files whose own tags name nothing, and its file "default.dic".
//
// The dictionary editor window object owns one of these for the whole run and
// edits the records through Entries(); the main controller's LookUpDictionary
// forwards to Lookup. Keeping the data apart from the window lets both run and
// be tested with no window open.
//
// The file holds seven lines per record: key, display name, artist, genre,
// date, source, comment (note: name before artist, source before comment).
class DictionaryStore {
 public:
  explicit DictionaryStore(PlatformHooks hooks = {}, std::string filePath = kDictionaryFileName);

  // Replaces the records by the file's. A missing file is created empty.
  LoadResult LoadDictionary();
  // Rewrites the file from the records; 1 when the new file is in place,
  // 0 when the old one was kept (the user has been told). A line break in a
  // text is written as a space, so it cannot shift the lines after it.
  int SaveDictionary();
  // Copies the first record whose key equals the file name of track.m_strFile
  // (exact bytes) into track, keeping track.m_strFile; 1 on a match, else 0.
  int Lookup(MediaEntry& track) const;
  int GetSize() const { return m_dictionary.GetSize(); }

  EntryArray& Entries() { return m_dictionary; }
  const EntryArray& Entries() const { return m_dictionary; }

  // A record for a key as the dictionary keeps it: flags and origin 1, the
  // kind from the key's extension, the texts empty.
  static MediaEntry MakeRecord(const std::string& key);

 protected:
  PlatformHooks m_hooks;

 private:
  std::string m_strFilePath;
  EntryArray m_dictionary;
};
