#pragma once

#include "MemoTest.h"
#include "ProgramNames.h"
#include "StoredMemos.h"

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Memos that must survive: the program is started, ended and started again on the same folder,
// and its files are looked at (and prepared, and held open) between and during the runs.
class PersistenceTest : public MemoTest {
protected:
    // Starts nothing: each test prepares the folder first and starts the program itself.
    void SetUp() override;

    std::filesystem::path DataFile(const char* name) const { return ProgramFolder() / name; }

    // Starts the program on this test's folder; true when its main window and tray icon appeared.
    bool Start();
    // Starts the program and makes memos of these texts, then waits until all of them are saved.
    // Returns the memo windows in the order of the texts; none if something failed.
    std::vector<HWND> StartWithSavedMemos(const std::vector<std::string>& texts);
    // Starts the program without waiting for its window, for starts that show a message first.
    void Launch() { program_ = Instance{&KamifudaTest::Launch(), nullptr}; }
    // Chooses "Kamifudaの終了(&X)" in the tray menu; true once the menu took the key.
    bool ChooseExit();
    // Exits through the tray menu and waits until the process has ended with code 0.
    bool Exit();

    // A new memo made as a person makes it: double click on the tray icon, a click into the edit box,
    // the text typed key by key (lowercase letters, digits, blanks, "\r\n" for Enter), a click on OK.
    HWND TypeNewMemo(const std::string& text);

    // Returns once the program has finished what it was doing: it answers a message only between
    // two handlers, so a save that a handler started is complete when this returns.
    bool Synchronise() const;

    // The visible memo whose window caption is the first line of this text, as a memo's is.
    HWND VisibleMemoHeaded(const std::string& text) const;
    // The memo's whole text, as its copy command puts it on the clipboard.
    std::string CopiedText(HWND memo);
    // The colour the screen shows in the memo's border, left of its text.
    static COLORREF ColourOnScreen(HWND memo);

    // Moves or sizes a memo window as the window manager would, and waits until it has taken it.
    static bool PlaceWindow(HWND window, const RECT& place);
    // Moves a window by (dx, dy) or to (left, top), its size kept, the same way; the new place goes
    // to `place` unless it is null.
    static bool MoveWindowBy(HWND window, LONG dx, LONG dy, RECT* place = nullptr);
    static bool MoveWindowTo(HWND window, LONG left, LONG top, RECT* place = nullptr);

    // Exactly these memos are shown, each at its stored place in its stored colour, with its text.
    void ExpectShown(const std::vector<StoredMemo>& memos);
    // Each memo of a start lies above the ones before it in the file; call it before ExpectShown,
    // whose copies raise every memo.
    void ExpectStackedInFileOrder(const std::vector<StoredMemo>& memos);

    // Stored memos sorted by text, for comparisons where the order of the files does not matter.
    std::optional<std::vector<StoredMemo>> StoredMemosByText() const;
    // The names of the temporary files of saves left in the program's folder, sorted.
    std::vector<std::string> TemporaryFiles() const;

    static std::wstring MessageBoxText(HWND box);
    // Clicks the button of a message box with this command id; false if it has none.
    static bool ClickMessageBoxButton(HWND box, int commandId);
    // Answers a message box with this button and waits until it has closed.
    static void Answer(HWND box, int commandId);
    // Answers the message shown at a start with OK, after which the program runs on.
    void RunOnAfter(HWND box);
};

std::vector<StoredMemo> SortedByText(std::vector<StoredMemo> memos);

} // namespace e2e
