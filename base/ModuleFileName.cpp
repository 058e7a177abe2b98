#include "ModuleFileName.h"

namespace base {

namespace {

constexpr DWORD kFirstBufferSize = MAX_PATH;
// The longest path Windows knows, in characters.
constexpr DWORD kLargestBufferSize = 32768;

} // namespace

std::wstring ModuleFileName(HMODULE module)
{
    // GetModuleFileNameW cuts a long path silently: grow the buffer until the name fits.
    std::wstring name;
    for (DWORD size = kFirstBufferSize; size <= kLargestBufferSize; size *= 2) {
        name.resize(size);
        const DWORD length = GetModuleFileNameW(module, name.data(), size);
        if (length == 0)
            return {};
        if (length < size) {
            name.resize(length);
            return name;
        }
    }
    return {};
}

} // namespace base
