#pragma once

#include "base/NonCopyable.h"

// The program-wide flag that keeps saving and restoring from running inside each other: restoring
// sets memo texts, and setting a text asks for a save, which must not write a half-restored state.
//
//     PersistenceGuard guard;
//     if (!guard.Acquired())
//         return;            // a save or restore is already running further up the stack
class PersistenceGuard : private base::NonCopyable {
public:
    PersistenceGuard();
    ~PersistenceGuard();

    bool Acquired() const { return acquired_; }

    // True while any guard holds the flag.
    static bool Busy();

private:
    bool acquired_;
};
