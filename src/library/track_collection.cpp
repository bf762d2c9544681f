#include "track_collection.h"

#include <array>
#include <utility>

#include "four_cc.h"
#include "line_breaks.h"
#include "media_kind.h"
#include "path_names.h"
#include "path_parts.h"

namespace {

constexpr const char* kNotAvailablePrefix = "(N/A) ";
constexpr const char* kCloseFailed = "!fclose()";

// The six tags in reading order, each with the text and the flag it fills.
struct TagSlot {
  std::uint32_t id;
  std::string MediaEntry::*text;
  std::int32_t MediaEntry::*present;
};
constexpr std::array<TagSlot, 6> kTagSlots = {{
    {fourcc::kINAM, &MediaEntry::m_strName, &MediaEntry::m_bName},
    {fourcc::kIART, &MediaEntry::m_strArtist, &MediaEntry::m_bArtist},
    {fourcc::kIGNR, &MediaEntry::m_strGenre, &MediaEntry::m_bGenre},
    {fourcc::kICRD, &MediaEntry::m_strDate, &MediaEntry::m_bDate},
    {fourcc::kISRC, &MediaEntry::m_strSource, &MediaEntry::m_bSource},
    {fourcc::kICMT, &MediaEntry::m_strComment, &MediaEntry::m_bComment},
}};

template <typename Reader>
void CopyTags(const Reader& reader, MediaEntry& entry) {
  std::string text;
  for (const TagSlot& slot : kTagSlots) {
    const int present = reader.GetTag(slot.id, text);
    entry.*slot.present = present;
    if (present == 1) entry.*slot.text = text;
  }
}

bool IsDotEntry(const std::string& name) { return name == "." || name == ".."; }

}  // namespace

TrackCollection::TrackCollection(TracklistController& controller, PlatformHooks hooks, std::string albumPath)
    : AlbumStore(controller, std::move(hooks), std::move(albumPath)) {
  m_wave.SetAccessMode(ReadOnly);
  m_wave.SetMessageSink([this](const std::string& text) { m_hooks.Message(text); });
}

int TrackCollection::OnDropFiles(const DropList& drop) {
  if (m_nDropGate == 0 || !IsAlbumRead()) {
    HoldDrop(drop);
    return 0;
  }
  WaitCursorGuard wait(m_hooks);
  m_nDropGate = 0;
  SetScanning(true);
  AddDropped(drop);
  AddDropsHeldDuringScan();
  SetScanning(false);
  if (m_bDropAbandoned) {
    m_heldDrops.clear();
  } else {
    ReportLeftOut();
    SaveAlbum();
  }
  m_bDropAbandoned = false;
  m_nDropGate = 1;
  return 1;
}

void TrackCollection::AbandonDrop() {
  if (m_nDropGate == 0) m_bDropAbandoned = true;
}

void TrackCollection::AddDropped(const DropList& drop) {
  for (const std::string& name : drop) {
    if (m_bDropAbandoned) return;
    if (fsys::IsFolder(name)) {
      ScanFolder(name);
    } else {
      AddPath(name);
    }
  }
}

// Files handed over by a later start or the media controls, or dropped by
// the user, while a folder was scanned: they follow it.
void TrackCollection::AddDropsHeldDuringScan() {
  while (!m_heldDrops.empty() && !m_bDropAbandoned) {
    for (const DropList& held : TakeHeldDrops()) AddDropped(held);
  }
}

void TrackCollection::AddPath(const std::string& path) {
  if (IsDotEntry(FileNamePart(path))) return;
  // One path per line: a line break inside would split it in the album file.
  if (HasLineBreak(path)) {
    NoteLeftOut(path);
    return;
  }
  const fsys::PathKind kind = fsys::Examine(path);
  if (kind == fsys::PathKind::Folder) {
    ScanFolder(path);
    return;
  }
  // A named pipe, a device or a socket is no track, and reading a pipe would
  // hold the scan until some program wrote to it.
  if (kind == fsys::PathKind::Special) return;
  // Testing before building saves reading the tags of a duplicate only to
  // throw them away; the album ends up the same.
  if (m_album.FindFile(path) >= 0) return;
  const int index = m_album.Add(BuildEntryOf(path, kind != fsys::PathKind::Missing));
  if (m_pView != nullptr) m_pView->AppendItem(m_album.At(index).m_strName);
}

