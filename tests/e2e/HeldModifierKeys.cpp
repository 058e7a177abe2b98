#include "HeldModifierKeys.h"

#include "Input.h"
#include "Wait.h"
#include "XServerKeys.h"

#include <gtest/gtest.h>

namespace e2e {

namespace {

bool ReadsHeld(WORD key)
{
    return GetAsyncKeyState(key) < 0;
}

// Presses or lets go of the key; true once the system reads it so.
bool SendAndWait(WORD key, bool down)
{
    if (UnderWine()) {
        if (!SendModifierToXServer(key, down))
            return false;
        // A release that reaches X while no window of Wine has the focus (the dialog that the key
        // closed is gone) never reaches Wine: it is told through SendInput as well.
        if (!down)
            LetGoKey(key);
    } else if (down) {
        HoldKey(key);
    } else {
        LetGoKey(key);
    }
    return WaitUntil([&] { return ReadsHeld(key) == down; });
}

} // namespace

HeldModifierKeys::HeldModifierKeys(const std::vector<WORD>& keys)
{
    for (WORD key : keys) {
        pressed_.push_back(key);
        if (!SendAndWait(key, true)) {
            ADD_FAILURE() << "the key " << key << " was not read as held";
            allHeld_ = false;
            return;
        }
    }
}

HeldModifierKeys::~HeldModifierKeys()
{
    for (auto key = pressed_.rbegin(); key != pressed_.rend(); ++key) {
        // A key left down would hold for every test after this one.
        if (!SendAndWait(*key, false))
            ADD_FAILURE() << "the key " << *key << " was not read as let go";
    }
}

} // namespace e2e
