#include "Exchange.h"

#include "ASerialize.h"

namespace Serialize {

void Exchange(ASerialize& store, const std::string& key, std::int32_t& value)
{
    if (store.IsSaving()) {
        store.WriteInt(key, value);
    } else {
        store.ReadInt(key, value);
    }
}

void Exchange(ASerialize& store, const std::string& key, std::uint32_t& value)
{
    if (store.IsSaving()) {
        store.WriteUInt(key, value);
    } else {
        store.ReadUInt(key, value);
    }
}

void Exchange(ASerialize& store, const std::string& key, ITarget& target)
{
    if (store.IsSaving()) {
        store.WriteObject(key, target);
    } else {
        store.ReadObject(key, target);
    }
}

} // namespace Serialize
