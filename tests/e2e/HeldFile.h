#pragma once

#include "UniqueHandle.h"

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

namespace e2e {

// A file this test process keeps open without sharing, as an editor, a backup tool or a virus
// scanner might: nobody else can open, replace or delete it until Release or the end of the scope.
class HeldFile {
public:
    explicit HeldFile(const std::filesystem::path& file);

    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    bool Holding() const noexcept { return static_cast<bool>(handle_); }
    // The whole content, read through the held handle (nobody else can read it meanwhile).
    std::optional<std::string> Bytes() const;
    void Release();

private:
    UniqueHandle handle_;
};

} // namespace e2e
