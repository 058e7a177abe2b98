#pragma once

#include "FileResult.h"
#include "FileRetry.h"

#include <functional>
#include <string>

// Reading memo.txt and info.ini while other programs may have them open: another copy of the
// program or a sync tool writing or renaming them, a virus scanner, a backup or indexing tool.

// Opens path for reading and runs use on the open file. The file is shared for reading, writing and
// deleting, so that reading it keeps no other program from its work; one that is held by another
// program is opened again (and use run again) within the budget (FileRetry.h).
// Returns the error of opening, or what use returned.
DWORD UseFileForReading(const std::wstring& path, RetryBudget budget, const std::function<DWORD(HANDLE)>& use);

// Reads path byte for byte; a file that shrinks meanwhile gives what is there. On failure bytes is
// empty.
FileResult ReadFileFromDisk(const std::wstring& path, std::string& bytes, RetryBudget budget);
