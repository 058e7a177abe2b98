#pragma once

#include <cstdint>
#include <string>

// Used by the Serialize operations of stored objects: each writes the member when the store is
// saving and reads it otherwise.
namespace Serialize {

class ASerialize;
class ITarget;

void Exchange(ASerialize& store, const std::string& key, std::int32_t& value);
void Exchange(ASerialize& store, const std::string& key, std::uint32_t& value);
void Exchange(ASerialize& store, const std::string& key, ITarget& target);

} // namespace Serialize
