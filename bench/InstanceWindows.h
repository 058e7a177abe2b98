#pragma once

#include "VisibleWindowCounter.h"

#include <windows.h>

// The windows of one starting Kamifuda as another process sees them (see VisibleWindowCounter for
// why answers are kept).
class InstanceWindows {
public:
    explicit InstanceWindows(DWORD processId);

    // Whether the main window (class "TDummyWindow", caption "Kamifuda") of the process exists.
    bool MainWindowExists() const { return MainWindow() != nullptr; }
    // Whether the main window (class "TDummyWindow", caption "Kamifuda") exists and the shell holds
    // its tray icon.
    bool TrayIconAdded();
    // Takes the tray icon of the main window away, as the program's exit command does.
    void RemoveTrayIcon() const;
    // The top-level memo windows (class "TMemoWindow") of the process that have been seen visible.
    int VisibleMemoWindows() { return memoWindows_.Count(); }

private:
    HWND MainWindow() const;

    DWORD processId_;
    bool trayIconFound_ = false;
    VisibleWindowCounter memoWindows_;
};
