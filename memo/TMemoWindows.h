#pragma once
// The one list of open memo windows. Saving walks it; a window enters it when it is constructed and
// leaves it when it is closed (TMemoWindow::LeaveDesktop), so membership, not the existence of a
// window object, decides which memos are saved: a closed memo may live on for a moment, until no
// handler runs. It refers to the windows and owns none of them.

#include "base/NonCopyable.h"

#include <cstddef>
#include <cstdint>
#include <set>

class TMemoWindow;

class TMemoWindows : private base::NonCopyable {
    // Smallest address first, the addresses compared as unsigned numbers.
    struct AddressOrder {
        bool operator()(const TMemoWindow* a, const TMemoWindow* b) const
        {
            return reinterpret_cast<std::uintptr_t>(a) < reinterpret_cast<std::uintptr_t>(b);
        }
    };
    using Set = std::set<TMemoWindow*, AddressOrder>;

public:
    TMemoWindows() = default;

    // Adding a member again, or removing a window that is no member, changes nothing; Remove tells
    // whether the window was a member.
    void Insert(TMemoWindow& window) { windows_.insert(&window); }
    bool Remove(TMemoWindow& window) { return windows_.erase(&window) != 0; }
    bool Contains(TMemoWindow& window) const { return windows_.count(&window) != 0; }

    std::size_t Size() const { return windows_.size(); }
    Set::const_iterator begin() const { return windows_.begin(); }
    Set::const_iterator end() const { return windows_.end(); }

private:
    Set windows_;
};

// The registry of the process, made empty on first use and never destroyed.
TMemoWindows& GetMemoWindows();
