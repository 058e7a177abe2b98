#pragma once

#include <cstdint>
#include <string>

// A memo text seen as lines separated by CR LF. A lone CR or LF is an ordinary byte of its line,
// and a final CR LF does not open another line.

// 0 for an empty text; a text that is only CR LF has one (empty) line.
std::int32_t CountLines(const std::string& text);

// The line with that index (from 0) without its separator; an empty text for any other index.
std::string GetLine(const std::string& text, std::int32_t index);
