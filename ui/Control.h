#pragma once
// A windowed control on a form: bounds, anchors, colour, font and tab order from the form data.

#include "Component.h"
#include "Font.h"
#include "Window.h"

namespace ui {

struct Anchors {
    bool left = true, top = true, right = false, bottom = false;
};

class Control : public Component, public Window {
public:
    explicit Control(Form& form) : Component(form) {}

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
    // Moves the control and takes its new distances to the form's edges as its anchor distances.
    void SetBounds(int left, int top, int width, int height);

    COLORREF Color() const;
    void SetColor(COLORREF color);
    int TabOrder() const { return tabOrder_; }
    HFONT FontHandle() const;

    void SetProperty(const FormProperty& property) override;
    void CreateHandles() override;

    // Hooks the form calls.
    virtual bool OnCommand(WORD /*notifyCode*/) { return false; }
    virtual HBRUSH OnControlColor(HDC dc);
    virtual bool WantsReturn() const { return false; }
    virtual bool CanFocus() const { return false; }
    // Gives the control the keyboard focus.
    virtual void Focus() { SetFocus(Handle()); }
    virtual bool IsDefault() const { return false; }
    virtual bool IsCancel() const { return false; }
    virtual void Click() {}
    void FollowAnchors(int clientWidth, int clientHeight);
    // The form went to another DPI: the control takes its font at that DPI.
    void DpiChanged();

protected:
    // Makes the control's window with the given class and styles as a child of the form.
    void CreateControlWindow(const wchar_t* className, DWORD style, DWORD exStyle = 0, const std::wstring& text = L"");
    virtual void CreateControl() = 0;
    // Bounds changed by the program; the default moves the window.
    virtual void BoundsChanged();
    const FontSpec* OwnFont() const { return ownFont_ ? &fontSpec_ : nullptr; }

private:
    void RememberAnchorDistances();

    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    int rightDistance_ = 0, bottomDistance_ = 0;
    bool layingOut_ = false;
    Anchors anchors_;
    COLORREF color_ = 0x80000000 | COLOR_BTNFACE;
    bool parentColor_ = true;
    int tabOrder_ = 1000;
    bool ownFont_ = false;
    FontSpec fontSpec_;    // at 96 DPI
    HFONT font_ = nullptr; // shared, see SharedGdiObjects.h
};

} // namespace ui
