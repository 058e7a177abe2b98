#pragma once

#include "base/NonCopyable.h"

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Records the class name of every window a process creates while the watch lives. Start the process
// suspended and resume it after the watch exists to see all of them. The events arrive as messages
// of the test thread, so they are only recorded while it pumps messages (WaitUntil does).
class WindowCreationWatch : private base::NonCopyable {
public:
    explicit WindowCreationWatch(DWORD processId);
    ~WindowCreationWatch();

    const std::vector<std::string>& CreatedClasses() const noexcept { return createdClasses_; }

private:
    static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG objectId, LONG childId,
                                 DWORD threadId, DWORD time);

    HWINEVENTHOOK hook_ = nullptr;
    std::vector<std::string> createdClasses_;
};

} // namespace e2e
