#pragma once
// A font as form data describes it (Font.Name, Font.Height, Font.Charset, Font.Color, Font.Style).

#include "Handles.h"

#include <string>

namespace ui {

struct FormProperty;

struct FontSpec {
    std::wstring name = L"ＭＳ Ｐゴシック";
    int height = -12; // negative: character height in pixels
    BYTE charset = SHIFTJIS_CHARSET;
    COLORREF color = 0x80000000 | COLOR_WINDOWTEXT;
    bool bold = false, italic = false, underline = false;

    // Applies a Font.* property; false when the property is not about the font.
    bool Apply(const FormProperty& property);
    UniqueFont Create() const;
    // The same font for a window at this DPI: its height (given for 96 DPI) scaled.
    FontSpec AtDpi(int dpi) const;
};

} // namespace ui
