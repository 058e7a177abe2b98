#include "MemoCaption.h"

#include "text/WholeCharacters.h"

std::string MemoCaption(const std::string& firstLine)
{
    return std::string(WholeCharacterPrefix(firstLine, kLongestMemoCaption));
}
