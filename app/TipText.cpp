#include "TipText.h"

#include "text/WholeCharacters.h"

#include <cstring>

void CopyTipText(const std::string& title, char (&tip)[128])
{
    const std::string_view copied = WholeCharacterPrefix(title, sizeof tip - 1);
    std::memcpy(tip, copied.data(), copied.size());
    tip[copied.size()] = '\0';
}
