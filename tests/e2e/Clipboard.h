#pragma once

#include <windows.h>

#include <string>

// Puts data on the clipboard for the program to find, as another program would.
namespace e2e {

// ANSI text (CF_TEXT); the terminating zero is added.
void PutTextOnClipboard(const std::string& text);
// Data of a format that is not text, so the clipboard holds something but no text.
void PutDataOnClipboard(UINT format, const std::string& bytes);
void EmptyTheClipboard();

// A private format no text conversion knows of.
UINT NonTextClipboardFormat();

} // namespace e2e
