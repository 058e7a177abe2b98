#include "MemoText.h"

#include "text/RegEx2.h"

#include <algorithm>

namespace {
// Pattern texts as the regular-expression engine reads them.
const std::string kBackslashPattern = "\\\\"; // matches one backslash
const std::string kCrLfPattern = "\r\n";
const std::string kLoneBreakPattern = "[\r\n]";

const std::string kEscapedBackslash = "\\\\"; // two backslash bytes
const std::string kEscapedBreak = "\\n";      // backslash, n
const std::string kCrLf = "\r\n";
// CR LF, a bare CR and a bare LF each end a line of the file.
constexpr char kLineEndBytes[] = "\r\n";
constexpr char kCr = '\r';
constexpr char kLfByte = '\n';

constexpr char kBackslash = '\\';
constexpr char kEscapedBreakLetter = 'n';
}

std::string EscapeMemoText(const std::string& text)
{
    // The order matters: backslashes first, so the backslashes added for line breaks stay single;
    // CR LF pairs before lone bytes, so a pair becomes one escaped break, not two.
    std::string line = CompiledOnce(kBackslashPattern).ReplaceAll(text, kEscapedBackslash);
    line = CompiledOnce(kCrLfPattern).ReplaceAll(line, kEscapedBreak);
    return CompiledOnce(kLoneBreakPattern).ReplaceAll(line, kEscapedBreak);
}

std::string UnescapeMemoText(std::string_view line)
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
    // One pass, each line unescaped straight out of the content: a large memo.txt is held once as
    // read and once as texts, and never in between as whole copies with the line ends made alike.
    // As a regular-expression search would, it looks for line ends only before a zero byte; the
    // rest from the last line start on is one text.
    const std::size_t searched = std::min(content.find('\0'), content.size());
    const std::string_view all(content);
    std::vector<std::string> texts;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t end = content.find_first_of(kLineEndBytes, start);
        if (end >= searched) {
            texts.push_back(UnescapeMemoText(all.substr(start)));
            break;
        }
        texts.push_back(UnescapeMemoText(all.substr(start, end - start)));
        const bool crLf = content[end] == kCr && end + 1 < searched && content[end + 1] == kLfByte;
        start = end + (crLf ? 2 : 1);
    }
    return texts;
}
