#pragma once
// A multi-line edit box: Enter types a line break, lines wrap. Its text is ANSI bytes.

#include "Control.h"

#include <string>

namespace ui {

class MemoEdit : public Control {
public:
    explicit MemoEdit(Form& form) : Control(form) {}

    std::string TextAnsi() const;
    void SetTextAnsi(const std::string& text);
    // What was typed, every character whole: the ANSI text loses those the code page lacks.
    std::wstring Text() const { return WideText(); }

    bool WantsReturn() const override { return true; }
    bool CanFocus() const override { return true; }
    // The focus with the caret after the text, so that typing goes on where the text ends.
    void Focus() override;
    void SetProperty(const FormProperty& property) override;

protected:
    void CreateControl() override;

private:
    std::wstring designText_;
};

} // namespace ui
