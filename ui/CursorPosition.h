#pragma once

#include <windows.h>

namespace ui {

// The cursor in screen coordinates; (0, 0) when the system cannot tell it (no desktop to read).
inline POINT CursorPosition()
{
    POINT p{0, 0};
    GetCursorPos(&p);
    return p;
}

} // namespace ui
