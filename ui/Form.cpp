#include "Form.h"

#include "Application.h"
#include "ComponentFactory.h"
#include "Control.h"
#include "Dpi.h"
#include "Error.h"
#include "FormData.h"
#include "Properties.h"
#include "RunningHandler.h"
#include "SharedGdiObjects.h"
#include "Text.h"
#include "Timer.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace ui {

Form::Form(Form* owner) : Component(*this), owner_(owner) {}

Form::~Form()
{
    EnableOtherWindows();
    components_.clear(); // child windows go before the form's own window
    DestroyHandle();
}

// ---- building ----------------------------------------------------------------------------------

void Form::LoadForm(const wchar_t* resourceName)
{
    LoadForm(LoadFormResource(resourceName));
}

void Form::LoadForm(const FormNode& root)
{
    SetName(root.name);
    for (const auto& property : root.properties)
        SetProperty(property);
    for (const auto& child : root.children)
        Adopt(BuildComponent(child, *this));
    if (!activeControl_.empty())
        Get<Control>(activeControl_); // a name the form data got wrong is reported now, not when shown
    CreateFormWindow(root.kind);
    // Controls are made in tab order, so that Tab moves through them in that order.
    std::vector<Component*> ordered;
    for (auto& c : components_)
        ordered.push_back(c.get());
    std::stable_sort(ordered.begin(), ordered.end(), [](Component* a, Component* b) {
        auto* ca = dynamic_cast<Control*>(a);
        auto* cb = dynamic_cast<Control*>(b);
        return (ca ? ca->TabOrder() : 0) < (cb ? cb->TabOrder() : 0);
    });
    for (Component* c : ordered)
        c->CreateHandles();
}

void Form::FinishCreate()
{
    if (onCreate_)
        onCreate_(*this);
}

void Form::Adopt(std::unique_ptr<Component> child)
{
    components_.push_back(std::move(child));
}

Component* Form::FindComponent(const std::string& name)
{
    if (name == Name())
        return this;
    for (auto& c : components_)
        if (Component* found = c->Find(name))
            return found;
    return nullptr;
}

void Form::ThrowMissing(const std::string& name) const
{
    throw Error("form '" + Name() + "' has no component '" + name + "' of the expected kind");
}

void Form::ThrowUnknownHandler(const std::string& name, int line) const
{
    throw Error("form data, line " + std::to_string(line) + ": unknown handler '" + name + "' in form '" + Name() +
                "'");
}

void Form::SetProperty(const FormProperty& p)
{
    const std::string& n = p.name;
    if (n == "Left")
        designLeft_ = IntegerValue(p);
    else if (n == "Top")
        designTop_ = IntegerValue(p);
    else if (n == "Width")
        designWidth_ = IntegerValue(p);
    else if (n == "Height")
        designHeight_ = IntegerValue(p);
    else if (n == "ClientWidth")
        designClientWidth_ = IntegerValue(p);
    else if (n == "ClientHeight")
        designClientHeight_ = IntegerValue(p);
    else if (n == "Caption")
        designCaption_ = TextValue(p);
    else if (n == "Color")
        color_ = ColorValue(p);
    else if (n == "BorderWidth")
        borderWidth_ = IntegerValue(p);
    else if (n == "BorderStyle")
        ApplyBorderStyle(p);
    else if (n == "BorderIcons")
        FlagSetValue(p, {{"biSystemMenu", &systemMenu_}, {"biMinimize", &minimizeBox_}, {"biMaximize", &maximizeBox_}});
    else if (n == "ActiveControl")
        activeControl_ = IdentifierValue(p);
    else if (n == "Position")
        centered_ = ChoiceValue<bool>(p, {{"poDesigned", false}, {"poScreenCenter", true}});
    else if (n == "OnCreate")
        onCreate_ = Handler<NotifyEvent>(IdentifierValue(p), p.line);
    else if (n == "OnClick")
        onClick_ = Handler<NotifyEvent>(IdentifierValue(p), p.line);
    else if (n == "OnClose")
        onClose_ = Handler<CloseEvent>(IdentifierValue(p), p.line);
    else if (fontSpec_.Apply(p)) {
    } else if (n == "PixelsPerInch" || n == "TextHeight" || n == "OldCreateOrder" || n == "Anchors") {
        // Design-time facts: everything here is laid out at 96 pixels per inch, and the form's own
        // anchors have no parent to follow.
    } else {
        Component::SetProperty(p);
    }
}

