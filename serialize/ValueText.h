#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The text forms of stored values, as printf writes and scanf reads them: "%x" for unsigned,
// "%d" for signed and flags, "%lf" for doubles. Plain functions over bytes, so they can be tested
// and fuzzed on any platform.
namespace Serialize {

std::string FormatUInt(std::uint32_t value); // lowercase hexadecimal, no prefix
std::string FormatInt(std::int32_t value);
std::string FormatDouble(double value); // fixed point, six decimals
std::string FormatBool(bool value);     // "1" or "0"

// Like scanf: leading white space is skipped, the longest number at the start is taken and the
// rest is ignored. When the text does not start with a number the function returns false and
// leaves value as it was.
//
// Numbers out of range (undefined for scanf) are clamped like strtol/strtoul do: "%d" to the
// int32 limits, "%x" to 0xffffffff. "%x" takes an optional sign and "0x" prefix, as scanf does.
bool ParseUInt(std::string_view text, std::uint32_t& value);
bool ParseInt(std::string_view text, std::int32_t& value);
bool ParseDouble(std::string_view text, double& value);
// Read as "%d"; any number other than 0 is true.
bool ParseBool(std::string_view text, bool& value);

} // namespace Serialize
