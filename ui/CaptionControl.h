#pragma once
// A control that paints its caption itself (the label, the speed button): on WM_PAINT its colour
// is filled in and its font and text colour selected before DrawCaption draws the text. The
// background is never erased on its own, since the paint fills it: erasing first would flicker.

#include "Control.h"

namespace ui {

class CaptionControl : public Control {
public:
    explicit CaptionControl(Form& form) : Control(form) {}

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Draws the caption into `area` of `dc`, whose background is transparent.
    virtual void DrawCaption(HDC dc, RECT& area) = 0;

private:
    class CaptionPaint;
};

} // namespace ui
