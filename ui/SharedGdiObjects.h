#pragma once
// Fonts and brushes shared by all forms and controls of the process. Windows allows a process
// 10,000 GDI objects; a font and a brush per memo window would spend two of them on each memo,
// although all memos use one font and four colours. Made on first use and kept until the process
// ends, so no window can be left holding a deleted one.

#include <windows.h>

namespace ui {

struct FontSpec;

// The font of this description (name, height, charset, style; the text colour is not part of it).
HFONT SharedFont(const FontSpec& description);

// A solid brush of this colour (an RGB value, system colours already resolved).
HBRUSH SharedSolidBrush(COLORREF color);

} // namespace ui
