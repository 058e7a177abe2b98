#pragma once

#include <windows.h>

#include <vector>

// Real input through SendInput: it goes to whichever window has the focus or lies under the cursor,
// as a person's keystrokes and clicks would.
namespace e2e {

enum class MouseButton { Left, Right };

// Presses and releases each key in turn.
void PressKeys(const std::vector<WORD>& virtualKeys);

// Moves the cursor to a screen point and presses and releases the button there.
void ClickAt(POINT screenPoint, MouseButton button);

} // namespace e2e
