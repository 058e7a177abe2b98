#include "InfoFile.h"

#include "FileReplacement.h"

#include "serialize/CIniSerialize.h"
#include "serialize/Error.h"
#include "serialize/Exchange.h"
#include "serialize/TargetIsVector.h"

#include <algorithm>
#include <new>

namespace
{
constexpr char kObjectKey[] = "info";
constexpr char kCountKey[] = "size";

// The count of a Serialize::TargetIsVector, read on its own.
class CountTarget : public Serialize::ITarget
{
public:
    void Serialize(Serialize::ASerialize& store) override
    {
        Serialize::Exchange(store, kCountKey, count);
    }

    std::uint32_t count = 0;
};

// One element of a Serialize::TargetIsVector, read on its own.
class RecordTarget : public Serialize::ITarget
{
public:
    explicit RecordTarget(std::uint32_t index) : index(index) {}

    void Serialize(Serialize::ASerialize& store) override
    {
        Serialize::Exchange(store, std::to_string(index), record);
    }

    std::uint32_t index;
    CWindowInfo record;
};

// Serialize::CIniSerialize names its file relative to the executable's folder; callers check
// NameBesideExecutable first.
Serialize::CIniSerialize StoreAt(const std::string& path)
{
    return Serialize::CIniSerialize(nullptr, NameBesideExecutable(path).value());
}

// The profile functions keep a file in a cache (Wine even after the file was deleted or renamed);
// the all-NULL call writes it out and lets go of it, so the next access reads the disk.
void ReleaseProfileCache(const std::string& path)
{
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
}

// A store is not used again after an error (the failing read leaves its key path behind), so
// every read gets a fresh one.
bool TryRead(const std::string& path, Serialize::ITarget& target)
{
    try {
        Serialize::CIniSerialize store = StoreAt(path);
        store.ReadObject(kObjectKey, target);
        return true;
    } catch (const Serialize::Error&) {
        return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

std::optional<CWindowInfo> ReadRecord(const std::string& path, std::uint32_t index)
{
    RecordTarget target(index);
    if (!TryRead(path, target))
        return std::nullopt;
    return target.record;
}

InfoRecords ReadRecordsAt(const std::string& path, std::size_t recordsWanted)
{
    InfoRecords result;
    if (!NameBesideExecutable(path))
        return result;
    CountTarget count;
    result.countRead = TryRead(path, count);
    result.count = count.count;
    for (std::uint32_t index = 0; result.countRead && index < result.count; ++index) {
        std::optional<CWindowInfo> record = ReadRecord(path, index);
        if (!record && index >= recordsWanted)
            break;
        result.records.push_back(record);
    }
    ReleaseProfileCache(path);
    return result;
}

void WriteCount(const std::string& path, std::uint32_t count)
{
    CountTarget target;
    target.count = count;
    StoreAt(path).WriteObject(kObjectKey, target);
}

// The profile functions report nothing through the store, so the written file is read back.
bool HoldsExactly(const std::string& path, const std::vector<CWindowInfo>& infos)
{
    const InfoRecords read = ReadRecordsAt(path, infos.size());
    return read.Complete() && read.records.size() == infos.size() &&
           std::equal(infos.begin(), infos.end(), read.records.begin(),
                      [](const CWindowInfo& written, const std::optional<CWindowInfo>& back) {
                          return back == written;
                      });
}
}

bool InfoRecords::Complete() const
{
    return countRead && records.size() == count &&
           std::all_of(records.begin(), records.end(),
                       [](const std::optional<CWindowInfo>& record) { return record.has_value(); });
}

FileResult WriteInfoFile(const std::vector<CWindowInfo>& infos, const std::string& path)
{
    if (!NameBesideExecutable(path))
        return FileResult::Failure(path, ERROR_BAD_PATHNAME);
    // Deleted by us rather than through the store's Clear, whose failure would go unnoticed and
    // leave keys of a longer list in the file.
    ReleaseProfileCache(path);
    FileResult result = DeleteFileIfPresent(path);
    if (!result.Ok())
        return result;

    // Every key ends with the blank of the tag "INT ". Wine writes a newly made key with that
    // blank and drops it only when it reads the file again, which it does before each later write
    // that changes the file; so the last key of the list would stay "...#Height#INT =". Changing the
    // count (which has no blank) twice afterwards leaves every key in the same form.
    std::vector<CWindowInfo> records = infos;
    Serialize::TargetIsVector<CWindowInfo> target(records);
    StoreAt(path).WriteObject(kObjectKey, target);
    WriteCount(path, 0);
    WriteCount(path, static_cast<std::uint32_t>(infos.size()));
    ReleaseProfileCache(path);

    result = FlushFileToDisk(path);
    if (result.Ok() && !HoldsExactly(path, infos))
        result = FileResult::Failure(path, ERROR_WRITE_FAULT);
    return result;
}

InfoRecords ReadInfoRecords(std::size_t recordsWanted, const std::string& folder)
{
    return ReadRecordsAt(PathInFolder(folder, kInfoFileName), recordsWanted);
}
