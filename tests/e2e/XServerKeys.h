#pragma once

#include <windows.h>

// Modifier keys held at the X server, for tests that run under Wine.
//
// Wine takes the state of the modifier keys (Shift, Ctrl, Alt) from the X server on every X
// KeymapNotify, which the server sends after each FocusIn and each EnterNotify (the pointer entering
// a window). The server never sees keys that SendInput injects, so a modifier held that way reads
// as released after the next such event, which never happens to a key a person holds. Pressed
// through the server's XTEST extension instead (Debian's xdotool, which tools/setup installs), the
// key reaches the program as a person's key does, through the X server and Wine, and the two agree
// about it whatever focus and pointer events come.
namespace e2e {

// Whether this process runs under Wine, where keys are to be held at the X server.
bool UnderWine();

// Presses or releases a modifier key (VK_SHIFT, VK_CONTROL or VK_MENU) at the X server. Returns
// false, with a test failure naming the reason, when xdotool cannot be started. The key arrives
// a moment later, through whichever window has the X input focus.
bool SendModifierToXServer(WORD virtualKey, bool down);

} // namespace e2e
