#include "info_list_bytes.h"

#include "four_cc.h"
#include "little_endian.h"

std::vector<std::uint8_t> BuildInfoList(const InfoEntries& entries) {
  std::vector<std::uint8_t> list;
  for (const InfoEntry& entry : entries) {
    if (entry.Present != 1) continue;
    if (list.empty()) {
      AppendLe32(list, fourcc::kList);
      AppendLe32(list, 0);  // the list size, filled in below
      AppendLe32(list, fourcc::kInfo);
    }
    const std::size_t length = entry.Text.size();
    const bool odd = length % 2 == 1;
    AppendLe32(list, entry.Id);
    AppendLe32(list, static_cast<std::uint32_t>(odd ? length : length + 1));
    list.insert(list.end(), entry.Text.begin(), entry.Text.end());
    list.insert(list.end(), odd ? 1 : 2, 0);
  }
  if (!list.empty()) StoreLe32(list.data() + 4, static_cast<std::uint32_t>(list.size() - 8));
  return list;
}
