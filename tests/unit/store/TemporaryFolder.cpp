#include "TemporaryFolder.h"

#include "store/DataFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace {
std::wstring Widened(const std::string& asciiName)
{
    return std::wstring(asciiName.begin(), asciiName.end());
}

std::vector<std::wstring> FileNames(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}
}

TemporaryFolder::TemporaryFolder()
{
    // Beside the test program, as the data files are beside the program.
    const std::wstring base = ExecutableFolder() + L"\\";
    static unsigned counter = 0;
    for (;;) {
        path = base + L"kf_store_" + std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(++counter);
        if (CreateDirectoryW(path.c_str(), nullptr))
            break;
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            ADD_FAILURE() << "cannot create " << std::filesystem::path(path).string();
            break;
        }
    }
}

TemporaryFolder::~TemporaryFolder()
{
    for (const std::wstring& name : FileNames(path))
        DeleteFileW((path + L"\\" + name).c_str());
    RemoveDirectoryW(path.c_str());
}

std::wstring TemporaryFolder::File(const std::string& name) const
{
    return path + L"\\" + Widened(name);
}

void TemporaryFolder::Write(const std::string& name, const std::string& bytes) const
{
    std::ofstream(std::filesystem::path(File(name)), std::ios::binary) << bytes;
}

void TemporaryFolder::Write(std::initializer_list<std::pair<std::string, std::string>> files) const
{
    for (const auto& [name, bytes] : files)
        Write(name, bytes);
}

std::string TemporaryFolder::Read(const std::string& name) const
{
    std::ifstream file(std::filesystem::path(File(name)), std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

bool TemporaryFolder::Exists(const std::string& name) const
{
    return GetFileAttributesW(File(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string TemporaryFolder::Listing() const
{
    std::string listing;
    for (const std::wstring& name : FileNames(path)) {
        if (!listing.empty())
            listing += ' ';
        listing += std::filesystem::path(name).string();
    }
    return listing;
}
