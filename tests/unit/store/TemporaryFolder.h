#pragma once

#include "base/NonCopyable.h"

#include <initializer_list>
#include <string>
#include <utility>

// A fresh, empty folder beside the test program, removed with its files at the end. Paths are wide,
// as the store takes them; the names of the files in it are plain ASCII.
class TemporaryFolder : private base::NonCopyable {
public:
    TemporaryFolder();
    ~TemporaryFolder();

    const std::wstring& Path() const { return path; }
    std::wstring File(const std::string& name) const;

    // Whole-file helpers for checking bytes on the disk.
    void Write(const std::string& name, const std::string& bytes) const;
    // Several files at once: name and bytes of each.
    void Write(std::initializer_list<std::pair<std::string, std::string>> files) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    // The names of all files in the folder, sorted.
    std::string Listing() const;

private:
    std::wstring path;
};
