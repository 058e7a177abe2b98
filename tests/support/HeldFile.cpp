#include "HeldFile.h"

#include "FileBytes.h"

HeldFile::HeldFile(const std::filesystem::path& file)
    : handle_(CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
{}

std::optional<std::string> HeldFile::Bytes() const
{
    if (!Holding()) {
        return std::nullopt;
    }
    return ReadOpenFile(handle_);
}

void HeldFile::Release()
{
    if (Holding())
        CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}
