#pragma once
// Base of every object that owns a window. Windows of our own classes reach their object through one
// static window procedure; system controls (buttons, edit boxes) are owned the same way but their
// notifications arrive at the parent form.

#include <windows.h>

#include <string>

namespace ui {

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return handle_; }

    // The object of a window of one of our classes, or null for any other window.
    static Window* FromHandle(HWND window);

protected:
    // Registers a class of ours once per process; the class uses the static window procedure.
    static void RegisterWindowClass(const wchar_t* className, UINT style, HCURSOR cursor);

    struct CreateData {
        DWORD exStyle = 0;
        const wchar_t* className = nullptr;
        const wchar_t* caption = L"";
        DWORD style = 0;
        int x = 0, y = 0, width = 0, height = 0;
        HWND parent = nullptr;
        HMENU menuOrId = nullptr;
    };
    void CreateHandle(const CreateData& data);
    void DestroyHandle();

    // The window's text in the ANSI code page (a memo text, for instance).
    std::string AnsiText() const;
    // The window's text as it is, every character whole, also one the code page lacks.
    std::wstring WideText() const;

    // Messages of our own window classes; the default is DefWindowProcW.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    HWND handle_ = nullptr;
};

} // namespace ui
