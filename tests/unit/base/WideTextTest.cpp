// Wide text into the Japanese code page (the test runner sets it), and the characters it cannot
// hold named rather than dropped.
#include "WideText.h"

#include <gtest/gtest.h>
#include <windows.h>

using base::CodePageText;
using base::WideToAnsiChecked;
using Lost = std::vector<char32_t>;

TEST(WideToAnsiChecked, TextTheCodePageHoldsGoesInAsTheSystemConvertsIt)
{
    ASSERT_EQ(GetACP(), 932u);
    const CodePageText converted = WideToAnsiChecked(L"xyz 買い物 ソ表 ① ﾐｽ\r\n\\");
    EXPECT_EQ(converted.text, "xyz \x94\x83\x82\xa2\x95\xa8 \x83\x5c\x95\x5c \x87\x40 \xd0\xbd\r\n\\");
    EXPECT_EQ(converted.lost, Lost{});
    EXPECT_EQ(WideToAnsiChecked(L"").text, "");
}

TEST(WideToAnsiChecked, CharactersTheCodePageLacksBecomeQuestionMarksAndAreNamedOnceInOrder)
{
    // The emoji is two UTF-16 units and becomes two question marks; é is not approximated as e.
    const CodePageText converted = WideToAnsiChecked(L"café 🙂 買い物 ① é🙂 xyz");
    EXPECT_EQ(converted.text, "caf? ?? \x94\x83\x82\xa2\x95\xa8 \x87\x40 ??? xyz");
    EXPECT_EQ(converted.lost, (Lost{0xE9, 0x1F642}));

    // A surrogate without its partner is lost as itself.
    const CodePageText broken = WideToAnsiChecked(std::wstring(L"a") + L'\xD83D' + L"b");
    EXPECT_EQ(broken.text, "a?b");
    EXPECT_EQ(broken.lost, Lost{0xD83D});
}

TEST(WideToAnsiChecked, NothingIsLostInUtf8)
{
    const CodePageText converted = base::WideToCodePageChecked(CP_UTF8, L"café 🙂");
    EXPECT_EQ(converted.text, "caf\xc3\xa9 \xf0\x9f\x99\x82");
    EXPECT_EQ(converted.lost, Lost{});
}
