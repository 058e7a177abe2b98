#include "TClickInfo.h"

#include "CursorPosition.h"

#include <cstdlib>

void TClickInfo::Record(DWORD time, POINT at)
{
    pressTime_ = time;
    pressX_ = at.x;
    pressY_ = at.y;
    hasPress_ = true;
}

bool IsDoubleClickAt(const TClickInfo& info, DWORD now, UINT doubleClickTime, POINT cursor)
{
    if (!info.HasPress())
        return false;
    const DWORD elapsed = now - info.PressTime(); // unsigned: right across a wrap of the counter
    if (elapsed > doubleClickTime)
        return false;
    return std::labs(cursor.x - info.PressX()) < kDoubleClickDistance &&
           std::labs(cursor.y - info.PressY()) < kDoubleClickDistance;
}

bool IsDoubleClick(const TClickInfo& info)
{
    return IsDoubleClickAt(info, GetTickCount(), GetDoubleClickTime(), ui::CursorPosition());
}

void RecordClick(TClickInfo& info)
{
    info.Record(GetTickCount(), ui::CursorPosition());
}
