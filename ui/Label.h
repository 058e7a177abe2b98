#pragma once
// A label: text painted on its colour, measured with DrawText when auto-size is on. Its caption is
// either a user-interface text (wide) or a memo text (ANSI bytes, shown in the ANSI code page), and
// is also its window text, which screen readers read as the label's name; to them it is static text.
// Mouse presses become OnMouseDown; with drag mode automatic a left press starts a drag (see
// BeginAutomaticDrag).

#include "CaptionControl.h"
#include "Events.h"

#include <string>

namespace ui {

enum class Alignment
{
    Left,
    Center,
    Right
};

class Label : public CaptionControl {
public:
    explicit Label(Form& form) : CaptionControl(form) {}

    void SetCaption(const std::wstring& caption);
    void SetCaptionAnsi(const std::string& caption);
    const std::string& CaptionAnsi() const { return ansiCaption_; }
    const std::wstring& Caption() const { return wideCaption_; }

    // The size of the caption as drawn in the label's font: widest line, all lines, tabs expanded,
    // & as accelerator prefix, no wrapping. An empty caption and a lone & measure as one space.
    SIZE MeasureCaption() const;
    // The same in another font (the label's font at another DPI).
    SIZE MeasureCaptionIn(HFONT font) const;

    void SetProperty(const FormProperty& property) override;

protected:
    void CreateControl() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void DrawCaption(HDC dc, RECT& area) override;
    // A left press with drag mode automatic. The drag machinery takes it from here.
    void BeginAutomaticDrag();
    void CaptionChanged();
    // The window text made the caption, and the change told to screen readers.
    void CaptionToWindowText();
    void MouseDown(MouseButton button, WPARAM keys, LPARAM position);

    bool ansi_ = false;
    std::string ansiCaption_;
    std::wstring wideCaption_;
    bool autoSize_ = false;
    bool automaticDrag_ = false;
    Alignment alignment_ = Alignment::Left;
    NotifyEvent onClick_;
    MouseEvent onMouseDown_;
    StartDragEvent onStartDrag_;
};

} // namespace ui
