#include "TMemoWindow.h"

#include "Application.h"
#include "CMoveWindow.h"
#include "Clipboard.h"
#include "CursorPosition.h"
#include "Dpi.h"
#include "Label.h"
#include "LostCharacters.h"
#include "MemoCaption.h"
#include "MemoInUse.h"
#include "MemoPersistence.h"
#include "MenuItem.h"
#include "PopupMenu.h"
#include "SharedGdiObjects.h"
#include "TEditMemo.h"
#include "TMemoWindows.h"
#include "TrayIconOwner.h"
#include "store/DesktopClamp.h"
#include "store/MemoColors.h"
#include "store/MemoSaver.h"
#include "text/Lines.h"
#include "text/RegEx2.h"

#include <cstdlib>
#include <optional>

#include <windowsx.h>

namespace {

constexpr char kTrailingLineBreaks[] = "[\r\n]+$";
constexpr char kAnyLineBreak[] = "[\r\n]";
constexpr wchar_t kCopyLineCaptionSuffix[] = L"行目をコピー";
// The largest size a window's coordinates can describe.
constexpr LONG kLargestWindowSize = 32767;
// Far beyond any desktop, yet far from the ends of a window's coordinates.
constexpr std::int32_t kFarthestPlainCoordinate = 1 << 20;
// The low four bits of a system command's wParam are the system's own.
constexpr WPARAM kSystemCommandMask = 0xFFF0;

// WM_CONTEXTMENU from the keyboard (Shift+F10, the Menu key) carries the position -1, -1.
bool FromTheKeyboard(LPARAM position)
{
    return GET_X_LPARAM(position) == -1 && GET_Y_LPARAM(position) == -1;
}

// The text up to its first CR or LF: the memo's first line.
std::string FirstLine(const std::string& text)
{
    std::unique_ptr<RegEx2::CResult> match = CompiledOnce(kAnyLineBreak).Search(text);
    return match ? match->Prefix() : text;
}

// The caption of the copy-line item for a line counted from 1.
std::wstring CopyLineCaption(int line)
{
    return std::to_wstring(line) + kCopyLineCaptionSuffix;
}

} // namespace

TMemoWindow::TMemoWindow(ui::Form* owner) : TMemoWindow(owner, std::nullopt) {}

TMemoWindow::TMemoWindow(ui::Form* owner, std::optional<RECT> madeAt) : Form(owner), madeAt_(madeAt)
{
    BindHandlers();
    LoadForm(L"TMEMOWINDOW");
    label_ = &Get<ui::Label>("Label");
    FClickInfo = std::make_unique<TClickInfo>();
    MemoLabel().SetCaptionAnsi("");
    FinishCreate();
    GetMemoWindows().Insert(*this);
}

TMemoWindow::~TMemoWindow()
{
    // The program destroys only closed memos, which have left the registry; a test that destroys
    // an open one must not leave the registry pointing at a freed one.
    GetMemoWindows().Remove(*this);
}

TMemoWindow& TMemoWindow::Create()
{
    // Freed by LeaveDesktop once it has been closed.
    auto* window = new TMemoWindow();
    window->freedWhenClosed_ = true;
    return *window;
}

