#pragma once

#include <string>

// A fresh, empty folder beside the test program, removed with its files at the end.
class TemporaryFolder
{
public:
    TemporaryFolder();
    ~TemporaryFolder();

    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& Path() const { return path; }
    std::string File(const std::string& name) const;

    // Whole-file helpers for checking bytes on the disk.
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    // The names of all files in the folder, sorted.
    std::string Listing() const;

private:
    std::string path;
};
