#pragma once

#include <windows.h>

#include <string>

// The clipboard as another program uses it: data put there for the program to find, and the text
// the program put there.
namespace e2e {

// ANSI text (CF_TEXT); the terminating zero is added.
void PutTextOnClipboard(const std::string& text);
// Data of a format that is not text, so the clipboard holds something but no text.
void PutDataOnClipboard(UINT format, const std::string& bytes);
void EmptyTheClipboard();
// The clipboard's text (CF_TEXT), empty when it holds none.
std::string ClipboardText();

// A private format no text conversion knows of.
UINT NonTextClipboardFormat();

} // namespace e2e
