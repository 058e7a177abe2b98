#include "Label.h"

#include "DragController.h"
#include "DragObject.h"
#include "Form.h"
#include "FormData.h"
#include "Handles.h"
#include "Properties.h"

#include <windowsx.h>

namespace ui {
namespace {
constexpr wchar_t kLabelClass[] = L"KamifudaLabel";
constexpr UINT kMeasureFlags = DT_CALCRECT | DT_EXPANDTABS | DT_LEFT;
// The answer of the system's "Static" control to WM_GETOBJECT with OBJID_QUERYCLASSNAMEIDX: 65536
// and the index of its class in oleacc's list of the controls it knows.
constexpr LRESULT kStaticClassIndex = 65536 + 3;

// The modifier keys as they were when the press was made: the mouse message's own flags for Shift
// and Ctrl. The thread's key state lags behind whenever the key presses went to another window, as
// they do when the user holds Shift over a memo that is not in the foreground; Alt has no flag, so
// for Alt it is all there is.
ShiftState ShiftStateOfPress(WPARAM keys)
{
    ShiftState s;
    s.shift = (keys & MK_SHIFT) != 0;
    s.ctrl = (keys & MK_CONTROL) != 0;
    s.alt = GetKeyState(VK_MENU) < 0;
    return s;
}
} // namespace

void Label::SetProperty(const FormProperty& p)
{
    if (p.name == "Caption") {
        wideCaption_ = TextValue(p);
        ansi_ = false;
    } else if (p.name == "AutoSize")
        autoSize_ = BoolValue(p);
    else if (p.name == "Alignment")
        alignment_ = ChoiceValue<Alignment>(p, {{"taLeftJustify", Alignment::Left},
                                                {"taCenter", Alignment::Center},
                                                {"taRightJustify", Alignment::Right}});
    else if (p.name == "DragMode")
        automaticDrag_ = ChoiceValue<bool>(p, {{"dmManual", false}, {"dmAutomatic", true}});
    else if (p.name == "WordWrap" || p.name == "Transparent") {
        if (BoolValue(p))
            ThrowBadValue(p, "false (labels neither wrap nor show through)");
    } else if (p.name == "OnClick")
        onClick_ = OwnerForm().Handler<NotifyEvent>(IdentifierValue(p), p.line);
    else if (p.name == "OnDblClick") {
        // Designed, never raised: the label's class has no CS_DBLCLKS, and with automatic dragging
        // both presses of a double click start drags, which tell a double click by its timing.
    } else if (p.name == "OnMouseDown")
        onMouseDown_ = OwnerForm().Handler<MouseEvent>(IdentifierValue(p), p.line);
    else if (p.name == "OnStartDrag")
        onStartDrag_ = OwnerForm().Handler<StartDragEvent>(IdentifierValue(p), p.line);
    else
        Control::SetProperty(p);
}

void Label::CreateControl()
{
    // No CS_DBLCLKS: with automatic dragging both presses of a double click are drag starts.
    RegisterWindowClass(kLabelClass, 0, LoadCursorW(nullptr, IDC_ARROW));
    CreateControlWindow(kLabelClass, 0);
    CaptionChanged();
}

void Label::SetCaption(const std::wstring& caption)
{
    ansi_ = false;
    wideCaption_ = caption;
    CaptionChanged();
}

void Label::SetCaptionAnsi(const std::string& caption)
{
    ansi_ = true;
    ansiCaption_ = caption;
    CaptionChanged();
}

SIZE Label::MeasureCaption() const
{
    return MeasureCaptionIn(FontHandle());
}

SIZE Label::MeasureCaptionIn(HFONT font) const
{
    WindowDC screen(nullptr);
    SelectScope selected(screen.Get(), font);
    RECT r{0, 0, 0, 0};
    if (ansi_) {
        const std::string& text = (ansiCaption_.empty() || ansiCaption_ == "&") ? std::string(" ") : ansiCaption_;
        DrawTextA(screen.Get(), text.c_str(), static_cast<int>(text.size()), &r, kMeasureFlags);
    } else {
        const std::wstring& text = (wideCaption_.empty() || wideCaption_ == L"&") ? std::wstring(L" ") : wideCaption_;
        DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &r, kMeasureFlags);
    }
    return SIZE{r.right - r.left, r.bottom - r.top};
}

void Label::CaptionChanged()
{
    if (!Handle())
        return;
    if (autoSize_) {
        SIZE size = MeasureCaption();
        SetBounds(Left(), Top(), size.cx, size.cy);
    }
    CaptionToWindowText();
    InvalidateRect(Handle(), nullptr, TRUE);
}

void Label::CaptionToWindowText()
{
    if (ansi_)
        SetWindowTextA(Handle(), ansiCaption_.c_str());
    else
        SetWindowTextW(Handle(), wideCaption_.c_str());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, Handle(), OBJID_CLIENT, CHILDID_SELF);
}

void Label::DrawCaption(HDC dc, RECT& area)
{
    UINT flags = DT_EXPANDTABS | (alignment_ == Alignment::Center  ? DT_CENTER
                                  : alignment_ == Alignment::Right ? DT_RIGHT
                                                                   : DT_LEFT);
    if (ansi_)
        DrawTextA(dc, ansiCaption_.c_str(), static_cast<int>(ansiCaption_.size()), &area, flags);
    else
        DrawTextW(dc, wideCaption_.c_str(), static_cast<int>(wideCaption_.size()), &area, flags);
}

void Label::MouseDown(MouseButton button, WPARAM keys, LPARAM position)
{
    if (onMouseDown_)
        onMouseDown_(*this, button, ShiftStateOfPress(keys), GET_X_LPARAM(position), GET_Y_LPARAM(position));
}

void Label::BeginAutomaticDrag()
{
    std::unique_ptr<DragObject> dragObject;
    if (onStartDrag_)
        onStartDrag_(*this, dragObject);
    // Without a drag object the press is simply over: nothing is dragged, nothing moves.
    if (!dragObject)
        return;
    DragController(Handle(), *dragObject).Run();
}

LRESULT Label::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        if (automaticDrag_)
            BeginAutomaticDrag();
        else
            MouseDown(MouseButton::Left, wParam, lParam);
        return 0;
    case WM_LBUTTONUP:
        if (!automaticDrag_ && onClick_)
            onClick_(*this);
        return 0;
    case WM_RBUTTONDOWN:
        MouseDown(MouseButton::Right, wParam, lParam);
        return 0;
    case WM_MBUTTONDOWN:
        MouseDown(MouseButton::Middle, wParam, lParam);
        return 0;
    case WM_GETOBJECT:
        // The object id is a LONG, which a 64-bit caller may pass without its sign extended.
        if (static_cast<LONG>(lParam) == OBJID_QUERYCLASSNAMEIDX)
            return kStaticClassIndex;
        return CaptionControl::HandleMessage(message, wParam, lParam);
    default:
        return CaptionControl::HandleMessage(message, wParam, lParam);
    }
}

} // namespace ui
