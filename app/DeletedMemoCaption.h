#pragma once
// The captions of the tray's submenu that brings deleted memos back.

#include <cstddef>
#include <string>

// The submenu offers the newest this many deleted memos.
inline constexpr std::size_t kDeletedMemosOffered = 10;
// A longer first line is cut to this many characters and ends in "…".
inline constexpr std::size_t kLongestDeletedCaption = 30;

// The memo's first line (ANSI code page) as a menu shows it: a tab as a space (a menu would take
// it for the start of a shortcut column), cut to kLongestDeletedCaption characters with "…", and
// every ampersand doubled so it shows as itself rather than marking an accelerator.
std::wstring DeletedMemoCaption(const std::string& ansiText);