void Form::ApplyBorderStyle(const FormProperty& p)
{
    // Each border style is a window style and an extended window style.
    using Styles = std::pair<DWORD, DWORD>;
    std::tie(style_, exStyle_) =
        ChoiceValue<Styles>(p, {{"bsNone", {WS_POPUP, 0}},
                                {"bsSizeable", {WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME, 0}},
                                {"bsDialog", {WS_POPUP | WS_CAPTION, WS_EX_DLGMODALFRAME}},
                                {"bsSizeToolWin", {WS_POPUP | WS_CAPTION | WS_THICKFRAME, WS_EX_TOOLWINDOW}}});
}

void Form::CreateParams(CreateParamsData& params)
{
    params.caption = designCaption_;
    params.style = style_ | WS_CLIPCHILDREN;
    if (style_ & WS_CAPTION) {
        if (systemMenu_)
            params.style |= WS_SYSMENU;
        if (minimizeBox_)
            params.style |= WS_MINIMIZEBOX;
        if (maximizeBox_ && !(exStyle_ & WS_EX_DLGMODALFRAME))
            params.style |= WS_MAXIMIZEBOX;
    }
    params.exStyle = exStyle_;
    params.x = Scaled(designLeft_);
    params.y = Scaled(designTop_);
    params.width = Scaled(designWidth_);
    params.height = Scaled(designHeight_);
    params.parent = owner_ ? owner_->Handle() : Application::Instance().Handle();
}

void Form::CreateFormWindow(const std::string& className)
{
    std::wstring wideClass = Utf8ToWide(className);
    RegisterWindowClass(wideClass.c_str(), CS_DBLCLKS, LoadCursorW(nullptr, IDC_ARROW));
    brush_ = SharedSolidBrush(ResolveColor(color_));
    // Made where the system DPI puts it; once made, the window knows the DPI of its monitor.
    dpi_ = SystemDpi();
    CreateParamsData params;
    CreateParams(params);
    CreateData d;
    d.exStyle = params.exStyle;
    d.className = wideClass.c_str();
    d.caption = params.caption.c_str();
    d.style = params.style & ~WS_VISIBLE;
    d.x = params.x;
    d.y = params.y;
    d.width = params.width;
    d.height = params.height;
    d.parent = params.parent;
    CreateHandle(d);
    const int systemDpi = dpi_;
    dpi_ = WindowDpi(Handle());
    font_ = SharedFont(fontSpec_.AtDpi(dpi_));
    if (dpi_ != systemDpi && borderWidth_ > 0)
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (params.designClientSize && (designClientWidth_ >= 0 || designClientHeight_ >= 0))
        SetClientSize(designClientWidth_ >= 0 ? Scaled(designClientWidth_) : ClientWidth(),
                      designClientHeight_ >= 0 ? Scaled(designClientHeight_) : ClientHeight());
}

// ---- geometry and look ---------------------------------------------------------------------------

int Form::BorderWidthAt(int dpi) const
{
    return ScaleToDpi(borderWidth_, dpi);
}

int Form::Scaled(int designValue) const
{
    return ScaleToDpi(designValue, dpi_);
}

