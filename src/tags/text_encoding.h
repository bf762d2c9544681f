#pragma once

#include <string>

// Tag texts are bytes. On screen they are UTF-8 when the bytes are valid
// UTF-8, otherwise Latin-1 (the RIFF default when a file names no character set).
std::string DecodeTagTextToUtf8(const std::string& bytes);

// A text the user typed (UTF-8) is stored as Latin-1 when every character
// fits, so older readers see the usual single-byte text; otherwise as UTF-8.
std::string EncodeTypedTextForTag(const std::string& utf8);
