#include "MemoTest.h"

#include "HeldModifierKeys.h"
#include "Input.h"
#include "MemoWindowQuery.h"
#include "TrayIcon.h"
#include "Wait.h"
#include "WindowQuery.h"

#include <algorithm>

namespace e2e {

namespace {

// Whether the memo or its text still waits to be painted.
bool AwaitsPainting(HWND memo)
{
    const HWND label = ChildOf(memo, kMemoLabelClass);
    return GetUpdateRect(memo, nullptr, FALSE) || (label && GetUpdateRect(label, nullptr, FALSE));
}

} // namespace

void MemoTest::SetUp()
{
    KamifudaTest::SetUp();
    program_ = StartProgram();
    ASSERT_NE(program_.mainWindow, nullptr);
}

HWND MemoTest::WaitForEditDialog()
{
    HWND dialog = nullptr;
    // Shown and ready for input: its modal loop has put the focus on one of its controls.
    WaitUntil([&] {
        dialog = VisibleWindowOfClass(ProcessId(), kEditDialogClass);
        return dialog != nullptr && IsChild(dialog, FocusOfThreadOf(dialog));
    });
    return dialog;
}

HWND MemoTest::WaitForMemo()
{
    HWND memo = nullptr;
    WaitUntil([&] { return (memo = VisibleWindowOfClass(ProcessId(), kMemoWindowClass)) != nullptr; });
    return memo;
}

std::vector<HWND> MemoTest::VisibleMemos() const
{
    std::vector<HWND> memos = OfClass(TopLevelWindowsOfProcess(ProcessId()), kMemoWindowClass);
    std::erase_if(memos, [](HWND memo) { return !IsWindowVisible(memo); });
    return memos;
}

HWND MemoTest::OpenNewMemoDialog()
{
    PostTrayDoubleClick(program_.mainWindow);
    return WaitForEditDialog();
}

HWND MemoTest::NewMemo(const std::string& text)
{
    const std::vector<HWND> before = VisibleMemos();
    HWND dialog = OpenNewMemoDialog();
    if (!dialog) {
        ADD_FAILURE() << "no edit dialog opened; the program's windows:\n" << DescribeScreenOf(ProcessId());
        return nullptr;
    }
    HWND edit = ChildOf(dialog, "Edit");
    HWND ok = ChildOf(dialog, "Button", L"OK");
    if (!edit || !ok) {
        ADD_FAILURE() << "the edit dialog has no edit box or no OK button";
        return nullptr;
    }
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (!ClickWhenSettled(dialog, ok) || !WaitUntilHidden(dialog)) {
        ADD_FAILURE() << "a click on OK did not close the edit dialog; the program's windows:\n"
                      << DescribeScreenOf(ProcessId());
        return nullptr;
    }
    // Not simply the topmost memo: as the dialog closes, the activation may go back to an older
    // memo and raise it above the new one.
    HWND memo = nullptr;
    WaitUntil([&] {
        const std::vector<HWND> now = VisibleMemos();
        const auto added = std::find_if(now.begin(), now.end(), [&](HWND window) {
            return std::find(before.begin(), before.end(), window) == before.end();
        });
        memo = added != now.end() ? *added : nullptr;
        return memo != nullptr;
    });
    if (!memo)
        ADD_FAILURE() << "no new memo is shown";
    return memo;
}

HWND MemoTest::RightClickText(HWND memo, const std::vector<WORD>& heldKeys)
{
    HWND label = ChildOf(memo, kMemoLabelClass);
    if (!label)
        return nullptr;
    Activate(memo);
    // The pointer reaches the text before the keys are held, so that entering the label is over
    // before the press.
    MovePointerTo(CentreOf(label));
    const HeldModifierKeys held(heldKeys);
    if (!held.AllHeld())
        return nullptr;
    ClickAt(CentreOf(label), MouseButton::Right);
    HWND menu = WaitForOpenMenu(ProcessId());
    if (!menu)
        ADD_FAILURE() << "the right click opened no menu; the program's windows:\n" << DescribeScreenOf(ProcessId());
    return menu;
}

void MemoTest::Activate(HWND memo)
{
    // Wine gives an activated window the X input focus itself, and the X server's focus events
    // reach the program only when its thread next waits for messages, after those it has (the
    // press, a save). Arriving while a right click on a memo was handled, they now and then closed
    // its menu as it opened. That does not happen to a user on Windows, so the memo is activated
    // first, with a press on its margin as a user would, and its thread is left to come to rest:
    // the memo is the foreground window with the focus and nothing holds the mouse, and a repaint
    // asked for after that is done (a thread paints only once no other message waits). A memo just
    // restored may not take the activation from a press; the right click then goes to it as it is.
    POINT margin{0, 0};
    ClientToScreen(memo, &margin);
    ClickAt(POINT{margin.x - 2, margin.y + 2}, MouseButton::Left);
    const auto active = [&] {
        const HWND focus = FocusOfThreadOf(memo);
        return GetForegroundWindow() == memo && (focus == memo || IsChild(memo, focus)) &&
               CaptureOfThreadOf(memo) == nullptr;
    };
    WaitUntil(active, kActivationTimeout);
    RedrawWindow(memo, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    WaitUntil([&] { return !AwaitsPainting(memo); }, kActivationTimeout);
}

bool MemoTest::ClickWhenSettled(HWND dialog, HWND button)
{
    // A dialog that shows may still be placing itself: a button is ready for the click once the
    // dialog's modal loop has put the focus on one of its controls and the button stays in one
    // place from one look to the next.
    RECT last{};
    const bool ready = WaitUntil([&] {
        const RECT now = RectOf(button);
        const bool settled = EqualRect(&now, &last) != FALSE;
        last = now;
        return settled && IsWindowVisible(button) && IsChild(dialog, FocusOfThreadOf(dialog));
    });
    if (ready)
        ClickAt(CentreOf(button), MouseButton::Left);
    return ready;
}

bool MemoTest::PressControlEnter()
{
    // In one batch into the focused dialog, as a chord comes from a keyboard.
    PressChord(VK_CONTROL, VK_RETURN);
    return true;
}

bool MemoTest::ChooseWithKeys(const std::vector<WORD>& keys)
{
    PressKeys(keys);
    if (WaitUntil([&] { return OpenPopupMenuOf(ProcessId()) == nullptr; }))
        return true;
    ADD_FAILURE() << "the keys left the menu open; the program's windows:\n" << DescribeScreenOf(ProcessId());
    return false;
}

bool MemoTest::WaitUntilHidden(HWND window)
{
    return WaitUntil([&] { return !IsWindowVisible(window); });
}

HWND MemoTest::WaitForMessageBox(const std::wstring& caption)
{
    HWND box = nullptr;
    WaitUntil([&] {
        for (HWND window : OfClass(TopLevelWindowsOfProcess(ProcessId()), kMessageBoxClass))
            if (IsWindowVisible(window) && WideCaptionOf(window) == caption)
                box = window;
        return box != nullptr;
    });
    return box;
}

} // namespace e2e
