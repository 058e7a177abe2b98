#include "Lines.h"

#include <string_view>

namespace {

constexpr std::string_view kLineBreak = "\r\n";

} // namespace

std::int32_t CountLines(const std::string& text)
{
    std::int32_t count = 0;
    std::string_view rest = text;
    while (!rest.empty()) {
        ++count;
        const std::size_t lineBreak = rest.find(kLineBreak);
        if (lineBreak == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(lineBreak + kLineBreak.size());
    }
    return count;
}

std::string GetLine(const std::string& text, std::int32_t index)
{
    std::string_view rest = text;
    for (std::int32_t line = 0; !rest.empty(); ++line) {
        const std::size_t lineBreak = rest.find(kLineBreak);
        if (line == index) {
            // With no further break the line runs to the end (npos takes the whole rest).
            return std::string(rest.substr(0, lineBreak));
        }
        if (lineBreak == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(lineBreak + kLineBreak.size());
    }
    return {};
}
