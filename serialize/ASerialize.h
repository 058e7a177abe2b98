#pragma once

#include "base/NonCopyable.h"

#include <cstdint>
#include <string>

#include "KeyPath.h"

namespace Serialize {

class ITarget;

// Abstract typed store. Every typed value is kept as a short text under its key path: the keys of
// the enclosing objects, the value's key and a four-character type tag. WriteObject and ReadObject
// set the mode that Exchange reads, so one Serialize operation of a target serves both directions.
// Derived classes supply the backing storage (WriteRaw, ReadRaw, Clear).
class ASerialize : private base::NonCopyable {
public:
    ASerialize() = default;
    virtual ~ASerialize() = default;

    // Texts are stored unchanged and without a tag; a missing text reads as empty, without error.
    virtual void WriteString(const std::string& key, const std::string& text);
    virtual void ReadString(const std::string& key, std::string& text);

    // Typed reads raise Error when no value is stored. A stored text that is not a number leaves
    // the variable as it was.
    virtual void WriteUInt(const std::string& key, std::uint32_t value);
    virtual void ReadUInt(const std::string& key, std::uint32_t& value);
    virtual void WriteInt(const std::string& key, std::int32_t value);
    virtual void ReadInt(const std::string& key, std::int32_t& value);
    virtual void WriteDouble(const std::string& key, double value);
    virtual void ReadDouble(const std::string& key, double& value);
    virtual void WriteBool(const std::string& key, bool value);
    virtual void ReadBool(const std::string& key, bool& value);

    // Sets the mode (writing or reading) and hands the store to the target one level deeper.
    virtual void WriteObject(const std::string& key, ITarget& target);
    virtual void ReadObject(const std::string& key, ITarget& target);

#ifdef _WIN32
    // The user-interface string type: converted from and to the ANSI code page.
    virtual void WriteString(const std::string& key, const std::wstring& text);
    virtual void ReadString(const std::string& key, std::wstring& text);
#endif

    virtual void WriteRaw(const KeyPath& path, const std::string& text) = 0;
    // The stored text, or an empty text when there is none.
    virtual std::string ReadRaw(const KeyPath& path) = 0;
    // Removes everything the storage holds.
    virtual void Clear() = 0;

    // True while WriteObject runs, false while ReadObject runs.
    bool IsSaving() const
    {
        return saving_;
    }

    // The components pushed by the operations now running; empty between calls.
    const KeyPath& CurrentPath() const
    {
        return path_;
    }

protected:
    // Called when an outermost operation (a WriteObject, a ReadObject, or a typed value or text
    // written or read on its own) has ended, also when an exception passes: a backing storage may
    // hold its data in memory for the operation and write it out here once. Must not throw.
    virtual void OperationEnded() noexcept {}

private:
    class PathScope;

    void WriteTagged(const std::string& key, const char* tag, const std::string& text);
    // Raises Error when the stored text is empty.
    std::string ReadTagged(const std::string& key, const char* tag);
    void ExchangeObject(const std::string& key, ITarget& target, bool saveMode);

    KeyPath path_;
    bool saving_ = false;
};

} // namespace Serialize
