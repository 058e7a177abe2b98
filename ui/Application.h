#pragma once
// The application object: the hidden application window that owns every form, the title, the message
// loop, the error box for exceptions that escape a handler, and a modal message box.

#include "Window.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {

class Form;

class Application : private Window {
public:
    static Application& Instance();

    // The hidden top-level window that owns the program's forms (created on first use).
    HWND Handle();
    // Gives the application window exactly the extended style it was made with, the tool window's,
    // again: something may have given it another, and with it a task-bar button.
    void KeepOffTaskBar();

    // The executable's file name without its folder, cut at the first full stop, every character
    // after the first in lower case: KAMIFUDA.EXE gives "Kamifuda".
    const std::string& Title() const { return title_; }
    static std::string TitleFromPath(const std::string& ansiPath);

    Form* MainForm() const { return mainForm_; }
    void SetMainForm(Form* form) { mainForm_ = form; }

    // Runs the message loop until Terminate is called.
    void Run();
    // Asks the message loop to end once the current handler has returned.
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Gets one message and handles it; false once WM_QUIT arrived (it is posted again for outer loops).
    bool ProcessMessage();

    // Runs the task once no handler of the program runs any more (RunningHandler.h): when the
    // current handler, and every dialog, menu or drag it runs, has returned to the outermost message
    // loop. Never at once, so whoever asks may go on using what the task frees until it returns.
    void AfterHandlers(std::function<void()> task);
    // Called as the last running handler returns.
    static void HandlersReturned();

    // Shows the exception in flight in the error box (caption: the title; error icon).
    void ShowCurrentException() noexcept;
    void ShowError(const std::string& utf8Message) noexcept;

    // The dialog the user has to answer before anything else: a message box of the program, else the
    // modal form opened last; null while none is open.
    HWND OpenDialog() const;
    // Modal forms tell the application while their modal loop runs.
    void ModalLoopEntered(HWND form) { modalForms_.push_back(form); }
    void ModalLoopLeft(HWND form);

    // A modal message box owned by the active window; the answer (IDOK, IDRETRY, ...).
    int ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags);
    // The same with the title as caption.
    int ShowMessageBox(const std::wstring& text, UINT flags);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Application();
    std::wstring WideTitle() const;
    // Asks the application window to run the waiting tasks, unless it has been asked already.
    void PostAfterHandlers();
    void RunAfterHandlers();

    std::string title_;
    Form* mainForm_ = nullptr;
    bool terminated_ = false;
    std::vector<std::function<void()>> afterHandlers_;
    bool afterHandlersPosted_ = false;
    std::vector<HWND> modalForms_; // innermost last
};

} // namespace ui
