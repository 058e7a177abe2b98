#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Lines.h"

namespace {

// Every line GetLine gives for indexes 0 .. CountLines - 1.
std::vector<std::string> AllLines(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::int32_t i = 0; i < CountLines(text); ++i) {
        lines.push_back(GetLine(text, i));
    }
    return lines;
}

} // namespace

// Outside the anonymous namespace: GoogleTest's factories hold the parameter type.
struct LinesCase {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
};

class LinesSplitting : public testing::TestWithParam<LinesCase> {};

TEST_P(LinesSplitting, CountAndPickAgree)
{
    const LinesCase& c = GetParam();
    EXPECT_EQ(static_cast<std::int32_t>(c.lines.size()), CountLines(c.text));
    EXPECT_EQ(c.lines, AllLines(c.text));
    // Just past the last line there is nothing.
    EXPECT_EQ("", GetLine(c.text, CountLines(c.text)));
}

INSTANTIATE_TEST_SUITE_P(Texts, LinesSplitting,
                         testing::Values(LinesCase{"Empty", "", {}}, LinesCase{"OnlyBreak", "\r\n", {""}},
                                         LinesCase{"TwoBreaks", "\r\n\r\n", {"", ""}},
                                         LinesCase{"OneLine", "abc", {"abc"}},
                                         LinesCase{"FinalBreakOpensNoLine", "a\r\n", {"a"}},
                                         LinesCase{"EmptyMiddleLine", "a\r\n\r\nb", {"a", "", "b"}},
                                         LinesCase{"LoneLfIsPartOfTheLine", "a\nb", {"a\nb"}},
                                         LinesCase{"LoneCrIsPartOfTheLine", "a\rb", {"a\rb"}},
                                         LinesCase{"LfCrIsNoBreak", "a\n\rb", {"a\n\rb"}},
                                         LinesCase{"CrBeforeBreak", "a\r\r\nb", {"a\r", "b"}},
                                         LinesCase{"LeadingBreak", "\r\nb", {"", "b"}},
                                         LinesCase{"TrailingLoneCr", "ab\r\ncd\r", {"ab", "cd\r"}},
                                         LinesCase{"ShiftJis", "\x95\x5C\r\n\x82\xA0", {"\x95\x5C", "\x82\xA0"}}),
                         [](const testing::TestParamInfo<LinesCase>& info) { return std::string(info.param.name); });

TEST(Lines, PickingAtTheBoundaries)
{
    EXPECT_EQ("ab", GetLine("ab\r\ncd", 0));
    EXPECT_EQ("cd", GetLine("ab\r\ncd", 1));
    EXPECT_EQ("cd", GetLine("ab\r\ncd\r\n", 1));
    EXPECT_EQ("", GetLine("ab\r\ncd\r\n", 2));
    EXPECT_EQ("", GetLine("ab\r\ncd", -1));
    EXPECT_EQ("", GetLine("ab", INT32_MIN));
    EXPECT_EQ("", GetLine("ab", INT32_MAX));
    EXPECT_EQ("", GetLine("", 0));
}
