#pragma once

#include <windows.h>

#include <vector>

// Real input through SendInput: it goes to whichever window has the focus or lies under the cursor,
// as a person's keystrokes and clicks would.
namespace e2e {

enum class MouseButton
{
    Left,
    Right
};

// Presses and releases each key in turn.
void PressKeys(const std::vector<WORD>& virtualKeys);

// A modifier held around one key, as a single batch of input: nothing can come between them, so
// the window that has the focus reads the chord whole (Ctrl+Enter in a dialog).
void PressChord(WORD modifier, WORD key);

// Moves the cursor to a screen point and presses and releases the button there, each naming the
// point, so that the click lands there whatever pointer events the program takes in meanwhile.
void ClickAt(POINT screenPoint, MouseButton button);

// A key held down or let go. Only for a system where SendInput's keys are all there is: a modifier
// held this way under Wine reads as released at the next focus or pointer event (HeldModifierKeys.h).
void HoldKey(WORD virtualKey);
void LetGoKey(WORD virtualKey);

// The mouse pointer step by step, for drags: press, move, release as separate input events. Like
// ClickAt, a press or release moves the pointer to its point and names the point.
void PressButtonAt(POINT screenPoint, MouseButton button);
void ReleaseButtonAt(POINT screenPoint, MouseButton button);
// Puts the pointer on a screen point; a window that holds the capture sees the movement.
void MovePointerTo(POINT screenPoint);

} // namespace e2e
