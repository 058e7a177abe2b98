#pragma once

#include <windows.h>

#include <functional>
#include <vector>

// Virus scanners, backup and indexing tools and sync clients open files, mostly for a few
// milliseconds; an operation that fails because another handle holds the file may be tried again.
// How long is the caller's choice, a RetryBudget passed down with the operation: while the program
// runs, a save tries each file once and leaves a held one to the save at the next timer tick, so
// that the window thread never waits for another program; the last save of a run has no next one
// and tries for about a second.

// How long an operation on a held file may wait for its holder in all, in milliseconds.
struct RetryBudget {
    DWORD waitMs = 0;
};

// One try: a held file fails at once.
inline constexpr RetryBudget kTryOnce{0};
// About one second in all, through pauses that start short, because most holders let go within
// milliseconds.
inline constexpr RetryBudget kRetryForAboutASecond{1000};

// The pauses between the tries: from 10 ms, each twice the one before, the last cut to what is
// left, so that they add up to the budget.
std::vector<DWORD> RetryPauses(RetryBudget budget);

// Runs attempt (which returns ERROR_SUCCESS or a Windows error code) until it succeeds, fails for a
// reason other than another handle holding the file, or the budget is used up. Returns the last
// result.
DWORD RetryWhileFileIsHeld(RetryBudget budget, const std::function<DWORD()>& attempt);
