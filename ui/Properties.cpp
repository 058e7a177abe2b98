#include "Properties.h"

#include "Error.h"
#include "Text.h"

#include <algorithm>

namespace ui {
namespace {

constexpr COLORREF kSystemColorFlag = 0x80000000;

const FormValue& Expect(const FormProperty& property, FormValue::Type type, const char* expected)
{
    if (property.value.type != type)
        ThrowBadValue(property, expected);
    return property.value;
}

} // namespace

void ThrowBadValue(const FormProperty& property, const std::string& expected)
{
    throw Error("form data, line " + std::to_string(property.line) + ": '" + property.name + "' takes " + expected);
}

void FlagSetValue(const FormProperty& property, std::initializer_list<std::pair<const char*, bool*>> flags)
{
    for (const auto& [name, flag] : flags)
        *flag = false;
    for (const std::string& member : SetValue(property)) {
        const auto named = std::find_if(flags.begin(), flags.end(), [&](const auto& f) { return member == f.first; });
        if (named == flags.end()) {
            std::string expected;
            for (const auto& [name, flag] : flags)
                expected += (expected.empty() ? "a set of " : ", ") + std::string(name);
            ThrowBadValue(property, expected);
        }
        *named->second = true;
    }
}

int IntegerValue(const FormProperty& property)
{
    return static_cast<int>(Expect(property, FormValue::Type::Integer, "a number").integer);
}

bool BoolValue(const FormProperty& property)
{
    const std::string& id = Expect(property, FormValue::Type::Identifier, "true or false").text;
    if (id == "true" || id == "True")
        return true;
    if (id == "false" || id == "False")
        return false;
    ThrowBadValue(property, "true or false");
}

std::wstring TextValue(const FormProperty& property)
{
    return Utf8ToWide(Expect(property, FormValue::Type::String, "a quoted text").text);
}

const std::string& IdentifierValue(const FormProperty& property)
{
    return Expect(property, FormValue::Type::Identifier, "a name").text;
}

const std::vector<std::string>& SetValue(const FormProperty& property)
{
    return Expect(property, FormValue::Type::Set, "a set [a, b]").elements;
}

COLORREF ColorValue(const FormProperty& property)
{
    if (property.value.type == FormValue::Type::Integer)
        return static_cast<COLORREF>(property.value.integer);
    const std::string& name = IdentifierValue(property);
    struct Named {
        const char* name;
        COLORREF color;
    };
    static const Named names[] = {
        {"clBtnFace", kSystemColorFlag | COLOR_BTNFACE},
        {"clWindow", kSystemColorFlag | COLOR_WINDOW},
        {"clWindowText", kSystemColorFlag | COLOR_WINDOWTEXT},
        {"clBlue", RGB(0, 0, 255)},
        {"clBlack", RGB(0, 0, 0)},
        {"clWhite", RGB(255, 255, 255)},
    };
    for (const auto& n : names)
        if (name == n.name)
            return n.color;
    ThrowBadValue(property, "a colour");
}

COLORREF ResolveColor(COLORREF color)
{
    return (color & kSystemColorFlag) ? GetSysColor(static_cast<int>(color & 0xFF)) : color;
}

} // namespace ui
