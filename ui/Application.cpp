#include "Application.h"

#include "Error.h"
#include "Form.h"
#include "RunningHandler.h"
#include "Text.h"
#include "base/ModuleFileName.h"
#include "base/WideText.h"

#include <algorithm>
#include <array>
#include <cwchar>
#include <exception>
#include <new>

namespace ui {
namespace {
constexpr wchar_t kApplicationClass[] = L"KamifudaApplication";
// A tool window has no task-bar button and no entry in the Alt+Tab list: the program has neither.
constexpr DWORD kApplicationExStyle = WS_EX_TOOLWINDOW;
// Posted to the application window: run what waits for the handlers to return.
constexpr UINT kRunAfterHandlers = WM_APP + 1;

// The system's class of message boxes; the program makes no other windows of it.
constexpr wchar_t kMessageBoxClass[] = L"#32770";

BOOL CALLBACK FindVisibleMessageBox(HWND window, LPARAM found)
{
    std::array<wchar_t, 16> name{};
    GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    if (std::wcscmp(name.data(), kMessageBoxClass) != 0 || !IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

Application* instance = nullptr; // made on first use, lives as long as the process
} // namespace

Application& Application::Instance()
{
    if (!instance)
        instance = new Application();
    return *instance;
}

Application::Application()
{
    title_ = TitleFromPath(base::WideToAnsi(base::ModuleFileName(nullptr)));
}

std::wstring Application::WideTitle() const
{
    return base::AnsiToWide(title_);
}

std::string Application::TitleFromPath(const std::string& ansiPath)
{
    size_t slash = ansiPath.find_last_of("\\/");
    std::string name = slash == std::string::npos ? ansiPath : ansiPath.substr(slash + 1);
    name = name.substr(0, name.find('.'));
    if (name.size() > 1)
        CharLowerBuffA(name.data() + 1, static_cast<DWORD>(name.size() - 1));
    return name;
}

HWND Application::Handle()
{
    if (!Window::Handle()) {
        RegisterWindowClass(kApplicationClass, 0, LoadCursorW(nullptr, IDC_ARROW));
        CreateData d;
        d.exStyle = kApplicationExStyle;
        d.className = kApplicationClass;
        std::wstring caption = WideTitle();
        d.caption = caption.c_str();
        d.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
        CreateHandle(d);
    }
    return Window::Handle();
}

void Application::KeepOffTaskBar()
{
    SetWindowLongW(Handle(), GWL_EXSTYLE, kApplicationExStyle);
}

LRESULT Application::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) {
        // The application window is a top-level window of the process, so a request from outside
        // to close the program (taskkill without /f posts one to each such window) reaches it too.
        // Its default would destroy it and every form it owns, memos included, with nothing saved:
        // the main form ends the program its own way instead.
        if (mainForm_ && mainForm_->Handle())
            SendMessageW(mainForm_->Handle(), WM_CLOSE, 0, 0);
        return 0;
    }
    if (message == kRunAfterHandlers) {
        afterHandlersPosted_ = false;
        // Only this message's own handler may run. Arrived in a loop nested in another handler (a
        // dialog, a menu, a drag), the tasks wait until the last handler returns and asks again.
        if (RunningHandler::Count() == 1)
            RunAfterHandlers();
        return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

void Application::AfterHandlers(std::function<void()> task)
{
    afterHandlers_.push_back(std::move(task));
    PostAfterHandlers();
}

void Application::HandlersReturned()
{
    if (instance && !instance->afterHandlers_.empty())
        instance->PostAfterHandlers();
}

void Application::PostAfterHandlers()
{
    // A full message queue refuses the message: the next task or the next returning handler asks again.
    if (!afterHandlersPosted_)
        afterHandlersPosted_ = PostMessageW(Handle(), kRunAfterHandlers, 0, 0) != FALSE;
}

void Application::RunAfterHandlers()
{
    // Tasks that a task adds run at the next message.
    std::vector<std::function<void()>> tasks;
    tasks.swap(afterHandlers_);
    for (const std::function<void()>& task : tasks)
        task();
}

void Application::Run()
{
    if (mainForm_)
        mainForm_->Show();
    while (!terminated_ && ProcessMessage()) {}
}

void Application::Terminate()
{
    // The loop ends once the handler that asked for it has returned; no WM_QUIT is posted, so a
    // message box shown by that handler (the last save) still works.
    terminated_ = true;
}

bool Application::ProcessMessage()
{
    MSG msg;
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        terminated_ = true;
        return false;
    }
    // Keyboard navigation (default and cancel buttons, Tab) belongs to the form that holds the focus.
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (auto* form = dynamic_cast<Form*>(Window::FromHandle(root)); form && form->PreTranslateMessage(msg))
        return true;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

void Application::ShowCurrentException() noexcept
{
    try {
        throw;
    } catch (const std::bad_alloc&) {
        ShowError("メモリが足りません。");
    } catch (const std::exception& e) {
        ShowError(e.what());
    } catch (...) {
        ShowError("予期しないエラーが発生しました。");
    }
}

void Application::ShowError(const std::string& utf8Message) noexcept
{
    try {
        MessageBoxW(nullptr, Utf8ToWide(utf8Message).c_str(), WideTitle().c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
    } catch (...) {
        // Out of memory while reporting an error: nothing more can be shown.
    }
}

HWND Application::OpenDialog() const
{
    // A message box is modal to whatever opened it, a modal form included, so it comes first.
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindVisibleMessageBox, reinterpret_cast<LPARAM>(&box));
    if (box)
        return box;
    return modalForms_.empty() ? nullptr : modalForms_.back();
}

void Application::ModalLoopLeft(HWND form)
{
    modalForms_.erase(std::remove(modalForms_.begin(), modalForms_.end(), form), modalForms_.end());
}

int Application::ShowMessageBox(const std::wstring& text, const std::wstring& caption, UINT flags)
{
    HWND owner = GetActiveWindow();
    return MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
}

int Application::ShowMessageBox(const std::wstring& text, UINT flags)
{
    return ShowMessageBox(text, WideTitle(), flags);
}

} // namespace ui
