#include "element_color_table.h"

namespace {

constexpr ColorTriple kWhite{255, 255, 255};
constexpr ColorTriple kAmber{255, 174, 0};
constexpr ColorTriple kYellow{255, 255, 0};
constexpr ColorTriple kGreen{0, 200, 0};
constexpr ColorTriple kBrightGreen{0, 255, 0};
constexpr ColorTriple kPaleCyan{200, 255, 255};
constexpr ColorTriple kLavender{200, 200, 255};

// In element order: caption buttons, upper row, transport, then the displays,
// the lamps and the slider thumb.
constexpr std::array<ColorTriple, kElementCount> kDefaults = {
    kWhite,       kWhite,    kWhite,                                       // system menu, minimise, close
    kAmber,       kAmber,    kAmber,       kAmber,      kAmber,            // tracklist ... random
    kYellow,      kYellow,                                                 // about, help
    kGreen,       kGreen,    kBrightGreen, kGreen,      kGreen,            // home, RW, play, FF, end
    kBrightGreen, kGreen,                                                  // stop, pause
    kAmber,       kPaleCyan, kYellow,                                      // track text, digits, separator
    kLavender,    kLavender, kYellow,      kYellow,                        // Dic, Tag, Vid, Aud lamps
    kBrightGreen,                                                          // slider thumb
};

bool IsElement(int index) { return index >= 0 && index < kElementCount; }

}  // namespace

ElementColorTable::ElementColorTable() : m_colors(kDefaults) {}

ColorTriple ElementColorTable::GetColor(int index) const { return IsElement(index) ? m_colors[index] : ColorTriple{}; }

void ElementColorTable::SetColor(int index, ColorTriple colour) {
  if (IsElement(index)) {
    m_colors[index] = colour;
  }
}

ColorTriple ElementColorTable::DefaultColor(int index) { return IsElement(index) ? kDefaults[index] : ColorTriple{}; }
