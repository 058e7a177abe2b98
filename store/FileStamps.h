#pragma once

#include "DataFolder.h"

#include <cstdint>
#include <optional>
#include <string>

// What one look at memo.txt and info.ini tells without opening them: whether each is there, its
// size and the time of its last write. Another copy of the program (on another PC, through a synced
// folder) that rewrites either file changes at least one of them.

struct FileStamp {
    bool present = false;
    std::uint64_t size = 0;
    std::uint64_t lastWrite = 0; // FILETIME as one number

    bool operator==(const FileStamp& other) const = default;
};

struct MemoFileStamps {
    FileStamp memo;
    FileStamp info;

    bool operator==(const MemoFileStamps& other) const = default;
};

// One GetFileAttributesExW for each file. A file that cannot be looked at counts as absent.
MemoFileStamps LookAtMemoFiles(const std::wstring& folder = ExecutableFolder());

// The stamps of the pair this copy last read or wrote itself, and of the changed pair the previous
// check saw. Plain data, kept by the MemoSaver.
struct MemoFileWatch {
    // None: this saver has neither read nor written the files (a saver of a test or a benchmark
    // that starts from a state of its own), and no check is made.
    std::optional<MemoFileStamps> known;
    // The stamps of a pair that differed from known at the previous check.
    std::optional<MemoFileStamps> seenBefore;
};

enum class OutsideChange
{
    None,     // the files are as this copy left them
    Settling, // they differ, and moved since the previous check: not to be read yet
    Settled   // they differ and stayed put for one check: to be read
};

// Decides from one look; remembers a moving pair in watch.seenBefore. A saver that watches nothing
// sees no change.
OutsideChange JudgeMemoFiles(const MemoFileStamps& now, MemoFileWatch& watch);
