#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "ValueText.h"

using namespace Serialize;

namespace {

// Each row, in turn into the same `value`: the text is read as a number, and this is the value it
// gives.
template <typename T>
void ExpectParsed(bool (*parse)(std::string_view, T&), T& value, const std::vector<std::pair<std::string, T>>& rows)
{
    for (const auto& [text, expected] : rows) {
        EXPECT_TRUE(parse(text, value)) << text;
        EXPECT_EQ(expected, value) << text;
    }
}

} // namespace

TEST(ValueTextFormat, PrintfForms)
{
    EXPECT_EQ("a", FormatUInt(10));
    EXPECT_EQ("0", FormatUInt(0));
    EXPECT_EQ("ffffffff", FormatUInt(0xFFFFFFFFu));
    EXPECT_EQ("a5ffff", FormatUInt(0x00A5FFFFu));
    EXPECT_EQ("-5", FormatInt(-5));
    EXPECT_EQ("0", FormatInt(0));
    EXPECT_EQ("-2147483648", FormatInt(std::numeric_limits<std::int32_t>::min()));
    EXPECT_EQ("2147483647", FormatInt(std::numeric_limits<std::int32_t>::max()));
    EXPECT_EQ("0.500000", FormatDouble(0.5));
    EXPECT_EQ("-1.250000", FormatDouble(-1.25));
    EXPECT_EQ("0.000000", FormatDouble(1e-9));
    EXPECT_EQ("1", FormatBool(true));
    EXPECT_EQ("0", FormatBool(false));
}

TEST(ValueTextFormat, LargestDoubleIsWrittenWhole)
{
    const std::string text = FormatDouble(std::numeric_limits<double>::max());
    EXPECT_EQ(316u, text.size());
    EXPECT_EQ("179769313486231570", text.substr(0, 18));
    EXPECT_EQ(".000000", text.substr(text.size() - 7));
}

TEST(ValueTextParseInt, TakesTheLongestNumberAtTheStart)
{
    std::int32_t value = 77;
    ExpectParsed<std::int32_t>(ParseInt, value,
                               {
                                   {"12abc", 12},
                                   {" \t\r\n-34 5", -34},
                                   {"+8", 8},
                                   {"0x10", 0},
                                   {"-2147483648", std::numeric_limits<std::int32_t>::min()},
                               });
}

TEST(ValueTextParseInt, NoNumberLeavesTheValueAlone)
{
    for (const char* text : {"", " ", "abc", "-", "+", "- 5", "\x95\x5C", "--1"}) {
        std::int32_t value = 77;
        EXPECT_FALSE(ParseInt(text, value)) << text;
        EXPECT_EQ(77, value) << text;
    }
}

TEST(ValueTextParseInt, OutOfRangeIsClamped)
{
    std::int32_t value = 0;
    ExpectParsed<std::int32_t>(ParseInt, value,
                               {
                                   {"2147483648", std::numeric_limits<std::int32_t>::max()},
                                   {"-2147483649", std::numeric_limits<std::int32_t>::min()},
                                   {std::string(400, '9'), std::numeric_limits<std::int32_t>::max()},
                               });
}

TEST(ValueTextParseUInt, HexadecimalInEitherCase)
{
    std::uint32_t value = 0;
    ExpectParsed<std::uint32_t>(ParseUInt, value,
                                {
                                    {"a", 10u},
                                    {"A", 10u},
                                    {"  Ff!", 255u},
                                    {"0x1f", 31u},
                                    {"0XAbg", 0xABu},
                                    {"0xz", 0u},
                                    {"-1", 0xFFFFFFFFu},
                                    {"ffffffff", 0xFFFFFFFFu},
                                    {"100000000", 0xFFFFFFFFu},
                                });
}

TEST(ValueTextParseUInt, NoNumberLeavesTheValueAlone)
{
    for (const char* text : {"", "g", "x1", " -", "0x"}) {
        std::uint32_t value = 5;
        const bool parsed = ParseUInt(text, value);
        // "0x" is the number 0 followed by an x, as with scanf.
        EXPECT_EQ(std::string(text) == "0x", parsed) << text;
        EXPECT_EQ(parsed ? 0u : 5u, value) << text;
    }
}

TEST(ValueTextParseDouble, ScanfForms)
{
    double value = 0;
    ExpectParsed<double>(ParseDouble, value,
                         {
                             {"0.500000", 0.5},
                             {"  -1e3xyz", -1000.0},
                             {".25", 0.25},
                             {"7", 7.0},
                         });

    value = 3.5;
    EXPECT_FALSE(ParseDouble("abc", value));
    EXPECT_FALSE(ParseDouble("", value));
    EXPECT_FALSE(ParseDouble(".", value));
    EXPECT_EQ(3.5, value);
}

TEST(ValueTextParseDouble, RoundTripsWhatFormatWrites)
{
    for (double d : {0.0, 0.5, -2.75, 123456.125, 1e20}) {
        double back = -1;
        ASSERT_TRUE(ParseDouble(FormatDouble(d), back));
        EXPECT_EQ(d, back);
    }
}

TEST(ValueTextParseBool, AnyNonZeroNumberIsTrue)
{
    bool value = false;
    ExpectParsed<bool>(ParseBool, value,
                       {
                           {"1", true},
                           {"0", false},
                           {"2", true},
                           {"-0", false},
                           {"-1", true},
                           {"99999999999", true},
                       });

    EXPECT_FALSE(ParseBool("true", value));
    EXPECT_TRUE(value);
}
