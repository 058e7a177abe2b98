#include "HeldFile.h"

HeldFile::HeldFile(const std::filesystem::path& file)
    : handle_(CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
{}

std::optional<std::string> HeldFile::Bytes() const
{
    LARGE_INTEGER size{};
    if (!Holding() || !GetFileSizeEx(handle_, &size) || SetFilePointer(handle_, 0, nullptr, FILE_BEGIN) != 0) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && !ReadFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
        return std::nullopt;
    }
    bytes.resize(read);
    return bytes;
}

void HeldFile::Release()
{
    if (Holding())
        CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}
