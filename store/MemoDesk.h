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
    // True while the user is busy with a memo (its edit dialog or one of its menus is open): a
    // take-in would close or replace memos under that dialog or menu, and the text typed into it
    // would go to a memo that no longer exists. None: never busy.
    std::function<bool()> busy;

    // A desk that can also take memos in; without close and open the files are never checked.
    bool CanTakeIn() const { return close && open; }
    // Whether a take-in may change the windows now.
    bool CanTakeInNow() const { return CanTakeIn() && !(busy && busy()); }
};
