#include "MemoText.h"

#include "text/RegEx2.h"

namespace
{
// Pattern texts as the regular-expression engine reads them.
const std::string kBackslashPattern = "\\\\";   // matches one backslash
const std::string kCrLfPattern = "\r\n";
const std::string kLoneBreakPattern = "[\r\n]";
const std::string kCrPattern = "\r";
const std::string kLfPattern = "\n";

const std::string kEscapedBackslash = "\\\\";   // two backslash bytes
const std::string kEscapedBreak = "\\n";        // backslash, n
const std::string kCrLf = "\r\n";
const std::string kLf = "\n";

constexpr char kBackslash = '\\';
constexpr char kEscapedBreakLetter = 'n';
}

std::string EscapeMemoText(const std::string& text)
{
    // The order matters: backslashes first, so the backslashes added for line breaks stay single;
    // CR LF pairs before lone bytes, so a pair becomes one escaped break, not two.
    RegEx2 regex;
    std::string line = regex.Compile(kBackslashPattern).ReplaceAll(text, kEscapedBackslash);
    line = regex.Compile(kCrLfPattern).ReplaceAll(line, kEscapedBreak);
    return regex.Compile(kLoneBreakPattern).ReplaceAll(line, kEscapedBreak);
}

std::string UnescapeMemoText(const std::string& line)
{
    std::string text;
    text.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        const bool escape = line[i] == kBackslash && i + 1 < line.size();
        if (escape && line[i + 1] == kBackslash) {
            text += kBackslash;
            ++i;
        } else if (escape && line[i + 1] == kEscapedBreakLetter) {
            text += kCrLf;
            ++i;
        } else {
            text += line[i];
        }
    }
    return text;
}

std::string JoinMemoTexts(const std::vector<std::string>& texts)
{
    std::string content;
    for (const std::string& text : texts) {
        content += EscapeMemoText(text);
        content += kCrLf;
    }
    return content;
}

std::vector<std::string> SplitMemoTexts(const std::string& content)
{
    RegEx2 regex;
    std::string normalized = regex.Compile(kCrLfPattern).ReplaceAll(content, kLf);
    normalized = regex.Compile(kCrPattern).ReplaceAll(normalized, kLf);
    std::vector<std::string> texts = regex.Compile(kLfPattern).Split(normalized);
    for (std::string& text : texts)
        text = UnescapeMemoText(text);
    return texts;
}
