#include "tag_editor_layout.h"

#include "tag_editor_ids.h"

namespace tag_editor_layout {

namespace {
constexpr ControlKind L = ControlKind::Label;
constexpr ControlKind V = ControlKind::Value;
constexpr ControlKind E = ControlKind::Edit;
constexpr ControlKind B = ControlKind::Button;
}  // namespace

const std::array<ControlTemplate, 33> kControls = {{
    {-1, "", L, "Filename:", 2, 2, 31, 8},
    {IDC_FILENAME, "IDC_FILENAME", V, "", 48, 2, 144, 8},
    {-1, "", L, "RIFF size:", 2, 13, 32, 8},
    {IDC_RIFFSIZE, "IDC_RIFFSIZE", V, "", 48, 13, 144, 8},
    {-1, "", L, "Format:", 2, 24, 24, 8},
    {IDC_FORMAT, "IDC_FORMAT", V, "", 48, 24, 144, 8},
    {-1, "", L, "Samples/sec:", 2, 35, 44, 8},
    {IDC_SAMPLERATE, "IDC_SAMPLERATE", V, "", 48, 35, 144, 8},
    {-1, "", L, "Bits/sample:", 2, 46, 40, 8},
    {IDC_BITSPERSAMPLE, "IDC_BITSPERSAMPLE", V, "", 48, 46, 144, 8},
    {-1, "", L, "Channels:", 2, 57, 33, 8},
    {IDC_CHANNELS, "IDC_CHANNELS", V, "", 48, 57, 144, 8},
    {-1, "", L, "Data rate:", 2, 68, 33, 8},
    {IDC_DATARATE, "IDC_DATARATE", V, "", 48, 68, 144, 8},
    {-1, "", L, "Artist:", 2, 82, 20, 8},
    {IDC_ARTIST, "IDC_ARTIST", E, "", 39, 80, 153, 12},
    {-1, "", L, "Name:", 2, 96, 24, 8},
    {IDC_NAME, "IDC_NAME", E, "", 39, 94, 153, 12},
    {-1, "", L, "Genre:", 2, 110, 25, 8},
    {IDC_GENRE, "IDC_GENRE", E, "", 39, 108, 153, 12},
    {-1, "", L, "Created:", 2, 124, 29, 8},
    {IDC_CREATED, "IDC_CREATED", E, "", 39, 123, 153, 12},
    {-1, "", L, "Source:", 2, 139, 28, 8},
    {IDC_SOURCE, "IDC_SOURCE", E, "", 39, 138, 153, 12},
    {-1, "", L, "Comment:", 2, 154, 34, 8},
    {IDC_COMMENT, "IDC_COMMENT", E, "", 39, 152, 153, 12},
    {IDC_OPEN, "IDC_OPEN", B, "Open", 2, 169, 28, 14},
    {IDC_RECALL, "IDC_RECALL", B, "<", 35, 169, 11, 14},
    {IDC_REMEMBER, "IDC_REMEMBER", B, ">", 49, 169, 11, 14},
    {IDC_CLEAR, "IDC_CLEAR", B, "Clear", 65, 169, 28, 14},
    {IDC_SAVE, "IDC_SAVE", B, "Save", 98, 169, 28, 14},
    {IDC_CLOSE, "IDC_CLOSE", B, "Close", 131, 169, 28, 14},
    {IDC_EXIT, "IDC_EXIT", B, "Exit", 164, 169, 28, 14},
}};

}  // namespace tag_editor_layout
