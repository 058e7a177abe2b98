#pragma once

#include "base/NonCopyable.h"

#include <filesystem>

namespace e2e {

// A new, empty folder under the temporary directory, removed with everything in it at the end.
class TempFolder : private base::NonCopyable {
public:
    TempFolder();
    ~TempFolder();

    const std::filesystem::path& Path() const noexcept { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace e2e
