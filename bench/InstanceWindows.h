#pragma once

#include <windows.h>

// The windows of one running Kamifuda as another process sees them.
class InstanceWindows
{
public:
    explicit InstanceWindows(DWORD processId) : processId(processId) {}

    // The main window (class "TDummyWindow", caption "Kamifuda") of the process, or null.
    HWND MainWindow() const;
    // Whether the shell holds the tray icon of the main window.
    bool TrayIconAdded() const;
    // The visible top-level memo windows (class "TMemoWindow") of the process.
    int VisibleMemoWindows() const;

private:
    DWORD processId;
};
