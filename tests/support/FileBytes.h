#pragma once
// Whole files as the tests write and check them: every byte as it is, no line-end conversion.

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

// The exact bytes of a file, or nothing if it does not exist or cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file);

// The whole content of an open file, read from its start; nothing if it cannot be read.
std::optional<std::string> ReadOpenFile(HANDLE file);

// The file made anew with exactly these bytes.
void WriteFileBytes(const std::filesystem::path& file, const std::string& bytes);
