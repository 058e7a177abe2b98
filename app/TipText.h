#pragma once

#include <string>

// Copies the title into a tray tip buffer of 128 bytes: at most 127 bytes and a terminating zero,
// never cutting a double-byte character of the ANSI code page in two.
void CopyTipText(const std::string& title, char (&tip)[128]);
