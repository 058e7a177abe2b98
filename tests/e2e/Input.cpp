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

void ClickAt(POINT screenPoint, MouseButton button)
{
    SetCursorPos(screenPoint.x, screenPoint.y);
    const bool left = button == MouseButton::Left;
    Send({MouseInput(left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN),
          MouseInput(left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP)});
}

} // namespace e2e
