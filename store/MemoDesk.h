#pragma once

#include "MemoRestore.h"
#include "MemoState.h"

#include <cstddef>
#include <functional>

// What the memo-window side offers the save: the state of its windows and, for taking in what
// another copy of the program wrote, closing one of them and opening a new one.
struct MemoDesk {
    // The text and record of every open memo, in the registry's order.
    std::function<MemoState()> collect;
    // Closes the memo at this position of the list that the last collect returned.
    std::function<void(std::size_t)> close;
    // Opens a memo window as the restore at start does (may throw).
    std::function<void(const MemoWindowPlan&)> open;

    // A desk that can also take memos in; without close and open the files are never checked.
    bool CanTakeIn() const { return close && open; }
};
