#include "StagedMemoFiles.h"

#include "MemoFixture.h"

#include "store/DataFolder.h"
#include "store/MemoFiles.h"

#include <windows.h>

#include <filesystem>
#include <stdexcept>

namespace {
constexpr const wchar_t* kDataFiles[] = {kMemoFileName, kInfoFileName};
}

StagedMemoFiles::StagedMemoFiles(int memos)
    : folder_(PathInFolder(ExecutableFolder(), L"staged-" + std::to_wstring(memos) + L"-memos"))
{
    CreateDirectoryW(folder_.c_str(), nullptr);
    const FileResult written = WriteMemoFiles(MakeMemos(memos), folder_);
    if (!written.Ok())
        throw std::runtime_error("cannot write " + std::filesystem::path(written.Path()).string() + ": error " +
                                 std::to_string(written.Error()));
}

StagedMemoFiles::~StagedMemoFiles()
{
    for (const wchar_t* name : kDataFiles)
        DeleteFileW(PathInFolder(folder_, name).c_str());
    RemoveDirectoryW(folder_.c_str());
}

bool StagedMemoFiles::CopyInto(const std::wstring& target) const
{
    for (const wchar_t* name : kDataFiles) {
        if (!CopyFileW(PathInFolder(folder_, name).c_str(), PathInFolder(target, name).c_str(), FALSE))
            return false;
    }
    return true;
}
