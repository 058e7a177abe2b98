#pragma once

#include "CWindowInfo.h"
#include "FileStamps.h"
#include "MemoState.h"

#include <string>
#include <vector>

// What memo.txt and info.ini hold as far as this run knows: the state last written or read. A save
// compares the memos against it and touches no file when nothing differs.
class MemoSaver {
public:
    virtual ~MemoSaver() = default;

    MemoState State() const { return {texts, infos}; }
    // Byte for byte and field by field, without copying the lists (the timer asks every 3 s).
    bool Holds(const MemoState& state) const { return texts == state.texts && infos == state.infos; }
    void Remember(const MemoState& state);
    // Takes the lists over without copying them.
    void Remember(MemoState&& state);
    void Forget();

    std::vector<std::string> texts;
    std::vector<CWindowInfo> infos;

    // Set when memo.txt could not be read at start: its memos exist only on the disk, so no save
    // of this run may replace the files.
    bool savingForbidden = false;

    // Set when info.ini did not fully describe the memos read at start: the next save writes the
    // pair even when the memos equal the state held here.
    bool repairNeeded = false;

    // The files as this copy last read or wrote them, so that what another copy of the program
    // wrote in between (through a synced folder) is noticed; see MemoSave.h.
    MemoFileWatch watch;

    // Memos the user deleted since the last save, oldest first: the save that drops them from
    // memo.txt first puts them in front of the deleted memos' pair (DeletedMemos.h), so a crash
    // leaves each in one pair or both.
    MemoState deleted;

    // The day whose pair was kept (DailyPairs.h) by this run, "YYYYMMDD"; empty before.
    std::wstring dayKept;
};

// The one MemoSaver of the program, made empty on first use and never destroyed.
MemoSaver& GetMemoSaver();
