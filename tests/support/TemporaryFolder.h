#pragma once

#include "base/NonCopyable.h"

#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>

// A new, empty folder under the temporary directory, removed with everything in it at the end.
// The store takes its paths wide, as Path() and File() convert to; the names of the files in it are
// plain ASCII.
class TemporaryFolder : private base::NonCopyable {
public:
    TemporaryFolder();
    ~TemporaryFolder();

    const std::filesystem::path& Path() const noexcept { return path_; }
    std::wstring File(const std::string& name) const;

    // Whole-file helpers for checking bytes on the disk; a missing file reads as empty.
    void Write(const std::string& name, const std::string& bytes) const;
    // Several files at once: name and bytes of each.
    void Write(std::initializer_list<std::pair<std::string, std::string>> files) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    // The names of all files in the folder, sorted, separated by blanks.
    std::string Listing() const;

private:
    std::filesystem::path path_;
};
