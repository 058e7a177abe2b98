#include "Pointer.h"

namespace e2e {
namespace {

void SendMouse(DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

} // namespace

void PressButton(MouseButton button)
{
    SendMouse(button == MouseButton::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN);
}

void ReleaseButton(MouseButton button)
{
    SendMouse(button == MouseButton::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP);
}

void MovePointerTo(POINT screenPoint)
{
    SetCursorPos(screenPoint.x, screenPoint.y);
}

HWND CaptureOfThreadOf(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndCapture;
}

} // namespace e2e
