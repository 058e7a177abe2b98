#include "LostCharacters.h"

#include "Application.h"

#include <cwchar>

namespace ui {

namespace {
constexpr std::size_t kMostNamed = 5;
constexpr char32_t kFirstSupplementary = 0x10000;

bool IsSurrogate(char32_t c)
{
    return c >= 0xD800 && c <= 0xDFFF;
}

// The character as UTF-16; a lone surrogate is shown by its code point alone.
std::wstring Shown(char32_t c)
{
    if (IsSurrogate(c))
        return {};
    if (c < kFirstSupplementary)
        return std::wstring(1, static_cast<wchar_t>(c));
    const char32_t offset = c - kFirstSupplementary;
    return {static_cast<wchar_t>(0xD800 + (offset >> 10)), static_cast<wchar_t>(0xDC00 + (offset & 0x3FF))};
}

std::wstring CodePoint(char32_t c)
{
    wchar_t text[16];
    std::swprintf(text, sizeof text / sizeof text[0], L"U+%04X", static_cast<unsigned>(c));
    return text;
}
} // namespace

std::wstring LostCharactersList(const std::vector<char32_t>& lost)
{
    std::wstring list;
    for (std::size_t i = 0; i < lost.size() && i < kMostNamed; ++i) {
        if (i > 0)
            list += L"\x3000"; // an ideographic space between them
        list += L"「" + Shown(lost[i]) + L"」(" + CodePoint(lost[i]) + L")";
    }
    if (lost.size() > kMostNamed)
        list += L"\x3000…";
    return list;
}

bool UserAcceptsLostCharacters(const std::vector<char32_t>& lost)
{
    if (lost.empty())
        return true;
    const std::wstring text = L"次の文字はメモに保存できないため、「?」に置き換わります。\n\n" +
                              LostCharactersList(lost) +
                              L"\n\nこのまま続けますか？「キャンセル」を選ぶと、何も変わりません。";
    return Application::Instance().ShowMessageBox(text, MB_OKCANCEL | MB_ICONWARNING) == IDOK;
}

} // namespace ui
