#include "DragController.h"

#include "CursorPosition.h"
#include "DragObject.h"
#include "MouseCapture.h"

namespace ui {

DragController::DragController(HWND captureWindow, DragObject& object) : captureWindow_(captureWindow), object_(object)
{}

DragEnding DragController::Run()
{
    MouseCapture capture(captureWindow_);
    FollowPointer();
    // The drag's own loop: the messages that steer the drag are taken here before any window sees
    // them. The capture can be taken away by a message sent while waiting, so it is checked after
    // each one.
    for (;;) {
        if (!capture.Held())
            return DragEnding::CaptureLost;
        MSG msg{};
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            PostQuitMessage(static_cast<int>(msg.wParam)); // for the loops outside this one
            return DragEnding::Quit;
        }
        DragEnding ending{};
        if (Consider(msg, ending))
            return ending;
    }
}

bool DragController::Consider(const MSG& msg, DragEnding& ending)
{
    switch (msg.message) {
    case WM_MOUSEMOVE:
        FollowPointer();
        return false;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        ending = DragEnding::Released;
        return true;
    case WM_KEYDOWN:
        if (msg.wParam == VK_ESCAPE) {
            ending = DragEnding::Cancelled;
            return true;
        }
        return false; // other keys mean nothing during a drag
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
        return false; // taken by the drag: no window acts on them meanwhile
    default:
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        return false;
    }
}

void DragController::FollowPointer()
{
    const POINT pointer = CursorPosition();
    // No window of ours accepts a drop.
    SetCursor(object_.GetDragCursor(false, pointer.x, pointer.y));
}

} // namespace ui
