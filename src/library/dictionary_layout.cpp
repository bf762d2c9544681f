#include "dictionary_layout.h"

namespace dictionary_layout {

namespace {
constexpr ControlKind L = ControlKind::Label;
constexpr ControlKind E = ControlKind::Edit;
constexpr ControlKind B = ControlKind::Button;
}  // namespace

// Labels reach to the edit beside them; their height is one line of text.
const std::array<ControlTemplate, 16> kControls = {{
    {IDC_DIC_LIST, "IDC_DIC_LIST", ControlKind::List, "", "Filenames", 2, 2, 191, 162},
    {-1, "", L, "Display", "", 2, 168, 32, 8},
    {IDC_DIC_NAME, "IDC_DIC_NAME", E, "", "Display Name", 35, 167, 158, 12},
    {-1, "", L, "Artist", "", 2, 184, 32, 8},
    {IDC_DIC_ARTIST, "IDC_DIC_ARTIST", E, "", "Artist", 35, 182, 158, 12},
    {-1, "", L, "Source", "", 2, 199, 32, 8},
    {IDC_DIC_SOURCE, "IDC_DIC_SOURCE", E, "", "Source", 35, 197, 158, 12},
    {-1, "", L, "Genre", "", 2, 214, 32, 8},
    {IDC_DIC_GENRE, "IDC_DIC_GENRE", E, "", "Genre", 35, 212, 94, 12},
    {-1, "", L, "Date", "", 134, 214, 18, 8},
    {IDC_DIC_DATE, "IDC_DIC_DATE", E, "", "Creation Date", 153, 212, 40, 12},
    {-1, "", L, "Comment", "", 2, 229, 32, 8},
    {IDC_DIC_COMMENT, "IDC_DIC_COMMENT", E, "", "Comment", 35, 227, 158, 12},
    {IDC_DIC_SORT, "IDC_DIC_SORT", B, "Sort", "Sort", 2, 243, 28, 13},
    {IDC_DIC_DELETE, "IDC_DIC_DELETE", B, "Delete", "Delete selection", 33, 243, 28, 13},
    {IDC_DIC_CLOSE, "IDC_DIC_CLOSE", B, "Close", "Close", 165, 243, 28, 13},
}};

}  // namespace dictionary_layout
