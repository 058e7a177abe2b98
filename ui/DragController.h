#pragma once
// Runs one drag from its start to its end. The capture window holds the mouse capture for the whole
// drag, so every pointer movement reaches the drag however far the pointer goes. The drag object is
// asked for the cursor once at the start and again on every movement, and that cursor is shown. A
// left or right button release ends the drag, and so do Escape and the loss of the capture; in every
// case the drag ends where it is. Other messages (timers, painting) are handled as usual meanwhile.

#include "base/NonCopyable.h"

#include <windows.h>

namespace ui {

class DragObject;

enum class DragEnding
{
    Released,
    Cancelled,
    CaptureLost,
    Quit
};

class DragController : private base::NonCopyable {
public:
    DragController(HWND captureWindow, DragObject& object);

    // Returns when the drag has ended; the capture is released by then, also when the drag object
    // raises an error.
    DragEnding Run();

private:
    // Handles one message of the drag's loop; true when it ends the drag, with `ending` set.
    bool Consider(const MSG& msg, DragEnding& ending);
    void FollowPointer();

    HWND captureWindow_;
    DragObject& object_;
};

} // namespace ui
