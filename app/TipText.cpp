#include "TipText.h"

#include <windows.h>

#include <cstring>

void CopyTipText(const std::string& title, char (&tip)[128])
{
    constexpr size_t kMaxBytes = sizeof tip - 1;
    size_t length = 0;
    while (length < title.size()) {
        size_t width = IsDBCSLeadByte(static_cast<BYTE>(title[length])) ? 2 : 1;
        if (length + width > kMaxBytes || length + width > title.size())
            break;
        length += width;
    }
    std::memcpy(tip, title.data(), length);
    tip[length] = '\0';
}
