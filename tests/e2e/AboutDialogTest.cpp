// The About dialog opened from the tray menu, looked at from outside.
#include "Input.h"
#include "KamifudaTest.h"
#include "Wait.h"
#include "WindowQuery.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace e2e {
namespace {

constexpr char kAboutClass[] = "TAbout";

// The product version of a file, formatted as the dialog writes it; read here on its own so that
// the program's reading is checked against an independent one.
std::wstring ExpectedVersionLine(const std::filesystem::path& file)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0)
        return L"(no version information)";
    std::vector<char> data(size);
    void* root = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoW(file.c_str(), 0, size, data.data()) ||
        !VerQueryValueW(data.data(), L"\\", &root, &length))
        return L"(unreadable version information)";
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(root);
    wchar_t line[64] = {};
    std::swprintf(line, 64, L"Version %02u.%02u.%02u.%02u", HIWORD(info->dwProductVersionMS),
                  LOWORD(info->dwProductVersionMS), HIWORD(info->dwProductVersionLS), LOWORD(info->dwProductVersionLS));
    return line;
}

std::wstring WideTextOf(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

std::vector<HWND> ChildrenOf(HWND parent)
{
    std::vector<HWND> children;
    EnumChildWindows(parent, &CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND AboutDialogOf(DWORD processId)
{
    for (HWND window : OfClass(TopLevelWindowsOfProcess(processId), kAboutClass))
        if (IsWindowVisible(window))
            return window;
    return nullptr;
}

TEST_F(KamifudaTest, AboutFromTheTrayMenuShowsTheProgramsOwnProductVersion)
{
    const Instance program = StartProgram();
    ASSERT_NE(program.mainWindow, nullptr);
    ASSERT_NE(OpenTrayMenu(program), nullptr);
    PressKeys({'A'});  // バージョン情報(&A)...

    HWND about = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (about = AboutDialogOf(program.process->Id())) != nullptr; }))
        << "the About dialog did not open";
    EXPECT_EQ(L"Kamifudaのバージョン情報", WideTextOf(about));
    RECT client{};
    GetClientRect(about, &client);
    EXPECT_EQ(278, client.right);
    EXPECT_EQ(121, client.bottom);
    EXPECT_EQ(program.mainWindow, GetWindow(about, GW_OWNER));

    const std::wstring expected = ExpectedVersionLine(Program());
    std::vector<std::wstring> texts;
    for (HWND child : ChildrenOf(about))
        texts.push_back(WideTextOf(child));
    EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end())
        << "no control shows the line for the program's product version";

    // OK is the default button: Enter closes the dialog, and the program runs on.
    PressKeys({VK_RETURN});
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); })) << "the dialog was not closed and destroyed";
    EXPECT_TRUE(program.process->IsRunning());
    // The dialog is built anew each time.
    ASSERT_NE(OpenTrayMenu(program), nullptr);
    PressKeys({'A'});
    HWND again = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (again = AboutDialogOf(program.process->Id())) != nullptr; }));
    // The close box of its frame closes it too.
    PostMessageW(again, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(again); })) << "the close box did not close the dialog";
    EXPECT_TRUE(program.process->IsRunning());
}

} // namespace
} // namespace e2e
