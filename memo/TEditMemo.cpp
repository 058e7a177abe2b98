#include "TEditMemo.h"

#include "Application.h"
#include "LostCharacters.h"
#include "MemoEdit.h"
#include "TMemoWindow.h"
#include "base/WideText.h"

namespace {
constexpr wchar_t kDeleteQuestion[] = L"このメモを削除しますか？";
constexpr wchar_t kDeleteQuestionCaption[] = L"確認";
} // namespace

TEditMemo::TEditMemo(TMemoWindow& memoWindow) : Form(&memoWindow), FMemoWindow(memoWindow)
{
    Bind("OKBtnClick", [this](ui::Component& s) { OKBtnClick(s); });
    Bind("CancelBtnClick", [this](ui::Component& s) { CancelBtnClick(s); });
    LoadForm(L"TEDITMEMO");
    Get<ui::MemoEdit>("Memo").SetTextAnsi(FMemoWindow.GetMemoText());
    FinishCreate();
}

std::string TEditMemo::EditText()
{
    return Get<ui::MemoEdit>("Memo").TextAnsi();
}

void TEditMemo::OKBtnClick(ui::Component&)
{
    if (HandleEmptyText(false))
        return;
    // Declined for characters the code page lacks: back to the dialog, the text as typed.
    const base::CodePageText edited = base::WideToAnsiChecked(Get<ui::MemoEdit>("Memo").Text());
    if (!ui::UserAcceptsLostCharacters(edited.lost))
        return;
    FMemoWindow.SetMemoText(edited.text);
    Close();
}

void TEditMemo::CancelBtnClick(ui::Component&)
{
    if (!HandleEmptyText(true))
        Close();
}

bool TEditMemo::HandleEmptyText(bool cancelling)
{
    // Empty means no bytes at all: blanks or line breaks alone are a text.
    const std::string edited = EditText();
    if (edited.empty() && FMemoWindow.GetMemoText().empty()) {
        CloseMemoAndDialog();
        return true;
    }
    if (!cancelling && edited.empty()) {
        if (UserConfirmsDeletion())
            CloseMemoAndDialog();
        return true;
    }
    return false;
}

bool TEditMemo::UserConfirmsDeletion()
{
    const int answer = ui::Application::Instance().ShowMessageBox(kDeleteQuestion, kDeleteQuestionCaption, MB_OKCANCEL);
    return answer != IDCANCEL;
}

void TEditMemo::CloseMemoAndDialog()
{
    FMemoWindow.Close();
    Close();
}
