#include "AboutDialog.h"

#include "Input.h"
#include "MemoWindowQuery.h"
#include "Wait.h"
#include "WindowQuery.h"

#include <algorithm>
#include <cwchar>
#include <vector>

namespace e2e {

namespace {

BOOL CALLBACK CollectChild(HWND child, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

} // namespace

HWND AboutDialogOf(DWORD processId)
{
    for (HWND window : OfClass(TopLevelWindowsOfProcess(processId), kAboutClass))
        if (IsWindowVisible(window))
            return window;
    return nullptr;
}

HWND ChooseAboutInTrayMenu(DWORD processId)
{
    PressKeys({'A'});
    HWND about = nullptr;
    WaitUntil([&] { return (about = AboutDialogOf(processId)) != nullptr; });
    return about;
}

std::wstring ExpectedVersionLine(const std::filesystem::path& file)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0)
        return L"(no version information)";
    std::vector<char> data(size);
    void* root = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoW(file.c_str(), 0, size, data.data()) || !VerQueryValueW(data.data(), L"\\", &root, &length))
        return L"(unreadable version information)";
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(root);
    wchar_t line[64] = {};
    std::swprintf(line, 64, L"Version %02u.%02u.%02u.%02u", HIWORD(info->dwProductVersionMS),
                  LOWORD(info->dwProductVersionMS), HIWORD(info->dwProductVersionLS), LOWORD(info->dwProductVersionLS));
    return line;
}

bool AboutDialogShows(HWND about, const std::wstring& text)
{
    std::vector<HWND> children;
    EnumChildWindows(about, &CollectChild, reinterpret_cast<LPARAM>(&children));
    return std::any_of(children.begin(), children.end(), [&](HWND child) { return WideCaptionOf(child) == text; });
}

} // namespace e2e
