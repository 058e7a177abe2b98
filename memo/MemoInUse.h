#pragma once
// Whether the user is busy with a memo: its edit dialog or one of its menus is open. Meanwhile what
// another copy of the program wrote is not taken in, since a take-in closes and replaces memos, and
// the text typed into the dialog, or the command chosen in the menu, would go to a memo that has
// left the desktop.

#include "base/NonCopyable.h"

// Marks a dialog or menu of a memo as open for as long as it lives.
class MemoInUse : private base::NonCopyable {
public:
    MemoInUse();
    ~MemoInUse();

    // True while any is open.
    static bool Any();
};
