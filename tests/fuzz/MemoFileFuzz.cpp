// Fuzz target memo_file: the content of a memo.txt as anyone may have left it, split into memo
// texts, and every text cut into lines as the copy-line menu does.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "store/MemoText.h"
#include "text/Lines.h"

namespace {

// Every CR is followed by LF and every LF follows a CR.
bool OnlyCrLfPairs(const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool cr = text[i] == '\r';
        const bool lf = text[i] == '\n';
        if ((cr && (i + 1 == text.size() || text[i + 1] != '\n')) || (lf && (i == 0 || text[i - 1] != '\r'))) {
            return false;
        }
    }
    return true;
}

// The lines of a text joined with CR LF give the text back, less one CR LF at its end.
void CheckLines(const std::string& text)
{
    const std::int32_t count = CountLines(text);
    FUZZ_CHECK(count >= 0);
    std::string joined;
    for (std::int32_t index = 0; index < count; ++index) {
        const std::string line = GetLine(text, index);
        FUZZ_CHECK(line.find("\r\n") == std::string::npos);
        joined += index == 0 ? line : "\r\n" + line;
    }
    const bool endsInBreak = text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0;
    FUZZ_CHECK(joined == (endsInBreak ? text.substr(0, text.size() - 2) : text));
    FUZZ_CHECK(GetLine(text, count).empty() && GetLine(text, -1).empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Reading memo.txt drops its zero bytes; whatever else is split must still come through
    // without a fault.
    const std::string raw = InputText(data, size);
    SplitMemoTexts(raw);

    std::string content = raw;
    content.erase(std::remove(content.begin(), content.end(), '\0'), content.end());
    const std::vector<std::string> texts = SplitMemoTexts(content);
    for (const std::string& text : texts) {
        FUZZ_CHECK(OnlyCrLfPairs(text));
        CheckLines(text);
    }
    // Writing what was read and reading it again changes nothing.
    FUZZ_CHECK(SplitMemoTexts(JoinMemoTexts(texts)) == texts);

    // Each line on its own: unescaping is undone by escaping.
    const std::string line = content.substr(0, content.find_first_of("\r\n"));
    const std::string text = UnescapeMemoText(line);
    FUZZ_CHECK(UnescapeMemoText(EscapeMemoText(text)) == text);
    return 0;
}
