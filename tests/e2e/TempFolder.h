#pragma once

#include <filesystem>

namespace e2e {

// A new, empty folder under the temporary directory, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();

    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const noexcept { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace e2e
