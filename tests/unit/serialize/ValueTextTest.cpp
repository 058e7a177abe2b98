#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "ValueText.h"

using namespace Serialize;

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
    EXPECT_TRUE(ParseInt("12abc", value));
    EXPECT_EQ(12, value);
    EXPECT_TRUE(ParseInt(" \t\r\n-34 5", value));
    EXPECT_EQ(-34, value);
    EXPECT_TRUE(ParseInt("+8", value));
    EXPECT_EQ(8, value);
    EXPECT_TRUE(ParseInt("0x10", value));
    EXPECT_EQ(0, value);
    EXPECT_TRUE(ParseInt("-2147483648", value));
    EXPECT_EQ(std::numeric_limits<std::int32_t>::min(), value);
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
    EXPECT_TRUE(ParseInt("2147483648", value));
    EXPECT_EQ(std::numeric_limits<std::int32_t>::max(), value);
    EXPECT_TRUE(ParseInt("-2147483649", value));
    EXPECT_EQ(std::numeric_limits<std::int32_t>::min(), value);
    EXPECT_TRUE(ParseInt(std::string(400, '9'), value));
    EXPECT_EQ(std::numeric_limits<std::int32_t>::max(), value);
}

TEST(ValueTextParseUInt, HexadecimalInEitherCase)
{
    std::uint32_t value = 0;
    EXPECT_TRUE(ParseUInt("a", value));
    EXPECT_EQ(10u, value);
    EXPECT_TRUE(ParseUInt("A", value));
    EXPECT_EQ(10u, value);
    EXPECT_TRUE(ParseUInt("  Ff!", value));
    EXPECT_EQ(255u, value);
    EXPECT_TRUE(ParseUInt("0x1f", value));
    EXPECT_EQ(31u, value);
    EXPECT_TRUE(ParseUInt("0XAbg", value));
    EXPECT_EQ(0xABu, value);
    EXPECT_TRUE(ParseUInt("0xz", value));
    EXPECT_EQ(0u, value);
    EXPECT_TRUE(ParseUInt("-1", value));
    EXPECT_EQ(0xFFFFFFFFu, value);
    EXPECT_TRUE(ParseUInt("ffffffff", value));
    EXPECT_EQ(0xFFFFFFFFu, value);
    EXPECT_TRUE(ParseUInt("100000000", value));
    EXPECT_EQ(0xFFFFFFFFu, value);
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
    EXPECT_TRUE(ParseDouble("0.500000", value));
    EXPECT_EQ(0.5, value);
    EXPECT_TRUE(ParseDouble("  -1e3xyz", value));
    EXPECT_EQ(-1000.0, value);
    EXPECT_TRUE(ParseDouble(".25", value));
    EXPECT_EQ(0.25, value);
    EXPECT_TRUE(ParseDouble("7", value));
    EXPECT_EQ(7.0, value);

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
    EXPECT_TRUE(ParseBool("1", value));
    EXPECT_TRUE(value);
    EXPECT_TRUE(ParseBool("0", value));
    EXPECT_FALSE(value);
    EXPECT_TRUE(ParseBool("2", value));
    EXPECT_TRUE(value);
    EXPECT_TRUE(ParseBool("-0", value));
    EXPECT_FALSE(value);
    EXPECT_TRUE(ParseBool("-1", value));
    EXPECT_TRUE(value);
    EXPECT_TRUE(ParseBool("99999999999", value));
    EXPECT_TRUE(value);

    EXPECT_FALSE(ParseBool("true", value));
    EXPECT_TRUE(value);
}
