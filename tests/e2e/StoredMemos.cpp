#include "StoredMemos.h"

#include "FileBytes.h"

#include <charconv>
#include <map>
#include <ostream>
#include <sstream>

namespace e2e {

namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr char kSection[] = "[ROOT]";

std::string Escaped(const std::string& text)
{
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\') {
            line += "\\\\";
        } else if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            line += "\\n";
            ++i;
        } else {
            line += text[i];
        }
    }
    return line;
}

std::string Unescaped(const std::string& line)
{
    std::string text;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size() && (line[i + 1] == '\\' || line[i + 1] == 'n')) {
            text += line[i + 1] == 'n' ? kLineEnd : "\\";
            ++i;
        } else {
            text += line[i];
        }
    }
    return text;
}

// memo.txt as the program writes it: every line ends with CR LF.
std::optional<std::vector<std::string>> TextsOf(const std::string& bytes)
{
    std::vector<std::string> texts;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find(kLineEnd, start);
        if (end == std::string::npos) {
            return std::nullopt;
        }
        texts.push_back(Unescaped(bytes.substr(start, end - start)));
        start = end + 2;
    }
    return texts;
}

// "key=value" lines under the one section; the profile functions drop the blank that ends each key.
std::map<std::string, std::string> ValuesOf(const std::string& bytes)
{
    std::map<std::string, std::string> values;
    std::istringstream lines(bytes);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const auto equals = line.find('=');
        if (equals != std::string::npos) {
            values[line.substr(0, equals)] = line.substr(equals + 1);
        }
    }
    return values;
}

std::optional<long long> NumberOf(const std::map<std::string, std::string>& values, const std::string& key, int base)
{
    const auto found = values.find(key);
    if (found == values.end()) {
        return std::nullopt;
    }
    long long number = 0;
    const auto& text = found->second;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number, base);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return number;
}

std::string KeyOf(std::size_t record, const char* field)
{
    return "info#" + std::to_string(record) + "#" + field + "#INT";
}

void Print(const StoredMemo& memo, std::ostream& out)
{
    const RECT& r = memo.place;
    out << "[" << Escaped(memo.text) << " at (" << r.left << ", " << r.top << ") " << r.right - r.left << " x "
        << r.bottom - r.top << " colour " << std::hex << memo.colour << std::dec << "]";
}

} // namespace

bool operator==(const StoredMemo& a, const StoredMemo& b)
{
    return a.text == b.text && EqualRect(&a.place, &b.place) && a.colour == b.colour;
}

void PrintTo(const StoredMemo& memo, std::ostream* out)
{
    Print(memo, *out);
}

std::string MemoFileBytes(const std::vector<std::string>& texts)
{
    std::string bytes;
    for (const auto& text : texts) {
        bytes += Escaped(text) + kLineEnd;
    }
    return bytes;
}

std::string InfoFileBytes(const std::vector<StoredMemo>& memos)
{
    std::ostringstream bytes;
    bytes << kSection << kLineEnd << "info#size#UINT=" << std::hex << memos.size() << std::dec << kLineEnd;
    for (std::size_t i = 0; i < memos.size(); ++i) {
        const RECT& r = memos[i].place;
        bytes << KeyOf(i, "Color") << "=" << static_cast<LONG>(memos[i].colour) << kLineEnd << KeyOf(i, "Left") << "="
              << r.left << kLineEnd << KeyOf(i, "Top") << "=" << r.top << kLineEnd << KeyOf(i, "Width") << "="
              << r.right - r.left << kLineEnd << KeyOf(i, "Height") << "=" << r.bottom - r.top << kLineEnd;
    }
    return bytes.str();
}

void WriteStoredMemos(const std::filesystem::path& folder, const std::vector<StoredMemo>& memos)
{
    std::vector<std::string> texts;
    for (const auto& memo : memos) {
        texts.push_back(memo.text);
    }
    WriteFileBytes(folder / kMemoFile, MemoFileBytes(texts));
    WriteFileBytes(folder / kInfoFile, InfoFileBytes(memos));
}

std::optional<std::vector<StoredMemo>> ReadStoredMemos(const std::filesystem::path& folder)
{
    const auto memoBytes = ReadFileBytes(folder / kMemoFile);
    const auto infoBytes = ReadFileBytes(folder / kInfoFile);
    if (!memoBytes || !infoBytes) {
        return std::nullopt;
    }
    const auto texts = TextsOf(*memoBytes);
    const auto values = ValuesOf(*infoBytes);
    const auto count = NumberOf(values, "info#size#UINT", 16);
    if (!texts || !count || static_cast<std::size_t>(*count) != texts->size()) {
        return std::nullopt;
    }
    std::vector<StoredMemo> memos;
    for (std::size_t i = 0; i < texts->size(); ++i) {
        const auto colour = NumberOf(values, KeyOf(i, "Color"), 10);
        const auto left = NumberOf(values, KeyOf(i, "Left"), 10);
        const auto top = NumberOf(values, KeyOf(i, "Top"), 10);
        const auto width = NumberOf(values, KeyOf(i, "Width"), 10);
        const auto height = NumberOf(values, KeyOf(i, "Height"), 10);
        if (!colour || !left || !top || !width || !height) {
            return std::nullopt;
        }
        const RECT place{static_cast<LONG>(*left), static_cast<LONG>(*top), static_cast<LONG>(*left + *width),
                         static_cast<LONG>(*top + *height)};
        memos.push_back(StoredMemo{(*texts)[i], place, static_cast<COLORREF>(*colour)});
    }
    return memos;
}

std::optional<StoredMemo> StoredMemoWithText(const std::filesystem::path& folder, const std::string& text)
{
    const auto memos = ReadStoredMemos(folder);
    if (!memos) {
        return std::nullopt;
    }
    std::optional<StoredMemo> found;
    for (const auto& memo : *memos) {
        if (memo.text == text) {
            if (found) {
                return std::nullopt;
            }
            found = memo;
        }
    }
    return found;
}

std::string Describe(const std::optional<std::vector<StoredMemo>>& memos)
{
    if (!memos) {
        return "(no complete pair of files)";
    }
    std::ostringstream text;
    for (const auto& memo : *memos) {
        Print(memo, text);
        text << " ";
    }
    return text.str();
}

} // namespace e2e
