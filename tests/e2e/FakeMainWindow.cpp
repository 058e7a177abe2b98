#include "FakeMainWindow.h"

#include <stdexcept>

namespace e2e {

FakeMainWindow::FakeMainWindow(const std::string& className, const std::string& caption) : className_(className)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className_.c_str();
    if (RegisterClassA(&windowClass) == 0) {
        throw std::runtime_error("RegisterClassA failed for " + className_);
    }
    window_ = CreateWindowExA(0, className_.c_str(), caption.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                              nullptr, windowClass.hInstance, nullptr);
    if (window_ == nullptr) {
        UnregisterClassA(className_.c_str(), windowClass.hInstance);
        throw std::runtime_error("CreateWindowExA failed for " + className_);
    }
}

FakeMainWindow::~FakeMainWindow()
{
    DestroyWindow(window_);
    UnregisterClassA(className_.c_str(), GetModuleHandleA(nullptr));
}

} // namespace e2e
