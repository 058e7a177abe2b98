#pragma once

#include <cstddef>
#include <string_view>

// The form memo.txt's bytes take. The program writes the ANSI code page's bytes and no byte-order
// mark; another editor may have saved the file in UTF-8 or UTF-16 (Notepad saves UTF-8 by default,
// with or without a mark). Plain bytes in, no Windows: the native checks fuzz it.
enum class MemoFileEncoding
{
    CodePage,          // the program's own form: read as it is
    Utf8Marked,        // UTF-8 after the mark EF BB BF
    Utf8Guessed,       // UTF-8 without a mark, judged by its bytes alone
    Utf16LittleEndian, // after the mark FF FE
    Utf16BigEndian     // after the mark FE FF
};

// A byte-order mark decides. Without one, bytes that are valid UTF-8 holding at least one
// three-byte sequence (the form Japanese takes in UTF-8) are taken for UTF-8, unless the code page
// is UTF-8 itself. That is a guess: a few Shift_JIS texts are valid UTF-8 by chance. Everything else
// is the code page's: nearly every Japanese text the program writes is not valid UTF-8, since
// Shift_JIS lead bytes 0x81 to 0x9F are UTF-8 continuation bytes.
MemoFileEncoding DetectMemoFileEncoding(std::string_view bytes, bool codePageIsUtf8);

// The length of the byte-order mark the bytes start with in this encoding: 0, 2 or 3.
std::size_t ByteOrderMarkLength(MemoFileEncoding encoding);
