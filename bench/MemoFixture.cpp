#include "MemoFixture.h"

#include "store/MemoColors.h"

#include <array>
#include <cstdint>
#include <string>

namespace {
constexpr std::array<std::uint32_t, 4> kColorsInTurn = {kMemoYellow, kMemoGreen, kMemoBlue, kMemoRed};

// Memos of 110 x 40 pixels in 12 columns and 20 rows, 100 and 45 pixels apart: each overlaps the next.
constexpr int kColumns = 12, kRows = 20;
constexpr int kColumnStep = 100, kRowStep = 45;
constexpr int kWidth = 110, kHeight = 40;
constexpr int kMargin = 20;

// Memo i's record: tiled in rows with overlap, the four colours in turn.
CWindowInfo TiledRecord(int i)
{
    const int left = kMargin + (i % kColumns) * kColumnStep;
    const int top = kMargin + (i / kColumns % kRows) * kRowStep;
    const auto color = static_cast<std::int32_t>(kColorsInTurn[static_cast<std::size_t>(i) % kColorsInTurn.size()]);
    return CWindowInfo(left, top, kWidth, kHeight, color);
}
}

MemoState MakeMemos(int n)
{
    MemoState state;
    for (int i = 0; i < n; ++i)
        state.Add("Memo " + std::to_string(i + 1), TiledRecord(i));
    return state;
}
