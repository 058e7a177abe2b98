#pragma once

#include "base/NonCopyable.h"

#include <windows.h>

#include <string>

namespace e2e {

// A hidden top-level window made by the test process itself, with a class name and caption of its
// choosing, such as the pair a running Kamifuda is recognised by.
class FakeMainWindow : private base::NonCopyable {
public:
    FakeMainWindow(const std::string& className, const std::string& caption);
    ~FakeMainWindow();

    HWND Handle() const noexcept { return window_; }

private:
    std::string className_;
    HWND window_ = nullptr;
};

} // namespace e2e
