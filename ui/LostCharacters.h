#pragma once
// Characters a text lost on its way into the ANSI code page (base/WideText.h), told to the user:
// nothing is dropped without a word.

#include <string>
#include <vector>

namespace ui {

// The characters for a message, each in corner brackets with its code point, 「é」(U+00E9), one
// after the other; after the fifth, "…" stands for the rest.
std::wstring LostCharactersList(const std::vector<char32_t>& lost);

// Whether a text that lost these characters may go in with "?" in their place: true when nothing
// was lost, otherwise the user's answer to a question naming them (OK: yes, Cancel: no).
bool UserAcceptsLostCharacters(const std::vector<char32_t>& lost);

} // namespace ui
