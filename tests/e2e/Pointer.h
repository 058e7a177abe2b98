#pragma once

#include "Input.h"

#include <windows.h>

// The mouse pointer step by step, for drags: press, move, release as separate real input events.
namespace e2e {

void PressButton(MouseButton button);
void ReleaseButton(MouseButton button);
// Puts the pointer on a screen point; a window that holds the capture sees the movement.
void MovePointerTo(POINT screenPoint);

// The window that holds the mouse capture in the thread that owns `window`, or null.
HWND CaptureOfThreadOf(HWND window);

} // namespace e2e
