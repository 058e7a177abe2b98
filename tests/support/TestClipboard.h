#pragma once
// The clipboard as the tests fill, read and hold it, with the plain Win32 calls and independently
// of the code under test. In-process unit tests and the end-to-end tests use the same helpers.

#include "base/NonCopyable.h"

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace testclipboard {

// The clipboard opened by the test until the end of the scope. Opening is tried for a while, since
// the program under test may hold the clipboard for a moment.
class Session : private base::NonCopyable {
public:
    Session();
    ~Session();
};

// The bytes as they are, under this format, replacing what the clipboard held.
void Put(UINT format, const std::string& bytes);
// The same for several formats, placed in this order.
void PutInOrder(const std::vector<std::pair<UINT, std::string>>& formats);
// ANSI text as CF_TEXT; the terminating zero is added.
void PutText(const std::string& ansiText);
// Wide text as CF_UNICODETEXT; the terminating zero is added.
void PutUnicodeText(const std::wstring& text);
// The bytes of a text, terminating zero included, as the clipboard holds them under CF_TEXT or
// CF_UNICODETEXT.
std::string TextBytes(const std::string& ansiText);
std::string TextBytes(const std::wstring& text);
void Empty();
// The clipboard's CF_TEXT, empty when it holds none.
std::string ReadText();
// The clipboard's CF_UNICODETEXT, empty when it holds none.
std::wstring ReadUnicodeText();
// The clipboard's CF_LOCALE, 0 when it holds none.
LCID ReadLocale();
// The formats in the clipboard's order: those placed first, in the order placed, then those the
// system makes of them.
std::vector<UINT> Formats();

// A private format no text conversion knows of, for data that is not text.
UINT PrivateFormat();

} // namespace testclipboard
