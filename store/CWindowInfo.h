#pragma once

#include "MemoColors.h"
#include "serialize/ITarget.h"

#include <cstdint>

// A memo's colour and outer window rectangle as info.ini stores it. A record that is made before
// its keys are read (and keeps a field whose key is missing) holds the place, size and colour of a
// new memo, so nothing undefined ever reaches a window.
//
// The rectangle is in the memo's own pixels, as the window had it, at the DPI of its monitor then
// (Dpi). The key "Dpi" is written only for another DPI than 96, so a file written at 96 DPI has the
// bytes it always had and an older Kamifuda reads every file (it ignores the key); a record without
// it was saved at 96 DPI, which is also what a Kamifuda that knew nothing of DPIs saw (Windows
// gives such a program 96-DPI coordinates).
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
    static constexpr std::int32_t kDefaultDpi = 96;

    CWindowInfo();
    CWindowInfo(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height, std::int32_t color,
                std::int32_t dpi = kDefaultDpi);

    // Color, Left, Top, Width, Height, then Dpi when it is not 96. A failure on Color is ignored
    // (the colour is kept); failures on the next four reach the caller; a missing or unusable Dpi
    // reads as 96.
    void Serialize(Serialize::ASerialize& store) override;

    // Equal in all six fields.
    bool operator==(const CWindowInfo& other) const;

private:
    void ExchangeDpi(Serialize::ASerialize& store);

public:
    std::int32_t Left;
    std::int32_t Top;
    std::int32_t Width;
    std::int32_t Height;
    std::int32_t Color;
    std::int32_t Dpi;
};
