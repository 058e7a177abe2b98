#pragma once

#include "base/NonCopyable.h"

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

// A file this test process keeps open without sharing, as an editor, a backup tool or a virus
// scanner might: nobody else can open, replace or delete it until Release or the end of the scope.
// The unit tests hold the files of the store's functions, the end-to-end tests the program's.
class HeldFile : private base::NonCopyable {
public:
    explicit HeldFile(const std::filesystem::path& file);
    ~HeldFile() { Release(); }

    bool Holding() const noexcept { return handle_ != INVALID_HANDLE_VALUE; }
    // The whole content, read through the held handle (nobody else can read it meanwhile).
    std::optional<std::string> Bytes() const;
    void Release();

private:
    HANDLE handle_;
};
