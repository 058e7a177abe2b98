#include "DataFolder.h"

#include "serialize/FileBesideModule.h"

#include <windows.h>

namespace
{
constexpr DWORD kInitialPathBuffer = MAX_PATH;
constexpr DWORD kLargestPathBuffer = 32768;
constexpr char kTemporarySuffix[] = ".tmp";

bool IsAnsiLeadByte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != FALSE;
}

std::string ExecutablePath()
{
    // GetModuleFileNameA truncates silently when the buffer is too small; grow until it fits.
    std::string path;
    for (DWORD size = kInitialPathBuffer; size <= kLargestPathBuffer; size *= 2) {
        path.resize(size);
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), size);
        if (length < size) {
            path.resize(length);
            return path;
        }
    }
    return {};
}
}

std::string ExecutableFolder()
{
    // The same rule as the INI store's, which knows that 0x5C can be the second byte of a
    // double-byte character: the name of a file "" beside the executable, less its backslash.
    std::string folder = Serialize::FileBesideModule(ExecutablePath(), "", IsAnsiLeadByte);
    folder.pop_back();
    return folder;
}

std::string PathInFolder(const std::string& folder, const std::string& name)
{
    return folder + "\\" + name;
}

std::string TemporaryPathFor(const std::string& path)
{
    return path + kTemporarySuffix;
}

std::optional<std::string> NameBesideExecutable(const std::string& path)
{
    const std::string prefix = ExecutableFolder() + "\\";
    if (path.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    return path.substr(prefix.size());
}
