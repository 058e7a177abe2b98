#pragma once
// Saving and restoring all memo windows.

#include <optional>
#include <string>

// Saves when anything differs from the state last written or read. A write that fails is tried
// again by the next call.
void SaveAllMemos();

// The same, for the exit command: the reason (file and system message, UTF-8) when the files could
// not be written, so the user can be asked whether to try again.
std::optional<std::string> SaveAllMemosReportingFailure();

// Opens one memo window per stored memo.
void RestoreAllMemos();
