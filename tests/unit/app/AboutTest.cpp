#include "Button.h"
#include "FormData.h"
#include "Label.h"
#include "ProductVersion.h"
#include "SpeedButton.h"
#include "TAbout.h"
#include "Text.h"
#include "Wait.h"
#include "product.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The owner the main window would be.
class OwnerForm : public ui::Form {
public:
    OwnerForm()
    {
        LoadForm(
            ui::ParseFormData("object Owner: TAboutTestOwner\n Left = 0\n Top = 0\n Width = 50\n Height = 50\nend\n"));
        FinishCreate();
    }
};

std::wstring WindowText(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

std::wstring ExpectedHomePage()
{
    if (KAMIFUDA_HOME_PAGE[0] != '\0')
        return ui::Utf8ToWide(KAMIFUDA_HOME_PAGE);
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    folder.resize(folder.find_last_of(L'\\') + 1);
    return folder + ui::Utf8ToWide(KAMIFUDA_USER_GUIDE);
}

int TextWidth(HFONT font, const std::wstring& text)
{
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font);
    SIZE size{};
    GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return size.cx;
}

LONG FontHeight(HFONT font)
{
    LOGFONTW lf{};
    GetObjectW(font, sizeof lf, &lf);
    return lf.lfHeight;
}

void ClickAt(HWND window, int x, int y)
{
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

class AboutTest : public testing::Test {
protected:
    OwnerForm owner;
    std::vector<std::wstring> commands;
    TAbout about{owner, [this](const std::wstring& command) { commands.push_back(command); }};
};

} // namespace

TEST_F(AboutTest, FixedDialogOwnedByTheMainWindow)
{
    wchar_t className[64] = {};
    GetClassNameW(about.Handle(), className, 64);
    EXPECT_STREQ(L"TAbout", className);
    EXPECT_EQ(L"Kamifudaのバージョン情報", WindowText(about.Handle()));
    EXPECT_EQ(278, about.ClientWidth());
    EXPECT_EQ(121, about.ClientHeight());
    EXPECT_EQ(owner.Handle(), GetWindow(about.Handle(), GW_OWNER));
    const LONG style = GetWindowLongW(about.Handle(), GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU); // the close box
    EXPECT_TRUE(GetWindowLongW(about.Handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
}

TEST_F(AboutTest, ShowsNameVersionMakerAndLink)
{
    auto& name = about.Get<ui::Label>("Label1");
    EXPECT_EQ(L"Ｋａｍｉｆｕｄａ", name.Caption());
    EXPECT_EQ(-24, FontHeight(name.FontHandle()));
    EXPECT_EQ(-12, FontHeight(about.FontHandle()));

    const std::string expectedVersion =
        VersionLine(KAMIFUDA_VERSION_MAJOR, KAMIFUDA_VERSION_MINOR, KAMIFUDA_VERSION_PATCH, KAMIFUDA_VERSION_BUILD);
    EXPECT_EQ(ui::Utf8ToWide(expectedVersion), about.Get<ui::Label>("lVersion").Caption());
    EXPECT_EQ(ui::Utf8ToWide(expectedVersion), WindowText(about.Get<ui::Label>("lVersion").Handle()));
    EXPECT_EQ(ui::Utf8ToWide(KAMIFUDA_MAKER), about.Get<ui::Label>("Label2").Caption());

    EXPECT_EQ(ExpectedHomePage(), about.HomePage());
    auto& link = about.Get<ui::SpeedButton>("bHomePage");
    const std::wstring& caption = link.Caption();
    // The whole address, or a shortened one that keeps the file name and fits the button.
    EXPECT_LE(TextWidth(link.FontHandle(), caption), link.Width()) << ui::WideToUtf8(caption);
    const std::wstring guide = ExpectedHomePage().substr(ExpectedHomePage().find_last_of(L"\\/") + 1);
    ASSERT_GE(caption.size(), guide.size());
    EXPECT_EQ(guide, caption.substr(caption.size() - guide.size()));
    LOGFONTW lf{};
    GetObjectW(link.FontHandle(), sizeof lf, &lf);
    EXPECT_TRUE(lf.lfUnderline);
}

TEST_F(AboutTest, LinkRunsExplorerWithTheAddressEachTimeAndTheDialogStaysOpen)
{
    HWND link = about.Get<ui::SpeedButton>("bHomePage").Handle();
    ClickAt(link, 5, 5);
    ClickAt(link, 5, 5);
    PumpMessages();
    // Windows' own explorer by its full path, never a bare name that is looked for beside the program.
    wchar_t windows[MAX_PATH] = {};
    GetSystemWindowsDirectoryW(windows, MAX_PATH);
    const std::wstring expected = L"\"" + std::wstring(windows) + L"\\explorer.exe\" " + ExpectedHomePage();
    ASSERT_EQ(2u, commands.size());
    EXPECT_EQ(expected, commands[0]);
    EXPECT_EQ(expected, commands[1]);
    EXPECT_EQ(ui::kModalNone, about.ModalResult());
    EXPECT_TRUE(IsWindow(about.Handle()));
}

TEST_F(AboutTest, ModalShowingIsCentredAndEnterPressesOK)
{
    EXPECT_TRUE(about.Get<ui::Button>("OKBtn").IsDefault());
    EXPECT_EQ(ui::kModalOK, about.Get<ui::Button>("OKBtn").ModalResult());
    // A link click while the dialog is up does not end it; Enter does.
    ClickAt(about.Get<ui::SpeedButton>("bHomePage").Handle(), 5, 5);
    PostMessageW(about.Handle(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(ui::kModalOK, about.ShowModal());
    EXPECT_EQ(1u, commands.size());

    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(work.left + (work.right - work.left - about.Width()) / 2, about.Left());
    EXPECT_EQ(work.top + (work.bottom - work.top - about.Height()) / 2, about.Top());
}
