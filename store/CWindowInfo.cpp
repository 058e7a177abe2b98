#include "CWindowInfo.h"

#include "serialize/ASerialize.h"
#include "serialize/Error.h"
#include "serialize/Exchange.h"

#include <windows.h>

namespace {
// The outer size of a new memo window: its client area, the border and the sizing frame.
SIZE ComputeDefaultOuterSize()
{
    RECT outer{0, 0, CWindowInfo::kDefaultClientWidth + 2 * CWindowInfo::kBorderWidth,
               CWindowInfo::kDefaultClientHeight + 2 * CWindowInfo::kBorderWidth};
    AdjustWindowRectEx(&outer, WS_POPUP | WS_THICKFRAME, FALSE, WS_EX_TOOLWINDOW);
    return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

const SIZE& DefaultOuterSize()
{
    static const SIZE size = ComputeDefaultOuterSize();
    return size;
}
}

CWindowInfo::CWindowInfo()
    : Left(kDefaultLeft), Top(kDefaultTop), Width(DefaultOuterSize().cx), Height(DefaultOuterSize().cy), Color(kYellow),
      Dpi(kDefaultDpi)
{}

CWindowInfo::CWindowInfo(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                         std::int32_t color, std::int32_t dpi)
    : Left(left), Top(top), Width(width), Height(height), Color(color), Dpi(dpi)
{}

void CWindowInfo::Serialize(Serialize::ASerialize& store)
{
    try {
        Serialize::Exchange(store, "Color", Color);
    } catch (const Serialize::Error&) {
        // Records written before colours were stored have none: such a memo keeps its colour.
    }
    Serialize::Exchange(store, "Left", Left);
    Serialize::Exchange(store, "Top", Top);
    Serialize::Exchange(store, "Width", Width);
    Serialize::Exchange(store, "Height", Height);
    ExchangeDpi(store);
}

void CWindowInfo::ExchangeDpi(Serialize::ASerialize& store)
{
    if (store.IsSaving()) {
        if (Dpi != kDefaultDpi)
            Serialize::Exchange(store, "Dpi", Dpi);
        return;
    }
    Dpi = kDefaultDpi; // also when the key is missing or holds no number
    try {
        Serialize::Exchange(store, "Dpi", Dpi);
    } catch (const Serialize::Error&) {
        // Saved at 96 DPI, or by a Kamifuda that did not know DPIs.
    }
    if (Dpi <= 0)
        Dpi = kDefaultDpi;
}

bool CWindowInfo::operator==(const CWindowInfo& other) const
{
    return Left == other.Left && Top == other.Top && Width == other.Width && Height == other.Height &&
           Color == other.Color && Dpi == other.Dpi;
}
