#include "CIniSerialize.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "FileBesideModule.h"
#include "FileHandle.h"

namespace Serialize {

namespace {

constexpr const char* kDefaultSection = "ROOT";
constexpr DWORD kFirstPathBufferSize = 1024;
constexpr DWORD kLargestPathBufferSize = 32768;
// GetPrivateProfileSectionA reports a buffer that is too small by filling it up to this many
// bytes short of its size.
constexpr DWORD kSectionTruncatedShortBy = 2;
constexpr DWORD kSmallestSectionBuffer = 4096;
constexpr DWORD kLargestSectionBuffer = 1u << 30;

bool IsAnsiLeadByte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != FALSE;
}

// GetModuleFileNameA cuts a long path silently: grow the buffer until the name fits.
std::string ModuleFileName(HMODULE module)
{
    std::string name;
    for (DWORD size = kFirstPathBufferSize; size <= kLargestPathBufferSize; size *= 2) {
        name.resize(size);
        const DWORD length = GetModuleFileNameA(module, name.data(), size);
        if (length < size) {
            name.resize(length);
            return name;
        }
    }
    return {};
}

// The size of a file, or none when there is no such file.
std::optional<std::uint64_t> FileSize(const std::string& fileName)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(fileName.c_str(), GetFileExInfoStandard, &data)) {
        return std::nullopt;
    }
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// The whole section through GetPrivateProfileSectionA. The section's text is never longer than
// the file, so a buffer of the file's size is enough; it grows should the platform need more.
std::string ReadSectionText(const std::string& sectionName, const std::string& fileName, std::uint64_t fileSize)
{
    DWORD size = static_cast<DWORD>(std::clamp<std::uint64_t>(fileSize + kSectionTruncatedShortBy,
                                                              kSmallestSectionBuffer, kLargestSectionBuffer));
    for (;;) {
        std::string buffer(size, '\0');
        const DWORD length = GetPrivateProfileSectionA(sectionName.c_str(), buffer.data(), size, fileName.c_str());
        if (length + kSectionTruncatedShortBy < size || size >= kLargestSectionBuffer) {
            buffer.resize(std::min(length, size));
            return buffer;
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
bool WriteNewFile(const std::string& fileName, const std::string& bytes)
{
    bool written = false;
    {
        const FileHandle file(CreateFileA(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid()) {
            return false;
        }
        written = WriteAll(file.Get(), bytes);
    }
    if (!written) {
        DeleteFileA(fileName.c_str());
    }
    return written;
}

} // namespace

CIniSerialize::CIniSerialize(HMODULE module, const std::string& fileName)
    : fileName(FileBesideModule(ModuleFileName(module), fileName, IsAnsiLeadByte))
{
}

CIniSerialize::~CIniSerialize() = default;

void CIniSerialize::WriteRaw(const KeyPath& path, const std::string& text)
{
    Section().Set(JoinKeyPath(path), text);
    changed = true;
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
    loaded.reset();
    changed = false;
    DeleteFileA(fileName.c_str());
}

void CIniSerialize::OperationEnded() noexcept
{
    try {
        if (changed) {
            WriteSection();
        }
    } catch (...) {
        // Failed writes are not reported: the next read finds what the file holds.
    }
    loaded.reset();
    changed = false;
}

std::string CIniSerialize::SectionName() const
{
    return section.empty() ? kDefaultSection : section;
}

ProfileSection& CIniSerialize::Section()
{
    if (!loaded) {
        const std::optional<std::uint64_t> size = FileSize(fileName);
        fileWasMissing = !size;
        loaded = size ? ProfileSection::FromSectionText(ReadSectionText(SectionName(), fileName, *size))
                      : ProfileSection();
    }
    return *loaded;
}

void CIniSerialize::WriteSection()
{
    // The profile functions add the keys of a section one by one, each time walking the keys
    // before it (under Wine), which is slow for thousands of keys. A file that did not exist gets
    // this section alone, and when its bytes are known exactly it is written in one piece.
    if (fileWasMissing) {
        const std::optional<std::string> text = loaded->FileText(SectionName());
        if (text && WriteNewFile(fileName, *text)) {
            return;
        }
    }
    WritePrivateProfileSectionA(SectionName().c_str(), loaded->SectionText().c_str(), fileName.c_str());
}

void CIniSerialize::EndUnlessInOperation()
{
    if (CurrentPath().empty()) {
        OperationEnded();
    }
}

} // namespace Serialize