int TrackCollection::ScanFolder(const std::string& folder) {
  fsys::FolderIdentity identity;
  std::vector<std::string> names;
  if (!fsys::GetFolderIdentity(folder, identity) || !fsys::ListFolder(folder, names)) return 0;
  if (!m_enteredFolders.insert(identity).second) return 1;
  ++m_nScanDepth;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) m_hooks.Pump();
    if (m_bDropAbandoned) break;
    AddPath(JoinPath(folder, names[i]));
  }
  if (--m_nScanDepth == 0) m_enteredFolders.clear();
  return 1;
}

MediaEntry TrackCollection::BuildEntry(const std::string& path) {
  return BuildEntryOf(path, fsys::Exists(path));
}

MediaEntry TrackCollection::BuildEntryOf(const std::string& path, bool exists) {
  MediaEntry entry;
  const std::string name = FileNamePart(path);
  entry.m_strFile = path;
  entry.m_strName = name;
  entry.m_nKind = ClassifyExtension(ExtensionPart(name));
  entry.m_nOrigin = kOriginNone;
  if (!exists) {
    entry.m_strName = kNotAvailablePrefix + name;
    return entry;
  }
  int closed = 1;
  if (m_wave.Open(path) == 1) {
    ReadWaveTags(entry);
    closed = m_wave.Close();
  } else if (m_hooks.ReadTags(path, m_fileTags) == 1) {
    ReadFileTags(entry);
    return entry;
  } else if (m_id3.Open(path) == 1) {
    ReadId3Tags(entry, name);
    closed = m_id3.Close();
  } else {
    m_pMainDlg->LookUpDictionary(entry);
    return entry;
  }
  if (closed == 0) m_hooks.Message(kCloseFailed);
  return entry;
}

void TrackCollection::ReadWaveTags(MediaEntry& entry) {
  m_wave.Parse();
  CopyTags(m_wave, entry);
  if (entry.m_bName == 1) {
    entry.m_nOrigin = kOriginRiffInfo;
  } else {
    m_pMainDlg->LookUpDictionary(entry);
  }
}

void TrackCollection::ReadId3Tags(MediaEntry& entry, const std::string& name) {
  m_id3.ReadTag();  // a file without a tag block simply gives six empty texts
  CopyTags(m_id3, entry);
  if (entry.m_bName == 1) {
    entry.m_nOrigin = kOriginId3v1;
  } else {
    entry.m_strName = name;  // an MP3 file never consults the dictionary
  }
}

// The texts of today's formats, an MP3 file's ID3v2 tag among them. That tag
// holds the whole texts of which an ID3v1 block keeps 30 characters; the
// ID3v1 block is read only when the file has no ID3v2 tag or one that gives
// none of the texts (encoders add one with only their own name to every file).
void TrackCollection::ReadFileTags(MediaEntry& entry) {
  CopyTags(m_fileTags, entry);
  if (entry.m_bName == 1) {
    entry.m_nOrigin = kOriginFileTags;
  } else if (!EndsWithTypeLetters(entry.m_strFile, "mp3")) {
    m_pMainDlg->LookUpDictionary(entry);
  }
}

void TrackCollection::RescanSelected() {
  if (m_pView == nullptr) return;
  for (const int index : m_pView->SelectedIndexes()) {
    if (index < 0 || index >= GetTrackCount()) continue;
    MediaEntry entry = BuildEntry(m_album.At(index).m_strFile);
    m_album.SetAt(index, entry);
    m_pView->DeleteItem(index);
    m_pView->InsertItem(index, entry.m_strName);
  }
}

std::vector<DropList> TrackCollection::TakeHeldDrops() {
  std::vector<DropList> drops;
  drops.swap(m_heldDrops);
  return drops;
}
