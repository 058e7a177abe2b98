// Fuzz target regex_pattern: arbitrary patterns over arbitrary short subjects, including patterns
// that do not compile and those whose whole match may be empty. First byte: pattern length (up to
// kMaxPattern) and whether case is ignored; then the pattern; the rest, up to kMaxSubject bytes,
// is the subject. The lengths stay short because PCRE2's backtracking limit allows seconds of work
// per search on a hostile pattern, and every pass of ReplaceAll and Split is one search.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzInput.h"
#include "RegexChecks.h"
#include "text/RegEx2.h"

namespace {

constexpr std::size_t kMaxPattern = 63;
constexpr std::size_t kMaxSubject = 128;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const bool ignoreCase = (data[0] & 0x80) != 0;
    const std::size_t patternLength = std::min<std::size_t>(data[0] & kMaxPattern, size - 1);
    const std::string pattern = InputText(data + 1, patternLength);
    const std::size_t subjectStart = 1 + patternLength;
    const std::size_t subjectLength = std::min(size - subjectStart, kMaxSubject);

    RegEx2 regex;
    regex.Compile(pattern, ignoreCase);
    CheckRegexOperations(regex, InputText(data + subjectStart, subjectLength));
    // Compiling again releases the first pattern; a pattern that failed leaves none behind.
    regex.Compile(pattern + ")", ignoreCase);
    CheckRegexOperations(regex, InputText(data + subjectStart, subjectLength));
    return 0;
}
