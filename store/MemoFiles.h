#pragma once

#include "DataFolder.h"
#include "FileResult.h"
#include "FileRetry.h"
#include "MemoState.h"

#include <string>

// The pair memo.txt and info.ini, replaced together; the deleted memos' pair by the same rules.
//
// Both are written completely under temporary names and flushed; then memo.txt is moved over the
// old one, then info.ini. A crash leaves each file wholly old or wholly new, and the temporary
// files tell which info.ini belongs to memo.txt (see SaveGenerations.h): should the process end
// between the two moves, or info.ini be held by another program, FinishInterruptedSave completes
// the pair later.

// Writes both files. On failure nothing or only memo.txt was replaced, and the result names the
// file that could not be written and why. A file held by another program is tried again within the
// budget.
FileResult WriteMemoFiles(const MemoState& state, const std::wstring& folder = ExecutableFolder(),
                          RetryBudget budget = kRetryForAboutASecond, const DataPair& pair = kMainPair);

// Cleans up after saves that did not finish: the completed temporary info.ini that belongs to
// memo.txt is moved into place, every other temporary file is removed. The result is a failure
// when that info.ini could not take its place (it is kept for a later call): until then info.ini
// holds older places than memo.txt.
FileResult FinishInterruptedSave(const std::wstring& folder = ExecutableFolder(),
                                 RetryBudget budget = kRetryForAboutASecond, const DataPair& pair = kMainPair);
