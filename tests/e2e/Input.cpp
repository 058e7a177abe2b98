#include "Input.h"

#include <vector>

namespace e2e {

namespace {

INPUT KeyInput(WORD virtualKey, DWORD flags)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = flags;
    return input;
}

INPUT MouseInput(DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

DWORD DownFlag(MouseButton button)
{
    return button == MouseButton::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN;
}

DWORD UpFlag(MouseButton button)
{
    return button == MouseButton::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP;
}

// SendInput's absolute coordinates run from 0 to 65535 across the primary screen, and Wine takes
// a pixel as (coordinate * extent) >> 16: rounded up, the coordinate names the pixel itself.
LONG NormalisedCoordinate(LONG pixel, int extent)
{
    return static_cast<LONG>((static_cast<LONGLONG>(pixel) * 65536 + extent - 1) / extent);
}

// A button pressed or released at a screen point, the move and the button in one input event. Under
// Wine a program turns the X server's pointer events into mouse moves whenever its thread next
// waits, and such an event can still name where the pointer was before (a window shown under the
// pointer reports it entering). Taken in after the test has moved the pointer on, it puts the
// cursor back, and a press that follows the cursor lands there, on another control or beside the
// window. A press that names its point lands on it whatever came before.
INPUT MouseButtonAt(POINT screenPoint, DWORD buttonFlag)
{
    INPUT input = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlag);
    input.mi.dx = NormalisedCoordinate(screenPoint.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = NormalisedCoordinate(screenPoint.y, GetSystemMetrics(SM_CYSCREEN));
    return input;
}

void Send(std::vector<INPUT> inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

} // namespace

void PressKeys(const std::vector<WORD>& virtualKeys)
{
    std::vector<INPUT> inputs;
    for (WORD key : virtualKeys) {
        inputs.push_back(KeyInput(key, 0));
        inputs.push_back(KeyInput(key, KEYEVENTF_KEYUP));
    }
    Send(inputs);
}

void PressChord(WORD modifier, WORD key)
{
    Send(
        {KeyInput(modifier, 0), KeyInput(key, 0), KeyInput(key, KEYEVENTF_KEYUP), KeyInput(modifier, KEYEVENTF_KEYUP)});
}

void ClickAt(POINT screenPoint, MouseButton button)
{
    MovePointerTo(screenPoint);
    Send({MouseButtonAt(screenPoint, DownFlag(button)), MouseButtonAt(screenPoint, UpFlag(button))});
}

void HoldKey(WORD virtualKey)
{
    Send({KeyInput(virtualKey, 0)});
}
void LetGoKey(WORD virtualKey)
{
    Send({KeyInput(virtualKey, KEYEVENTF_KEYUP)});
}

void PressButtonAt(POINT screenPoint, MouseButton button)
{
    MovePointerTo(screenPoint);
    Send({MouseButtonAt(screenPoint, DownFlag(button))});
}
void ReleaseButtonAt(POINT screenPoint, MouseButton button)
{
    MovePointerTo(screenPoint);
    Send({MouseButtonAt(screenPoint, UpFlag(button))});
}

void MovePointerTo(POINT screenPoint)
{
    SetCursorPos(screenPoint.x, screenPoint.y);
}

} // namespace e2e
