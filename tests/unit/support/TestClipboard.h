#pragma once
// The clipboard as the unit tests fill and read it, with the plain Win32 calls and independently of
// the code under test.

#include <windows.h>

#include <string>

namespace testclipboard {

// The bytes as they are, under this format, replacing what the clipboard held.
void Put(UINT format, const std::string& bytes);
// ANSI text as CF_TEXT; the terminating zero is added.
void PutText(const std::string& ansiText);
void Empty();
// The clipboard's CF_TEXT, empty when it holds none.
std::string ReadText();

} // namespace testclipboard
