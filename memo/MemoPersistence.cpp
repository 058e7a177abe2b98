#include "MemoPersistence.h"

#include "Application.h"
#include "TMemoWindow.h"
#include "TMemoWindows.h"
#include "Text.h"
#include "store/MemoRestore.h"
#include "store/MemoSave.h"

namespace {

// The state of every open memo, in the registry's order.
MemoState CollectMemos()
{
    MemoState state;
    for (TMemoWindow* window : GetMemoWindows()) {
        state.texts.push_back(window->GetMemoText());
        state.infos.push_back(window->GetWindowInfo());
    }
    return state;
}

void OpenMemoWindow(const MemoWindowPlan& plan)
{
    TMemoWindow& window = TMemoWindow::Create();
    window.SetMemoText(plan.text);  // its own save returns at once: the restore holds the busy flag
    if (plan.record)
        window.ApplyWindowInfo(*plan.record);
    window.Show();
}

void TellRestoreProblem(const RestoreOutcome& outcome)
{
    std::wstring text;
    if (!outcome.fileFailure.Ok())
        text = L"メモのファイルを読み込めませんでした。\n" + outcome.fileFailure.Describe();
    else
        text = L"メモを開く途中でエラーが発生しました。\n" + ui::Utf8ToWide(outcome.openFailure);
    text += L"\n\nファイルのメモを失わないよう、今回はメモを保存しません。"
            L"原因を取り除いてから Kamifuda を起動し直してください。";
    ui::Application& app = ui::Application::Instance();
    app.ShowMessageBox(text, ui::AnsiToWide(app.Title()), MB_OK | MB_ICONWARNING);
}

} // namespace

void SaveAllMemos()
{
    SaveAllMemosWith(CollectMemos);
}

std::optional<std::string> SaveAllMemosReportingFailure()
{
    SaveOutcome outcome = SaveAllMemosWith(CollectMemos);
    if (outcome.result != SaveOutcome::Result::Failed)
        return std::nullopt;
    return ui::WideToUtf8(L"メモを保存できませんでした。\n" + outcome.failure.Describe());
}

void RestoreAllMemos()
{
    RestoreOutcome outcome = RestoreAllMemosWith(OpenMemoWindow);
    if (outcome.ran && !outcome.Complete())
        TellRestoreProblem(outcome);
}
