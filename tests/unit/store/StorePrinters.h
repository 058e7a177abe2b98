#pragma once

#include "store/CWindowInfo.h"
#include "store/MemoState.h"

#include <ostream>

// Readable failure messages for the store's records.
inline void PrintTo(const CWindowInfo& info, std::ostream* out)
{
    *out << "{L " << info.Left << ", T " << info.Top << ", W " << info.Width << ", H " << info.Height << ", C 0x"
         << std::hex << info.Color << std::dec << ", D " << info.Dpi << "}";
}
