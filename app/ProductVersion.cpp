#include "ProductVersion.h"

#include <cstdio>
#include <vector>

void GetProductVersion(HMODULE module, long& major, long& minor, long& release, long& build)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, MAX_PATH);
    major = minor = release = build = 0;

    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    if (size == 0)
        return;
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(path, 0, size, data.data()))
        return;
    void* root = nullptr;
    UINT length = 0;
    char rootBlock[] = "\\";
    if (!VerQueryValueA(data.data(), rootBlock, &root, &length) || !root || length < sizeof(VS_FIXEDFILEINFO))
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
