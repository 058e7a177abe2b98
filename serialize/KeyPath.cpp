#include "KeyPath.h"

namespace Serialize {

std::string JoinKeyPath(const KeyPath& path)
{
    std::string key;
    for (const std::string& component : path) {
        if (!key.empty()) {
            key += '#';
        }
        key += component;
    }
    return key;
}

} // namespace Serialize
