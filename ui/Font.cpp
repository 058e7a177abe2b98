#include "Font.h"

#include "Dpi.h"
#include "Error.h"
#include "FormData.h"
#include "Properties.h"

namespace ui {

bool FontSpec::Apply(const FormProperty& property)
{
    if (property.name.rfind("Font.", 0) != 0)
        return false;
    std::string part = property.name.substr(5);
    if (part == "Name") {
        name = TextValue(property);
    } else if (part == "Height") {
        height = IntegerValue(property);
    } else if (part == "Charset") {
        charset =
            ChoiceValue<BYTE>(property, {{"SHIFTJIS_CHARSET", SHIFTJIS_CHARSET}, {"DEFAULT_CHARSET", DEFAULT_CHARSET}});
    } else if (part == "Color") {
        color = ColorValue(property);
    } else if (part == "Style") {
        FlagSetValue(property, {{"fsBold", &bold}, {"fsItalic", &italic}, {"fsUnderline", &underline}});
    } else {
        return false;
    }
    return true;
}

UniqueFont FontSpec::Create() const
{
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    lf.lfCharSet = charset;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    lstrcpynW(lf.lfFaceName, name.c_str(), LF_FACESIZE);
    UniqueFont font(CreateFontIndirectW(&lf));
    if (!font)
        ThrowLastError("CreateFontIndirectW");
    return font;
}

FontSpec FontSpec::AtDpi(int dpi) const
{
    FontSpec scaled = *this;
    scaled.height = ScaleToDpi(height, dpi);
    return scaled;
}

} // namespace ui
