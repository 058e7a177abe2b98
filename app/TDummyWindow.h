#pragma once
// The never-seen main window: it owns the tray icon and the tray menu, runs the autosave timer,
// and is what a second start of the program finds.

#include "Form.h"
#include "TrayIconOwner.h"
#include "store/MemoState.h"

#include <shellapi.h>
#include <windows.h>

#include <optional>

// The single-instance contract: a second start looks for exactly this class and caption.
inline constexpr char kMainWindowClass[] = "TDummyWindow";
inline constexpr char kMainWindowCaption[] = "Kamifuda";

// The shell's notifications for the tray icon arrive as this message.
inline constexpr UINT WM_TRAYNOTIFY = WM_USER + 1;
inline constexpr UINT kTrayIconId = 1;
// The size of NOTIFYICONDATAA with the 128-byte tip, understood by every shell since Windows 2000:
// 488 bytes in the 32-bit program, more in the 64-bit one, whose handles are twice as wide.
inline constexpr DWORD kTrayIconDataSize = NOTIFYICONDATAA_V2_SIZE;
static_assert(sizeof(void*) != 4 || kTrayIconDataSize == 488);

class TDummyWindow : public ui::Form, public ITrayIconOwner {
public:
    TDummyWindow();
    ~TDummyWindow() override;

    void SetTrayIcon(bool firstTime) override;
    // Enables "memo from clipboard" exactly while the clipboard holds text, and fills "bring back a
    // deleted memo" with the newest deleted memos (greyed when there are none).
    void UpdateTrayMenu();

protected:
    void CreateParams(CreateParamsData& params) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormCreate(ui::Component& sender);
    void Button1Click(ui::Component& sender);
    void miFromClipBoardClick(ui::Component& sender);
    void miAllToFrontClick(ui::Component& sender);
    void miAboutClick(ui::Component& sender);
    void miMenuEndClick(ui::Component& sender);
    void TimerTimer(ui::Component& sender);
    void TrayIconMessage(WPARAM iconId, LPARAM mouseMessage);
    void ShowTrayMenu();
    void FillRestoreMenu();
    void RestoreDeletedClick(ui::Component& sender);
    // A left button-up on the icon: a single click once no double click has followed in time,
    // nothing when it ends a double click.
    void TrayButtonUp();
    void TrayDoubleClick();
    // The open dialog, or else every memo, in front of other programs' windows.
    void ShowMemosInFront();
    // Makes the dialog the user has to answer first the foreground window; false when none is open.
    bool BringOpenDialogToFront();
    // A display change: memos that no screen shows any more are brought back.
    void DisplayChanged();
    // The last save: with askOnFailure the user may retry a failed write or end anyway.
    void FinalSave(bool askOnFailure);
    // The end of the session or a close request from outside: the timer off and the last save,
    // which asks nothing.
    void EndWithoutQuestions();
    void RemoveTrayIcon();

    NOTIFYICONDATAA TrayIconData{};
    UINT taskbarCreatedMessage_ = 0;
    bool ended_ = false;
    // The deleted memos the restore submenu offers, by the items' tags.
    MemoState offered_;
    std::optional<DWORD> doubleClickTick_; // when the last double click on the icon came
};
