#include "CIniSerialize.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "base/FileBesideModule.h"
#include "base/ModuleFileName.h"
#include "base/UniqueHandle.h"
#include "base/WideText.h"

namespace Serialize {

namespace {

constexpr const char* kDefaultSection = "ROOT";
// GetPrivateProfileSectionW reports a buffer that is too small by filling it up to this many
// bytes short of its size.
constexpr DWORD kSectionTruncatedShortBy = 2;
constexpr DWORD kSmallestSectionBuffer = 4096;
constexpr DWORD kLargestSectionBuffer = 1u << 30;

// The size of a file, or none when there is no such file.
std::optional<std::uint64_t> FileSize(const std::wstring& filePath)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(filePath.c_str(), GetFileExInfoStandard, &data)) {
        return std::nullopt;
    }
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// The whole section as GetPrivateProfileSectionA gives it: the wide section converted through the
// ANSI code page. The section's text holds no more characters than the file has bytes, so a buffer
// of the file's size is enough; it grows should the platform need more.
std::string ReadSectionText(const std::string& sectionName, const std::wstring& filePath, std::uint64_t fileSize)
{
    const std::wstring wideName = base::AnsiToWide(sectionName);
    DWORD size = static_cast<DWORD>(
        std::clamp<std::uint64_t>(fileSize + kSectionTruncatedShortBy, kSmallestSectionBuffer, kLargestSectionBuffer));
    for (;;) {
        std::wstring buffer(size, L'\0');
        const DWORD length = GetPrivateProfileSectionW(wideName.c_str(), buffer.data(), size, filePath.c_str());
        if (length + kSectionTruncatedShortBy < size || size >= kLargestSectionBuffer) {
            buffer.resize(std::min(length, size));
            return base::WideToAnsi(buffer);
        }
        size *= 2;
    }
}

bool WriteAll(HANDLE file, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, MAXDWORD));
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

// Creates the file with these bytes. False, and no file left behind, when it exists already or
// could not be written whole.
bool WriteNewFile(const std::wstring& filePath, const std::string& bytes)
{
    bool written = false;
    {
        const base::UniqueFile file(
            CreateFileW(filePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            return false;
        }
        written = WriteAll(file.Get(), bytes);
    }
    if (!written) {
        DeleteFileW(filePath.c_str());
    }
    return written;
}

} // namespace

CIniSerialize::CIniSerialize(HMODULE module, const std::string& fileName)
    : CIniSerialize(base::FileBesideModule(base::ModuleFileName(module), base::AnsiToWide(fileName)))
{}

CIniSerialize::CIniSerialize(std::wstring filePath) : filePath_(std::move(filePath)) {}

CIniSerialize::~CIniSerialize() = default;

void CIniSerialize::WriteRaw(const KeyPath& path, const std::string& text)
{
    Section().Set(JoinKeyPath(path), text);
    changed_ = true;
    EndUnlessInOperation();
}

std::string CIniSerialize::ReadRaw(const KeyPath& path)
{
    std::string value = Section().ValueOf(JoinKeyPath(path));
    EndUnlessInOperation();
    return value;
}

void CIniSerialize::Clear()
{
    loaded_.reset();
    changed_ = false;
    DeleteFileW(filePath_.c_str());
}

std::string CIniSerialize::FileName() const
{
    return base::WideToAnsi(filePath_);
}

void CIniSerialize::OperationEnded() noexcept
{
    try {
        if (changed_) {
            WriteSection();
        }
    } catch (...) {
        // Failed writes are not reported: the next read finds what the file holds.
    }
    loaded_.reset();
    changed_ = false;
}

std::string CIniSerialize::SectionName() const
{
    return section_.empty() ? kDefaultSection : section_;
}

ProfileSection& CIniSerialize::Section()
{
    if (!loaded_) {
        const std::optional<std::uint64_t> size = FileSize(filePath_);
        fileWasMissing_ = !size;
        loaded_ =
            size ? ProfileSection::FromSectionText(ReadSectionText(SectionName(), filePath_, *size)) : ProfileSection();
    }
    return *loaded_;
}

void CIniSerialize::WriteSection()
{
    // The profile functions add the keys of a section one by one, each time walking the keys
    // before it (under Wine), which is slow for thousands of keys. A file that did not exist gets
    // this section alone, and when its bytes are known exactly it is written in one piece.
    if (fileWasMissing_) {
        const std::optional<std::string> text = loaded_->FileText(SectionName());
        if (text && WriteNewFile(filePath_, *text)) {
            return;
        }
    }
    // The entries end in zero bytes, which the conversion keeps: it is given the whole length.
    WritePrivateProfileSectionW(base::AnsiToWide(SectionName()).c_str(),
                                base::AnsiToWide(loaded_->SectionText()).c_str(), filePath_.c_str());
}

void CIniSerialize::EndUnlessInOperation()
{
    if (CurrentPath().empty()) {
        OperationEnded();
    }
}

} // namespace Serialize
