#pragma once
// A top-level window built from form data: its components, geometry, colour, font, showing, closing
// with a close action, and modal showing with a nested message loop that still delivers timers.
//
// A derived form binds its handlers by name, then calls LoadForm, applies its own construction
// steps, and ends its constructor with FinishCreate (which fires OnCreate).

#include "Component.h"
#include "Dpi.h"
#include "Events.h"
#include "Font.h"
#include "Window.h"

#include <map>
#include <string>
#include <variant>

namespace ui {

struct FormNode;
class Control;
class Timer;

class Form : public Component, public Window {
public:
    ~Form() override;

    // The outer rectangle in screen coordinates, read once for all four sides.
    RECT BoundsRect() const;
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);
    void SetBounds(int left, int top, int width, int height);
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    // Both in one move: the window is resized once, and its controls follow their anchors once.
    void SetClientSize(int width, int height);
    // The margin between the sizing frame and the client area, at the form's DPI or another one.
    int BorderWidth() const { return BorderWidthAt(dpi_); }
    int BorderWidthAt(int dpi) const;

    // The DPI of the monitor the form is on (see Dpi.h), and a size of the 96-DPI design at it.
    int Dpi() const { return dpi_; }
    int Scaled(int designValue) const;

    COLORREF Color() const { return color_; }
    void SetColor(COLORREF color);
    const FontSpec& FontDescription() const { return fontSpec_; }
    HFONT FontHandle() const { return font_; }

    void SetCaption(const std::wstring& caption);
    void SetCaptionAnsi(const std::string& caption);
    std::string CaptionAnsi() const;

    void Show();
    // On top of the other windows, as Show leaves it, but neither activated nor given the focus:
    // the active window stays as it is.
    void ShowOnTopInactive();
    void Hide();
    bool Visible() const;
    // Runs OnClose; a modal form ends its modal loop, the main form ends the application, any other
    // form is hidden (the default close action).
    void Close();
    // Shows the form modally: the program's other windows are disabled until the modal result is set.
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    // Looks a component up by name; raises ui::Error if it is missing or of another kind.
    template <class T>
    T& Get(const std::string& name)
    {
        auto* found = dynamic_cast<T*>(FindComponent(name));
        if (!found)
            ThrowMissing(name);
        return *found;
    }
    Component* FindComponent(const std::string& name);

    // The handler bound under that name, for components that read event properties.
    template <class Event>
    Event Handler(const std::string& name, int line) const
    {
        auto it = handlers_.find(name);
        if (it == handlers_.end() || !std::holds_alternative<Event>(it->second))
            ThrowUnknownHandler(name, line);
        return std::get<Event>(it->second);
    }

    // Keyboard handling of the form before the message is dispatched: Enter for the default button
    // (Ctrl+Enter where Enter types a line break), Escape for the cancel button, Tab between
    // controls. True when the message was used.
    virtual bool PreTranslateMessage(MSG& msg);

    void Adopt(std::unique_ptr<Component> child) override;
    void SetProperty(const FormProperty& property) override;

protected:
    // owner: the form that owns this one (its window becomes the owner window); null for the
    // application window.
    explicit Form(Form* owner = nullptr);

    struct CreateParamsData {
        std::wstring caption;
        DWORD style = 0;
        DWORD exStyle = 0;
        int x = 0, y = 0, width = 0, height = 0;
        HWND parent = nullptr;
        // False when the derived form gives the window's final rectangle: the design client size
        // is then not applied.
        bool designClientSize = true;
    };
    virtual void CreateParams(CreateParamsData& params);

    // The form is now at another DPI: its font, its controls' fonts and its border follow it, and the
    // window takes this rectangle (its frame recalculated). Where controls go is the form's own
    // business.
    void ChangeDpi(int dpi, const RECT& bounds);

    void Bind(const std::string& name, NotifyEvent handler) { handlers_[name] = std::move(handler); }
    void Bind(const std::string& name, MouseEvent handler) { handlers_[name] = std::move(handler); }
    void Bind(const std::string& name, StartDragEvent handler) { handlers_[name] = std::move(handler); }
    void Bind(const std::string& name, CloseEvent handler) { handlers_[name] = std::move(handler); }

    // Builds the form from the form data resource named like the form's class (or from a parsed tree).
    void LoadForm(const wchar_t* resourceName);
    void LoadForm(const FormNode& root);
    void FinishCreate();

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    using AnyHandler = std::variant<NotifyEvent, MouseEvent, StartDragEvent, CloseEvent>;

    [[noreturn]] void ThrowMissing(const std::string& name) const;
    [[noreturn]] void ThrowUnknownHandler(const std::string& name, int line) const;
    void ApplyBorderStyle(const FormProperty& property);
    void CreateFormWindow(const std::string& className);
    Control* ControlOf(HWND window);
    Control* FocusedControl();
    // The control a modal showing starts in: the form data's ActiveControl, else the first in tab
    // order that takes the focus.
    Control* InitialFocus();
    // WM_ACTIVATE: the control that had the focus when the form was left has it again when the
    // form is activated, as in a dialog; true when the focus was given back.
    bool KeepFocusAcrossActivation(WPARAM activation);
    template <class Predicate>
    Control* FindControl(Predicate predicate);
    void LayoutAnchors();
    void PaintBorderBand();
    void CenterOnScreen();
    // A form placed at the screen's centre is centred before it is first shown.
    void PlaceForFirstShow();
    static BOOL CALLBACK DisableWindow(HWND window, LPARAM self);
    void DisableOtherWindows();
    void EnableOtherWindows();

    Form* owner_;
    std::map<std::string, AnyHandler> handlers_;
    std::vector<std::unique_ptr<Component>> components_;
    std::vector<HWND> disabledWindows_;

    // Design values from the form data, used to create the window.
    int designLeft_ = 0, designTop_ = 0, designWidth_ = 0, designHeight_ = 0;
    int designClientWidth_ = -1, designClientHeight_ = -1;
    std::wstring designCaption_;
    DWORD style_ = WS_OVERLAPPEDWINDOW;
    DWORD exStyle_ = 0;
    bool systemMenu_ = true, minimizeBox_ = true, maximizeBox_ = true;
    bool centered_ = false;
    bool shownOnce_ = false;
    int borderWidth_ = 0; // at 96 DPI
    int dpi_ = kDesignDpi;
    COLORREF color_ = 0x80000000 | COLOR_BTNFACE;
    HBRUSH brush_ = nullptr;    // shared, see SharedGdiObjects.h
    FontSpec fontSpec_;         // at 96 DPI
    HFONT font_ = nullptr;      // shared; at the form's DPI
    std::string activeControl_; // from the form data; empty when it names none
    HWND focusWhenLeft_ = nullptr;
    NotifyEvent onCreate_, onClick_;
    CloseEvent onClose_;
    int modalResult_ = kModalNone;
    bool modal_ = false;
};

} // namespace ui
