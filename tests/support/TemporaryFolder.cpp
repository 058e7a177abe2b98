#include "TemporaryFolder.h"

#include "FileBytes.h"

#include <windows.h>

#include <set>
#include <stdexcept>

TemporaryFolder::TemporaryFolder()
{
    // Process id and tick count make the name unique; the loop covers a leftover of an earlier run.
    const auto base = std::filesystem::temp_directory_path();
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        auto candidate = base / ("kamifuda-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                                 std::to_string(GetTickCount()) + "-" + std::to_string(attempt));
        if (std::filesystem::create_directory(candidate)) {
            path_ = std::move(candidate);
            return;
        }
    }
    throw std::runtime_error("could not create a temporary folder under " + base.string());
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::wstring TemporaryFolder::File(const std::string& name) const
{
    return (path_ / name).wstring();
}

void TemporaryFolder::Write(const std::string& name, const std::string& bytes) const
{
    WriteFileBytes(File(name), bytes);
}

void TemporaryFolder::Write(std::initializer_list<std::pair<std::string, std::string>> files) const
{
    for (const auto& [name, bytes] : files)
        Write(name, bytes);
}

std::string TemporaryFolder::Read(const std::string& name) const
{
    return ReadFileBytes(File(name)).value_or("");
}

bool TemporaryFolder::Exists(const std::string& name) const
{
    return GetFileAttributesW(File(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string TemporaryFolder::Listing() const
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
        names.insert(entry.path().filename().string());
    std::string listing;
    for (const std::string& name : names) {
        if (!listing.empty())
            listing += ' ';
        listing += name;
    }
    return listing;
}
