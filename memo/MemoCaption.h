#pragma once
// The window caption of a memo: its first line, shortened when it is very long.

#include <cstddef>
#include <string>

// The caption is never shown (a memo has no title bar), but the window manager passes it on: Wine's
// X11 driver sends it to the X server in one request, and a caption of many megabytes exceeds the
// server's request limit and ends the program. The memo text itself is not affected.
inline constexpr std::size_t kLongestMemoCaption = 1024;

// The first kLongestMemoCaption bytes of the line at most, never ending in half of a double-byte
// character of the ANSI code page.
std::string MemoCaption(const std::string& firstLine);
