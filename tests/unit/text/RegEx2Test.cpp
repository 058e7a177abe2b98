#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "RegEx2.h"

namespace {

using Pieces = std::vector<std::string>;

std::string Replace(const std::string& pattern, const std::string& subject, const std::string& replacement)
{
    return RegEx2().Compile(pattern).ReplaceAll(subject, replacement);
}

Pieces Split(const std::string& pattern, const std::string& subject)
{
    return RegEx2().Compile(pattern).Split(subject);
}

// Each row: ReplaceAll of `subject` with `pattern` gives `expected`.
struct Replacement {
    std::string pattern, subject, replacement, expected;
};

void ExpectReplacements(const std::vector<Replacement>& rows)
{
    for (const Replacement& row : rows)
        EXPECT_EQ(row.expected, Replace(row.pattern, row.subject, row.replacement))
            << "pattern " << testing::PrintToString(row.pattern) << ", subject " << testing::PrintToString(row.subject);
}

// The first match of the compiled pattern in `subject`: the text before it, the match and the text
// after it.
void ExpectSearchFinds(const RegEx2& re, const std::string& subject, const std::string& prefix,
                       const std::string& match, const std::string& suffix)
{
    const auto result = re.Search(subject);
    ASSERT_NE(nullptr, result) << testing::PrintToString(subject);
    EXPECT_EQ(prefix, result->Prefix());
    EXPECT_EQ(match, result->MatchText());
    EXPECT_EQ(suffix, result->Suffix());
}

} // namespace

TEST(RegEx2TrailingBreaks, RemovesOnlyTheFinalRunOfCrAndLf)
{
    const std::string trailing = "[\r\n]+$";
    ExpectReplacements({{trailing, "abc\r\n\r\n", "", "abc"},
                        {trailing, "a\r\nb", "", "a\r\nb"},
                        {trailing, "a\r\nb\n\r", "", "a\r\nb"},
                        {trailing, "\r\n\n\r\r", "", ""},
                        {trailing, "", "", ""},
                        {trailing, "abc", "", "abc"}});
}

TEST(RegEx2FirstLine, SearchGivesPrefixSuffixAndSpan)
{
    RegEx2 re;
    re.Compile("[\r\n]");
    EXPECT_EQ(nullptr, re.Search("no break here"));

    auto result = re.Search("ab\ncd");
    ASSERT_NE(nullptr, result);
    EXPECT_EQ("ab", result->Prefix());
    EXPECT_EQ("cd", result->Suffix());
    EXPECT_EQ("\n", result->MatchText());
    std::int32_t first = -7;
    std::int32_t last = -7;
    ASSERT_TRUE(result->MatchSpan(first, last));
    EXPECT_EQ(2, first);
    EXPECT_EQ(2, last);
    EXPECT_EQ(0, result->GroupCount());

    ExpectSearchFinds(re, "\r\nsecond", "", "\r", "\nsecond");
}

// The whole chain of the memo file is tested with EscapeMemoText (store/MemoTextTest.cpp).
TEST(RegEx2Escaping, EachPatternOfTheMemoFileRunsByteExact)
{
    ExpectReplacements({{"\\\\", "a\\b", "\\\\", "a\\\\b"},
                        {"\\\\", "\\\\\\", "\\\\", "\\\\\\\\\\\\"},
                        {"\\\\", "plain", "\\\\", "plain"},
                        {"\r\n", "a\r\nb\r\n", "\\n", "a\\nb\\n"},
                        {"[\r\n]", "a\rb\nc", "\\n", "a\\nb\\nc"},
                        {"\r\n", "a\r\nb\r\n", "\n", "a\nb\n"},
                        {"\r", "a\rb\r\n\r", "\n", "a\nb\n\n\n"}});
}

TEST(RegEx2Escaping, ReplacementIsTakenLiterally)
{
    ExpectReplacements({{"(b)", "xbx", "$1\\1&$0", "x$1\\1&$0x"}, {"b", "bbb", "", ""}});
}

TEST(RegEx2Escaping, BackslashMatchesTheSecondByteOfAShiftJisCharacter)
{
    // 0x95 0x5C is one Shift_JIS character whose second byte is a backslash.
    const std::string hyo = "\x95\x5C";
    EXPECT_EQ("\x95\x5C\x5C", Replace("\\\\", hyo, "\\\\"));

    ExpectSearchFinds(RegEx2().Compile("\\\\"), "a" + hyo, "a\x95", "\\", "");
}

