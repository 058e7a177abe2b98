#include "SaveGenerations.h"

#include <algorithm>

namespace {
constexpr wchar_t kTemporarySuffix[] = L".tmp";
constexpr wchar_t kGenerationSeparator = L'.';
// Keeps every generation written in decimal within an unsigned of 32 bits.
constexpr std::size_t kLongestGeneration = 9;

bool Contains(const std::vector<unsigned>& generations, unsigned generation)
{
    return std::find(generations.begin(), generations.end(), generation) != generations.end();
}

bool IsDecimal(const std::wstring& text)
{
    return !text.empty() && text.size() <= kLongestGeneration && text.front() != L'0' &&
           std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}
}

std::wstring TemporaryName(const std::wstring& dataFileName, unsigned generation)
{
    if (generation == 0)
        return dataFileName + kTemporarySuffix;
    return dataFileName + kGenerationSeparator + std::to_wstring(generation) + kTemporarySuffix;
}

std::optional<unsigned> GenerationOf(const std::wstring& name, const std::wstring& dataFileName)
{
    const std::wstring suffix = kTemporarySuffix;
    if (name.size() < dataFileName.size() + suffix.size() || name.compare(0, dataFileName.size(), dataFileName) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return std::nullopt;
    const std::wstring middle = name.substr(dataFileName.size(), name.size() - dataFileName.size() - suffix.size());
    if (middle.empty())
        return 0u;
    if (middle.front() != kGenerationSeparator || !IsDecimal(middle.substr(1)))
        return std::nullopt;
    return static_cast<unsigned>(std::stoul(middle.substr(1)));
}

unsigned NextGeneration(const LeftoverFiles& left)
{
    if (left.memo.empty() && left.info.empty())
        return 0;
    unsigned highest = 0;
    for (const std::vector<unsigned>* generations : {&left.memo, &left.info})
        for (unsigned generation : *generations)
            highest = std::max(highest, generation);
    return highest + 1;
}

Cleanup PlanCleanup(const LeftoverFiles& left)
{
    Cleanup plan;
    for (unsigned generation : left.info) {
        // A save counts once its temporary memo.txt has become memo.txt.
        if (!Contains(left.memo, generation) && (!plan.pairedInfo || generation > *plan.pairedInfo))
            plan.pairedInfo = generation;
    }
    for (unsigned generation : left.info)
        if (generation != plan.pairedInfo)
            plan.staleInfo.push_back(generation);
    plan.unfinishedMemo = left.memo;
    std::sort(plan.staleInfo.begin(), plan.staleInfo.end());
    std::sort(plan.unfinishedMemo.begin(), plan.unfinishedMemo.end());
    return plan;
}
