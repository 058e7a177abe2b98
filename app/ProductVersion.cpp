#include "ProductVersion.h"

#include "serialize/ModuleFileName.h"

#include <cstdio>
#include <vector>

void GetProductVersion(HMODULE module, long& major, long& minor, long& release, long& build)
{
    // Wide, so that a folder named in characters outside the ANSI code page is found.
    const std::wstring path = Serialize::ModuleFileName(module);
    major = minor = release = build = 0;

    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0)
        return;
    std::vector<char> data(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data()))
        return;
    void* root = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\", &root, &length) || !root || length < sizeof(VS_FIXEDFILEINFO))
        return;
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(root);
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
