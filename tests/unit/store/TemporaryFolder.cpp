#include "TemporaryFolder.h"

#include "store/DataFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <vector>

namespace
{
std::vector<std::string> FileNames(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}
}

TemporaryFolder::TemporaryFolder()
{
    // Beside the test program, as the data files are beside the program.
    const std::string base = ExecutableFolder() + "\\";
    static unsigned counter = 0;
    for (;;) {
        path = base + "kf_store_" + std::to_string(GetCurrentProcessId()) + "_" +
               std::to_string(++counter);
        if (CreateDirectoryA(path.c_str(), nullptr))
            break;
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            ADD_FAILURE() << "cannot create " << path;
            break;
        }
    }
}

TemporaryFolder::~TemporaryFolder()
{
    for (const std::string& name : FileNames(path))
        DeleteFileA(File(name).c_str());
    RemoveDirectoryA(path.c_str());
}

std::string TemporaryFolder::File(const std::string& name) const
{
    return path + "\\" + name;
}

void TemporaryFolder::Write(const std::string& name, const std::string& bytes) const
{
    std::ofstream(File(name), std::ios::binary) << bytes;
}

std::string TemporaryFolder::Read(const std::string& name) const
{
    std::ifstream file(File(name), std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

bool TemporaryFolder::Exists(const std::string& name) const
{
    return GetFileAttributesA(File(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string TemporaryFolder::Listing() const
{
    std::string listing;
    for (const std::string& name : FileNames(path))
        listing += (listing.empty() ? "" : " ") + name;
    return listing;
}
