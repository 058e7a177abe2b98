#pragma once

#include <string>

// Where the data files live: beside the executable. Every function that touches them takes the
// folder as a parameter (tests pass a temporary folder) and defaults to this one.
//
// Paths are wide texts and every file call is a wide one: a folder named in characters outside the
// ANSI code page (an accented letter on a Japanese system) is reached as it is.

inline constexpr const wchar_t* kMemoFileName = L"memo.txt";
inline constexpr const wchar_t* kInfoFileName = L"info.ini";

// The folder of the running executable, without a trailing backslash.
std::wstring ExecutableFolder();

std::wstring PathInFolder(const std::wstring& folder, const std::wstring& name);
