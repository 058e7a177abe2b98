#include "Text.h"

#include "base/SystemErrorText.h"
#include "base/WideText.h"

#include <windows.h>

namespace ui {

std::wstring Utf8ToWide(std::string_view utf8)
{
    return base::CodePageToWide(CP_UTF8, utf8);
}
std::string WideToUtf8(std::wstring_view wide)
{
    return base::WideToCodePage(CP_UTF8, wide);
}

std::string LastErrorText(unsigned long error)
{
    return WideToUtf8(base::SystemErrorText(error));
}

} // namespace ui
