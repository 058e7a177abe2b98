// The cut of an ANSI text to a number of bytes, in the Japanese code page, whose double-byte
// characters (Shift_JIS) it keeps whole.
#include "WholeCharacters.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstddef>
#include <string>

TEST(WholeCharacterPrefix, KeepsDoubleByteCharactersWholeAtTheLimitAndAtTheEnd)
{
    ASSERT_EQ(932u, GetACP()) << "the bytes below are Shift_JIS characters only in the Japanese code page";
    struct Case {
        std::string text;
        std::size_t maxBytes;
        std::string expected;
    };
    // 0x82 and 0xEA are lead bytes: "\x82\xa0" is あ, "\xea\xa4" is 堯. 0xB1 alone is ｱ (a
    // half-width katakana, one byte). "\x81\x97" is ＠, whose trail byte has the value of a lead byte.
    const Case cases[] = {
        // A text that fits is kept as it is.
        {"", 4, ""},
        {"abc", 3, "abc"},
        {"ab\x82\xa0", 4, "ab\x82\xa0"},
        {"ab\xb1", 3, "ab\xb1"},
        {"\x81\x97\x81\x97", 4, "\x81\x97\x81\x97"},
        // A longer one is cut at the limit, or one byte before it when a character would cross it.
        {"abcd", 3, "abc"},
        {"abc", 0, ""},
        {"ab\x82\xa0", 3, "ab"},
        {"a\xea\xa4z", 2, "a"},
        {"\x81\x97\x81\x97", 3, "\x81\x97"},
        // A lead byte that ends the text is half of a character even where the text fits: it is
        // left out, so that no lead byte stands before the terminating zero.
        {"ab\x82", 4, "ab"},
        {"ab\x82", 3, "ab"},
        {"\x82", 1, ""},
        {"\x82\xa0\xea", 8, "\x82\xa0"},
        {"\x81\x97\x82", 3, "\x81\x97"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, WholeCharacterPrefix(c.text, c.maxBytes)) << c.text << " to " << c.maxBytes;
}
