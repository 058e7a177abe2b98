// The tray menu as the user sees it on the screen: its rows, and the clipboard item drawn enabled
// exactly while the clipboard holds text. (Under Wine another process cannot read a menu's items,
// so the picture is what can be checked from outside.)
#include "Input.h"
#include "KamifudaTest.h"
#include "MenuRows.h"
#include "ScreenPicture.h"
#include "TestClipboard.h"
#include "Wait.h"
#include "WindowQuery.h"

#include <functional>
#include <ostream>
#include <sstream>
#include <string>

namespace e2e {
namespace {

// メモ追加, クリップボードの内容をメモにする, 削除したメモを戻す, メモをすべて前面に表示, separator,
// バージョン情報, separator, Kamifudaの終了.
constexpr size_t kTrayMenuRows = 8;
constexpr size_t kClipboardItemRow = 1;
// Greyed in a fresh folder: nothing was deleted.
constexpr size_t kRestoreItemRow = 2;
constexpr size_t kSeparatorRows[] = {4, 6};
constexpr size_t kAlwaysEnabledRows[] = {0, 3, 5, 7};
// An etched line is at most two pixels high; a line of text is far higher.
constexpr int kSeparatorMaxHeight = 2;

std::string Describe(const std::vector<MenuRow>& rows)
{
    std::ostringstream text;
    for (const MenuRow& row : rows) {
        text << "[rows " << row.top << "-" << row.bottom << ", ink " << row.inkPixels << ", text " << row.textPixels
             << "] ";
    }
    return text.str();
}

std::vector<MenuRow> RowsOfOpenMenu(HWND menu)
{
    RECT rect{};
    GetWindowRect(menu, &rect);
    return MenuRowsOf(ScreenPicture::Capture(rect), GetSysColor(COLOR_MENU), GetSysColor(COLOR_MENUTEXT));
}

struct ClipboardContents {
    std::string name;
    std::function<void()> put;
    bool itemEnabled;

    friend void PrintTo(const ClipboardContents& contents, std::ostream* out) { *out << contents.name; }
};

class TrayMenuPictureTest : public KamifudaTest, public testing::WithParamInterface<ClipboardContents> {};

TEST_P(TrayMenuPictureTest, ClipboardItemIsEnabledExactlyWhileTheClipboardHoldsText)
{
    const Instance program = StartProgram();
    ASSERT_NE(program.mainWindow, nullptr);
    GetParam().put();
    const HWND menu = OpenTrayMenu(program);
    ASSERT_NE(menu, nullptr);

    // The menu may still be painting when it first shows.
    std::vector<MenuRow> rows;
    const bool complete = WaitUntil([&] {
        rows = RowsOfOpenMenu(menu);
        return rows.size() == kTrayMenuRows;
    });
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(complete) << Describe(rows);

    for (size_t separator : kSeparatorRows) {
        EXPECT_LE(rows[separator].Height(), kSeparatorMaxHeight) << "row " << separator << ": " << Describe(rows);
        EXPECT_EQ(rows[separator].textPixels, 0) << "row " << separator << ": " << Describe(rows);
    }
    for (size_t item : kAlwaysEnabledRows) {
        EXPECT_GT(rows[item].textPixels, 0) << "row " << item << ": " << Describe(rows);
    }
    EXPECT_GT(rows[kClipboardItemRow].inkPixels, 0);
    EXPECT_EQ(rows[kClipboardItemRow].textPixels > 0, GetParam().itemEnabled) << Describe(rows);
    EXPECT_GT(rows[kRestoreItemRow].inkPixels, 0);
    EXPECT_EQ(rows[kRestoreItemRow].textPixels, 0) << Describe(rows);
}

INSTANTIATE_TEST_SUITE_P(Clipboard, TrayMenuPictureTest,
                         testing::Values(ClipboardContents{"Text", [] { testclipboard::PutText("memo text"); }, true},
                                         ClipboardContents{"Empty", [] { testclipboard::Empty(); }, false},
                                         ClipboardContents{"NonTextDataOnly",
                                                           [] {
                                                               testclipboard::Put(testclipboard::PrivateFormat(),
                                                                                  std::string("\x01\x02", 2));
                                                           },
                                                           false}),
                         [](const testing::TestParamInfo<ClipboardContents>& info) { return info.param.name; });

} // namespace
} // namespace e2e
