#include "info_list_bytes.h"

#include "four_cc.h"
#include "little_endian.h"

namespace {

void StartList(std::vector<std::uint8_t>& list) {
  if (!list.empty()) return;
  AppendLe32(list, fourcc::kList);
  AppendLe32(list, 0);  // the list size, filled in at the end
  AppendLe32(list, fourcc::kInfo);
}

void AppendSubChunk(std::vector<std::uint8_t>& list, std::uint32_t id, std::uint32_t size, const auto& bytes,
                    std::size_t zeros) {
  StartList(list);
  AppendLe32(list, id);
  AppendLe32(list, size);
  list.insert(list.end(), bytes.begin(), bytes.end());
  list.insert(list.end(), zeros, 0);
}

}  // namespace

std::vector<std::uint8_t> BuildInfoList(const InfoEntries& entries, const ForeignSubChunks& foreign) {
  std::vector<std::uint8_t> list;
  for (const InfoEntry& entry : entries) {
    if (entry.Present != 1) continue;
    const std::size_t length = entry.Text.size();
    const bool odd = length % 2 == 1;
    AppendSubChunk(list, entry.Id, static_cast<std::uint32_t>(odd ? length : length + 1), entry.Text, odd ? 1 : 2);
  }
  for (const ForeignSubChunk& chunk : foreign) {
    const std::size_t length = chunk.Payload.size();
    AppendSubChunk(list, chunk.Id, static_cast<std::uint32_t>(length), chunk.Payload, length % 2);
  }
  if (!list.empty()) StoreLe32(list.data() + 4, static_cast<std::uint32_t>(list.size() - 8));
  return list;
}
