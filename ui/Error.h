#pragma once

#include <stdexcept>
#include <string>

namespace ui {

// A failure of the user-interface layer. The message is UTF-8 and is shown to the user as it is.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raises an Error naming a failed Win32 call and the system's reason (from GetLastError).
[[noreturn]] void ThrowLastError(const std::string& call);

} // namespace ui
