#include "CIniSerialize.h"

#include <vector>

#include "FileBesideModule.h"

namespace Serialize {

namespace {

constexpr const char* kDefaultSection = "ROOT";
// A value read back holds at most this many bytes, its terminating zero included.
constexpr DWORD kValueBufferSize = 1024;
constexpr DWORD kFirstPathBufferSize = 1024;
constexpr DWORD kLargestPathBufferSize = 32768;

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

} // namespace

CIniSerialize::CIniSerialize(HMODULE module, const std::string& fileName)
    : fileName(FileBesideModule(ModuleFileName(module), fileName, IsAnsiLeadByte))
{
}

CIniSerialize::~CIniSerialize() = default;

void CIniSerialize::WriteRaw(const KeyPath& path, const std::string& text)
{
    // Failed writes are not reported: the next read finds what the file holds.
    WritePrivateProfileStringA(SectionName().c_str(), JoinKeyPath(path).c_str(), text.c_str(), fileName.c_str());
}

std::string CIniSerialize::ReadRaw(const KeyPath& path)
{
    std::vector<char> buffer(kValueBufferSize, '\0');
    GetPrivateProfileStringA(SectionName().c_str(), JoinKeyPath(path).c_str(), "", buffer.data(),
                             kValueBufferSize, fileName.c_str());
    buffer.back() = '\0'; // the text ends inside the buffer whatever the platform did
    return std::string(buffer.data());
}

void CIniSerialize::Clear()
{
    DeleteFileA(fileName.c_str());
}

std::string CIniSerialize::SectionName() const
{
    return section.empty() ? kDefaultSection : section;
}

} // namespace Serialize
