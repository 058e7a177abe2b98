#pragma once

#include <string>

namespace base {

// The system's text for a Win32 error code, without the trailing line break; "error <code>" when
// the system has none. Windows only.
std::wstring SystemErrorText(unsigned long error);

} // namespace base
