#include "ASerialize.h"

#include "Error.h"
#include "ITarget.h"
#include "ValueText.h"

#ifdef _WIN32
#include "base/WideText.h"
#endif

namespace Serialize {

namespace {

// Type tags, the last component of a typed value's key. "INT " ends in a blank.
constexpr const char* kTagUInt = "UINT";
constexpr const char* kTagInt = "INT ";
constexpr const char* kTagDouble = "DOBL";
constexpr const char* kTagBool = "BOOL";

} // namespace

// Pushes one key component for the lifetime of the scope. Popping also when an exception passes
// keeps the path consistent, so a read that failed inside an object does not spoil later keys.
// The scope that empties the path again ends the outermost operation.
class ASerialize::PathScope {
public:
    PathScope(ASerialize& store, const std::string& component) : store_(store) { store_.path_.push_back(component); }
    ~PathScope()
    {
        store_.path_.pop_back();
        if (store_.path_.empty()) {
            store_.OperationEnded();
        }
    }

    PathScope(const PathScope&) = delete;
    PathScope& operator=(const PathScope&) = delete;

private:
    ASerialize& store_;
};

void ASerialize::WriteString(const std::string& key, const std::string& text)
{
    PathScope keyScope(*this, key);
    WriteRaw(path_, text);
}

void ASerialize::ReadString(const std::string& key, std::string& text)
{
    PathScope keyScope(*this, key);
    text = ReadRaw(path_);
}

void ASerialize::WriteUInt(const std::string& key, std::uint32_t value)
{
    WriteTagged(key, kTagUInt, FormatUInt(value));
}

void ASerialize::ReadUInt(const std::string& key, std::uint32_t& value)
{
    ParseUInt(ReadTagged(key, kTagUInt), value);
}

void ASerialize::WriteInt(const std::string& key, std::int32_t value)
{
    WriteTagged(key, kTagInt, FormatInt(value));
}

void ASerialize::ReadInt(const std::string& key, std::int32_t& value)
{
    ParseInt(ReadTagged(key, kTagInt), value);
}

void ASerialize::WriteDouble(const std::string& key, double value)
{
    WriteTagged(key, kTagDouble, FormatDouble(value));
}

void ASerialize::ReadDouble(const std::string& key, double& value)
{
    ParseDouble(ReadTagged(key, kTagDouble), value);
}

void ASerialize::WriteBool(const std::string& key, bool value)
{
    WriteTagged(key, kTagBool, FormatBool(value));
}

void ASerialize::ReadBool(const std::string& key, bool& value)
{
    ParseBool(ReadTagged(key, kTagBool), value);
}

void ASerialize::WriteObject(const std::string& key, ITarget& target)
{
    ExchangeObject(key, target, true);
}

void ASerialize::ReadObject(const std::string& key, ITarget& target)
{
    ExchangeObject(key, target, false);
}

#ifdef _WIN32
void ASerialize::WriteString(const std::string& key, const std::wstring& text)
{
    WriteString(key, base::WideToAnsi(text));
}

void ASerialize::ReadString(const std::string& key, std::wstring& text)
{
    std::string bytes;
    ReadString(key, bytes);
    text = base::AnsiToWide(bytes);
}
#endif

void ASerialize::WriteTagged(const std::string& key, const char* tag, const std::string& text)
{
    PathScope keyScope(*this, key);
    PathScope tagScope(*this, tag);
    WriteRaw(path_, text);
}

std::string ASerialize::ReadTagged(const std::string& key, const char* tag)
{
    std::string text;
    {
        PathScope keyScope(*this, key);
        PathScope tagScope(*this, tag);
        text = ReadRaw(path_);
    }
    if (text.empty()) {
        throw Error();
    }
    return text;
}

void ASerialize::ExchangeObject(const std::string& key, ITarget& target, bool saveMode)
{
    saving_ = saveMode;
    PathScope keyScope(*this, key);
    target.Serialize(*this);
}

} // namespace Serialize
