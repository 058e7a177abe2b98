#include "TempFolder.h"

#include <windows.h>

#include <stdexcept>
#include <string>

namespace e2e {

TempFolder::TempFolder()
{
    // Process id and tick count make the name unique; the loop covers a leftover of an earlier run.
    const auto base = std::filesystem::temp_directory_path();
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        auto candidate = base / ("kamifuda-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
                                 std::to_string(GetTickCount()) + "-" + std::to_string(attempt));
        if (std::filesystem::create_directory(candidate)) {
            path_ = std::move(candidate);
            return;
        }
    }
    throw std::runtime_error("could not create a temporary folder under " + base.string());
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace e2e
