#include "Control.h"

#include "Error.h"
#include "Form.h"
#include "FormData.h"
#include "Properties.h"
#include "SharedGdiObjects.h"

namespace ui {

void Control::SetProperty(const FormProperty& p)
{
    const std::string& n = p.name;
    if (n == "Left")
        left_ = IntegerValue(p);
    else if (n == "Top")
        top_ = IntegerValue(p);
    else if (n == "Width")
        width_ = IntegerValue(p);
    else if (n == "Height")
        height_ = IntegerValue(p);
    else if (n == "TabOrder")
        tabOrder_ = IntegerValue(p);
    else if (n == "Color") {
        color_ = ColorValue(p);
        parentColor_ = false;
    } else if (n == "ParentColor")
        parentColor_ = BoolValue(p);
    else if (n == "Anchors")
        FlagSetValue(p, {{"akLeft", &anchors_.left},
                         {"akTop", &anchors_.top},
                         {"akRight", &anchors_.right},
                         {"akBottom", &anchors_.bottom}});
    else if (fontSpec_.Apply(p)) {
        ownFont_ = true;
    } else {
        Component::SetProperty(p);
    }
}

COLORREF Control::Color() const
{
    return parentColor_ ? OwnerForm().Color() : color_;
}

void Control::SetColor(COLORREF color)
{
    color_ = color;
    parentColor_ = false;
    if (Handle())
        InvalidateRect(Handle(), nullptr, TRUE);
}

HFONT Control::FontHandle() const
{
    return ownFont_ ? font_ : OwnerForm().FontHandle();
}

HBRUSH Control::OnControlColor(HDC dc)
{
    SetBkColor(dc, ResolveColor(Color()));
    SetTextColor(dc, ResolveColor(ownFont_ ? fontSpec_.color : OwnerForm().FontDescription().color));
    return SharedSolidBrush(ResolveColor(Color()));
}

void Control::CreateHandles()
{
    // The form data's bounds are those of the 96-DPI design.
    const Form& form = OwnerForm();
    left_ = form.Scaled(left_);
    top_ = form.Scaled(top_);
    width_ = form.Scaled(width_);
    height_ = form.Scaled(height_);
    if (ownFont_)
        font_ = SharedFont(fontSpec_.AtDpi(form.Dpi()));
    CreateControl();
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
    RememberAnchorDistances();
}

void Control::DpiChanged()
{
    if (ownFont_)
        font_ = SharedFont(fontSpec_.AtDpi(OwnerForm().Dpi()));
    if (Handle())
        SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
}

void Control::CreateControlWindow(const wchar_t* className, DWORD style, DWORD exStyle, const std::wstring& text)
{
    CreateData d;
    d.exStyle = exStyle;
    d.className = className;
    d.caption = text.c_str();
    d.style = style | WS_CHILD | WS_VISIBLE;
    d.x = left_;
    d.y = top_;
    d.width = width_;
    d.height = height_;
    d.parent = OwnerForm().Handle();
    CreateHandle(d);
}

void Control::SetBounds(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    BoundsChanged();
    if (!layingOut_)
        RememberAnchorDistances();
}

void Control::BoundsChanged()
{
    if (Handle())
        MoveWindow(Handle(), left_, top_, width_, height_, TRUE);
}

void Control::RememberAnchorDistances()
{
    if (!OwnerForm().Handle())
        return;
    rightDistance_ = OwnerForm().ClientWidth() - (left_ + width_);
    bottomDistance_ = OwnerForm().ClientHeight() - (top_ + height_);
}

void Control::FollowAnchors(int clientWidth, int clientHeight)
{
    if (!Handle())
        return; // the form is still taking its design size; distances are taken at creation
    int left = left_, top = top_, width = width_, height = height_;
    if (anchors_.right) {
        if (anchors_.left)
            width = clientWidth - rightDistance_ - left;
        else
            left = clientWidth - rightDistance_ - width;
    }
    if (anchors_.bottom) {
        if (anchors_.top)
            height = clientHeight - bottomDistance_ - top;
        else
            top = clientHeight - bottomDistance_ - height;
    }
    if (left != left_ || top != top_ || width != width_ || height != height_) {
        layingOut_ = true;
        SetBounds(left, top, width, height);
        layingOut_ = false;
    }
}

} // namespace ui
