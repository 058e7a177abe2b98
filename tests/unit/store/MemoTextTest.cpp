#include "store/MemoText.h"

#include "ShiftJisSamples.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Texts = std::vector<std::string>;

namespace {
void ExpectRoundTrip(const Texts& texts)
{
    EXPECT_EQ(SplitMemoTexts(JoinMemoTexts(texts)), texts);
}
}

TEST(MemoTextFile, EmptyListIsAnEmptyFileAndBack)
{
    EXPECT_EQ(JoinMemoTexts({}), "");
    EXPECT_EQ(SplitMemoTexts(""), Texts{});
}

TEST(MemoTextFile, OneEmptyTextIsOneLineEnd)
{
    EXPECT_EQ(JoinMemoTexts({""}), "\r\n");
    EXPECT_EQ(SplitMemoTexts("\r\n"), Texts{""});
}

TEST(MemoTextFile, EveryTextIsOneLineEndedByCrLf)
{
    EXPECT_EQ(JoinMemoTexts({"first", "", "third"}), "first\r\n\r\nthird\r\n");
    ExpectRoundTrip({"first", "", "third"});
}

TEST(MemoTextFile, LineBreaksBecomeBackslashN)
{
    EXPECT_EQ(JoinMemoTexts({"a\r\nb"}), "a\\nb\r\n");
    EXPECT_EQ(SplitMemoTexts("a\\nb\r\n"), Texts{"a\r\nb"});
}

TEST(MemoTextFile, LoneLfAndLoneCrComeBackAsCrLf)
{
    EXPECT_EQ(JoinMemoTexts({"a\nb", "c\rd"}), "a\\nb\r\nc\\nd\r\n");
    EXPECT_EQ(SplitMemoTexts(JoinMemoTexts({"a\nb", "c\rd"})), (Texts{"a\r\nb", "c\r\nd"}));
    // LF CR is not a pair: two escaped breaks.
    EXPECT_EQ(EscapeMemoText("a\n\rb"), "a\\n\\nb");
    // Backslashes first, then CR LF pairs, then lone CR and LF.
    EXPECT_EQ(EscapeMemoText("a\\b\r\nc\rd\ne\n\r"), "a\\\\b\\nc\\nd\\ne\\n\\n");
}

TEST(MemoTextFile, BackslashesAreDoubledAndHalved)
{
    EXPECT_EQ(JoinMemoTexts({"C:\\new"}), "C:\\\\new\r\n");
    EXPECT_EQ(SplitMemoTexts("C:\\\\new\r\n"), Texts{"C:\\new"});
    EXPECT_EQ(EscapeMemoText("\\\\"), "\\\\\\\\");
    EXPECT_EQ(UnescapeMemoText("\\\\\\\\"), "\\\\");
    ExpectRoundTrip({"C:\\new", "\\\\", "\\", "end\\", "\\n\r\n\\"});
}

TEST(MemoTextFile, ShiftJisSecondByteBackslashIsDoubled)
{
    // Bytes only: that they are ソ and 表 in code page 932 is checked under Windows
    // (MemoTextCodePageTest.cpp).
    EXPECT_EQ(JoinMemoTexts({kSo + kHyo}), "\x83\x5C\x5C\x95\x5C\x5C\r\n");
    // Followed by an n, the doubled byte must not turn into a line break on reading.
    EXPECT_EQ(SplitMemoTexts(JoinMemoTexts({kSo + "n" + kHyo})), Texts{kSo + "n" + kHyo});
    ExpectRoundTrip({kSo, kHyo + "\r\n" + kSo});
}

TEST(MemoTextFile, LastLineWithoutLineEndIsStillAText)
{
    EXPECT_EQ(SplitMemoTexts("a\r\nb"), (Texts{"a", "b"}));
}

TEST(MemoTextFile, ExtraEmptyLineAtTheEndIsOneEmptyText)
{
    EXPECT_EQ(SplitMemoTexts("a\r\n\r\n"), (Texts{"a", ""}));
}

TEST(MemoTextFile, BareLfAndBareCrFilesSplitLikeCrLf)
{
    const Texts expected{"one", "", "t\r\nwo"};
    EXPECT_EQ(SplitMemoTexts("one\r\n\r\nt\\nwo\r\n"), expected);
    EXPECT_EQ(SplitMemoTexts("one\n\nt\\nwo\n"), expected);
    EXPECT_EQ(SplitMemoTexts("one\r\rt\\nwo\r"), expected);
    // LF CR is two line ends; CR CR LF is a bare CR and then CR LF.
    EXPECT_EQ(SplitMemoTexts("a\n\rb\r\r\nc"), (Texts{"a", "", "b", "", "c"}));
    // Reading drops zero bytes; a content that still holds one has line ends only before it.
    EXPECT_EQ(SplitMemoTexts(std::string("a\r\nb\0c\r\nd", 9)), (Texts{"a", std::string("b\0c\r\nd", 6)}));
}

TEST(MemoTextFile, BackslashBeforeOtherBytesOrAtTheEndStays)
{
    EXPECT_EQ(UnescapeMemoText("a\\Nb"), "a\\Nb");
    EXPECT_EQ(UnescapeMemoText("ab\\"), "ab\\");
    EXPECT_EQ(UnescapeMemoText("\\t\\"), "\\t\\");
    EXPECT_EQ(SplitMemoTexts("x\\N\r\ny\\\r\n"), (Texts{"x\\N", "y\\"}));
}

TEST(MemoTextFile, UnescapeIsOnePassFromTheLeft)
{
    // Three backslashes then n: a pair, then an escaped break.
    EXPECT_EQ(UnescapeMemoText("\\\\\\n"), "\\\r\n");
    // Backslash, backslash, n: one backslash and a plain n.
    EXPECT_EQ(UnescapeMemoText("\\\\n"), "\\n");
}
