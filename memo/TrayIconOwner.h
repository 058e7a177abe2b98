#pragma once
// What a memo window asks of the main window: re-registering the tray icon each time a memo menu
// opens. The main window implements it; memo windows find it as the application's main form.

class ITrayIconOwner {
public:
    virtual void SetTrayIcon(bool firstTime) = 0;

protected:
    ~ITrayIconOwner() = default;
};

// The main window, or null while there is none (in unit tests of memo windows).
ITrayIconOwner* TrayIconOwner();
