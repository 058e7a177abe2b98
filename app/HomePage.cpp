#include "HomePage.h"

#include "Text.h"
#include "base/ModuleFileName.h"
#include "product.h"

#include <windows.h>

std::wstring HomePageAddress(const std::wstring& configured, const std::wstring& executablePath,
                             const std::wstring& guideName)
{
    if (!configured.empty())
        return configured;
    const size_t slash = executablePath.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? std::wstring() : executablePath.substr(0, slash + 1);
    return folder + guideName;
}

std::wstring HomePageAddress()
{
    return HomePageAddress(ui::Utf8ToWide(KAMIFUDA_HOME_PAGE), base::ModuleFileName(nullptr),
                           ui::Utf8ToWide(KAMIFUDA_USER_GUIDE));
}

std::wstring ExplorerPath()
{
    // Not GetWindowsDirectoryW: on a terminal server it gives a folder of the user's own to a
    // program that is not marked as aware of terminal servers, as MinGW's programs are not.
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemWindowsDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {}; // and not the bare name
    std::wstring path(folder, length);
    if (path.back() != L'\\')
        path += L'\\';
    return path + L"explorer.exe";
}

std::wstring HomePageCommand(const std::wstring& explorer, const std::wstring& address)
{
    const bool needsQuotes = address.find(L' ') != std::wstring::npos && address.front() != L'"';
    return L'"' + explorer + L"\" " + (needsQuotes ? L'"' + address + L'"' : address);
}
