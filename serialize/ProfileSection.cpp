#include "ProfileSection.h"

#include <algorithm>

namespace Serialize {

namespace {

constexpr char kEntrySeparator = '\0';
constexpr char kKeyValueSeparator = '=';
constexpr char kEndOfFileMark = '\x1a';
constexpr char kFirstPrintable = ' ';
constexpr char kLastPrintable = '~';
constexpr const char* kLineEnd = "\r\n";

// The blanks the profile functions drop at the ends of keys and values: white space and the old
// end-of-file mark.
bool IsProfileBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == kEndOfFileMark;
}

std::string TrimBlanks(const std::string& text)
{
    const auto first = std::find_if_not(text.begin(), text.end(), IsProfileBlank);
    const auto last = std::find_if_not(text.rbegin(), std::string::const_reverse_iterator(first), IsProfileBlank);
    return std::string(first, last.base());
}

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Two keys the profile functions take for the same key fold to the same text. Only ASCII letters
// are folded: a byte above 0x7F may be half of a double-byte character.
std::string FoldKey(const std::string& key)
{
    std::string folded = TrimBlanks(key);
    std::transform(folded.begin(), folded.end(), folded.begin(), AsciiLower);
    return folded;
}

bool IsQuote(char c)
{
    return c == '"' || c == '\'';
}

std::string StripEnclosingQuotes(const std::string& value)
{
    if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

bool IsPrintableAscii(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= kFirstPrintable && c <= kLastPrintable; });
}

bool HasBlankAtAnEnd(const std::string& text)
{
    return !text.empty() && (IsProfileBlank(text.front()) || IsProfileBlank(text.back()));
}

// A text given to the profile functions as a C string ends at its first zero byte.
std::string UpToZero(const std::string& text)
{
    return text.substr(0, text.find('\0'));
}

} // namespace

ProfileSection ProfileSection::FromSectionText(const std::string& text)
{
    ProfileSection section;
    std::size_t start = 0;
    while (start < text.size() && text[start] != kEntrySeparator) {
        std::size_t end = text.find(kEntrySeparator, start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        const std::size_t separator = line.find(kKeyValueSeparator);
        if (separator == std::string::npos)
            section.Append({TrimBlanks(line), std::nullopt});
        else
            section.Append({TrimBlanks(line.substr(0, separator)), line.substr(separator + 1)});
        start = end + 1;
    }
    return section;
}

std::string ProfileSection::ValueOf(const std::string& key) const
{
    const auto found = firstEntry_.find(FoldKey(key));
    if (found == firstEntry_.end())
        return {};
    const std::optional<std::string>& value = entries_[found->second].value;
    if (!value)
        return {};
    return StripEnclosingQuotes(TrimBlanks(*value)).substr(0, kValueBufferSize - 1);
}

void ProfileSection::Set(const std::string& key, const std::string& value)
{
    std::string kept = TrimBlanks(UpToZero(value));
    const auto found = firstEntry_.find(FoldKey(UpToZero(key)));
    if (found != firstEntry_.end())
        entries_[found->second].value = std::move(kept);
    else
        Append({TrimBlanks(UpToZero(key)), std::move(kept)});
}

std::string ProfileSection::SectionText() const
{
    std::string text;
    for (const Entry& entry : entries_) {
        text += entry.key;
        if (entry.value)
            text += kKeyValueSeparator + *entry.value;
        text += kEntrySeparator;
    }
    text += kEntrySeparator;
    return text;
}

std::optional<std::string> ProfileSection::FileText(const std::string& sectionName) const
{
    const bool plainName = !sectionName.empty() && IsPrintableAscii(sectionName) &&
                           sectionName.find(']') == std::string::npos && !HasBlankAtAnEnd(sectionName);
    if (!plainName || entries_.empty())
        return std::nullopt;
    std::string text = "[" + sectionName + "]" + kLineEnd;
    for (const Entry& entry : entries_) {
        if (!WrittenVerbatim(entry))
            return std::nullopt;
        text += entry.key + kKeyValueSeparator + *entry.value + kLineEnd;
    }
    return text;
}

void ProfileSection::Append(Entry entry)
{
    firstEntry_.emplace(FoldKey(entry.key), entries_.size());
    entries_.push_back(std::move(entry));
}

bool ProfileSection::WrittenVerbatim(const Entry& entry) const
{
    const bool plainKey = !entry.key.empty() && IsPrintableAscii(entry.key) &&
                          entry.key.find(kKeyValueSeparator) == std::string::npos && entry.key.front() != '[' &&
                          entry.key.front() != ';';
    return plainKey && entry.value && IsPrintableAscii(*entry.value);
}

} // namespace Serialize
