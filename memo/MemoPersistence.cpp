#include "MemoPersistence.h"

#include "Application.h"
#include "LostCharacters.h"
#include "MemoInUse.h"
#include "TMemoWindow.h"
#include "TMemoWindows.h"
#include "Text.h"
#include "store/DeletedMemos.h"
#include "store/DesktopClamp.h"
#include "store/MemoRestore.h"
#include "store/MemoSave.h"

#include <optional>
#include <vector>

namespace {

// A memo window with its text, size, place and colour, still hidden.
TMemoWindow& PrepareMemoWindow(const MemoWindowPlan& plan, const DesktopLayout& desktop)
{
    if (plan.record)
        return TMemoWindow::CreateRestored(plan.text, *plan.record, desktop);
    TMemoWindow& window = TMemoWindow::Create();
    window.SetMemoText(plan.text); // its own save returns at once: the restore holds the busy flag
    return window;
}

// Opens the memo windows of one restore or take-in: each is made complete while hidden, and all
// are shown at the end, once each and in the order they were opened. Under Wine every window that
// is already shown makes the making and moving of the next hidden one dearer.
class MemoWindowOpener {
public:
    void operator()(const MemoWindowPlan& plan)
    {
        if (!desktop_)
            desktop_ = CurrentDesktopLayout();
        prepared_.push_back(&PrepareMemoWindow(plan, *desktop_));
    }

    void ShowAll()
    {
        ShowMemoWindowsInOrder(prepared_);
        prepared_.clear();
    }

private:
    std::optional<DesktopLayout> desktop_;
    std::vector<TMemoWindow*> prepared_;
};

// The open memo windows as the save sees them: the list of the last collect is kept, so that a
// memo to close is named by its position in it.
class MemoWindowDesk {
public:
    MemoDesk Desk()
    {
        return {[this] { return Collect(); }, [this](std::size_t i) { windows_.at(i)->CloseReplaced(); },
                [this](const MemoWindowPlan& plan) { opener_(plan); }, [] { return MemoInUse::Any(); }};
    }

    // The memos that taking in opened, shown after the save's work is done.
    void ShowOpened() { opener_.ShowAll(); }

private:
    // The state of every open memo, in the registry's order.
    MemoState Collect()
    {
        windows_.assign(GetMemoWindows().begin(), GetMemoWindows().end());
        MemoState state;
        for (TMemoWindow* window : windows_)
            state.Add(window->GetMemoText(), window->GetWindowInfo());
        return state;
    }

    std::vector<TMemoWindow*> windows_;
    MemoWindowOpener opener_;
};

void TellConflict(const ConflictNames& kept)
{
    const std::wstring text = L"別のパソコンの Kamifuda がメモのファイルを書き換えていましたが、"
                              L"このパソコンでもメモが変更されていました。\n\n"
                              L"このパソコンのメモを保存し、もう一方のメモは次の二つのファイルに残しました。\n" +
                              kept.memo + L"\n" + kept.info;
    ui::Application::Instance().ShowMessageBox(text, MB_OK | MB_ICONINFORMATION);
}

// Once per memo.txt that another editor saved and whose original was kept beside it.
void TellKeptOriginal(const KeptOriginal& kept)
{
    std::wstring text;
    if (kept.encoding == MemoFileEncoding::Utf8Guessed)
        text = L"memo.txt は UTF-8 で書かれているものとして読み込みました。\n\n";
    if (!kept.lost.empty())
        text += L"memo.txt の次の文字はメモに保存できないため、「?」に置き換えました。\n" +
                ui::LostCharactersList(kept.lost) + L"\n\n";
    text += L"元の memo.txt は次のファイルに残してあります。\n" + kept.path;
    if (kept.encoding == MemoFileEncoding::Utf8Guessed)
        text += L"\n\nUTF-8 のファイルでなかった場合は、メモが正しく表示されていないことがあります。";
    text += L"\n\nmemo.txt は次の保存から Kamifuda の形式で書かれます。";
    ui::Application::Instance().ShowMessageBox(text, MB_OK | MB_ICONINFORMATION);
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
    ui::Application::Instance().ShowMessageBox(text, MB_OK | MB_ICONWARNING);
}

// Saves, or takes in what another copy of the program wrote; tells the user what needs telling once
// the busy flag is free again (the message box runs a nested loop, and the timer saves meanwhile).
SaveOutcome SaveAndTell(SaveMoment moment, bool mayTell)
{
    MemoWindowDesk windows;
    SaveOutcome outcome = SaveAllMemosWith(windows.Desk(), GetMemoSaver(), ExecutableFolder(), moment);
    windows.ShowOpened();
    if (!mayTell)
        return outcome;
    if (outcome.conflict)
        TellConflict(*outcome.conflict);
    if (outcome.result == SaveOutcome::Result::TakenIn && outcome.takenIn.keptOriginal)
        TellKeptOriginal(*outcome.takenIn.keptOriginal);
    if (outcome.result == SaveOutcome::Result::TakenIn && !outcome.takenIn.Complete())
        TellRestoreProblem(outcome.takenIn);
    return outcome;
}

} // namespace

void SaveAllMemos()
{
    SaveAndTell(SaveMoment::Any, true);
}

std::optional<std::string> SaveAllMemosReportingFailure(bool mayAsk)
{
    SaveOutcome outcome = SaveAndTell(SaveMoment::Last, mayAsk);
    if (outcome.result != SaveOutcome::Result::Failed)
        return std::nullopt;
    return ui::WideToUtf8(L"メモを保存できませんでした。\n" + outcome.failure.Describe());
}

void ShowMemoWindowsInOrder(const std::vector<TMemoWindow*>& windows)
{
    if (windows.empty())
        return;
    for (std::size_t i = 0; i + 1 < windows.size(); ++i)
        windows[i]->ShowOnTopInactive();
    windows.back()->Show();
}

void RestoreAllMemos()
{
    MemoWindowOpener opener;
    RestoreOutcome outcome = RestoreAllMemosWith([&opener](const MemoWindowPlan& plan) { opener(plan); });
    opener.ShowAll();
    if (outcome.keptOriginal)
        TellKeptOriginal(*outcome.keptOriginal);
    if (outcome.ran && !outcome.Complete())
        TellRestoreProblem(outcome);
}

MemoState DeletedMemosToOffer()
{
    const MemoSaver& saver = GetMemoSaver();
    MemoState offered{{saver.deleted.texts.rbegin(), saver.deleted.texts.rend()},
                      {saver.deleted.infos.rbegin(), saver.deleted.infos.rend()}};
    const DeletedMemos stored = ReadDeletedMemos();
    for (std::size_t i = 0; i < stored.memos.texts.size(); ++i)
        offered.Add(stored.memos.texts[i], stored.memos.infos[i]);
    return offered;
}

void BringBackDeletedMemo(const std::string& text, const CWindowInfo& info)
{
    ShowMemoWindowsInOrder({&TMemoWindow::CreateRestored(text, info, CurrentDesktopLayout())});
    // Off the list only once memo.txt holds it again (a pending deletion is written to the list by
    // the same save first), so the memo is always in one of the pairs.
    const SaveOutcome outcome = SaveAndTell(SaveMoment::Any, true);
    if (outcome.result != SaveOutcome::Result::Written && outcome.result != SaveOutcome::Result::Unchanged)
        return;
    SYSTEMTIME now{};
    GetLocalTime(&now);
    RemoveDeletedMemo(text, info, now);
}
