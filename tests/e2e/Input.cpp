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
    Send({MouseInput(DownFlag(button)), MouseInput(UpFlag(button))});
}

void HoldKey(WORD virtualKey)
{
    Send({KeyInput(virtualKey, 0)});
}
void LetGoKey(WORD virtualKey)
{
    Send({KeyInput(virtualKey, KEYEVENTF_KEYUP)});
}

void PressButton(MouseButton button)
{
    Send({MouseInput(DownFlag(button))});
}
void ReleaseButton(MouseButton button)
{
    Send({MouseInput(UpFlag(button))});
}

void MovePointerTo(POINT screenPoint)
{
    SetCursorPos(screenPoint.x, screenPoint.y);
}

} // namespace e2e
