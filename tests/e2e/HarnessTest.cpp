// The helpers the end-to-end tests stand on, checked against the real Win32 calls, so that a
// check of the program cannot pass because a helper sees nothing.
#include "FakeMainWindow.h"
#include "FileBytes.h"
#include "Input.h"
#include "KamifudaTest.h"
#include "TemporaryFolder.h"
#include "TestClipboard.h"
#include "TrayIcon.h"
#include "Wait.h"
#include "WindowCreationWatch.h"

#include <gtest/gtest.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <fstream>

namespace e2e {
namespace {

class OwnTrayIcon {
public:
    OwnTrayIcon(HWND owner, UINT id)
    {
        data_.cbSize = NOTIFYICONDATAA_V2_SIZE;
        data_.hWnd = owner;
        data_.uID = id;
        data_.uFlags = NIF_ICON;
        data_.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512)); // IDI_APPLICATION
        added_ = Shell_NotifyIconA(NIM_ADD, &data_) != FALSE;
    }
    ~OwnTrayIcon() { Remove(); }
    OwnTrayIcon(const OwnTrayIcon&) = delete;
    OwnTrayIcon& operator=(const OwnTrayIcon&) = delete;

    bool Added() const { return added_; }
    void Remove()
    {
        if (added_) {
            Shell_NotifyIconA(NIM_DELETE, &data_);
        }
        added_ = false;
    }

private:
    NOTIFYICONDATAA data_{};
    bool added_ = false;
};

TEST(TrayIconProbe, AnswersYesOnlyForAnIconTheShellHolds)
{
    FakeMainWindow owner("KamifudaE2eIconOwner", "icon owner");
    constexpr UINT kId = 7;
    EXPECT_FALSE(TrayIconExists(owner.Handle(), kId));

    OwnTrayIcon icon(owner.Handle(), kId);
    ASSERT_TRUE(icon.Added());
    EXPECT_TRUE(TrayIconExists(owner.Handle(), kId));
    EXPECT_FALSE(TrayIconExists(owner.Handle(), kId + 1));
    EXPECT_FALSE(TrayIconExists(nullptr, kId));

    icon.Remove();
    EXPECT_FALSE(TrayIconExists(owner.Handle(), kId));
}

TEST(ClipboardHelpers, PutTextOtherDataOrNothing)
{
    const std::string text = "first line\r\nsecond \x82\xa0 line";
    testclipboard::PutText(text);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_EQ(testclipboard::ReadText(), text);

    testclipboard::Put(testclipboard::PrivateFormat(), std::string("\x01\x00\x02", 3));
    EXPECT_TRUE(IsClipboardFormatAvailable(testclipboard::PrivateFormat()));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));

    testclipboard::Empty();
    EXPECT_EQ(CountClipboardFormats(), 0);
}

// The press names its own point, so a pixel off there would miss the margins the tests click.
TEST(InputHelpers, ClickAtPressesOnTheVeryPixelItNames)
{
    FakeMainWindow target("KamifudaE2eClickTarget", "click target");
    SetWindowLongPtrA(target.Handle(), GWL_STYLE, WS_POPUP);
    static POINT pressedAt{-1, -1};
    const auto recordPress = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_LBUTTONDOWN)
            pressedAt = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        return DefWindowProcA(window, message, wParam, lParam);
    };
    SetWindowLongPtrA(target.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+recordPress));
    SetWindowPos(target.Handle(), HWND_TOP, 301, 203, 57, 41, SWP_SHOWWINDOW | SWP_FRAMECHANGED);
    ASSERT_TRUE(WaitUntil([&] { return WindowFromPoint(POINT{330, 220}) == target.Handle(); }));

    for (const POINT point : {POINT{301, 203}, POINT{357, 243}, POINT{330, 221}}) {
        pressedAt = POINT{-1, -1};
        ClickAt(point, MouseButton::Left);
        EXPECT_TRUE(WaitUntil([] { return pressedAt.x >= 0; })) << point.x << ", " << point.y;
        EXPECT_EQ(pressedAt.x, point.x - 301);
        EXPECT_EQ(pressedAt.y, point.y - 203);
    }
}

TEST(FileHelpers, ReadFileBytesKeepsEveryByteAndTellsAMissingFile)
{
    const TemporaryFolder folder;
    const auto file = folder.Path() / "bytes.bin";
    const std::string bytes("a\r\nb\0c\n\x81\x5c", 9);
    std::ofstream(file, std::ios::binary) << bytes;

    EXPECT_EQ(ReadFileBytes(file), bytes);
    EXPECT_EQ(ReadFileBytes(folder.Path() / "missing.txt"), std::nullopt);
}

TEST(FileHelpers, TempFolderIsNewEmptyAndRemovedWithItsContents)
{
    std::filesystem::path kept;
    {
        const TemporaryFolder first;
        const TemporaryFolder second;
        EXPECT_NE(first.Path(), second.Path());
        EXPECT_TRUE(std::filesystem::is_empty(first.Path()));
        std::filesystem::create_directory(first.Path() / "sub");
        std::ofstream(first.Path() / "sub" / "file.txt") << "x";
        kept = first.Path();
    }
    EXPECT_FALSE(std::filesystem::exists(kept));
}

// The watch behind "a refused start creates no window" (SingleInstanceTest) sees the windows of a
// start that is not refused, watched as the refused ones are: from the start's first instruction.
TEST_F(KamifudaTest, WindowCreationWatchSeesTheWindowsAStartCreates)
{
    ChildProcess& start = Launch(ChildProcess::Start::Suspended);
    const WindowCreationWatch watch(start.Id());
    start.Resume();
    ASSERT_NE(WaitForMainWindow(start), nullptr);

    const auto created = [&] {
        const auto& classes = watch.CreatedClasses();
        return std::find(classes.begin(), classes.end(), kMainWindowClass) != classes.end();
    };
    EXPECT_TRUE(WaitUntil(created)) << watch.CreatedClasses().size() << " windows seen";
}

} // namespace
} // namespace e2e
