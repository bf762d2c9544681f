#pragma once

#include <optional>
#include <string_view>

// A stored value as text, read as a 32-bit integer: optional blanks, an
// optional sign, decimal digits, optional blanks, nothing else. Values from
// -2^31 up to 2^32-1 are accepted (a colour with its top byte set is stored
// unsigned) and taken modulo 2^32; anything else is not an integer.
std::optional<int> ParseProfileInt(std::string_view text);
