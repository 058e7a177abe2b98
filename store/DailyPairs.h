#pragma once

#include "DataFolder.h"

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

// A pair kept each day: the first save of a calendar day that changes the files first copies
// memo.txt and info.ini as they stand, byte for byte, into the folder "backup" beside them:
//
//     backup\memo-20261210.txt    backup\info-20261210.ini      (local date)
//
// A day's file is written once and never replaced (another copy on a synced folder finds it there
// and leaves it); the newest kDaysKept days are kept and older pairs deleted. Going back to a day
// by hand: end the program, copy the day's two files over memo.txt and info.ini, start it.

inline constexpr std::size_t kDaysKept = 7;
inline constexpr const wchar_t* kBackupFolderName = L"backup";

// "20261210" for that day.
std::wstring DayStamp(const SYSTEMTIME& day);

// Of these file names (a listing of the backup folder), those of days older than the newest
// kDaysKept days; names that are no day's pair are left alone.
std::vector<std::wstring> NamesOfOldDays(const std::vector<std::wstring>& names);

// Keeps the day's pair (a file that is missing beside memo.txt is not copied) and deletes the pairs
// of older days. False when something could not be written: the save goes on regardless and
// the next one tries again.
bool KeepDailyPair(const SYSTEMTIME& day, const std::wstring& folder = ExecutableFolder());
