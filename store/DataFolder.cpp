#include "DataFolder.h"

#include "base/FileBesideModule.h"
#include "base/ModuleFileName.h"

std::wstring ExecutableFolder()
{
    // The same rule as the INI store's: the name of a file "" beside the executable, less its
    // backslash.
    std::wstring folder = base::FileBesideModule(base::ModuleFileName(nullptr), L"");
    folder.pop_back();
    return folder;
}

std::wstring PathInFolder(const std::wstring& folder, const std::wstring& name)
{
    return folder + L"\\" + name;
}
