#pragma once
// The object of one drag. The drag machinery asks it for the cursor when the drag starts and on
// every pointer movement while the drag lasts; a derived object may act on those calls (move a
// window, say). The default object moves nothing and shows the no-drop cursor.

#include "base/NonCopyable.h"

#include <windows.h>

namespace ui {

class DragObject : private base::NonCopyable {
public:
    DragObject() = default;
    virtual ~DragObject() = default;

    // accepted: whether the window under the pointer would take a drop (no window of ours does);
    // x, y: the pointer in screen coordinates. Returns the cursor to show.
    virtual HCURSOR GetDragCursor(bool accepted, int x, int y);
};

} // namespace ui
