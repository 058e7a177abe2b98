#pragma once
// What is done to all open memos at once on the screen: memos are tool windows, neither topmost nor
// in the task bar or the Alt+Tab list, so other programs' windows bury them and a change of the
// displays can leave them where no screen shows them.

#include "store/DesktopClamp.h"

// Brings every memo of the registry in front of other programs' windows, keeping their order among
// themselves, and activates the front one, so that the keyboard reaches it.
void BringMemosToFront();

// Moves every memo of the registry that the desktop no longer holds onto it by the restore's rules;
// memos it holds stay where they are. The timer's save finds the new places as any move.
void KeepMemosOnDesktop(const DesktopLayout& desktop);
