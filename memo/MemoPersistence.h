#pragma once
// Saving and restoring all memo windows.

#include "store/CWindowInfo.h"
#include "store/MemoState.h"

#include <optional>
#include <string>
#include <vector>

class TMemoWindow;

// Saves when anything differs from the state last written or read. A write that fails is tried
// again by the next call.
void SaveAllMemos();

// The same, for the last save of a run: the reason (file and system message, UTF-8) when the files
// could not be written, so the user can be asked whether to try again. Without mayAsk (the end of
// the session, a close request from outside) no message box is shown, not even for a pair of
// another copy kept in conflict files.
std::optional<std::string> SaveAllMemosReportingFailure(bool mayAsk = true);

// Opens one memo window per stored memo.
void RestoreAllMemos();

// Shows memo windows made hidden, in this order, each on top of the ones before; only the last is
// activated, as showing them one by one would leave it, so that the others are not activated and
// deactivated (and their frames painted twice) on the way.
void ShowMemoWindowsInOrder(const std::vector<TMemoWindow*>& windows);

// The deleted memos the user may bring back, newest first: those deleted since the last save, then
// the list on the disk (read now, as it may have changed meanwhile).
MemoState DeletedMemosToOffer();

// Opens the deleted memo as it was (its place brought onto today's desktop, as at start), in front,
// saves at once and then takes it off the list of deleted memos.
void BringBackDeletedMemo(const std::string& text, const CWindowInfo& info);
