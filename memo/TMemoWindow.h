#pragma once
// One memo on the desktop: a coloured rectangle without a title bar that shows its text and is
// exactly as large as that text. The text lives only in the label's caption. The window is owned by
// the application window; closing it hides it and takes it out of the registry of open memos, and a
// memo the program made (Create) is then destroyed as soon as no handler runs, which gives its two
// windows back. Only the user closes a memo: a close request from another program leaves it alone.

#include "Form.h"
#include "TClickInfo.h"
#include "store/CWindowInfo.h"
#include "store/DesktopClamp.h"

#include <memory>
#include <optional>
#include <string>

namespace ui {
class Label;
}

class TMemoWindow : public ui::Form {
public:
    // owner: always null in the program (memo windows belong to no form). Created hidden, at the
    // design position 390, 125, and registered as the last step.
    explicit TMemoWindow(ui::Form* owner = nullptr);
    ~TMemoWindow() override;

    // A memo window of the program: it lives while it is open, and once it has been closed it is
    // destroyed when no handler runs any more (nothing of it is on the stack then: no dialog, menu,
    // drag or handler of it). Windows allows a process 10,000 USER objects and a memo takes two, so
    // a program that runs for weeks could not keep every memo it ever closed, as it once did.
    static TMemoWindow& Create();
    // A restored memo, still hidden, as Create, SetMemoText and PlaceAndColor leave it, but made at
    // its place and size at once when the record has room inside the frame; destroyed as Create's.
    static TMemoWindow& CreateRestored(const std::string& text, const CWindowInfo& info, const DesktopLayout& desktop);
    // Shows the window and paints it at once.
    void ShowPainted();
    // Closes the memo because a take-in of another copy's files replaces it: it is not kept among
    // the deleted memos, as a memo the user closes is.
    void CloseReplaced();

    // Trims the final run of CR and LF, makes the first line the window caption, keeps the text
    // shown so far as the undo text, sizes label and window to the text, and saves all memos.
    void SetMemoText(const std::string& text);
    std::string GetMemoText() const;
    // The text shown before the last SetMemoText.
    const std::string& UndoText() const { return FUndoText; }
    // Form and label colour, then hides and shows the window (which brings it to the front).
    void SetMemoColor(COLORREF color);

    // Outer rectangle and colour, as saving stores them.
    CWindowInfo GetWindowInfo() const;
    // Places the window at the stored rectangle, brought onto the desktop, and gives it the colour;
    // then hides and shows it, as SetMemoColor does.
    void ApplyWindowInfo(const CWindowInfo& info);
    // The same without hiding and showing: a restored memo, still hidden, is shown once when it is
    // complete. The desktop's layout is read once for all memos of a restore.
    void PlaceAndColor(const CWindowInfo& info, const DesktopLayout& desktop);
    // Moves the window onto the desktop by the restore's rules, its size kept; a window the desktop
    // holds stays where it is.
    void ClampOntoDesktop(const DesktopLayout& desktop);

    // The edit dialog on this memo, modal; returns when it has closed.
    void OpenEditDialog();
    // Where a menu opens: at the cursor for a right press, inside the memo's top-left corner (within
    // the margin) for the keyboard.
    enum class MenuPlace
    {
        Cursor,
        Corner
    };
    void PopupMemoMenu(MenuPlace place = MenuPlace::Cursor);
    void PopupCopyMenu(MenuPlace place = MenuPlace::Cursor);
    // Undo is offered only when there is a previous text and it differs from the current one.
    void UpdateUndoItem();
    // One item "n行目をコピー" per line of the text, tagged with its line number from 1.
    void FillCopyMenu();

    // Puts the line of the chosen copy-line item on the clipboard; any other sender does nothing.
    void CopyLineClick(ui::Component& sender);
    // Replaces the text by the clipboard's text (the empty text when it holds none).
    void miPasteClick(ui::Component& sender);
    // The same; false when the clipboard's text holds characters the code page lacks and the user
    // would rather not have them as "?": then the memo is left as it was.
    bool PasteClipboardText();

protected:
    void CreateParams(CreateParamsData& params) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void BindHandlers();
    // madeAt: the rectangle to make the window at instead of the design one and its client size.
    TMemoWindow(ui::Form* owner, std::optional<RECT> madeAt);
    // Trims the final run of CR and LF, makes the first line the caption, keeps the text shown so
    // far as the undo text and gives the label the text; sizes nothing.
    void TakeText(const std::string& text);
    // Label and window exactly as large as the label's text.
    void FitToText();
    // The client area is as large as the text (the user has not resized the memo by its frame).
    bool FittedToText() const;
    // The record's size is the one the text had at the record's DPI: its client area, the border
    // and the sizing frame at that DPI.
    bool RecordFitsTextAtItsDpi(const CWindowInfo& info) const;
    // A restored memo whose record was saved at another DPI than its window's: fitted to its text
    // again when it was fitted to it then, otherwise the stored size scaled by the ratio; at the
    // stored place either way.
    void RestoreFromOtherDpi(const CWindowInfo& info, const DesktopLayout& desktop);
    // WM_DPICHANGED: the memo measures its text at the new DPI (or scales the size the user gave
    // it) and goes to the place the system suggests.
    void MoveToDpi(int dpi, const RECT& suggested);
    void ColorFormAndLabel(COLORREF color);
    POINT MenuPoint(MenuPlace place) const;
    // Shift+F10 or the Menu key: the context menu; with Ctrl (Ctrl and the Menu key), the copy-line
    // menu.
    void MenuKey();
    ui::Label& MemoLabel() const { return *label_; }

    void FormClose(ui::Component& sender, ui::CloseAction& action);
    // Why a memo leaves the desktop: only one the user closed is kept among the deleted memos.
    enum class LeaveReason
    {
        UserClosed,
        Replaced
    };
    // Out of the registry, kept among the deleted memos when the user closed it and it has a text,
    // and a memo of the program destroyed once no handler runs.
    void LeaveDesktop(LeaveReason reason);
    void FormClick(ui::Component& sender);
    void LabelMouseDown(ui::Component& sender, ui::MouseButton button, ui::ShiftState shift, int x, int y);
    void LabelStartDrag(ui::Component& sender, std::unique_ptr<ui::DragObject>& dragObject);
    void miEditClick(ui::Component& sender);
    void miUndoClick(ui::Component& sender);
    void miCopyClick(ui::Component& sender);
    void miHagasuClick(ui::Component& sender);

    std::string FUndoText;
    // The last left press on the text, for telling a double click at the start of a drag.
    std::unique_ptr<TClickInfo> FClickInfo;
    ui::Label* label_ = nullptr; // the label of the form data, which holds the memo text
    std::optional<RECT> madeAt_;
    // Made by Create or CreateRestored: the program owns it and frees it once it is closed. Memo
    // windows that a test owns itself are only closed.
    bool freedWhenClosed_ = false;
    bool replaced_ = false; // set by CloseReplaced
};