TMemoWindow& TMemoWindow::CreateRestored(const std::string& text, const CWindowInfo& info, const DesktopLayout& desktop)
{
    // Made where the record's steps (SetMemoText, then PlaceAndColor) would leave it, so that the
    // window is not moved at all when the system takes that rectangle as it is. A record beyond
    // the coordinates windows have (only a damaged info.ini holds one) takes the steps themselves.
    const bool plain = std::abs(info.Left) <= kFarthestPlainCoordinate &&
                       std::abs(info.Top) <= kFarthestPlainCoordinate && info.Width > 0 &&
                       info.Width <= kLargestWindowSize && info.Height > 0 && info.Height <= kLargestWindowSize;
    RECT wanted{info.Left, info.Top, info.Left + info.Width, info.Top + info.Height};
    if (plain) {
        const POINT corner = ClampWindowPosition(wanted, desktop);
        wanted = RECT{corner.x, corner.y, corner.x + info.Width, corner.y + info.Height};
    }
    TMemoWindow& window = plain ? *new TMemoWindow(nullptr, wanted) : Create();
    window.freedWhenClosed_ = true; // freed once closed, as Create's
    if (info.Dpi != window.Dpi()) {
        window.TakeText(text);
        window.RestoreFromOtherDpi(info, desktop);
        return window;
    }
    const bool roomInside =
        info.Width > window.Width() - window.ClientWidth() && info.Height > window.Height() - window.ClientHeight();
    if (!plain || !roomInside) {
        // The size comes from the text, or the record is odd: the steps themselves.
        window.SetMemoText(text);
        window.PlaceAndColor(info, desktop);
        return window;
    }
    // The text-fitted size that SetMemoText would give is replaced by the record's; no save, as
    // SetMemoText's returns at once while the restore holds the busy flag.
    window.TakeText(text);
    window.MemoLabel().SetBounds(0, 0, window.ClientWidth(), window.ClientHeight());
    const RECT made = window.BoundsRect();
    if (!EqualRect(&made, &wanted))
        window.PlaceAndColor(info, desktop); // the system kept the size within its limits
    else
        window.ColorFormAndLabel(static_cast<COLORREF>(info.Color));
    return window;
}

void TMemoWindow::BindHandlers()
{
    Bind("FormClose", [this](ui::Component& s, ui::CloseAction& a) { FormClose(s, a); });
    Bind("FormClick", [this](ui::Component& s) { FormClick(s); });
    Bind("LabelMouseDown", [this](ui::Component& s, ui::MouseButton b, ui::ShiftState k, int x, int y) {
        LabelMouseDown(s, b, k, x, y);
    });
    Bind("LabelStartDrag", [this](ui::Component& s, std::unique_ptr<ui::DragObject>& d) { LabelStartDrag(s, d); });
    Bind("miEditClick", [this](ui::Component& s) { miEditClick(s); });
    Bind("miYellowClick", [this](ui::Component&) { SetMemoColor(kMemoYellow); });
    Bind("miGreenClick", [this](ui::Component&) { SetMemoColor(kMemoGreen); });
    Bind("miBlueClick", [this](ui::Component&) { SetMemoColor(kMemoBlue); });
    Bind("miRedClick", [this](ui::Component&) { SetMemoColor(kMemoRed); });
    Bind("miUndoClick", [this](ui::Component& s) { miUndoClick(s); });
    Bind("miCopyClick", [this](ui::Component& s) { miCopyClick(s); });
    Bind("miPasteClick", [this](ui::Component& s) { miPasteClick(s); });
    Bind("miHagasuClick", [this](ui::Component& s) { miHagasuClick(s); });
}

void TMemoWindow::CreateParams(CreateParamsData& params)
{
    // A borderless pop-up owned by the application window, with a sizing frame for the user, and
    // neither a task-bar button nor an Alt+Tab entry.
    Form::CreateParams(params);
    params.style |= WS_THICKFRAME;
    params.exStyle |= WS_EX_TOOLWINDOW;
    if (madeAt_) {
        params.x = madeAt_->left;
        params.y = madeAt_->top;
        params.width = madeAt_->right - madeAt_->left;
        params.height = madeAt_->bottom - madeAt_->top;
        params.designClientSize = false;
    }
}

