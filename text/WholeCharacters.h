#pragma once
// Cutting a text of the ANSI code page to a number of bytes without leaving half of a double-byte
// character (Shift_JIS in the Japanese code page).

#include <cstddef>
#include <string_view>

// The longest start of the text that has at most maxBytes bytes and is made of whole characters. A
// lead byte whose trail byte would lie beyond maxBytes is left out, and so is a lead byte that ends
// the text: it is half of a character too, whatever broke it.
std::string_view WholeCharacterPrefix(std::string_view text, std::size_t maxBytes);
