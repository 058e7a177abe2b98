#pragma once
// The drag object of one move of a memo window: on every pointer movement the window follows the
// cursor by the cursor's displacement since the last movement, so the window keeps its offset from
// the cursor. The window is not owned; nothing happens when the drag ends.

#include "DragObject.h"

#include <windows.h>

namespace ui {
class Form;
}

class CMoveWindow : public ui::DragObject {
public:
    // Remembers the cursor position now as the starting point.
    explicit CMoveWindow(ui::Form& memoWindow);

    // Moves the window after the cursor (left first, then top) and returns the move cursor. The
    // arguments are not used: the cursor position is read anew.
    HCURSOR GetDragCursor(bool accepted, int x, int y) override;

    // The move for a cursor now at `cursor`, in screen coordinates.
    void FollowCursor(POINT cursor);

private:
    ui::Form& window_;
    POINT last_{0, 0};
};
