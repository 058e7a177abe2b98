#pragma once

#include "KamifudaTest.h"

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

namespace e2e {

// Keys into a memo's context menu: 色の指定 (the second item), into its submenu, then down to a colour.
inline const std::vector<WORD> kChooseGreen{VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN};
inline const std::vector<WORD> kChooseBlue{VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN};
// The last item of the context menu deletes the memo.
inline const std::vector<WORD> kChooseDelete{VK_UP, VK_RETURN};

// A running program and what a person does to its memos: new memos from the tray, the edit dialog,
// right clicks on a memo's text and menus driven with keys.
class MemoTest : public KamifudaTest {
protected:
    void SetUp() override;

    DWORD ProcessId() const { return program_.process->Id(); }

    // The new memo's edit dialog, opened by a double click on the tray icon (the shell's whole
    // sequence of it); null if none opened.
    HWND OpenNewMemoDialog();
    HWND WaitForEditDialog();
    // A visible memo window of the program, waiting until one shows; null if none does.
    HWND WaitForMemo();
    // The program's visible memos, the front one first.
    std::vector<HWND> VisibleMemos() const;
    // A new memo with this text: the tray's double click, the text put into the edit box, a click on
    // OK. Returns the memo window, null if something did not appear.
    HWND NewMemo(const std::string& text);

    // A right click on the memo's text with the given keys held; returns the menu that opened.
    HWND RightClickText(HWND memo, const std::vector<WORD>& heldKeys = {});
    // Activates the memo as a user would, before a click whose effect depends on it.
    void Activate(HWND memo);
    static constexpr std::chrono::milliseconds kActivationTimeout{2000};
    // Clicks the button of a dialog once the dialog has settled; false if it did not.
    static bool ClickWhenSettled(HWND dialog, HWND button);
    // OK in the edit dialog from the keyboard: Ctrl+Enter, as Enter types a line break there.
    static bool PressControlEnter();
    // Keys pressed into the open menu; waits until it has closed.
    bool ChooseWithKeys(const std::vector<WORD>& keys);

    bool WaitUntilHidden(HWND window);
    // The message box the program shows, with this caption; null if none shows.
    HWND WaitForMessageBox(const std::wstring& caption);

    Instance program_;
};

} // namespace e2e