LRESULT TMemoWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Closing a memo deletes it, so only the user's own closes reach Close. The delete command (and
    // the edit dialog when its text is emptied) call Close directly, never through a message. The
    // other close a person has is Alt+F4 on the memo that holds the keyboard focus: the default
    // window procedure turns the key into the system command SC_CLOSE on the memo, which is then
    // the foreground window. A close request that comes alone is not the user's: taskkill without
    // /f and tools that end a program post WM_CLOSE to each top-level window of the process, every
    // memo included, and a SC_CLOSE sent by another program finds that program in the foreground.
    // Such a request is left to the main window, which ends the program with its last save;
    // deleting the memos meanwhile would empty memo.txt at the next save.
    if (message == WM_SYSCOMMAND && (wParam & kSystemCommandMask) == SC_CLOSE) {
        if (GetForegroundWindow() == Handle())
            Close();
        return 0;
    }
    if (message == WM_CLOSE)
        return 0;
    // The context menus of a right press open from the press itself (LabelMouseDown); the message
    // that the default window procedure makes of the release is left alone.
    if (message == WM_CONTEXTMENU && FromTheKeyboard(lParam)) {
        MenuKey();
        return 0;
    }
    if (message == ui::kDpiChangedMessage) {
        // The new DPI comes from the message: until it has been handled, the system may still
        // answer the old one when asked.
        MoveToDpi(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    }
    LRESULT result = Form::HandleMessage(message, wParam, lParam);
    if (message == WM_GETMINMAXINFO) {
        // A memo is exactly as large as its text: the window manager would otherwise keep a window
        // with a sizing frame no larger than the screen and cut a long text off.
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMaxTrackSize = POINT{kLargestWindowSize, kLargestWindowSize};
    }
    return result;
}

void TMemoWindow::ShowPainted()
{
    Show();
    UpdateWindow(Handle());
}

// ---- text, colour and geometry ---------------------------------------------------------------------

void TMemoWindow::SetMemoText(const std::string& text)
{
    TakeText(text);
    FitToText();
    SaveAllMemos();
}

void TMemoWindow::TakeText(const std::string& text)
{
    // A copy first: the undo command passes FUndoText itself, which is overwritten below.
    const std::string working = CompiledOnce(kTrailingLineBreaks).ReplaceAll(text, "");
    SetCaptionAnsi(MemoCaption(FirstLine(working)));
    FUndoText = GetMemoText();
    MemoLabel().SetCaptionAnsi(working);
}

void TMemoWindow::FitToText()
{
    // The label's own auto-size would move it once for the old caption and once for the new one;
    // measured here, the form is resized once. The label stays without auto-size.
    ui::Label& label = MemoLabel();
    const SIZE size = label.MeasureCaption();
    SetClientSize(size.cx, size.cy);
    // Resizing the form moved the anchored label by its old distances; make it cover the client area.
    label.SetBounds(0, 0, ClientWidth(), ClientHeight());
}

bool TMemoWindow::FittedToText() const
{
    const SIZE text = MemoLabel().MeasureCaption();
    return ClientWidth() == text.cx && ClientHeight() == text.cy;
}

bool TMemoWindow::RecordFitsTextAtItsDpi(const CWindowInfo& info) const
{
    const SIZE text = MemoLabel().MeasureCaptionIn(ui::SharedFont(FontDescription().AtDpi(info.Dpi)));
    const SIZE frame = ui::FrameAtDpi(static_cast<DWORD>(GetWindowLongW(Handle(), GWL_STYLE)),
                                      static_cast<DWORD>(GetWindowLongW(Handle(), GWL_EXSTYLE)), info.Dpi);
    const int border = 2 * BorderWidthAt(info.Dpi);
    return info.Width == text.cx + border + frame.cx && info.Height == text.cy + border + frame.cy;
}

void TMemoWindow::RestoreFromOtherDpi(const CWindowInfo& info, const DesktopLayout& desktop)
{
    CWindowInfo own = info;
    own.Dpi = Dpi();
    if (RecordFitsTextAtItsDpi(info)) {
        // Scaling the fitted size would lose a pixel to rounding here and there and cut the
        // text's last row or column off; measured anew, the text is whole.
        FitToText();
        own.Width = Width();
        own.Height = Height();
    } else {
        own.Width = ui::ScaleBetween(info.Width, info.Dpi, Dpi());
        own.Height = ui::ScaleBetween(info.Height, info.Dpi, Dpi());
    }
    PlaceAndColor(own, desktop);
    MemoLabel().SetBounds(0, 0, ClientWidth(), ClientHeight());
}

