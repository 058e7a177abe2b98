// Fuzz target memo_roundtrip: any list of memo texts written as memo.txt content and read back.
// The input is the list with a zero byte between texts (a text cannot hold one: window texts end
// at one, and reading memo.txt drops them). Every text must come back, with each lone CR and each
// lone LF turned into CR LF.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "store/MemoText.h"

namespace {

std::string WithCrLfBreaks(const std::string& text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            result += "\r\n";
            ++i;
        } else if (text[i] == '\r' || text[i] == '\n') {
            result += "\r\n";
        } else {
            result += text[i];
        }
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> texts = SplitAtZeros(InputText(data, size));
    const std::string content = JoinMemoTexts(texts);

    std::vector<std::string> expected;
    std::string expectedContent;
    for (const std::string& text : texts) {
        const std::string line = EscapeMemoText(text);
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
        FUZZ_CHECK(UnescapeMemoText(line) == WithCrLfBreaks(text));
        expected.push_back(WithCrLfBreaks(text));
        expectedContent += line + "\r\n";
    }
    FUZZ_CHECK(content == expectedContent);
    FUZZ_CHECK(SplitMemoTexts(content) == expected);
    return 0;
}