void Form::ChangeDpi(int dpi, const RECT& bounds)
{
    dpi_ = dpi;
    font_ = SharedFont(fontSpec_.AtDpi(dpi_));
    for (auto& c : components_)
        if (auto* control = dynamic_cast<Control*>(c.get()))
            control->DpiChanged();
    SetWindowPos(Handle(), nullptr, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

namespace {
RECT WindowRect(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    // A window owned by another top-level window has screen coordinates already; a child does not occur.
    return r;
}
} // namespace

RECT Form::BoundsRect() const
{
    return WindowRect(Handle());
}
int Form::Left() const
{
    return WindowRect(Handle()).left;
}
int Form::Top() const
{
    return WindowRect(Handle()).top;
}
int Form::Width() const
{
    RECT r = WindowRect(Handle());
    return r.right - r.left;
}
int Form::Height() const
{
    RECT r = WindowRect(Handle());
    return r.bottom - r.top;
}

void Form::SetBounds(int left, int top, int width, int height)
{
    SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}
void Form::SetLeft(int left)
{
    SetBounds(left, Top(), Width(), Height());
}
void Form::SetTop(int top)
{
    SetBounds(Left(), top, Width(), Height());
}
void Form::SetWidth(int width)
{
    SetBounds(Left(), Top(), width, Height());
}
void Form::SetHeight(int height)
{
    SetBounds(Left(), Top(), Width(), height);
}

int Form::ClientWidth() const
{
    RECT r{};
    GetClientRect(Handle(), &r);
    return r.right;
}
int Form::ClientHeight() const
{
    RECT r{};
    GetClientRect(Handle(), &r);
    return r.bottom;
}
void Form::SetClientWidth(int width)
{
    SetClientSize(width, ClientHeight());
}
void Form::SetClientHeight(int height)
{
    SetClientSize(ClientWidth(), height);
}

void Form::SetClientSize(int width, int height)
{
    const RECT outer = WindowRect(Handle());
    RECT client{};
    GetClientRect(Handle(), &client);
    SetBounds(outer.left, outer.top, outer.right - outer.left - client.right + width,
              outer.bottom - outer.top - client.bottom + height);
}

void Form::SetColor(COLORREF color)
{
    color_ = color;
    brush_ = SharedSolidBrush(ResolveColor(color_));
    // A hidden window is painted whole when it is shown; redrawing it now costs Wine as much as
    // a good part of making it, for every restored memo.
    if (Visible())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void Form::SetCaption(const std::wstring& caption)
{
    SetWindowTextW(Handle(), caption.c_str());
}
void Form::SetCaptionAnsi(const std::string& caption)
{
    SetWindowTextA(Handle(), caption.c_str());
}

std::string Form::CaptionAnsi() const
{
    return AnsiText();
}

void Form::CenterOnScreen()
{
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    SetBounds(work.left + (work.right - work.left - Width()) / 2, work.top + (work.bottom - work.top - Height()) / 2,
              Width(), Height());
}

// ---- showing and closing -------------------------------------------------------------------------

void Form::Show()
{
    PlaceForFirstShow();
    ShowWindow(Handle(), SW_SHOW);
    BringWindowToTop(Handle());
}

void Form::ShowOnTopInactive()
{
    PlaceForFirstShow();
    ShowWindow(Handle(), SW_SHOWNA);
}

void Form::PlaceForFirstShow()
{
    if (centered_ && !shownOnce_)
        CenterOnScreen();
    shownOnce_ = true;
}

void Form::Hide()
{
    ShowWindow(Handle(), SW_HIDE);
}
bool Form::Visible() const
{
    return IsWindowVisible(Handle()) != FALSE;
}

void Form::Close()
{
    if (modal_) {
        if (modalResult_ == kModalNone)
            modalResult_ = kModalCancel;
        return;
    }
    CloseAction action = CloseAction::Hide;
    if (onClose_)
        onClose_(*this, action);
    if (action == CloseAction::None)
        return;
    if (Application::Instance().MainForm() == this)
        Application::Instance().Terminate();
    else
        Hide();
}

BOOL CALLBACK Form::DisableWindow(HWND window, LPARAM self)
{
    auto* form = reinterpret_cast<Form*>(self);
    if (window != form->Handle() && IsWindowVisible(window) && IsWindowEnabled(window)) {
        form->disabledWindows_.push_back(window);
        EnableWindow(window, FALSE);
    }
    return TRUE;
}

void Form::DisableOtherWindows()
{
    EnumThreadWindows(GetCurrentThreadId(), &Form::DisableWindow, reinterpret_cast<LPARAM>(this));
}

void Form::EnableOtherWindows()
{
    for (HWND window : disabledWindows_)
        if (IsWindow(window))
            EnableWindow(window, TRUE);
    disabledWindows_.clear();
}

int Form::ShowModal()
{
    const RunningHandler running;
    modalResult_ = kModalNone;
    DisableOtherWindows();
    modal_ = true;
    Show();
    SetForegroundWindow(Handle());
    if (Control* first = InitialFocus())
        first->Focus();
    Application& app = Application::Instance();
    app.ModalLoopEntered(Handle());
    while (modalResult_ == kModalNone && !app.Terminated() && app.ProcessMessage()) {}
    app.ModalLoopLeft(Handle());
    if (modalResult_ == kModalNone)
        modalResult_ = kModalCancel; // the application is ending
    modal_ = false;
    EnableOtherWindows();
    Hide();
    return modalResult_;
}

// ---- messages ------------------------------------------------------------------------------------

template <class Predicate>
Control* Form::FindControl(Predicate predicate)
{
    Control* best = nullptr;
    for (auto& c : components_)
        if (auto* control = dynamic_cast<Control*>(c.get()); control && predicate(*control))
            if (!best || control->TabOrder() < best->TabOrder())
                best = control;
    return best;
}

Control* Form::ControlOf(HWND window)
{
    return window ? FindControl([window](Control& c) { return c.Handle() == window; }) : nullptr;
}

Control* Form::FocusedControl()
{
    return ControlOf(GetFocus());
}

Control* Form::InitialFocus()
{
    if (!activeControl_.empty())
        return &Get<Control>(activeControl_);
    return FindControl([](Control& c) { return c.CanFocus(); });
}

bool Form::KeepFocusAcrossActivation(WPARAM activation)
{
    if (LOWORD(activation) == WA_INACTIVE) {
        // The focus has not moved yet: it is still where the user left it.
        HWND focus = GetFocus();
        focusWhenLeft_ = IsChild(Handle(), focus) ? focus : nullptr;
        return false;
    }
    // The default would give the focus to the form's own window, where typed keys go nowhere.
    if (!focusWhenLeft_ || !IsChild(Handle(), focusWhenLeft_) || !IsWindowEnabled(focusWhenLeft_))
        return false;
    SetFocus(focusWhenLeft_);
    return true;
}

bool Form::PreTranslateMessage(MSG& msg)
{
    if (msg.message != WM_KEYDOWN)
        return false;
    Control* focused = FocusedControl();
    switch (msg.wParam) {
    case VK_RETURN:
        // A control that takes Enter as a line break gets every Enter but Ctrl+Enter, which has to
        // be caught here: translated, it would reach the control as a character.
        if (focused && focused->WantsReturn() && GetKeyState(VK_CONTROL) >= 0)
            return false;
        if (Control* button = FindControl([](Control& c) { return c.IsDefault(); })) {
            button->Click();
            return true;
        }
        return false;
    case VK_ESCAPE:
        if (Control* button = FindControl([](Control& c) { return c.IsCancel(); })) {
            button->Click();
            return true;
        }
        return false;
    case VK_TAB:
        return IsDialogMessageW(Handle(), &msg) != FALSE;
    default:
        return false;
    }
}

void Form::LayoutAnchors()
{
    int width = ClientWidth(), height = ClientHeight();
    for (auto& c : components_)
        if (auto* control = dynamic_cast<Control*>(c.get()))
            control->FollowAnchors(width, height);
}

void Form::PaintBorderBand()
{
    if (borderWidth_ <= 0)
        return;
    // The band between the sizing frame and the client area shows the form's colour.
    RECT window{}, client{};
    GetWindowRect(Handle(), &window);
    GetClientRect(Handle(), &client);
    MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    RECT band = client;
    InflateRect(&band, BorderWidth(), BorderWidth());
    WindowDC dc(Handle(), true);
    ExcludeClipRect(dc.Get(), client.left, client.top, client.right, client.bottom);
    FillRect(dc.Get(), &band, brush_);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (Control* control = ControlOf(reinterpret_cast<HWND>(lParam)); control && control->OnCommand(HIWORD(wParam)))
            return 0;
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (Control* control = ControlOf(reinterpret_cast<HWND>(lParam)))
            if (HBRUSH brush = control->OnControlColor(reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_ERASEBKGND: {
        RECT r{};
        GetClientRect(Handle(), &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, brush_);
        return 1;
    }
    case WM_NCCALCSIZE: {
        LRESULT result = Window::HandleMessage(message, wParam, lParam);
        RECT* r = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
        InflateRect(r, -BorderWidth(), -BorderWidth());
        return result;
    }
    case WM_NCPAINT: {
        LRESULT result = Window::HandleMessage(message, wParam, lParam);
        PaintBorderBand();
        return result;
    }
    case WM_NCACTIVATE: {
        LRESULT result = Window::HandleMessage(message, wParam, lParam);
        PaintBorderBand();
        return result;
    }
    case WM_SIZE:
        LayoutAnchors();
        break;
    case WM_ACTIVATE:
        if (KeepFocusAcrossActivation(wParam))
            return 0;
        break;
    case WM_TIMER:
        for (auto& c : components_)
            if (auto* timer = dynamic_cast<Timer*>(c.get()); timer && timer->Id() == wParam) {
                timer->Fire();
                return 0;
            }
        break;
    case WM_LBUTTONUP:
        if (onClick_)
            onClick_(*this);
        return 0;
    case WM_CLOSE:
        Close();
        return 0;
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

} // namespace ui
