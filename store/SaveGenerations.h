#pragma once

#include <optional>
#include <string>
#include <vector>

// The temporary files of the saves of memo.txt and info.ini, and what is to be done with those that
// a save cut short left behind. Plain data: the files are listed and touched in MemoFiles.cpp.
//
// A save of generation g writes both files completely under temporary names of g, then moves its
// memo.txt into place (from that moment the save counts, and its info.ini belongs to memo.txt),
// then its info.ini. A temporary memo.txt that is still there marks its save as one that did not
// count. While info.ini is held, the completed temporary info.ini of a save that counted waits for
// its move; the next save takes the next generation, so it never touches the waiting file, and
// until its own memo.txt is in place the waiting file is still the one that belongs to memo.txt.
//
// Generation 0 is named "memo.txt.tmp" and "info.ini.tmp", as every save was before generations,
// so leftovers of such saves are finished by the same rules.

// The name the data file has while the save of this generation writes it: "info.ini.tmp" for
// generation 0, "info.ini.3.tmp" for generation 3. Also for a path instead of a bare name.
std::wstring TemporaryName(const std::wstring& dataFileName, unsigned generation);

// The generation of a temporary name of this data file; none for any other name.
std::optional<unsigned> GenerationOf(const std::wstring& name, const std::wstring& dataFileName);

// The generations of the temporary files found in the folder.
struct LeftoverFiles {
    std::vector<unsigned> memo;
    std::vector<unsigned> info;
};

// The generation of the next save: 0 when nothing is left, else one above the highest left, so that
// it touches no file of an earlier save.
unsigned NextGeneration(const LeftoverFiles& left);

// What finishes the saves that left these files.
struct Cleanup {
    // The temporary info.ini of the last save that counted: it belongs to memo.txt and takes the
    // place of info.ini, but only once every file of staleInfo is gone; otherwise the next cleanup
    // would take the newest of those for memo.txt's.
    std::optional<unsigned> pairedInfo;
    // Temporary info.ini files to delete: those of saves that did not count, and those of saves that
    // counted before the last one.
    std::vector<unsigned> staleInfo;
    // Temporary memo.txt files of saves that did not count, each to be deleted once its info.ini is
    // gone (while that stays, it must stay marked as one of a save that did not count).
    std::vector<unsigned> unfinishedMemo;

    bool operator==(const Cleanup& other) const = default;
};

Cleanup PlanCleanup(const LeftoverFiles& left);
