#pragma once

#include "DataFolder.h"
#include "FileResult.h"
#include "MemoState.h"

#include <string>

// The pair memo.txt and info.ini, replaced together.
//
// Both are written completely under temporary names and flushed; then memo.txt is moved over the
// old one, then info.ini. A crash leaves each file wholly old or wholly new. Should the process end
// between the two moves, FinishInterruptedSave completes the pair at the next start.

// Writes both files. On failure nothing or only memo.txt was replaced, and the result names the
// file that could not be written and why.
FileResult WriteMemoFiles(const MemoState& state, const std::wstring& folder = ExecutableFolder());

// Cleans up after a save that did not finish: when memo.txt was already replaced, the completed
// temporary info.ini is moved into place (kept for a later call if info.ini cannot be replaced
// now); every other temporary file is removed.
void FinishInterruptedSave(const std::wstring& folder = ExecutableFolder());
