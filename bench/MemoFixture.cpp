#include "MemoFixture.h"

#include "store/MemoColors.h"

#include <array>
#include <cstdint>
#include <string>

namespace
{
constexpr std::array<std::uint32_t, 4> kColorsInTurn = {kMemoYellow, kMemoGreen, kMemoBlue, kMemoRed};

constexpr int kColumns = 12;
constexpr int kRows = 20;
constexpr int kColumnStep = 100;
constexpr int kRowStep = 45;
constexpr int kMargin = 20;
constexpr int kWidth = 110;
constexpr int kHeight = 40;
}

MemoState MakeMemos(int n)
{
    MemoState state;
    for (int i = 0; i < n; ++i) {
        const int left = kMargin + (i % kColumns) * kColumnStep;
        const int top = kMargin + (i / kColumns % kRows) * kRowStep;
        const auto color = static_cast<std::int32_t>(kColorsInTurn[static_cast<std::size_t>(i) % kColorsInTurn.size()]);
        state.texts.push_back("Memo " + std::to_string(i + 1));
        state.infos.emplace_back(left, top, kWidth, kHeight, color);
    }
    return state;
}
