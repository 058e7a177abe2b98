#pragma once

#include <string>
#include <vector>

namespace Serialize {

// The key path of a stored value, outermost component first.
using KeyPath = std::vector<std::string>;

// The INI key of a path: its components joined with "#". A "#" goes before a component only when
// the text built so far is not empty, so an empty first component adds no leading "#", while an
// empty component in the middle gives two "#" in a row.
std::string JoinKeyPath(const KeyPath& path);

} // namespace Serialize
