#pragma once

#include <string>

class RegEx2;

// Runs Search, ReplaceAll and Split of a compiled RegEx2 on a subject and checks what must hold
// for any pattern: spans inside the subject, prefix + match + suffix giving the subject back,
// no replacement for a subject without matches, and Split cutting exactly where ReplaceAll replaces.
// Aborts on the first property that does not hold.
void CheckRegexOperations(const RegEx2& regex, const std::string& subject);
