#include "ValueText.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>

namespace Serialize {

namespace {

// Large enough to tell every out-of-range magnitude from an in-range one, small enough that
// accumulating one more digit cannot overflow.
constexpr std::uint64_t kMagnitudeCap = std::uint64_t{1} << 40;

struct ScannedInteger {
    bool negative = false;
    std::uint64_t magnitude = 0; // capped at kMagnitudeCap
};

bool IsScanfSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int DigitValue(char c, int base)
{
    int digit = base; // "not a digit"
    if (c >= '0' && c <= '9') {
        digit = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        digit = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        digit = c - 'A' + 10;
    }
    return digit < base ? digit : -1;
}

std::string_view SkipSpace(std::string_view text)
{
    while (!text.empty() && IsScanfSpace(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

// White space, an optional sign, for base 16 an optional 0x, then at least one digit.
std::optional<ScannedInteger> ScanInteger(std::string_view text, int base)
{
    ScannedInteger number;
    text = SkipSpace(text);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // "0x" counts as a prefix only when a hex digit follows; otherwise the "0" is the number.
    if (base == 16 && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') &&
        DigitValue(text[2], base) >= 0) {
        text.remove_prefix(2);
    }
    bool anyDigit = false;
    for (char c : text) {
        const int digit = DigitValue(c, base);
        if (digit < 0) {
            break;
        }
        anyDigit = true;
        if (number.magnitude < kMagnitudeCap) {
            number.magnitude = number.magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    return number;
}

} // namespace

std::string FormatUInt(std::uint32_t value)
{
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, 16).ptr;
    return std::string(buffer, end);
}

std::string FormatInt(std::int32_t value)
{
    return std::to_string(value);
}

std::string FormatDouble(double value)
{
    // "%f" of a large double runs to over 300 characters: measure first.
    const int length = std::snprintf(nullptr, 0, "%f", value);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, "%f", value);
    return text;
}

std::string FormatBool(bool value)
{
    return value ? "1" : "0";
}

bool ParseUInt(std::string_view text, std::uint32_t& value)
{
    const auto number = ScanInteger(text, 16);
    if (!number) {
        return false;
    }
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint32_t>::max();
    if (number->magnitude > kMax) {
        value = static_cast<std::uint32_t>(kMax);
    } else {
        // Like strtoul, a minus sign negates in unsigned arithmetic: "-1" is 0xffffffff.
        const auto magnitude = static_cast<std::uint32_t>(number->magnitude);
        value = number->negative ? 0u - magnitude : magnitude;
    }
    return true;
}

bool ParseInt(std::string_view text, std::int32_t& value)
{
    const auto number = ScanInteger(text, 10);
    if (!number) {
        return false;
    }
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    const auto magnitude = static_cast<std::int64_t>(number->magnitude);
    const std::int64_t signedValue = number->negative ? -magnitude : magnitude;
    value = static_cast<std::int32_t>(signedValue < kMin ? kMin : (signedValue > kMax ? kMax : signedValue));
    return true;
}

bool ParseDouble(std::string_view text, double& value)
{
    // strtod reads the same forms as scanf's "%lf" but needs a zero-terminated text.
    const std::string terminated(text);
    const char* begin = terminated.c_str();
    char* end = nullptr;
    const double parsed = std::strtod(begin, &end);
    if (end == begin) {
        return false;
    }
    value = parsed;
    return true;
}

bool ParseBool(std::string_view text, bool& value)
{
    std::int32_t number = 0;
    if (!ParseInt(text, number)) {
        return false;
    }
    value = number != 0;
    return true;
}

} // namespace Serialize
