// CWaveInfoFile::WriteInfo: puts the tags into the open file in place.
#include <algorithm>

#include "four_cc.h"
#include "info_list_bytes.h"
#include "info_write_plan.h"
#include "little_endian.h"
#include "journaled_save.h"
#include "wave_info_file.h"

namespace {

// A RIFF size could describe a few bytes more, but the walk refuses files of
// 4 GiB, and no save may make a file that the next save refuses.
constexpr std::uint64_t kFourGiB = std::uint64_t{1} << 32;

// The new end of the file, from where the list starts (or from the old end,
// when an odd last chunk lacks its pad byte) to the new length.
struct NewTail {
  std::uint64_t Offset;
  std::vector<std::uint8_t> Bytes;
};

NewTail MakeNewTail(const InfoWritePlan& plan, const std::vector<std::uint8_t>& list, std::uint64_t oldLength) {
  NewTail tail{std::min(plan.ListOffset, oldLength), {}};
  tail.Bytes.assign(static_cast<std::size_t>(plan.ListOffset - tail.Offset), 0);
  tail.Bytes.insert(tail.Bytes.end(), list.begin(), list.end());
  return tail;
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
  if (!m_bHaveWritePlan) return PlanInfoWrite(*m_store);
  InfoWritePlanResult result;
  result.Plan.ListOffset = m_nWriteOffset;
  result.Plan.RetiredLists = m_retiredLists;
  return result;
}

// The bytes beyond the old end go first: that is where a full disk fails,
// before anything the old file's readers see has changed. Then the list's
// bytes over the old list, the old lists that become JUNK, and the RIFF size.
// Returns an empty text, or what the user must be told.
std::string CWaveInfoFile::CarryOut(const InfoWritePlan& plan, const std::vector<std::uint8_t>& list,
                             std::uint32_t riffSize) {
  const std::uint64_t oldLength = m_store->Size();
  const NewTail tail = MakeNewTail(plan, list, oldLength);
  const auto inPlace = static_cast<std::ptrdiff_t>(std::min<std::uint64_t>(tail.Bytes.size(), oldLength - tail.Offset));
  std::vector<PlannedWrite> writes;
  if (tail.Bytes.begin() + inPlace != tail.Bytes.end())
    writes.push_back({oldLength, {tail.Bytes.begin() + inPlace, tail.Bytes.end()}});
  if (inPlace > 0) writes.push_back({tail.Offset, {tail.Bytes.begin(), tail.Bytes.begin() + inPlace}});
  for (std::uint64_t offset : plan.RetiredLists) writes.push_back({offset, Le32Bytes(fourcc::kJunk)});
  writes.push_back({4, Le32Bytes(riffSize)});

  const SaveResult result = SaveWithJournal(*m_store, *m_place, writes, tail.Offset + tail.Bytes.size());
  switch (result.Outcome) {
    case SaveOutcome::Saved:
      return {};
    case SaveOutcome::Refused:
      return "The tags were not saved: " + result.Reason + ". The file was not changed.";
    case SaveOutcome::PutBack:
      return "Cannot write the tags to this file. The file was left as it was.";
    case SaveOutcome::PutBackLater:
      return "Cannot write the tags to this file, nor put its old bytes back now: Kestrune puts them back "
             "the next time it opens the file.";
  }
  return {};
}

// Another program may have replaced the file (a new file under the same
// name) or changed its length since it was opened; a save then would go to a
// file the user no longer sees, or by a plan made for other bytes.
std::string CWaveInfoFile::WhyNotTheOpenFile() {
  if (m_place->StillNamesTheOpenFile() && m_store->Size() == m_nKnownLength) return {};
  return "The tags were not saved: another program replaced, removed or changed " + m_strFileName +
         " after Kestrune opened it; open it again to edit its tags.";
}

// The file is changed only after a walk of its chunk chain has shown where a
// list can go without touching any other chunk's bytes, and after reading the
// planned result back has given exactly the tags being saved.
int CWaveInfoFile::WriteInfo() {
  m_strLastError.clear();
  if (m_nMode == ReadOnly || !m_bIsOpen || !m_bOpenedWritable) return 0;
  const PlaceLock lock(*m_place);
  if (!lock.Held()) return FailWrite("The tags were not saved: another program is saving " + m_strFileName + ".");
  if (const std::string why = WhyNotTheOpenFile(); !why.empty()) return FailWrite(why);
  const InfoWritePlanResult planned = WritePlan();
  if (!planned.Refusal.empty()) return RefuseWrite(planned.Refusal);
  const InfoWritePlan& plan = planned.Plan;

  const std::vector<std::uint8_t> list = BuildInfoList(m_entries, m_foreign);
  const std::uint64_t length = PlannedLength(plan, list);
  if (length >= kFourGiB) return RefuseWrite("the file would grow to 4 GiB or more");
  if (const std::string reason = CheckReadBack(*m_store, plan, list, {m_entries, m_foreign}); !reason.empty())
    return RefuseWrite(reason);
  const auto riffSize = static_cast<std::uint32_t>(length - 8);
  if (const std::string failure = CarryOut(plan, list, riffSize); !failure.empty()) return FailWrite(failure);

  m_bHaveWritePlan = true;
  m_nWriteOffset = plan.ListOffset;
  m_retiredLists = plan.RetiredLists;
  m_nRiffSize = riffSize;
  m_nKnownLength = length;
  m_bInfoFound = !list.empty();
  m_nListOffset = plan.ListOffset;
  m_nListSize = list.empty() ? 0 : static_cast<std::uint32_t>(list.size() - 8);
  m_nInfoOffset = list.empty() ? 0 : plan.ListOffset + 8;
  m_bModified = true;
  return 1;
}
