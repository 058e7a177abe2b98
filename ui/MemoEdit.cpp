#include "MemoEdit.h"

#include "FormData.h"
#include "Properties.h"

namespace ui {

void MemoEdit::SetProperty(const FormProperty& p)
{
    if (p.name == "Text")
        designText_ = TextValue(p);
    else
        Control::SetProperty(p);
}

void MemoEdit::CreateControl()
{
    CreateControlWindow(L"EDIT", WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL,
                        WS_EX_CLIENTEDGE, designText_);
    // No length limit beyond what the edit box can hold: memo texts are not cut.
    SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);
}

void MemoEdit::Focus()
{
    SetFocus(Handle());
    const int end = GetWindowTextLengthW(Handle());
    SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageW(Handle(), EM_SCROLLCARET, 0, 0);
}

std::string MemoEdit::TextAnsi() const
{
    return AnsiText();
}

void MemoEdit::SetTextAnsi(const std::string& text)
{
    SetWindowTextA(Handle(), text.c_str());
}

} // namespace ui
