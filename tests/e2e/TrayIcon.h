#pragma once

#include <windows.h>

#include <vector>

// The program's tray icon as another process sees it.
namespace e2e {

inline constexpr UINT kTrayIconId = 1;
inline constexpr UINT kTrayCallbackMessage = WM_USER + 1;

// Whether the shell holds an icon for this owner window and id. Asks the shell to modify the icon
// without naming any field to change: the shell answers success only for an icon it knows.
bool TrayIconExists(HWND owner, UINT id = kTrayIconId);

// Takes the icon away as a restarting shell forgets it.
void RemoveTrayIcon(HWND owner, UINT id = kTrayIconId);

// Tells a window the shell has restarted, as the shell does after a restart.
void PostTaskbarCreated(HWND window);

// Posts the notification the shell sends when the mouse acts on the icon.
void PostTrayNotification(HWND owner, UINT mouseMessage, UINT id = kTrayIconId);

// What the shell sends for a person's click on the icon: the pointer comes, the button goes down
// and up, the pointer moves on.
void PostTrayClick(HWND owner);
// And for a double click: button-down, button-up, double click, button-up, the pointer moving
// before and after. The last ones arrive while whatever the double click opened is up.
void PostTrayDoubleClick(HWND owner);

// Sends the notification and returns once the owner has handled it; false if it has not returned
// within the timeout (for instance because the handler opened a modal menu).
bool SendTrayNotification(HWND owner, UINT mouseMessage, UINT id = kTrayIconId);

// The windows Wine's X11 driver shows the tray icons in, one per icon (docked or in its stand-alone
// tray window). Wine-specific: on Windows the list is empty.
std::vector<HWND> WineTrayIconWindows();

} // namespace e2e
