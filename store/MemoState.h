#pragma once

#include "CWindowInfo.h"

#include <string>
#include <vector>

// The texts and records of all memos, paired by position: texts[i] belongs to infos[i].
struct MemoState
{
    std::vector<std::string> texts;
    std::vector<CWindowInfo> infos;

    // Same length and equal at every position: texts byte for byte (letter case counts),
    // records in all five fields.
    bool operator==(const MemoState& other) const = default;
};
