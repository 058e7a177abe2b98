#pragma once

#include "base/NonCopyable.h"

#include <string>

// memo.txt and info.ini for n memos (MakeMemos), written once by the program's own save functions
// into a folder beside the benchmark (where they may write), and copied from there into each
// folder a measured instance starts in. The folder is removed at the end.
class StagedMemoFiles : private base::NonCopyable {
public:
    explicit StagedMemoFiles(int memos);
    ~StagedMemoFiles();

    // Copies both files into folder; false if either copy failed.
    bool CopyInto(const std::wstring& folder) const;

private:
    std::wstring folder_;
};
