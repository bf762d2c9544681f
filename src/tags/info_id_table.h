#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "four_cc.h"

// The 25 INFO identifiers the programs know. The order matters: the INFO
// writer emits present tags in exactly this order.
inline constexpr std::size_t kInfoIdCount = 25;
inline constexpr std::array<std::uint32_t, kInfoIdCount> InfoIdTable = {
    MakeFourCC("IARL"), MakeFourCC("IART"), MakeFourCC("ICMS"), MakeFourCC("ICMT"),
    MakeFourCC("ICOP"), MakeFourCC("ICRD"), MakeFourCC("ICRP"), MakeFourCC("IDIM"),
    MakeFourCC("IDPI"), MakeFourCC("IENG"), MakeFourCC("IGNR"), MakeFourCC("IKEY"),
    MakeFourCC("ILGT"), MakeFourCC("IMED"), MakeFourCC("INAM"), MakeFourCC("IPLT"),
    MakeFourCC("IPRD"), MakeFourCC("ISBJ"), MakeFourCC("ISFT"), MakeFourCC("ISHP"),
    MakeFourCC("ISRC"), MakeFourCC("ISRF"), MakeFourCC("ITCH"), MakeFourCC("ISMP"),
    MakeFourCC("IDIT"),
};
