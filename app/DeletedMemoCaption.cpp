#include "DeletedMemoCaption.h"

#include "base/WideText.h"

#include <algorithm>

std::wstring DeletedMemoCaption(const std::string& ansiText)
{
    std::wstring line = base::AnsiToWide(ansiText.substr(0, ansiText.find_first_of("\r\n")));
    std::replace(line.begin(), line.end(), L'\t', L' ');
    if (line.size() > kLongestDeletedCaption) {
        std::size_t cut = kLongestDeletedCaption;
        if (line[cut - 1] >= 0xD800 && line[cut - 1] <= 0xDBFF)
            --cut; // the high half of a pair goes with its low half
        line = line.substr(0, cut) + L"…";
    }
    std::wstring caption;
    for (wchar_t c : line) {
        if (c == L'&')
            caption += L'&';
        caption += c;
    }
    return caption;
}
