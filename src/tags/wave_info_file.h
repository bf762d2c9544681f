#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "byte_stream.h"
#include "file_place.h"
#include "info_id_table.h"
#include "stream_summary.h"

struct WaveScan;
struct InfoWritePlan;
struct InfoWritePlanResult;

enum AccessMode : int { ReadOnly = 1, ReadWrite = 2 };

// One slot per identifier of InfoIdTable, in table order.
struct InfoEntry {
  int Present = 0;      // 1 when Text holds a non-empty text
  std::uint32_t Id = 0; // fixed at construction
  std::string Text;     // raw bytes as stored in the file, no NUL
};

// A sub-chunk of an INFO list whose identifier is not in InfoIdTable. No
// program shows it, but a save keeps it exactly as it stood.
struct ForeignSubChunk {
  std::uint32_t Id = 0;
  std::vector<std::uint8_t> Payload;  // the declared size's bytes, without the pad byte

  bool operator==(const ForeignSubChunk&) const = default;
};

// The WAVE file object of both programs: header values, the six summary
// texts, and the INFO tags, read from and written back to one file.
//
// Calling order: SetAccessMode, Open, Parse, GetTag/SetTag, WriteInfo, Close.
// Results are 1 for success and 0 for failure; nothing throws.
class CWaveInfoFile {
 public:
  // Called with a text the user must see ("error decoding data size").
  using MessageSink = std::function<void(const std::string&)>;

  CWaveInfoFile();
  ~CWaveInfoFile();  // closes a still-open file without the length adjustment
  CWaveInfoFile(const CWaveInfoFile&) = delete;
  CWaveInfoFile& operator=(const CWaveInfoFile&) = delete;

  void SetAccessMode(int mode);
  // Read-only opens leave the journal of an interrupted save alone unless
  // asked: the jukebox only reads tags, while the tag editor shows the file as
  // it will be saved. Opens for writing always undo such a save first.
  void SetUndoesInterruptedSaves(bool undoes) { m_bUndoesInterruptedSaves = undoes; }
  void SetMessageSink(MessageSink sink);

  // Opens a file whose path ends in "wav" (any case, no dot needed). A save
  // of it that was interrupted is undone first; where that cannot be done,
  // the open fails with LastError saying which file and what to do.
  int Open(const std::string& path);
  // Same as Open on bytes handed in by a test or fuzzer; `path` is only used
  // for the extension test and FileName. Without a place the journal is kept
  // in memory.
  int OpenStore(std::unique_ptr<ByteStore> store, const std::string& path,
                std::unique_ptr<FilePlace> place = nullptr);
  // Reads the header, the data chunk and the INFO tags; always 1. A tag text
  // is read whole up to its first NUL inside its declared size; a later
  // sub-chunk with the same identifier replaces the text. Tags of a second
  // INFO list fill in those the main list lacks.
  int Parse();
  // Copies the slot's text (even when absent) and returns Present; "" and 0
  // for an identifier outside InfoIdTable.
  int GetTag(std::uint32_t id, std::string& out) const;
  // Stores the text byte for byte, ending at its first NUL, with no length
  // cap; an empty text only clears Present. 1 when a text was stored.
  int SetTag(std::uint32_t id, const std::string& text);
  // Writes every present tag in table order, then the list's sub-chunks that
  // the table does not name, into the file in place, and fixes the RIFF size
  // and the length: 1 only when the file is complete and on the device. 0
  // without a message in read-only mode or with no file open; 0 with
  // LastError set when the file's layout cannot be changed safely, another
  // program replaced or changed the file since it was opened, or a write
  // failed (LastError then says whether the file is as it was). Later calls
  // before Close rewrite the list at the same place.
  int WriteInfo();
  // Releases the file. Every save has already given the file its length
  // (RiffSize + 8) and synced it, so nothing is left to write.
  int Close();

  // Why the last WriteInfo or Close returned 0 for a reason other than the
  // plain refusals (read-only mode, no file open); empty otherwise.
  const std::string& LastError() const { return m_strLastError; }

  const std::string& FileName() const { return m_strFileName; }
  const StreamSummary& Summary() const { return m_summary; }
  std::uint32_t RiffSize() const { return m_nRiffSize; }
  std::uint16_t FormatTag() const { return m_nFormatTag; }
  std::uint16_t Channels() const { return m_nChannels; }
  std::uint32_t SamplesPerSec() const { return m_nSamplesPerSec; }
  std::uint32_t AvgBytesPerSec() const { return m_nAvgBytesPerSec; }
  std::uint16_t BitsPerSample() const { return m_nBitsPerSample; }
  // The sub-format's code of an extensible format, else 0.
  std::uint16_t SubFormatTag() const { return m_nSubFormatTag; }
  // After Parse: the file starts with a RIFF header of form type WAVE.
  bool IsRiffWave() const { return m_bRiffWave; }
  std::uint32_t DataSize() const { return m_nDataSize; }
  std::uint32_t DataOffset() const { return m_nDataOffset; }
  bool ListFound() const { return m_bListFound; }
  bool InfoFound() const { return m_bInfoFound; }
  bool IsOpen() const { return m_bIsOpen; }
  bool Modified() const { return m_bModified; }
  int Mode() const { return m_nMode; }

 private:
  void ResetFileValues();
  void TakeScan(WaveScan& scan);
  InfoWritePlanResult WritePlan();
  std::string CarryOut(const InfoWritePlan& plan, const std::vector<std::uint8_t>& list, std::uint32_t riffSize);
  int RefuseWrite(const std::string& reason);
  int FailWrite(const std::string& message);
  bool UndoInterruptedSave();
  std::string WhyNotTheOpenFile();

  std::string m_strFileName;
  StreamSummary m_summary;
  std::uint32_t m_nRiffSize = 0;
  std::uint16_t m_nFormatTag = 0;
  std::uint16_t m_nChannels = 0;
  std::uint32_t m_nSamplesPerSec = 0;
  std::uint32_t m_nAvgBytesPerSec = 0;
  std::uint16_t m_nBitsPerSample = 0;
  std::uint16_t m_nSubFormatTag = 0;
  bool m_bRiffWave = false;
  std::uint32_t m_nDataSize = 0;
  std::uint32_t m_nDataOffset = 0;
  std::uint64_t m_nListOffset = 0;  // 64-bit: a list can lie beyond 4 GiB
  std::uint32_t m_nListSize = 0;
  std::uint64_t m_nInfoOffset = 0;
  bool m_bDataFound = false;
  bool m_bListFound = false;
  bool m_bInfoFound = false;
  int m_nMode = ReadOnly;
  bool m_bOpenedWritable = false;  // the mode in force when the file was opened
  bool m_bUndoesInterruptedSaves = false;
  bool m_bModified = false;
  bool m_bIsOpen = false;
  // Where WriteInfo puts the list, decided by its first call after Open and
  // kept for later calls, so every save rewrites the list at the same place.
  bool m_bHaveWritePlan = false;
  std::uint64_t m_nWriteOffset = 0;
  std::vector<std::uint64_t> m_retiredLists;
  std::array<InfoEntry, kInfoIdCount> m_entries{};
  std::vector<ForeignSubChunk> m_foreign;
  std::unique_ptr<ByteStore> m_store;
  std::unique_ptr<FilePlace> m_place;
  // The length the file had when it was opened or last saved: another length
  // at the next save means another program changed the file meanwhile.
  std::uint64_t m_nKnownLength = 0;
  MessageSink m_messageSink;
  std::string m_strLastError;
};
