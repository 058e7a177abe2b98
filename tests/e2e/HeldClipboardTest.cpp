// The clipboard held open by another program when the program needs it: the error box appears,
// the program goes on, and nothing is half made beyond the new memo that stays empty.
#include "FileBytes.h"
#include "Input.h"
#include "MemoWindowQuery.h"
#include "PersistenceTest.h"
#include "TestClipboard.h"
#include "TrayIcon.h"
#include "Wait.h"
#include "WindowQuery.h"

#include <optional>

namespace e2e {
namespace {

constexpr wchar_t kClipboardBusy[] = L"クリップボードを開けません";

class HeldClipboardTest : public PersistenceTest {
protected:
    void SetUp() override
    {
        PersistenceTest::SetUp();
        ASSERT_TRUE(Start());
    }

    // The error box about the busy clipboard, read and dismissed; false if it did not show.
    bool DismissClipboardError()
    {
        HWND box = WaitForMessageBox(kProgramTitle);
        if (!box) {
            ADD_FAILURE() << "no error box";
            return false;
        }
        const std::wstring text = MessageBoxText(box);
        EXPECT_NE(std::wstring::npos, text.find(kClipboardBusy)) << "the box does not say the clipboard is busy";
        if (!ClickMessageBoxButton(box, IDOK)) {
            ADD_FAILURE() << "the error box has no OK button ready";
            return false;
        }
        if (!WaitUntil([&] { return !IsWindow(box); })) {
            ADD_FAILURE() << "a click on OK did not close the error box";
            return false;
        }
        return true;
    }
};

TEST_F(HeldClipboardTest, WhenTheTrayMenuOpensTheErrorShowsInsteadOfTheMenuAndTheProgramGoesOn)
{
    testclipboard::PutText("on the clipboard");
    {
        testclipboard::Session held;
        PostTrayNotification(program_.mainWindow, WM_RBUTTONDOWN);
        ASSERT_TRUE(DismissClipboardError());
        EXPECT_EQ(nullptr, OpenPopupMenuOf(ProcessId())) << "the menu opened without knowing the clipboard";
    }
    EXPECT_TRUE(program_.process->IsRunning());
    EXPECT_TRUE(VisibleMemos().empty());

    // Once the clipboard is free the menu works, its clipboard item included.
    ASSERT_NE(OpenTrayMenu(program_), nullptr);
    PressKeys({'P'});
    EXPECT_TRUE(WaitUntil([&] { return VisibleMemoHeaded("on the clipboard") != nullptr; }));
}

TEST_F(HeldClipboardTest, WhenPastingTheNewMemoStaysEmptyAndItsOwnPasteKeepsItsText)
{
    testclipboard::PutText("pasted later");
    // The menu reads a free clipboard; then another program takes it before the item is chosen.
    ASSERT_NE(OpenTrayMenu(program_), nullptr);
    std::optional<testclipboard::Session> held(std::in_place);
    PressKeys({'P'});
    ASSERT_TRUE(DismissClipboardError());
    HWND memo = WaitForMemo();
    ASSERT_NE(memo, nullptr) << "the new memo should exist, empty";
    // Its text was never set: the next timer save stores it as one empty text.
    EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(DataFile(kMemoFile)) == "\r\n"; }));
    EXPECT_EQ(1u, VisibleMemos().size());
    EXPECT_EQ(nullptr, VisibleWindowOfClass(ProcessId(), kEditDialogClass));
    held.reset();

    // The memo's own paste works once the clipboard is free...
    ASSERT_NE(RightClickText(memo), nullptr);
    ASSERT_TRUE(ChooseWithKeys({'V'}));
    ASSERT_TRUE(WaitUntil([&] { return CaptionOf(memo) == "pasted later"; })) << CaptionOf(memo);

    // ...and while it is held it reports the error and leaves the text as it was.
    ASSERT_NE(RightClickText(memo), nullptr);
    held.emplace();
    PressKeys({'V'});
    ASSERT_TRUE(DismissClipboardError());
    held.reset();
    EXPECT_EQ("pasted later", CaptionOf(memo));
    EXPECT_TRUE(program_.process->IsRunning());
}

} // namespace
} // namespace e2e
