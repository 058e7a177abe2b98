#include "IdleWindow.h"

#include <windows.h>

namespace
{
constexpr int kSide = 100;
}

int RunIdleWindow()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kIdleWindowClass;
    RegisterClassA(&windowClass);
    const HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, kIdleWindowClass, "", WS_POPUP | WS_VISIBLE, 0, 0, kSide,
                                        kSide, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (window == nullptr)
        return 1;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}
