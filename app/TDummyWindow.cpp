#include "TDummyWindow.h"

#include "Application.h"
#include "Clipboard.h"
#include "DeletedMemoCaption.h"
#include "MemoPersistence.h"
#include "MemosOnScreen.h"
#include "PopupMenu.h"
#include "TAbout.h"
#include "TMemoWindow.h"
#include "Text.h"
#include "Timer.h"
#include "TipText.h"

#include <windowsx.h>

namespace {
// The single click on the tray icon waits this timer out. The timers of the form's components are
// numbered from 1; this one stands far from them.
constexpr UINT_PTR kSingleClickTimerId = 0x5C11C;
} // namespace

TDummyWindow::TDummyWindow()
{
    Bind("FormCreate", [this](ui::Component& s) { FormCreate(s); });
    Bind("Button1Click", [this](ui::Component& s) { Button1Click(s); });
    Bind("miFromClipBoardClick", [this](ui::Component& s) { miFromClipBoardClick(s); });
    Bind("miAllToFrontClick", [this](ui::Component& s) { miAllToFrontClick(s); });
    Bind("miAboutClick", [this](ui::Component& s) { miAboutClick(s); });
    Bind("miMenuEndClick", [this](ui::Component& s) { miMenuEndClick(s); });
    Bind("TimerTimer", [this](ui::Component& s) { TimerTimer(s); });
    LoadForm(L"TDUMMYWINDOW");

    // Far off-screen with no size: the window is shown but never seen.
    SetTop(-10000);
    SetLeft(-10000);
    SetWidth(0);
    SetHeight(0);
    Get<ui::MenuItem>("miAddMemo").SetOnClick([this](ui::Component& s) { Button1Click(s); });
    SetCaptionAnsi(kMainWindowCaption);
    taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");
    ui::Application::Instance().SetMainForm(this);
    FinishCreate();
}

TDummyWindow::~TDummyWindow()
{
    if (ui::Application::Instance().MainForm() == this)
        ui::Application::Instance().SetMainForm(nullptr);
}

void TDummyWindow::CreateParams(CreateParamsData& params)
{
    Form::CreateParams(params);
    params.style |= WS_THICKFRAME;
    params.exStyle = WS_EX_TOOLWINDOW;
}

void TDummyWindow::FormCreate(ui::Component&)
{
    SetTrayIcon(true);
    RestoreAllMemos();
}

void TDummyWindow::SetTrayIcon(bool firstTime)
{
    ui::Application::Instance().KeepOffTaskBar();
    TrayIconData = NOTIFYICONDATAA{};
    TrayIconData.cbSize = kTrayIconDataSize;
    TrayIconData.hWnd = Handle();
    TrayIconData.uID = kTrayIconId;
    TrayIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    TrayIconData.uCallbackMessage = WM_TRAYNOTIFY;
    TrayIconData.hIcon = LoadIconA(GetModuleHandleA(nullptr), "MINI");
    CopyTipText(ui::Application::Instance().Title(), TrayIconData.szTip);
    if (!firstTime)
        Shell_NotifyIconA(NIM_DELETE, &TrayIconData);
    Shell_NotifyIconA(NIM_ADD, &TrayIconData);
}

void TDummyWindow::RemoveTrayIcon()
{
    Shell_NotifyIconA(NIM_DELETE, &TrayIconData);
}

LRESULT TDummyWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TRAYNOTIFY) {
        TrayIconMessage(wParam, lParam);
        return 0;
    }
    if (message == taskbarCreatedMessage_ && taskbarCreatedMessage_ != 0) {
        // The shell restarted and forgot every icon: without ours the program could not be reached.
        SetTrayIcon(true);
        return 0;
    }
    switch (message) {
    case WM_TIMER:
        if (wParam != kSingleClickTimerId)
            break;
        KillTimer(Handle(), kSingleClickTimerId);
        ShowMemosInFront();
        return 0;
    case WM_DISPLAYCHANGE:
        DisplayChanged();
        break;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETWORKAREA)
            DisplayChanged();
        break;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wParam)
            EndWithoutQuestions();
        return 0;
    case WM_CLOSE:
        // The exit command calls Close itself, so a close request that arrives as a message comes
        // from elsewhere: taskkill without /f and tools that end a program post one to each of its
        // top-level windows, and the application window passes its own on. The program ends as at
        // the end of the session; there may be nobody to answer a question about a failed save.
        EndWithoutQuestions();
        Close();
        return 0;
    default:
        break;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

void TDummyWindow::TrayIconMessage(WPARAM iconId, LPARAM mouseMessage)
{
    // Nothing else of the program answers while a dialog waits for the user, so whatever is done on
    // the icon shows that dialog. Otherwise no notification makes this window the foreground one:
    // the button-up and the moves that follow a double click arrive while the new memo's dialog is
    // open and would take the keyboard from it. The tray menu makes its window the foreground itself.
    BringOpenDialogToFront();
    if (iconId != kTrayIconId)
        return;
    switch (mouseMessage) {
    case WM_LBUTTONUP:
        TrayButtonUp();
        break;
    case WM_LBUTTONDBLCLK:
        TrayDoubleClick();
        break;
    case WM_RBUTTONDOWN:
        ShowTrayMenu();
        break;
    default:
        break;
    }
}

