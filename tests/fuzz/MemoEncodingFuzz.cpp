// Fuzz target memo_encoding: any bytes judged as the form of a memo.txt, the program's own or one
// another editor saved (UTF-8 with or without a mark, UTF-16). Besides never failing, the judgement
// keeps its rules: a mark decides whatever follows it, and a guess is made only where the code page
// is not UTF-8, and holds for more of the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "store/MemoFileEncoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes = InputText(data, size);
    const MemoFileEncoding judged = DetectMemoFileEncoding(bytes, false);
    const MemoFileEncoding inUtf8 = DetectMemoFileEncoding(bytes, true);
    FUZZ_CHECK(ByteOrderMarkLength(judged) <= bytes.size());
    FUZZ_CHECK(inUtf8 != MemoFileEncoding::Utf8Guessed);

    if (ByteOrderMarkLength(judged) > 0) {
        FUZZ_CHECK(inUtf8 == judged);
        FUZZ_CHECK(DetectMemoFileEncoding(bytes + "\xFF", false) == judged);
    }
    if (judged == MemoFileEncoding::Utf8Guessed) {
        FUZZ_CHECK(inUtf8 == MemoFileEncoding::CodePage);
        // Valid UTF-8 stays valid with ASCII before it or itself after it, and is spoilt by a
        // continuation byte alone.
        FUZZ_CHECK(DetectMemoFileEncoding("a" + bytes, false) == MemoFileEncoding::Utf8Guessed);
        FUZZ_CHECK(DetectMemoFileEncoding(bytes + bytes, false) == MemoFileEncoding::Utf8Guessed);
        FUZZ_CHECK(DetectMemoFileEncoding(bytes + "\x80", false) == MemoFileEncoding::CodePage);
    }
    return 0;
}
