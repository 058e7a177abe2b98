#include "FileBytes.h"

#include <fstream>
#include <iterator>

namespace e2e {

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

} // namespace e2e
