#include "WholeCharacters.h"

#include <windows.h>

std::string_view WholeCharacterPrefix(std::string_view text, std::size_t maxBytes)
{
    // The cut's users hand the result to the system as a zero-terminated string that it turns into
    // UTF-16 (a window caption, the tray tip). A lead byte with no trail byte becomes a character
    // the text never held: "ab" and a lone 0x82 is shown as "ab・" (U+30FB) and reads back as the
    // four bytes "ab\x81\x45". So the prefix ends with a whole character even where the text does
    // not. Walked from the start: whether a byte is a lead byte depends on the bytes before it.
    std::size_t end = 0;
    const std::size_t limit = text.size() < maxBytes ? text.size() : maxBytes;
    while (end < limit) {
        const std::size_t width = IsDBCSLeadByte(static_cast<BYTE>(text[end])) ? 2 : 1;
        if (end + width > limit)
            break;
        end += width;
    }
    return text.substr(0, end);
}
