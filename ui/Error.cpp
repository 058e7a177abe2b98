#include "Error.h"

#include "Text.h"

#include <windows.h>

namespace ui {

void ThrowLastError(const std::string& call)
{
    DWORD error = GetLastError();
    throw Error(call + " failed: " + LastErrorText(error));
}

} // namespace ui