TEST(RegEx2ReplaceAll, CaretMatchesWhereEachPassStarts)
{
    ExpectReplacements({{"^x", "xxx", "y", "yyy"},
                        {"^x", "axx", "y", "axx"},
                        {"^x", "xax", "y", "yax"},
                        // The end anchor still sees the subject's end only.
                        {"x$", "xx", "y", "xy"}});
}

TEST(RegEx2ReplaceAll, NeverSearchesInsideTheReplacement)
{
    ExpectReplacements({{"a", "aa", "aa", "aaaa"}, {"ab", "abab", "[ab]", "[ab][ab]"}});
}

TEST(RegEx2Split, KeepsEmptyPiecesButNoEmptyLastPiece)
{
    EXPECT_EQ((Pieces{"a", "", "b"}), Split("\n", "a\n\nb"));
    EXPECT_EQ((Pieces{"a"}), Split("\n", "a\n"));
    EXPECT_EQ((Pieces{"a", ""}), Split("\n", "a\n\n"));
    EXPECT_EQ((Pieces{}), Split("\n", ""));
    EXPECT_EQ((Pieces{""}), Split("\n", "\n"));
    EXPECT_EQ((Pieces{"", "x"}), Split("\n", "\nx"));
    EXPECT_EQ((Pieces{"abc"}), Split("\n", "abc"));
    EXPECT_EQ((Pieces{"a", "b"}), Split("--", "a--b"));
}

TEST(RegEx2Groups, SpansCountFromMinusOne)
{
    auto result = RegEx2().Compile("(a+)(b+)").Search("xaabbby");
    ASSERT_NE(nullptr, result);
    EXPECT_EQ(2, result->GroupCount());

    std::int32_t first = 0;
    std::int32_t last = 0;
    ASSERT_TRUE(result->GroupSpan(-1, first, last));
    EXPECT_EQ(1, first);
    EXPECT_EQ(5, last);
    ASSERT_TRUE(result->GroupSpan(0, first, last));
    EXPECT_EQ(1, first);
    EXPECT_EQ(2, last);
    ASSERT_TRUE(result->GroupSpan(1, first, last));
    EXPECT_EQ(3, first);
    EXPECT_EQ(5, last);

    first = 42;
    last = 43;
    EXPECT_FALSE(result->GroupSpan(2, first, last));
    EXPECT_FALSE(result->GroupSpan(-2, first, last));
    EXPECT_EQ(42, first);
    EXPECT_EQ(43, last);

    EXPECT_EQ("aabbb", result->GroupText(-1));
    EXPECT_EQ("aabbb", result->MatchText());
    EXPECT_EQ("aa", result->GroupText(0));
    EXPECT_EQ("bbb", result->GroupText(1));
    EXPECT_EQ("", result->GroupText(2));
    EXPECT_EQ("", result->GroupText(-2));
    EXPECT_EQ("x", result->Prefix());
    EXPECT_EQ("y", result->Suffix());
}

TEST(RegEx2Groups, SpanListEndsAtTheFirstEmptyOrUnsetGroup)
{
    // The empty second group cuts the list, though the third group is set.
    auto emptyGroup = RegEx2().Compile("(a)(x?)(b)").Search("ab");
    ASSERT_NE(nullptr, emptyGroup);
    EXPECT_EQ(1, emptyGroup->GroupCount());
    EXPECT_EQ("a", emptyGroup->GroupText(0));
    EXPECT_EQ("", emptyGroup->GroupText(2));

    auto unsetGroup = RegEx2().Compile("(a)|(b)").Search("b");
    ASSERT_NE(nullptr, unsetGroup);
    EXPECT_EQ(0, unsetGroup->GroupCount());
    EXPECT_EQ("b", unsetGroup->MatchText());
    EXPECT_EQ("", unsetGroup->GroupText(1));
}

TEST(RegEx2Groups, AtMostNinetyNineGroupsAreReported)
{
    std::string pattern;
    for (int i = 0; i < 120; ++i) {
        pattern += "(a)";
    }
    auto result = RegEx2().Compile(pattern).Search(std::string(120, 'a'));
    ASSERT_NE(nullptr, result);
    EXPECT_EQ(99, result->GroupCount());
    EXPECT_EQ("a", result->GroupText(98));
    EXPECT_EQ("", result->GroupText(99));
}

TEST(RegEx2Options, IgnoreCaseAndNoMultiLineAnchors)
{
    RegEx2 re;
    EXPECT_TRUE(re.Compile("abc", true).Exec("xABCx"));
    EXPECT_FALSE(re.Compile("abc", false).Exec("xABCx"));
    EXPECT_FALSE(re.Compile("^b").Exec("a\nb"));
    EXPECT_FALSE(re.Compile("a$").Exec("a\nb"));
    EXPECT_TRUE(re.Compile("b$").Exec("a\nb"));
}

