#pragma once
// The modal dialog in which the user types or changes one memo's text. OK puts the text into the
// memo; Cancel leaves it as it was. Emptying the text deletes the memo (after a question), and a
// new memo left empty is discarded without one.

#include "Form.h"

class TMemoWindow;

class TEditMemo : public ui::Form {
public:
    // Owned by the memo window it edits; the edit box starts with the memo's text, byte for byte.
    explicit TEditMemo(TMemoWindow& memoWindow);

private:
    void OKBtnClick(ui::Component& sender);
    void CancelBtnClick(ui::Component& sender);
    // Deals with an empty edit text or memo text; true when the button must do nothing more.
    bool HandleEmptyText(bool cancelling);
    bool UserConfirmsDeletion();
    // Closes the memo (it leaves the registry and is hidden; the program destroys it once no
    // handler runs), then this dialog.
    void CloseMemoAndDialog();
    std::string EditText();

    TMemoWindow& FMemoWindow;
};
