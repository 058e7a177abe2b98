#pragma once
// A label: text painted on its colour, measured with DrawText when auto-size is on. Its caption is
// either a user-interface text (wide) or a memo text (ANSI bytes, shown in the ANSI code page).
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

    bool AutoSize() const { return autoSize_; }
    // Switching auto-size on sizes the label to its text at once.
    void SetAutoSize(bool autoSize);
    // The size of the caption as drawn in the label's font: widest line, all lines, tabs expanded,
    // & as accelerator prefix, no wrapping. An empty caption and a lone & measure as one space.
    SIZE MeasureCaption() const;
    // The same in another font (the label's font at another DPI).
    SIZE MeasureCaptionIn(HFONT font) const;

    bool AutomaticDrag() const { return automaticDrag_; }
    void SetOnMouseDown(MouseEvent handler) { onMouseDown_ = std::move(handler); }
    void SetOnStartDrag(StartDragEvent handler) { onStartDrag_ = std::move(handler); }

    void SetProperty(const FormProperty& property) override;

protected:
    void CreateControl() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A left press with drag mode automatic. The drag machinery takes it from here.
    virtual void BeginAutomaticDrag();
    const StartDragEvent& OnStartDrag() const { return onStartDrag_; }

private:
    void DrawCaption(HDC dc, RECT& area) override;
    void CaptionChanged();
    void MouseDown(MouseButton button, WPARAM keys, LPARAM position);

    bool ansi_ = false;
    std::string ansiCaption_;
    std::wstring wideCaption_;
    bool autoSize_ = false;
    bool automaticDrag_ = false;
    Alignment alignment_ = Alignment::Left;
    NotifyEvent onClick_, onDblClick_;
    MouseEvent onMouseDown_;
    StartDragEvent onStartDrag_;
};

} // namespace ui
