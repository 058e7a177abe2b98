#pragma once

#include <string>

// Where the data files live: beside the executable. Every function that touches them takes the
// folder as a parameter (tests pass a temporary folder) and defaults to this one.
//
// Paths are wide texts and every file call is a wide one: a folder named in characters outside the
// ANSI code page (an accented letter on a Japanese system) is reached as it is.

inline constexpr const wchar_t* kMemoFileName = L"memo.txt";
inline constexpr const wchar_t* kInfoFileName = L"info.ini";

// A text file and its records, saved together by the same rules: the memos on the desktop
// (memo.txt, info.ini) and the memos the user deleted, newest first (see DeletedMemos.h).
struct DataPair {
    const wchar_t* memo;
    const wchar_t* info;
};
inline constexpr DataPair kMainPair{kMemoFileName, kInfoFileName};
inline constexpr DataPair kDeletedPair{L"memo.deleted.txt", L"info.deleted.ini"};

// The folder of the running executable, without a trailing backslash.
std::wstring ExecutableFolder();

std::wstring PathInFolder(const std::wstring& folder, const std::wstring& name);
