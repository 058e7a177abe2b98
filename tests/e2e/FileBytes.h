#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace e2e {

// The exact bytes of a file, or nothing if it does not exist or cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file);

} // namespace e2e
