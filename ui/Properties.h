#pragma once
// Reading typed values out of form-data properties, with errors that name the line and property.

#include "FormData.h"

#include <windows.h>

#include <string>
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

} // namespace ui
