#pragma once

#include <string>
#include <string_view>
#include <vector>

// The text format of memo.txt: one escaped line per memo, each followed by CR LF, no byte-order
// mark and nothing else. Everything works on bytes of the ANSI code page; a 0x5C byte is a
// backslash wherever it stands, also as the second byte of a double-byte character, so doubling it
// here and halving it on reading brings such characters back intact.

// One memo text as one line: backslashes doubled, every CR LF and every lone CR or LF as
// backslash-n. The result holds no CR and no LF.
std::string EscapeMemoText(const std::string& text);

// The inverse for texts whose line breaks are CR LF: backslash-backslash gives one backslash,
// backslash-n gives CR LF, any other byte (also a backslash before anything else) is kept.
std::string UnescapeMemoText(std::string_view line);

// The whole file content for a list of texts.
std::string JoinMemoTexts(const std::vector<std::string>& texts);

// The texts of a file content. CR LF, bare CR and bare LF all end a line; an empty rest after the
// last line end is no text, a non-empty rest is the last one.
std::vector<std::string> SplitMemoTexts(const std::string& content);
