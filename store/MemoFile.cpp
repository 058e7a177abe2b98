#include "MemoFile.h"

#include "FileReading.h"
#include "FileReplacement.h"
#include "base/WideText.h"

#include <algorithm>

namespace {
bool IsAbsence(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND;
}

bool IsUtf16(MemoFileEncoding encoding)
{
    return encoding == MemoFileEncoding::Utf16LittleEndian || encoding == MemoFileEncoding::Utf16BigEndian;
}

// UTF-16 bytes in either order; an odd last byte is no character.
std::wstring Utf16Text(std::string_view bytes, bool bigEndian)
{
    std::wstring text(bytes.size() / 2, L'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        text[i] = static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    return text;
}

// The content of a file another editor saved, in the code page. Bytes that are no UTF-8 become
// U+FFFD, which the code page lacks: like any character it lacks, it is named in form.lost.
void ConvertToCodePage(MemoFileContent& file)
{
    MemoFileForm& form = file.form;
    form.encoding = DetectMemoFileEncoding(file.content, GetACP() == CP_UTF8);
    if (!form.Foreign())
        return;
    const std::string_view text = std::string_view(file.content).substr(ByteOrderMarkLength(form.encoding));
    const std::wstring wide = IsUtf16(form.encoding)
                                  ? Utf16Text(text, form.encoding == MemoFileEncoding::Utf16BigEndian)
                                  : base::CodePageToWide(CP_UTF8, text);
    base::CodePageText converted = base::WideToAnsiChecked(wide);
    form.lost = std::move(converted.lost);
    if (form.MustBeKept())
        form.original = std::move(file.content);
    file.content = std::move(converted.text);
}

}

FileResult WriteMemoFile(const std::string& content, const std::wstring& folder, RetryBudget budget)
{
    return ReplaceFileContent(PathInFolder(folder, kMemoFileName), content, budget);
}

MemoFileContent ReadMemoFile(const std::wstring& folder, RetryBudget budget, const wchar_t* name)
{
    MemoFileContent result;
    const FileResult read = ReadFileFromDisk(PathInFolder(folder, name), result.content, budget);
    if (read.Ok()) {
        // Before the zero bytes go: UTF-16 is full of them.
        ConvertToCodePage(result);
        // Texts never hold a zero byte (window texts end at one), so a zero byte in the file is
        // damage. It is dropped on its own: ending the content there would lose every memo after it
        // at the next save.
        result.content.erase(std::remove(result.content.begin(), result.content.end(), '\0'), result.content.end());
        result.status = MemoFileContent::Status::Read;
    } else if (IsAbsence(read.Error())) {
        result.status = MemoFileContent::Status::Missing;
    } else {
        result.status = MemoFileContent::Status::Unreadable;
        result.failure = read;
    }
    return result;
}

KeptFiles KeepOriginalMemoFile(const MemoFileForm& form, const SYSTEMTIME& time, const std::wstring& folder,
                               RetryBudget budget)
{
    const wchar_t* kind = IsUtf16(form.encoding) ? L"utf16" : L"utf8";
    return KeepFiles({{kMemoFileName, &form.original}}, kind, time, folder, budget);
}
