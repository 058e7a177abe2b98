#pragma once

namespace Serialize {

class ASerialize;

// Anything that can be stored. Serialize hands every member to the store (through Exchange) with
// the member's key; the store's mode decides whether the member is written or read, so one
// description of the members serves both directions.
class ITarget {
public:
    virtual ~ITarget() = default;
    virtual void Serialize(ASerialize& store) = 0;

protected:
    ITarget() = default;
    ITarget(const ITarget&) = default;
    ITarget& operator=(const ITarget&) = default;
};

} // namespace Serialize
