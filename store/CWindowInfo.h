#pragma once

#include "MemoColors.h"
#include "serialize/ITarget.h"

#include <cstdint>

// A memo's colour and outer window rectangle as info.ini stores it. A record that is made before
// its keys are read (and keeps a field whose key is missing) holds the place, size and colour of a
// new memo, so nothing undefined ever reaches a window.
class CWindowInfo : public Serialize::ITarget {
public:
    // A new memo's form: top-left corner at 390, 125; a client area of 275 x 53 inside a 5-pixel
    // border and the sizing frame of a pop-up tool window (its width is the system's); yellow.
    static constexpr std::int32_t kDefaultLeft = 390;
    static constexpr std::int32_t kDefaultTop = 125;
    static constexpr std::int32_t kDefaultClientWidth = 275;
    static constexpr std::int32_t kDefaultClientHeight = 53;
    static constexpr std::int32_t kBorderWidth = 5;
    static constexpr std::int32_t kYellow = static_cast<std::int32_t>(kMemoYellow);

    CWindowInfo();
    CWindowInfo(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height, std::int32_t color);

    // Color, Left, Top, Width, Height. A failure on Color is ignored (the colour is kept);
    // failures on the other four reach the caller.
    void Serialize(Serialize::ASerialize& store) override;

    // Equal in all five fields.
    bool operator==(const CWindowInfo& other) const;

    std::int32_t Left;
    std::int32_t Top;
    std::int32_t Width;
    std::int32_t Height;
    std::int32_t Color;
};
