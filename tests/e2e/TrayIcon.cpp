#include "TrayIcon.h"

#include "WindowQuery.h"

#include <shellapi.h>

namespace e2e {

namespace {

constexpr char kWineTrayIconClass[] = "__winex11_tray_icon";
constexpr char kWineStandaloneTrayClass[] = "__winex11_standalone_tray";
constexpr UINT kSendTimeoutMs = 5000;

BOOL CALLBACK CollectChild(HWND window, LPARAM windows)
{
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

} // namespace

bool TrayIconExists(HWND owner, UINT id)
{
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = owner;
    data.uID = id;
    data.uFlags = 0;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

void RemoveTrayIcon(HWND owner, UINT id)
{
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = owner;
    data.uID = id;
    Shell_NotifyIconA(NIM_DELETE, &data);
}

void PostTaskbarCreated(HWND window)
{
    PostMessageW(window, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
}

void PostTrayNotification(HWND owner, UINT mouseMessage, UINT id)
{
    PostMessageW(owner, kTrayCallbackMessage, id, mouseMessage);
}

void PostTrayClick(HWND owner)
{
    for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE})
        PostTrayNotification(owner, message);
}

void PostTrayDoubleClick(HWND owner)
{
    for (UINT message :
         {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP, WM_MOUSEMOVE, WM_MOUSEMOVE})
        PostTrayNotification(owner, message);
}

bool SendTrayNotification(HWND owner, UINT mouseMessage, UINT id)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(owner, kTrayCallbackMessage, id, mouseMessage, SMTO_NORMAL, kSendTimeoutMs, &result) !=
           0;
}

std::vector<HWND> WineTrayIconWindows()
{
    std::vector<HWND> icons = OfClass(TopLevelWindows(), kWineTrayIconClass);
    for (HWND tray : OfClass(TopLevelWindows(), kWineStandaloneTrayClass)) {
        std::vector<HWND> children;
        EnumChildWindows(tray, CollectChild, reinterpret_cast<LPARAM>(&children));
        for (HWND icon : OfClass(children, kWineTrayIconClass)) {
            icons.push_back(icon);
        }
    }
    return icons;
}

} // namespace e2e