void TMemoWindow::MoveToDpi(int dpi, const RECT& suggested)
{
    const bool fitted = FittedToText();
    const RECT old = BoundsRect();
    const int oldDpi = Dpi();
    RECT bounds = suggested;
    if (!fitted) {
        bounds.right = bounds.left + ui::ScaleBetween(old.right - old.left, oldDpi, dpi);
        bounds.bottom = bounds.top + ui::ScaleBetween(old.bottom - old.top, oldDpi, dpi);
    }
    ChangeDpi(dpi, bounds);
    // The size comes from the frame the window now has, which is the system's business: it stays
    // at the system's DPI where the process is per-monitor aware only in the older way.
    if (fitted)
        FitToText();
    else
        MemoLabel().SetBounds(0, 0, ClientWidth(), ClientHeight());
}

std::string TMemoWindow::GetMemoText() const
{
    return MemoLabel().CaptionAnsi();
}

void TMemoWindow::SetMemoColor(COLORREF color)
{
    ColorFormAndLabel(color);
    Hide();
    Show();
}

void TMemoWindow::ColorFormAndLabel(COLORREF color)
{
    SetColor(color);
    MemoLabel().SetColor(color);
}

CWindowInfo TMemoWindow::GetWindowInfo() const
{
    // Read once: the timer's save reads every memo's rectangle every few seconds.
    const RECT r = BoundsRect();
    return CWindowInfo(r.left, r.top, r.right - r.left, r.bottom - r.top,
                       static_cast<std::int32_t>(MemoLabel().Color()), Dpi());
}

void TMemoWindow::ApplyWindowInfo(const CWindowInfo& info)
{
    PlaceAndColor(info, CurrentDesktopLayout());
    Hide();
    Show();
}

void TMemoWindow::PlaceAndColor(const CWindowInfo& info, const DesktopLayout& desktop)
{
    // A size that leaves no room inside the frame and border (only a damaged info.ini holds one)
    // would make the memo a dot; it keeps the size its text gave it instead.
    const int width = info.Width > Width() - ClientWidth() ? info.Width : Width();
    const int height = info.Height > Height() - ClientHeight() ? info.Height : Height();
    SetBounds(info.Left, info.Top, width, height);
    // The system may have kept the size within its limits; the rectangle it took is clamped.
    ClampOntoDesktop(desktop);
    ColorFormAndLabel(static_cast<COLORREF>(info.Color));
}

void TMemoWindow::ClampOntoDesktop(const DesktopLayout& desktop)
{
    const RECT placed = BoundsRect();
    const POINT corner = ClampWindowPosition(placed, desktop);
    if (corner.x != placed.left || corner.y != placed.top)
        SetBounds(corner.x, corner.y, placed.right - placed.left, placed.bottom - placed.top);
}

// ---- the window's own events ---------------------------------------------------------------------

void TMemoWindow::FormClose(ui::Component&, ui::CloseAction&)
{
    // The close action stays "hide": the memo disappears at once, and the window object lives on,
    // out of the registry, until LeaveDesktop's destruction, so the next save no longer contains it.
    LeaveDesktop(replaced_ ? LeaveReason::Replaced : LeaveReason::UserClosed);
}

void TMemoWindow::CloseReplaced()
{
    replaced_ = true;
    Close();
}

void TMemoWindow::LeaveDesktop(LeaveReason reason)
{
    // Every memo that leaves the desktop passes here, whatever closed it: the delete command, the
    // edit dialog emptied, a take-in of another copy's files, Alt+F4.
    if (!GetMemoWindows().Remove(*this))
        return; // closed before: it is on its way out already
    // The edit dialog closes an emptied memo with its old text still shown, so that is what is kept;
    // a new memo closed with no text has nothing to bring back.
    if (reason == LeaveReason::UserClosed && !GetMemoText().empty())
        GetMemoSaver().deleted.Add(GetMemoText(), GetWindowInfo());
    // Out of the registry nothing refers to the memo any more, but its own handlers may still be
    // on the stack (the delete command runs in its menu, the dialog that emptied it is still
    // open): it is destroyed only once they have all returned.
    if (freedWhenClosed_)
        ui::Application::Instance().AfterHandlers([this] { delete this; });
}

void TMemoWindow::FormClick(ui::Component&)
{
    ui::Application::Instance().KeepOffTaskBar();
}

void TMemoWindow::LabelMouseDown(ui::Component&, ui::MouseButton button, ui::ShiftState shift, int, int)
{
    if (button != ui::MouseButton::Right)
        return;
    if (shift.shift || shift.alt)
        PopupCopyMenu();
    else
        PopupMemoMenu();
}

