#pragma once
// Reading typed values out of form-data properties, with errors that name the line and property.

#include "FormData.h"

#include <windows.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace ui {

int IntegerValue(const FormProperty& property);
bool BoolValue(const FormProperty& property);
std::wstring TextValue(const FormProperty& property);
const std::string& IdentifierValue(const FormProperty& property);
const std::vector<std::string>& SetValue(const FormProperty& property);

// A colour: a number (0x00BBGGRR) or one of the names clBtnFace, clWindow, clWindowText, clBlue,
// clBlack, clWhite. System colours are kept as 0x80000000 | COLOR_xxx and resolved when painting.
COLORREF ColorValue(const FormProperty& property);
COLORREF ResolveColor(COLORREF color);

[[noreturn]] void ThrowBadValue(const FormProperty& property, const std::string& expected);

// The value that an identifier out of a fixed list stands for; any other identifier raises an
// error that lists the names in their order ("a, b or c").
template <class T>
T ChoiceValue(const FormProperty& property, std::initializer_list<std::pair<const char*, T>> choices)
{
    const std::string& name = IdentifierValue(property);
    std::string expected;
    std::size_t index = 0;
    for (const auto& [choice, value] : choices) {
        if (name == choice)
            return value;
        if (index > 0)
            expected += index + 1 == choices.size() ? " or " : ", ";
        expected += choice;
        ++index;
    }
    ThrowBadValue(property, expected);
}

// A set of names out of a fixed list, each of which turns one flag on; the flags of the names not
// in the set are turned off. Any other name raises an error that lists the names ("a set of a, b, c").
void FlagSetValue(const FormProperty& property, std::initializer_list<std::pair<const char*, bool*>> flags);

} // namespace ui
