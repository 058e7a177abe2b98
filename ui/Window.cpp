#include "Window.h"

#include "Application.h"
#include "Error.h"
#include "RunningHandler.h"
#include "Text.h"

namespace ui {

Window::~Window()
{
    DestroyHandle();
}

Window* Window::FromHandle(HWND window)
{
    if (!window || GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&Procedure))
        return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void Window::RegisterWindowClass(const wchar_t* className, UINT style, HCURSOR cursor)
{
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(instance, className, &existing))
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = &Procedure;
    wc.hInstance = instance;
    wc.hCursor = cursor;
    wc.hIcon = LoadIconW(instance, L"MAINICON");
    wc.lpszClassName = className;
    if (!RegisterClassExW(&wc))
        ThrowLastError("RegisterClassExW(" + WideToUtf8(className) + ")");
}

std::string Window::AnsiText() const
{
    int length = GetWindowTextLengthA(handle_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(handle_, text.data(), length + 1)));
    return text;
}

std::wstring Window::WideText() const
{
    int length = GetWindowTextLengthW(handle_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(handle_, text.data(), length + 1)));
    return text;
}

void Window::CreateHandle(const CreateData& d)
{
    HWND window = CreateWindowExW(d.exStyle, d.className, d.caption, d.style, d.x, d.y, d.width, d.height, d.parent,
                                  d.menuOrId, GetModuleHandleW(nullptr), this);
    if (!window)
        ThrowLastError("CreateWindowExW(" + WideToUtf8(d.className) + ")");
    handle_ = window; // system controls never see WM_NCCREATE with our object
}

void Window::DestroyHandle()
{
    if (handle_) {
        HWND window = handle_;
        handle_ = nullptr;
        if (FromHandle(window) == this)
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    const RunningHandler running;
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->handle_ = window;
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    // Whatever a handler raises is shown in the error box; the message loop carries on.
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        Application::Instance().ShowCurrentException();
        return 0;
    }
}

} // namespace ui