TEST(RegEx2Result, HoldsItsOwnCopyOfTheSubject)
{
    RegEx2 re;
    re.Compile(",");
    std::unique_ptr<RegEx2::CResult> result;
    {
        std::string subject = "left,right";
        result = re.Search(subject);
        subject.assign("xxxxxxxxxx");
    }
    ASSERT_NE(nullptr, result);
    EXPECT_EQ("left", result->Prefix());
    EXPECT_EQ("right", result->Suffix());
}

TEST(RegEx2Result, FailedExecLeavesNoStaleMatch)
{
    RegEx2 re;
    RegEx2::CResult result;
    ASSERT_TRUE(re.Compile("b").Exec("abc", &result));
    EXPECT_EQ("b", result.MatchText());
    EXPECT_FALSE(re.Compile("z").Exec("abc", &result));
    EXPECT_EQ("", result.MatchText());
    EXPECT_EQ("", result.Prefix());
    EXPECT_EQ("", result.Suffix());
    EXPECT_EQ(-1, result.GroupCount());
}

// Each case: a regular expression that can find nothing, and what every operation then gives.
class RegEx2FindsNothing : public testing::TestWithParam<const char*> {
protected:
    RegEx2 re;
    void SetUp() override
    {
        if (GetParam() != nullptr) {
            re.Compile(GetParam());
        }
    }
};

TEST_P(RegEx2FindsNothing, EveryOperationTerminatesAndFindsNothing)
{
    EXPECT_FALSE(re.Exec("abc"));
    EXPECT_EQ(nullptr, re.Search("abc"));
    EXPECT_EQ("abc", re.ReplaceAll("abc", "-"));
    EXPECT_EQ((Pieces{"abc"}), re.Split("abc"));
    EXPECT_EQ((Pieces{}), re.Split(""));
}

INSTANTIATE_TEST_SUITE_P(NoPattern, RegEx2FindsNothing, testing::Values(nullptr));
INSTANTIATE_TEST_SUITE_P(BadPattern, RegEx2FindsNothing, testing::Values("(", "[a", "a{2,1}", "*"));
// A whole match of zero length counts as no match.
INSTANTIATE_TEST_SUITE_P(ZeroLengthMatch, RegEx2FindsNothing, testing::Values("x*", "$", "^", "(?=b)"));

// A subject is handed to the engine up to its first zero byte; the bytes behind it are kept as
// they are.
TEST(RegEx2ZeroByte, EndsTheSearchedPartOfTheSubject)
{
    const std::string subject("a\nb\0c\nd", 7);
    EXPECT_EQ(std::string("a-b\0c\nd", 7), Replace("\n", subject, "-"));
    EXPECT_EQ((Pieces{"a", std::string("b\0c\nd", 5)}), Split("\n", subject));
    EXPECT_EQ(nullptr, RegEx2().Compile("c").Search(subject));
}

// Each pass searches the rest of the subject where it lies. When every pass copied the rest,
// a memo file of a hundred thousand lines took minutes to split; a return of that shows as this
// test running into its time-out.
TEST(RegEx2LongSubject, EveryLineOfAMegabyteIsFound)
{
    constexpr std::size_t kLines = 100000;
    std::string subject;
    for (std::size_t i = 0; i < kLines; ++i) {
        subject += "line " + std::to_string(i) + "\r\n";
    }
    const Pieces pieces = Split("\r\n", subject);
    ASSERT_EQ(kLines, pieces.size());
    EXPECT_EQ("line 0", pieces.front());
    EXPECT_EQ("line 54321", pieces[54321]);
    EXPECT_EQ("line 99999", pieces.back());

    const std::string joined = Replace("\r\n", subject, "|");
    EXPECT_EQ(subject.size() - kLines, joined.size());
    EXPECT_EQ("line 54321|line 54322|", joined.substr(joined.find("line 54321|"), 22));
}

TEST(RegEx2Compile, ABadPatternReplacesTheOldOneAndAGoodOneWorksAgain)
{
    RegEx2 re;
    EXPECT_TRUE(re.Compile("b").Exec("abc"));
    EXPECT_FALSE(re.Compile("(").Exec("abc"));
    EXPECT_EQ("a-c", re.Compile("b").ReplaceAll("abc", "-"));
}

TEST(RegEx2Compile, ZeroLengthMatchesStopLoopsAfterRealMatches)
{
    // "x*" first matches "xx", then only the empty text in what is left.
    EXPECT_EQ("-a", Replace("x*", "xxa", "-"));
    EXPECT_EQ((Pieces{"", "a"}), Split("x*", "xxa"));
}
