#pragma once
// The clipboard as the tests fill, read and hold it, with the plain Win32 calls and independently
// of the code under test. In-process unit tests and the end-to-end tests use the same helpers.

#include "base/NonCopyable.h"

#include <windows.h>

#include <string>

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
// ANSI text as CF_TEXT; the terminating zero is added.
void PutText(const std::string& ansiText);
void Empty();
// The clipboard's CF_TEXT, empty when it holds none.
std::string ReadText();

// A private format no text conversion knows of, for data that is not text.
UINT PrivateFormat();

} // namespace testclipboard