void TDummyWindow::TrayButtonUp()
{
    // A double click comes as button-down, button-up, double click, button-up.
    const bool endsDoubleClick = doubleClickTick_ && GetTickCount() - *doubleClickTick_ <= GetDoubleClickTime();
    doubleClickTick_.reset();
    if (!endsDoubleClick)
        SetTimer(Handle(), kSingleClickTimerId, GetDoubleClickTime(), nullptr);
}

void TDummyWindow::TrayDoubleClick()
{
    KillTimer(Handle(), kSingleClickTimerId);
    doubleClickTick_ = GetTickCount();
    Button1Click(*this);
}

bool TDummyWindow::BringOpenDialogToFront()
{
    HWND dialog = ui::Application::Instance().OpenDialog();
    if (!dialog)
        return false;
    if (GetForegroundWindow() == dialog)
        return true;
    // Activation alone does not raise a window everywhere (not under Wine).
    BringWindowToTop(dialog);
    SetForegroundWindow(dialog);
    return true;
}

void TDummyWindow::ShowMemosInFront()
{
    if (!BringOpenDialogToFront())
        BringMemosToFront();
}

void TDummyWindow::DisplayChanged()
{
    KeepMemosOnDesktop(CurrentDesktopLayout());
}

void TDummyWindow::UpdateTrayMenu()
{
    Get<ui::MenuItem>("miFromClipBoard").SetEnabled(!ui::GetClipboardText().text.empty());
    FillRestoreMenu();
}

void TDummyWindow::FillRestoreMenu()
{
    offered_ = DeletedMemosToOffer();
    auto& restore = Get<ui::MenuItem>("miRestoreDeleted");
    restore.Clear();
    for (std::size_t i = 0; i < offered_.texts.size() && i < kDeletedMemosOffered; ++i) {
        auto item = std::make_unique<ui::MenuItem>(*this);
        item->SetTag(static_cast<int>(i));
        item->SetCaption(DeletedMemoCaption(offered_.texts[i]));
        item->SetAutomaticHotkey(false);
        item->SetOnClick([this](ui::Component& s) { RestoreDeletedClick(s); });
        restore.Add(std::move(item));
    }
    restore.SetEnabled(!restore.Items().empty());
}

void TDummyWindow::RestoreDeletedClick(ui::Component& sender)
{
    const auto index = static_cast<std::size_t>(sender.Tag());
    if (index < offered_.texts.size())
        BringBackDeletedMemo(offered_.texts[index], offered_.infos[index]);
}

void TDummyWindow::ShowTrayMenu()
{
    UpdateTrayMenu();
    Get<ui::PopupMenu>("PopupMenu").PopupAtCursor();
}

void TDummyWindow::Button1Click(ui::Component&)
{
    TMemoWindow& memo = TMemoWindow::Create();
    memo.ShowPainted();
    memo.OpenEditDialog();
}

void TDummyWindow::miFromClipBoardClick(ui::Component&)
{
    TMemoWindow& memo = TMemoWindow::Create();
    memo.ShowPainted();
    // Declined for characters the code page lacks: no memo is made.
    if (!memo.PasteClipboardText())
        memo.Close();
}

void TDummyWindow::miAllToFrontClick(ui::Component&)
{
    ShowMemosInFront();
}

void TDummyWindow::miAboutClick(ui::Component&)
{
    TAbout about(*this); // built anew each time, so the version is read anew
    about.ShowModal();
}

void TDummyWindow::TimerTimer(ui::Component&)
{
    SaveAllMemos();
}

void TDummyWindow::miMenuEndClick(ui::Component&)
{
    Get<ui::Timer>("Timer").SetEnabled(false);
    Close();
    FinalSave(true);
}

void TDummyWindow::EndWithoutQuestions()
{
    Get<ui::Timer>("Timer").SetEnabled(false);
    FinalSave(false);
}

void TDummyWindow::FinalSave(bool askOnFailure)
{
    if (ended_)
        return;
    for (;;) {
        std::optional<std::string> failure = SaveAllMemosReportingFailure(askOnFailure);
        if (!failure || !askOnFailure)
            break;
        std::wstring text = ui::Utf8ToWide(*failure + "\n\nもう一度保存を試しますか？\n"
                                                      "「キャンセル」を選ぶと、保存せずに終了します。");
        int answer = ui::Application::Instance().ShowMessageBox(text, MB_RETRYCANCEL | MB_ICONWARNING);
        if (answer != IDRETRY)
            break;
    }
    ended_ = true;
    RemoveTrayIcon();
}
