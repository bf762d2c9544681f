// CWaveInfoFile::WriteInfo: puts the tags into the open file in place.
#include "four_cc.h"
#include "info_list_bytes.h"
#include "info_write_plan.h"
#include "little_endian.h"
#include "wave_info_file.h"
#include "wave_scan.h"

namespace {

constexpr std::uint64_t kLargestRiffFile = std::uint64_t{UINT32_MAX} + 8;

std::string TooLongText(const InfoEntries& entries) {
  for (const InfoEntry& entry : entries) {
    if (entry.Present == 1 && entry.Text.size() > kMaxInfoTextBytes) return "a tag text is longer than 65536 bytes";
  }
  return {};
}

bool WriteLe32(ByteStore& store, std::uint64_t offset, std::uint32_t value) {
  std::uint8_t bytes[4];
  StoreLe32(bytes, value);
  return store.WriteAt(offset, bytes);
}

}  // namespace

int CWaveInfoFile::RefuseWrite(const std::string& reason) {
  m_strLastError = "The tags were not saved: " + reason + ". The file was not changed.";
  return 0;
}

int CWaveInfoFile::FailWrite(const std::string& message) {
  m_strLastError = message;
  return 0;
}

// The first save after Open decides where the list goes; later saves reuse
// that place, which their own list occupies by then.
InfoWritePlanResult CWaveInfoFile::WritePlan() {
  InfoWritePlanResult result;
  if (m_bHaveWritePlan) {
    result.Plan.ListOffset = m_nWriteOffset;
    result.Plan.RetiredLists = m_retiredLists;
    return result;
  }
  WaveScan found;
  found.DataFound = m_bDataFound;
  found.DataOffset = m_nDataOffset;
  found.DataSize = m_nDataSize;
  return PlanInfoWrite(*m_store, found);
}

// The new list is written first, then the old INFO lists become JUNK, and the
// RIFF size comes last, so until the end the old RIFF chunk still reads as it
// did. An odd-sized last chunk whose pad byte the file lacks gets it here.
bool CWaveInfoFile::CarryOut(const InfoWritePlan& plan, const std::vector<std::uint8_t>& list,
                             std::uint32_t riffSize) {
  const std::uint64_t size = m_store->Size();
  if (plan.ListOffset > size && !m_store->WriteAt(size, std::vector<std::uint8_t>(plan.ListOffset - size, 0)))
    return false;
  if (!list.empty() && !m_store->WriteAt(plan.ListOffset, list)) return false;
  for (std::uint64_t offset : plan.RetiredLists) {
    if (!WriteLe32(*m_store, offset, fourcc::kJunk)) return false;
  }
  return WriteLe32(*m_store, 4, riffSize) && m_store->Flush();
}

// The file is changed only after a walk of its chunk chain has shown where a
// list can go without touching any other chunk's bytes, and after reading the
// planned result back has given exactly the tags being saved.
int CWaveInfoFile::WriteInfo() {
  m_strLastError.clear();
  if (m_nMode == ReadOnly || !m_bIsOpen || !m_bOpenedWritable) return 0;
  if (const std::string reason = TooLongText(m_entries); !reason.empty()) return RefuseWrite(reason);
  const InfoWritePlanResult planned = WritePlan();
  if (!planned.Refusal.empty()) return RefuseWrite(planned.Refusal);
  const InfoWritePlan& plan = planned.Plan;

  const std::vector<std::uint8_t> list = BuildInfoList(m_entries);
  const std::uint64_t length = PlannedLength(plan, list);
  if (length > kLargestRiffFile) return RefuseWrite("the file would grow to 4 GiB or more");
  if (const std::string reason = CheckReadBack(*m_store, plan, list, m_entries); !reason.empty())
    return RefuseWrite(reason);
  const auto riffSize = static_cast<std::uint32_t>(length - 8);
  if (!CarryOut(plan, list, riffSize)) return FailWrite("Cannot write the tags to this file.");

  m_bHaveWritePlan = true;
  m_nWriteOffset = plan.ListOffset;
  m_retiredLists = plan.RetiredLists;
  m_nRiffSize = riffSize;
  m_bInfoFound = !list.empty();
  m_nListOffset = plan.ListOffset;
  m_nListSize = list.empty() ? 0 : static_cast<std::uint32_t>(list.size() - 8);
  m_nInfoOffset = list.empty() ? 0 : plan.ListOffset + 8;
  m_bModified = true;
  return 1;
}
