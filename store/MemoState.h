#pragma once

#include "CWindowInfo.h"

#include <string>
#include <utility>
#include <vector>

// The texts and records of all memos, paired by position: texts[i] belongs to infos[i].
struct MemoState {
    std::vector<std::string> texts;
    std::vector<CWindowInfo> infos;

    // Adds a memo after the others, its text and its record at the same position.
    void Add(std::string text, const CWindowInfo& info)
    {
        texts.push_back(std::move(text));
        infos.push_back(info);
    }

    // Same length and equal at every position: texts byte for byte (letter case counts),
    // records in all five fields.
    bool operator==(const MemoState& other) const = default;
};
