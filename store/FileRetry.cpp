#include "FileRetry.h"

#include <algorithm>

namespace {
constexpr DWORD kFirstPauseMs = 10;

bool IsHeldByAnother(DWORD error)
{
    // Scanners that have a file open often make Windows answer "access denied" rather than
    // "sharing violation" to a rename or delete.
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED;
}
}

std::vector<DWORD> RetryPauses(RetryBudget budget)
{
    std::vector<DWORD> pauses;
    DWORD left = budget.waitMs;
    for (DWORD pause = kFirstPauseMs; left > 0; pause *= 2) {
        pauses.push_back(std::min(pause, left));
        left -= pauses.back();
    }
    return pauses;
}

DWORD RetryWhileFileIsHeld(RetryBudget budget, const std::function<DWORD()>& attempt)
{
    DWORD error = attempt();
    for (DWORD pause : RetryPauses(budget)) {
        if (!IsHeldByAnother(error))
            break;
        Sleep(pause);
        error = attempt();
    }
    return error;
}
