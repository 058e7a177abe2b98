#include "SharedGdiObjects.h"

#include "Error.h"
#include "Font.h"
#include "Handles.h"

#include <map>
#include <string>
#include <tuple>

namespace ui {

HFONT SharedFont(const FontSpec& description)
{
    using Key = std::tuple<std::wstring, int, BYTE, bool, bool, bool>;
    static std::map<Key, UniqueFont> fonts;
    UniqueFont& slot = fonts[Key{description.name, description.height, description.charset, description.bold,
                                 description.italic, description.underline}];
    if (!slot)
        slot = description.Create();
    return slot.Get();
}

HBRUSH SharedSolidBrush(COLORREF color)
{
    static std::map<COLORREF, UniqueBrush> brushes;
    UniqueBrush& slot = brushes[color];
    if (!slot) {
        slot.Reset(CreateSolidBrush(color));
        if (!slot)
            ThrowLastError("CreateSolidBrush");
    }
    return slot.Get();
}

} // namespace ui
