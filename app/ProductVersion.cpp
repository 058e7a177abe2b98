#include "ProductVersion.h"

#include <cstdio>
#include <cstring>

namespace {

// A version resource begins with its root block: the block's length, the length of its value and
// the value's type, then the key "VS_VERSION_INFO" and, at the next 32-bit boundary, the value,
// which is the fixed file information.
struct BlockHeader {
    WORD length;
    WORD valueLength;
    WORD type;
};
constexpr wchar_t kRootKey[] = L"VS_VERSION_INFO";
constexpr size_t kRootValueOffset = (sizeof(BlockHeader) + sizeof kRootKey + 3) & ~size_t{3};
constexpr size_t kRootWithValue = kRootValueOffset + sizeof(VS_FIXEDFILEINFO);

// The module's own version resource, as the loader mapped it, rather than the file read again
// through version.dll: that library is not one of Windows' known DLLs, so loading it would look
// beside kamifuda.exe first, where a planted version.dll could wait. Null when the module has no
// version resource or its root block carries no fixed file information.
const VS_FIXEDFILEINFO* FixedFileInfo(HMODULE module)
{
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* data = static_cast<const BYTE*>(loaded ? LockResource(loaded) : nullptr);
    if (!data || SizeofResource(module, found) < kRootWithValue)
        return nullptr;
    BlockHeader root{};
    std::memcpy(&root, data, sizeof root);
    if (root.length < kRootWithValue || root.valueLength < sizeof(VS_FIXEDFILEINFO) ||
        std::memcmp(data + sizeof root, kRootKey, sizeof kRootKey) != 0)
        return nullptr;
    return reinterpret_cast<const VS_FIXEDFILEINFO*>(data + kRootValueOffset);
}

} // namespace

void GetProductVersion(HMODULE module, long& major, long& minor, long& release, long& build)
{
    major = minor = release = build = 0;
    const VS_FIXEDFILEINFO* info = FixedFileInfo(module);
    if (!info)
        return;
    major = HIWORD(info->dwProductVersionMS);
    minor = LOWORD(info->dwProductVersionMS);
    release = HIWORD(info->dwProductVersionLS);
    build = LOWORD(info->dwProductVersionLS);
}

std::string VersionLine(long major, long minor, long release, long build)
{
    char line[64] = {};
    std::snprintf(line, sizeof line, "Version %02ld.%02ld.%02ld.%02ld", major, minor, release, build);
    return line;
}
