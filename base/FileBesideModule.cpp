#include "FileBesideModule.h"

namespace base {

std::wstring FileBesideModule(const std::wstring& modulePath, const std::wstring& fileName)
{
    constexpr wchar_t kSeparator = L'\\';
    const std::size_t separator = modulePath.rfind(kSeparator);
    const std::wstring directory = separator == std::wstring::npos ? modulePath : modulePath.substr(0, separator);
    return directory + kSeparator + fileName;
}

} // namespace base
