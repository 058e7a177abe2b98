// Fuzz target value_text: the scanf-style reading of stored value texts, checked against the C
// library's strtoll and strtoull, which read the same forms as "%d" and "%x"; and the written
// forms read back to the same values.
#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "serialize/ValueText.h"

namespace {

constexpr std::uint32_t kUIntMax = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint32_t kUntouched = 0xdeadbeef;

// "%d" with an out-of-range number clamped to the int32 limits.
void CheckParseInt(const std::string& text)
{
    const char* begin = text.c_str();
    char* end = nullptr;
    const long long expected = std::strtoll(begin, &end, 10);
    std::int32_t value = static_cast<std::int32_t>(kUntouched);
    const bool parsed = Serialize::ParseInt(text, value);
    FUZZ_CHECK(parsed == (end != begin));
    if (!parsed) {
        FUZZ_CHECK(value == static_cast<std::int32_t>(kUntouched));
        return;
    }
    constexpr long long kMin = std::numeric_limits<std::int32_t>::min();
    constexpr long long kMax = std::numeric_limits<std::int32_t>::max();
    FUZZ_CHECK(value == (expected < kMin ? kMin : (expected > kMax ? kMax : expected)));

    bool flag = false;
    FUZZ_CHECK(Serialize::ParseBool(text, flag) && flag == (value != 0));
}

// "%x": a minus sign negates in unsigned arithmetic; a magnitude beyond 32 bits gives 0xffffffff.
void CheckParseUInt(const std::string& text)
{
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const unsigned long long read = std::strtoull(begin, &end, 16);
    const bool overflow = errno == ERANGE;
    std::uint32_t value = kUntouched;
    const bool parsed = Serialize::ParseUInt(text, value);
    FUZZ_CHECK(parsed == (end != begin));
    if (!parsed) {
        FUZZ_CHECK(value == kUntouched);
        return;
    }
    const char* sign = begin + std::strspn(begin, " \t\n\v\f\r");
    const bool negative = *sign == '-';
    const unsigned long long magnitude = negative ? 0 - read : read;
    std::uint32_t expected = kUIntMax;
    if (!overflow && magnitude <= kUIntMax) {
        expected = static_cast<std::uint32_t>(magnitude);
        expected = negative ? 0u - expected : expected;
    }
    FUZZ_CHECK(value == expected);
}

void CheckParseDouble(const std::string& text)
{
    double value = 0.25;
    if (Serialize::ParseDouble(text, value)) {
        Serialize::FormatDouble(value);
    } else {
        FUZZ_CHECK(value == 0.25);
    }
}

// What the store writes it reads back unchanged.
void CheckWrittenFormsReadBack(const std::uint8_t* data, std::size_t size)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, data, std::min(size, sizeof bits));

    std::uint32_t unsignedBack = ~bits;
    FUZZ_CHECK(Serialize::ParseUInt(Serialize::FormatUInt(bits), unsignedBack) && unsignedBack == bits);

    const auto signedValue = static_cast<std::int32_t>(bits);
    std::int32_t signedBack = ~signedValue;
    FUZZ_CHECK(Serialize::ParseInt(Serialize::FormatInt(signedValue), signedBack) && signedBack == signedValue);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The profile functions hand over a value up to its first zero byte.
    const std::string text = UpToZero(InputText(data, size));
    CheckParseInt(text);
    CheckParseUInt(text);
    CheckParseDouble(text);
    CheckWrittenFormsReadBack(data, size);
    return 0;
}