void TMemoWindow::LabelStartDrag(ui::Component&, std::unique_ptr<ui::DragObject>& dragObject)
{
    // The second press of a double click edits instead of moving, and leaves the record as it was.
    if (IsDoubleClick(*FClickInfo)) {
        OpenEditDialog();
        return;
    }
    RecordClick(*FClickInfo);
    dragObject = std::make_unique<CMoveWindow>(*this);
}

// ---- the menus -------------------------------------------------------------------------------------

void TMemoWindow::UpdateUndoItem()
{
    Get<ui::MenuItem>("miUndo").SetEnabled(!FUndoText.empty() && FUndoText != GetMemoText());
}

POINT TMemoWindow::MenuPoint(MenuPlace place) const
{
    if (place == MenuPlace::Cursor)
        return ui::CursorPosition();
    POINT corner{0, 0}; // the client area lies within the margin
    ClientToScreen(Handle(), &corner);
    return corner;
}

void TMemoWindow::MenuKey()
{
    // Ctrl is to the keyboard what Shift or Alt is to a right press; Shift itself belongs to
    // Shift+F10.
    if (GetKeyState(VK_CONTROL) < 0)
        PopupCopyMenu(MenuPlace::Corner);
    else
        PopupMemoMenu(MenuPlace::Corner);
}

void TMemoWindow::PopupMemoMenu(MenuPlace place)
{
    const MemoInUse inUse;
    UpdateUndoItem();
    if (ITrayIconOwner* owner = TrayIconOwner())
        owner->SetTrayIcon(false);
    Get<ui::PopupMenu>("Menu").PopupAt(MenuPoint(place));
}

void TMemoWindow::FillCopyMenu()
{
    auto& menu = Get<ui::PopupMenu>("CopyMenu");
    menu.Clear();
    const std::int32_t count = CountLines(GetMemoText());
    for (std::int32_t line = 1; line <= count; ++line) {
        auto item = std::make_unique<ui::MenuItem>(*this);
        item->SetTag(line);
        item->SetCaption(CopyLineCaption(line));
        item->SetOnClick([this](ui::Component& s) { CopyLineClick(s); });
        menu.Add(std::move(item));
    }
}

void TMemoWindow::PopupCopyMenu(MenuPlace place)
{
    const MemoInUse inUse;
    if (ITrayIconOwner* owner = TrayIconOwner())
        owner->SetTrayIcon(false);
    const POINT point = MenuPoint(place);
    FillCopyMenu();
    Get<ui::PopupMenu>("CopyMenu").PopupAt(point);
}

void TMemoWindow::CopyLineClick(ui::Component& sender)
{
    auto* item = dynamic_cast<ui::MenuItem*>(&sender);
    if (!item)
        return;
    ui::SetClipboardTextAnsi(ui::Application::Instance().Handle(), GetLine(GetMemoText(), item->Tag() - 1));
}

// ---- menu commands ---------------------------------------------------------------------------------

void TMemoWindow::OpenEditDialog()
{
    const MemoInUse inUse;
    TEditMemo dialog(*this);
    dialog.ShowModal();
}

void TMemoWindow::miEditClick(ui::Component&)
{
    OpenEditDialog();
}

void TMemoWindow::miUndoClick(ui::Component&)
{
    // The previous text comes back and the text shown becomes the undo text: a second undo redoes.
    SetMemoText(FUndoText);
}

void TMemoWindow::miCopyClick(ui::Component&)
{
    ui::SetClipboardTextAnsi(ui::Application::Instance().Handle(), GetMemoText());
}

void TMemoWindow::miPasteClick(ui::Component&)
{
    PasteClipboardText();
}

bool TMemoWindow::PasteClipboardText()
{
    const base::CodePageText pasted = ui::GetClipboardText();
    if (!ui::UserAcceptsLostCharacters(pasted.lost))
        return false;
    SetMemoText(pasted.text);
    return true;
}

void TMemoWindow::miHagasuClick(ui::Component&)
{
    Close();
}
