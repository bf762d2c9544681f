#include "wave_info_file.h"

#include "info_entries.h"
#include "path_names.h"
#include "save_recovery.h"
#include "wave_scan.h"

CWaveInfoFile::CWaveInfoFile() : m_entries(MakeInfoEntries()) {}

// Releases a still-open file as it stands: the length adjustment belongs to Close.
CWaveInfoFile::~CWaveInfoFile() = default;

void CWaveInfoFile::SetAccessMode(int mode) { m_nMode = mode; }

void CWaveInfoFile::SetMessageSink(MessageSink sink) { m_messageSink = std::move(sink); }

void CWaveInfoFile::ResetFileValues() {
  m_nRiffSize = 0;
  m_nFormatTag = 0;
  m_nChannels = 0;
  m_nSamplesPerSec = 0;
  m_nAvgBytesPerSec = 0;
  m_nBitsPerSample = 0;
  m_nSubFormatTag = 0;
  m_bRiffWave = false;
  m_nDataSize = 0;
  m_nDataOffset = 0;
  m_nInfoOffset = 0;
  m_bDataFound = false;
  m_bListFound = false;
  m_bInfoFound = false;
  m_bModified = false;
  m_bHaveWritePlan = false;
  m_retiredLists.clear();
  m_strLastError.clear();
  ResetInfoEntries(m_entries);
  m_foreign.clear();
}

int CWaveInfoFile::Open(const std::string& path) {
  std::unique_ptr<FileStore> store;
  if (EndsWithTypeLetters(path, "wav")) store = FileStore::Open(path, m_nMode != ReadOnly);
  std::unique_ptr<FilePlace> place;
  if (store && (m_nMode != ReadOnly || m_bUndoesInterruptedSaves)) place = MakeDiskPlace(path, store->Descriptor());
  return OpenStore(std::move(store), path, std::move(place));
}

// The programs close a file before opening the next; a file still open here
// is released as the destructor would release it.
int CWaveInfoFile::OpenStore(std::unique_ptr<ByteStore> store, const std::string& path,
                             std::unique_ptr<FilePlace> place) {
  ResetFileValues();
  m_store.reset();
  m_place.reset();
  m_bIsOpen = false;
  if (!EndsWithTypeLetters(path, "wav")) return 0;
  m_strFileName = FileNameOfPath(path);
  if (!store) return 0;
  m_store = std::move(store);
  m_place = place ? std::move(place) : std::make_unique<MemoryPlace>(std::make_shared<MemoryPlace::State>());
  m_bOpenedWritable = m_nMode != ReadOnly;
  if (!UndoInterruptedSave()) {
    m_store.reset();
    m_place.reset();
    return 0;
  }
  m_nKnownLength = m_store->Size();
  m_bIsOpen = true;
  return 1;
}

// An undone save needs no words: the file is as it was before that save.
bool CWaveInfoFile::UndoInterruptedSave() {
  const PlaceLock lock(*m_place);
  if (!lock.Held()) {
    m_strLastError = "Another program is saving " + m_strFileName + ": open it again in a moment.";
    return false;
  }
  const RecoveryOutcome outcome = RecoverInterruptedSave(m_bOpenedWritable ? m_store.get() : nullptr, *m_place);
  m_strLastError = DescribeRecovery(outcome, m_strFileName, m_place->JournalName());
  return m_strLastError.empty();
}

void CWaveInfoFile::TakeScan(WaveScan& scan) {
  m_nRiffSize = scan.RiffSize;
  m_nFormatTag = scan.FormatTag;
  m_nChannels = scan.Channels;
  m_nSamplesPerSec = scan.SamplesPerSec;
  m_nAvgBytesPerSec = scan.AvgBytesPerSec;
  m_nBitsPerSample = scan.BitsPerSample;
  m_nSubFormatTag = scan.SubFormatTag;
  m_bRiffWave = scan.RiffWaveHeader;
  m_bDataFound = scan.DataFound;
  m_nDataOffset = scan.DataOffset;
  m_nDataSize = scan.DataSize;
  m_bListFound = scan.ListFound;
  m_nListOffset = scan.ListOffset;
  m_nListSize = scan.ListSize;
  m_bInfoFound = scan.InfoFound;
  m_nInfoOffset = scan.InfoOffset;
  m_entries = std::move(scan.Entries);
  m_foreign = std::move(scan.Foreign);
}

int CWaveInfoFile::Parse() {
  if (m_bIsOpen && m_store) {
    WaveScan scan = ScanWave(*m_store);
    TakeScan(scan);
    // A data chunk of size 0 is worth telling the user about, but the file is
    // still shown with that chunk.
    if (scan.DataSizeIsZero && m_messageSink) m_messageSink("error decoding data size");
  }
  // An extensible format is named by its sub-format ("PCM" for 24-bit PCM).
  const std::uint16_t namedFormat = m_nSubFormatTag != 0 ? m_nSubFormatTag : m_nFormatTag;
  m_summary = BuildStreamSummary(namedFormat, m_nChannels, m_nSamplesPerSec, m_nAvgBytesPerSec,
                                 m_nBitsPerSample, m_nRiffSize);
  return 1;
}

// The text is copied even when the tag is absent: after clearing a tag with an
// empty text the old text is still there, with result 0.
int CWaveInfoFile::GetTag(std::uint32_t id, std::string& out) const {
  const InfoEntry* entry = FindInfoEntry(m_entries, id);
  if (entry == nullptr) {
    out.clear();
    return 0;
  }
  out = entry->Text;
  return entry->Present;
}

int CWaveInfoFile::SetTag(std::uint32_t id, const std::string& text) {
  return StoreInfoText(m_entries, id, text);
}

// Nothing is written here: every save has already given the file its final
// length, RIFF size + 8, and synced it before it returned, so a failure to
// release the file cannot take a save back.
int CWaveInfoFile::Close() {
  if (!m_bIsOpen) return 0;
  m_bIsOpen = false;
  m_store->Close();
  m_store.reset();
  m_place.reset();
  return 1;
}
