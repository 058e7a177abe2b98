#include "StagedMemoFiles.h"

#include "MemoFixture.h"

#include "store/DataFolder.h"
#include "store/MemoFiles.h"

#include <windows.h>

#include <stdexcept>

namespace
{
constexpr const char* kDataFiles[] = {kMemoFileName, kInfoFileName};
}

StagedMemoFiles::StagedMemoFiles(int memos)
    : folder(PathInFolder(ExecutableFolder(), "staged-" + std::to_string(memos) + "-memos"))
{
    CreateDirectoryA(folder.c_str(), nullptr);
    const FileResult written = WriteMemoFiles(MakeMemos(memos), folder);
    if (!written.Ok())
        throw std::runtime_error("cannot write " + written.Path() + ": error " + std::to_string(written.Error()));
}

StagedMemoFiles::~StagedMemoFiles()
{
    for (const char* name : kDataFiles)
        DeleteFileA(PathInFolder(folder, name).c_str());
    RemoveDirectoryA(folder.c_str());
}

bool StagedMemoFiles::CopyInto(const std::string& target) const
{
    for (const char* name : kDataFiles) {
        if (!CopyFileA(PathInFolder(folder, name).c_str(), PathInFolder(target, name).c_str(), FALSE))
            return false;
    }
    return true;
}
