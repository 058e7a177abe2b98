#pragma once

#include "DataFolder.h"
#include "FileResult.h"
#include "MemoSaver.h"
#include "MemoState.h"

#include <functional>
#include <string>

// Saving all memos. The memo-window side supplies the collected state; everything else is here.
//
// SaveAllMemos of the program is meant to be
//
//     void SaveAllMemos() { SaveAllMemosWith(CollectMemos); }
//
// where CollectMemos walks the registry of open memo windows in its order and appends GetMemoText
// and GetWindowInfo of each window. The exit command looks at the outcome: on Failed it tells the
// user failure.Describe() and offers to retry; the timer ignores it, because the MemoSaver keeps
// the old state after a failure and the next tick tries again.

struct SaveOutcome
{
    enum class Result
    {
        Busy,       // a save or restore is running further up the stack: nothing was done
        Forbidden,  // memo.txt could not be read at start: the files are left alone for this run
        Unchanged,  // the memos equal the MemoSaver: no file was touched
        Written,    // both files were replaced and the MemoSaver holds the new state
        Failed      // a file could not be written: see failure; the MemoSaver is unchanged
    };

    Result result = Result::Unchanged;
    FileResult failure = FileResult::Success();
};

// Compares current with the saver and, when they differ, writes both files; the saver takes
// current only when both were written. Does not look at the busy flag.
SaveOutcome SaveMemoState(const MemoState& current, MemoSaver& saver,
                          const std::wstring& folder = ExecutableFolder());

// SaveMemoState under the busy flag, with the state collected after the flag was taken.
SaveOutcome SaveAllMemosWith(const std::function<MemoState()>& collect,
                             MemoSaver& saver = GetMemoSaver(),
                             const std::wstring& folder = ExecutableFolder());
