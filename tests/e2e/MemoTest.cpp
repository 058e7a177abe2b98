#include "MemoTest.h"

#include "Input.h"
#include "MemoWindowQuery.h"
#include "TrayIcon.h"
#include "Wait.h"
#include "WindowQuery.h"

#include <algorithm>

namespace e2e {

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
    ClickAt(CentreOf(ok), MouseButton::Left);
    if (!WaitUntilHidden(dialog)) {
        ADD_FAILURE() << "a click on OK did not close the edit dialog";
        return nullptr;
    }
    HWND memo = WaitForMemo();
    if (!memo)
        ADD_FAILURE() << "no memo is shown";
    return memo;
}

HWND MemoTest::RightClickText(HWND memo, const std::vector<WORD>& heldKeys)
{
    HWND label = ChildOf(memo, kMemoLabelClass);
    if (!label)
        return nullptr;
    Activate(memo);
    if (!heldKeys.empty() && !HoldKeys(heldKeys)) {
        ADD_FAILURE() << "the keys did not stay held";
        return nullptr;
    }
    ClickAt(CentreOf(label), MouseButton::Right);
    HWND menu = nullptr;
    if (!WaitUntil([&] { return (menu = OpenPopupMenuOf(ProcessId())) != nullptr; }))
        ADD_FAILURE() << "the right click opened no menu; the program's windows:\n" << DescribeScreenOf(ProcessId());
    for (WORD key : heldKeys)
        LetGoKey(key);
    return menu;
}

void MemoTest::Activate(HWND memo)
{
    // Wine gives an activated window the X input focus itself, and the X server's focus events
    // reach the program a moment later, with no message to wait for. Arriving while a right click
    // on a memo in the background was handled, they now and then closed its menu as it opened; and
    // they make Wine take the modifier keys' state from the X server, which never saw the keys this
    // test sends. Neither happens to a user on Windows, so the memo is activated first, with a press
    // on its margin as a user would. A memo just restored may not take the activation from a press;
    // the right click then goes to it as it is.
    POINT margin{0, 0};
    ClientToScreen(memo, &margin);
    ClickAt(POINT{margin.x - 2, margin.y + 2}, MouseButton::Left);
    WaitUntil([&] { return GetForegroundWindow() == memo; }, kActivationTimeout);
    // The focus events of that press come with no message to wait for.
    Sleep(kFocusEventsMs);
}

bool MemoTest::HoldKeys(const std::vector<WORD>& keys)
{
    const auto allHeld = [&] {
        return std::all_of(keys.begin(), keys.end(), [](WORD key) { return GetAsyncKeyState(key) < 0; });
    };
    // Held again for as long as Wine lets go of them.
    for (int attempt = 0; attempt < kHoldAttempts; ++attempt) {
        for (WORD key : keys)
            HoldKey(key);
        Sleep(kKeysSettleMs);
        if (allHeld())
            return true;
    }
    return false;
}

bool MemoTest::ChooseWithKeys(const std::vector<WORD>& keys)
{
    PressKeys(keys);
    return WaitUntil([&] { return OpenPopupMenuOf(ProcessId()) == nullptr; });
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
