#include "FileBytes.h"

#include "base/UniqueHandle.h"

#include <fstream>

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file)
{
    // Shared for deleting too, as a well-behaved reader opens a file: the tests poll the program's
    // files while it runs, and a reader that held memo.txt against replacing made a save fail and
    // wait for the next timer tick, so that the file a test waited for came late.
    const base::UniqueFile handle(CreateFileW(file.c_str(), GENERIC_READ,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) {
        return std::nullopt;
    }
    return ReadOpenFile(handle.Get());
}

std::optional<std::string> ReadOpenFile(HANDLE file)
{
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || SetFilePointer(file, 0, nullptr, FILE_BEGIN) != 0) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && !ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
        return std::nullopt;
    }
    bytes.resize(read);
    return bytes;
}

void WriteFileBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
