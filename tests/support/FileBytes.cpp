#include "FileBytes.h"

#include "base/UniqueHandle.h"

#include <fstream>
#include <vector>

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
    std::string bytes;
    std::vector<char> chunk(65536);
    DWORD read = 0;
    for (;;) {
        if (!ReadFile(handle.Get(), chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr)) {
            return std::nullopt;
        }
        if (read == 0) {
            return bytes;
        }
        bytes.append(chunk.data(), read);
    }
}

void WriteFileBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
