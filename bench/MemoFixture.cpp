#include "MemoFixture.h"

#include <array>
#include <cstdint>
#include <string>

namespace
{
// Yellow, green, blue and red, as COLORREF values.
constexpr std::array<std::int32_t, 4> kMemoColors = {0x00A5FFFF, 0x00C8FFC8, 0x00FFC8C8, 0x00C8C8FF};

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
        const std::int32_t color = kMemoColors[static_cast<std::size_t>(i) % kMemoColors.size()];
        state.texts.push_back("Memo " + std::to_string(i + 1));
        state.infos.emplace_back(left, top, kWidth, kHeight, color);
    }
    return state;
}
