#include "FileBesideModule.h"

namespace Serialize {

namespace {

constexpr char kSeparator = '\\';

// Offset of the last separator that is a character of its own, or npos.
std::size_t LastSeparator(const std::string& path, LeadBytePredicate isLeadByte)
{
    std::size_t last = std::string::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (isLeadByte(static_cast<unsigned char>(path[i]))) {
            ++i; // the trail byte belongs to the same character
        } else if (path[i] == kSeparator) {
            last = i;
        }
    }
    return last;
}

} // namespace

std::string FileBesideModule(const std::string& modulePath, const std::string& fileName,
                             LeadBytePredicate isLeadByte)
{
    const std::size_t separator = LastSeparator(modulePath, isLeadByte);
    const std::string directory = separator == std::string::npos ? modulePath : modulePath.substr(0, separator);
    return directory + kSeparator + fileName;
}

} // namespace Serialize
