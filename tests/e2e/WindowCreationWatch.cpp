#include "WindowCreationWatch.h"

#include "WindowQuery.h"

#include <map>
#include <stdexcept>

namespace e2e {

namespace {

// The hook callback receives only the hook handle; this finds the watch that owns it.
std::map<HWINEVENTHOOK, std::vector<std::string>*>& Watches()
{
    static std::map<HWINEVENTHOOK, std::vector<std::string>*> watches;
    return watches;
}

} // namespace

WindowCreationWatch::WindowCreationWatch(DWORD processId)
    : hook_(SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_CREATE, nullptr, OnEvent, processId, 0,
                            WINEVENT_OUTOFCONTEXT))
{
    if (hook_ == nullptr) {
        throw std::runtime_error("SetWinEventHook failed");
    }
    Watches()[hook_] = &createdClasses_;
}

WindowCreationWatch::~WindowCreationWatch()
{
    UnhookWinEvent(hook_);
    Watches().erase(hook_);
}

void CALLBACK WindowCreationWatch::OnEvent(HWINEVENTHOOK hook, DWORD, HWND window, LONG objectId, LONG, DWORD, DWORD)
{
    if (objectId != OBJID_WINDOW) {
        return;
    }
    const auto watch = Watches().find(hook);
    if (watch != Watches().end()) {
        // The window may already be gone when the event arrives; an empty name still counts.
        watch->second->push_back(ClassNameOf(window));
    }
}

} // namespace e2e
