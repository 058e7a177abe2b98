#include "HomePage.h"

#include "Text.h"
#include "product.h"
#include "serialize/ModuleFileName.h"

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
    return HomePageAddress(ui::Utf8ToWide(KAMIFUDA_HOME_PAGE), Serialize::ModuleFileName(nullptr),
                           ui::Utf8ToWide(KAMIFUDA_USER_GUIDE));
}

std::wstring HomePageCommand(const std::wstring& address)
{
    const bool needsQuotes = address.find(L' ') != std::wstring::npos && address.front() != L'"';
    return L"explorer " + (needsQuotes ? L'"' + address + L'"' : address);
}
