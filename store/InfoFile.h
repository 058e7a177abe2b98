#pragma once

#include "CWindowInfo.h"
#include "DataFolder.h"
#include "FileResult.h"
#include "FileRetry.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// info.ini: the records of all memos in the section [ROOT], written and read through
// Serialize::CIniSerialize under the object key "info" as a Serialize::TargetIsVector<CWindowInfo>:
//
//     [ROOT]
//     info#size#UINT=<count, %x>
//     info#0#Color#INT=<%d>      (the key is written with a trailing blank, which the INI store,
//     info#0#Left#INT=...         like the profile functions, drops from the file and ignores when
//                                 reading)
//     info#0#Top#INT=...
//     info#0#Width#INT=...
//     info#0#Height#INT=...
//     info#1#Color#INT=...

// Writes a complete info file at path (the old one deleted first, so no key of a longer list
// survives) and flushes it to the disk; a file held by another program is tried again within the
// budget. Used with a temporary path; see MemoFiles.h.
FileResult WriteInfoFile(const std::vector<CWindowInfo>& infos, const std::wstring& path,
                         RetryBudget budget = kRetryForAboutASecond);

// The records of info.ini as far as they could be read.
struct InfoRecords {
    bool countRead = false;  // false: no file, or no usable count in it
    std::uint32_t count = 0; // the stored count
    // records[i] holds record i when all of Left, Top, Width and Height were read (a missing
    // Color leaves it yellow).
    std::vector<std::optional<CWindowInfo>> records;

    // The count was there and every record it announces was read completely.
    bool Complete() const;
};

// Reads the records one by one, in one pass over the file, so that one damaged record costs only
// itself. Records below recordsWanted are all tried; beyond it reading stops at the first one that
// cannot be read, so an absurd count costs nothing.
// name: another file of the same keys (the deleted memos').
InfoRecords ReadInfoRecords(std::size_t recordsWanted, const std::wstring& folder = ExecutableFolder(),
                            const wchar_t* name = kInfoFileName);
