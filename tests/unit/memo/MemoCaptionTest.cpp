// A memo's window caption is its first line, shortened to a length the window manager can pass on;
// the text itself stays whole.
#include "MemoCaption.h"
#include "TMemoWindow.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

constexpr unsigned kShiftJisCodePage = 932;
// "あ" in Shift_JIS: a lead byte and a trail byte.
const std::string kTwoByteCharacter = "\x82\xa0";

TEST(MemoCaptionTest, LinesUpToTheLimitStayWholeAndLongerOnesAreCutToIt)
{
    EXPECT_EQ("", MemoCaption(""));
    const std::string atLimit(kLongestMemoCaption, 'a');
    EXPECT_EQ(atLimit, MemoCaption(atLimit));
    EXPECT_EQ(atLimit, MemoCaption(atLimit + "b"));
    EXPECT_EQ(atLimit, MemoCaption(std::string(3 * 1024 * 1024, 'a')));
}

TEST(MemoCaptionTest, ADoubleByteCharacterAcrossTheLimitIsLeftOutWhole)
{
    if (GetACP() != kShiftJisCodePage)
        GTEST_SKIP() << "needs the Shift_JIS code page (LANG=ja_JP.UTF-8 under Wine)";
    const std::string before(kLongestMemoCaption - 1, 'a');
    EXPECT_EQ(before, MemoCaption(before + kTwoByteCharacter + "tail"));
    // One byte earlier the character fits exactly.
    const std::string shorter(kLongestMemoCaption - 2, 'a');
    EXPECT_EQ(shorter + kTwoByteCharacter, MemoCaption(shorter + kTwoByteCharacter + "tail"));
    // A trail byte that looks like a lead byte ("ア" is 0x83 0x41, "＠" is 0x81 0x97) does not
    // shift the cut: the walk starts at the beginning of the line.
    std::string characters;
    while (characters.size() + 2 <= kLongestMemoCaption)
        characters += "\x81\x97";
    EXPECT_EQ(characters, MemoCaption(characters + "\x81\x97\x81\x97"));
}

TEST(MemoCaptionTest, AMemoWithAHugeFirstLineKeepsItsWholeTextAndGetsAShortCaption)
{
    TMemoWindow memo;
    const std::string line(2 * 1024 * 1024, 'x');
    memo.SetMemoText(line + "\r\nsecond");
    EXPECT_EQ(line + "\r\nsecond", memo.GetMemoText());
    EXPECT_EQ(std::string(kLongestMemoCaption, 'x'), memo.CaptionAnsi());
}

} // namespace
