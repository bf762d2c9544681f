#pragma once

#include <array>

// The dictionary editor as drawn in dialog units (see dialog_units.h), with
// the identifiers of its controls. Controls carry their name as object name.
enum DictionaryId : int {
  IDD_DICTIONARY = 104,
  IDC_DIC_CLOSE = 1,  // the dialog's OK command, its default button
  IDC_DIC_DELETE = 1040,
  IDC_DIC_LIST = 1041,
  IDC_DIC_SORT = 1043,
  IDC_DIC_SOURCE = 1044,
  IDC_DIC_GENRE = 1045,
  IDC_DIC_NAME = 1046,
  IDC_DIC_DATE = 1047,
  IDC_DIC_ARTIST = 1048,
  IDC_DIC_COMMENT = 1049,
};

namespace dictionary_layout {

enum class ControlKind { Label, Edit, List, Button };

struct ControlTemplate {
  int id;            // -1 for a label
  const char* name;  // object name, "" for a label
  ControlKind kind;
  const char* text;     // label or button text
  const char* toolTip;  // empty for none
  int x, y, width, height;
};

inline constexpr int kWidth = 195;
inline constexpr int kHeight = 258;

extern const std::array<ControlTemplate, 16> kControls;

}  // namespace dictionary_layout
