// Fuzz target regex_subject: the patterns the program uses (and a few with anchors and groups)
// over arbitrary subjects. First byte: which pattern and whether case is ignored; the rest: subject.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzInput.h"
#include "RegexChecks.h"
#include "text/RegEx2.h"

namespace {

const std::array<const char*, 12> kPatterns = {
    "[\r\n]+$", "[\r\n]",     "\\\\",  "\r\n",           "\r",
    "\n", // the memo text and file patterns
    "^x",       "(a)(b)?(c)", "a|(b)", "([^\r\n]+)\r\n", "[\\x80-\\xff][\\\\n]",
    "n$",
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::size_t choice = data[0] >> 1;
    const bool ignoreCase = (data[0] & 1) != 0;
    RegEx2 regex;
    regex.Compile(kPatterns[choice % kPatterns.size()], ignoreCase);
    CheckRegexOperations(regex, InputText(data + 1, size - 1));
    return 0;
}
