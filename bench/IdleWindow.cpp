#include "IdleWindow.h"

#include "MemoFixture.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {
constexpr DWORD kMemoStyle = WS_POPUP | WS_THICKFRAME;
constexpr DWORD kMemoExStyle = WS_EX_TOOLWINDOW;
constexpr int kLabelMargin = 5;

int WindowsWanted()
{
    const char* value = std::getenv(kIdleWindowsVariable);
    return value != nullptr ? std::max(1, std::atoi(value)) : 1;
}

void ShowMemoLikeWindow(HINSTANCE instance, const std::string& text, const CWindowInfo& info)
{
    const HWND window = CreateWindowExA(kMemoExStyle, kIdleWindowClass, "", kMemoStyle, info.Left, info.Top, info.Width,
                                        info.Height, nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return;
    RECT client;
    GetClientRect(window, &client);
    CreateWindowExA(0, "STATIC", text.c_str(), WS_CHILD | WS_VISIBLE, kLabelMargin, kLabelMargin,
                    client.right - 2 * kLabelMargin, client.bottom - 2 * kLabelMargin, window, nullptr, instance,
                    nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
}
}

int RunIdleWindows()
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_INFOBK + 1);
    windowClass.lpszClassName = kIdleWindowClass;
    RegisterClassA(&windowClass);
    const MemoState memos = MakeMemos(WindowsWanted());
    for (std::size_t i = 0; i < memos.texts.size(); ++i)
        ShowMemoLikeWindow(instance, memos.texts[i], memos.infos[i]);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}
