#include "MemoCaption.h"

#include <windows.h>

std::string MemoCaption(const std::string& firstLine)
{
    if (firstLine.size() <= kLongestMemoCaption)
        return firstLine;
    // Walked from the start: whether a byte is a lead byte depends on the bytes before it.
    std::size_t end = 0;
    while (end < firstLine.size()) {
        const std::size_t length = IsDBCSLeadByte(static_cast<BYTE>(firstLine[end])) ? 2 : 1;
        if (end + length > kLongestMemoCaption)
            break;
        end += length;
    }
    return firstLine.substr(0, end);
}
