#include "InfoFile.h"

#include "FileReplacement.h"

#include "serialize/CIniSerialize.h"
#include "serialize/Error.h"
#include "serialize/Exchange.h"
#include "serialize/TargetIsVector.h"

#include <algorithm>
#include <new>

namespace {
constexpr char kObjectKey[] = "info";
constexpr char kCountKey[] = "size";

// The count and the records of a Serialize::TargetIsVector<CWindowInfo>, all read in one operation
// of the store, so that the file is read once; each record on its own, so that one damaged record
// costs only itself (a failed read leaves the store's key path as it was). Records below
// recordsWanted are all tried; beyond it reading stops at the first one that cannot be read, so an
// absurd count costs nothing.
class RecordsTarget : public Serialize::ITarget {
public:
    explicit RecordsTarget(std::size_t recordsWanted) : recordsWanted_(recordsWanted) {}

    void Serialize(Serialize::ASerialize& store) override
    {
        try {
            Serialize::Exchange(store, kCountKey, records.count);
        } catch (const Serialize::Error&) {
            return;
        }
        records.countRead = true;
        for (std::uint32_t index = 0; index < records.count; ++index) {
            std::optional<CWindowInfo> record = ReadRecord(store, index);
            if (!record && index >= recordsWanted_)
                break;
            records.records.push_back(record);
        }
    }

    InfoRecords records;

private:
    static std::optional<CWindowInfo> ReadRecord(Serialize::ASerialize& store, std::uint32_t index)
    {
        CWindowInfo record;
        try {
            Serialize::Exchange(store, std::to_string(index), record);
            return record;
        } catch (const Serialize::Error&) {
            return std::nullopt;
        }
    }

    std::size_t recordsWanted_;
};

// The profile functions keep a file in a cache (Wine even after the file was deleted or renamed);
// the all-NULL call writes it out and lets go of it, so the next access reads the disk.
void ReleaseProfileCache(const std::wstring& path)
{
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, path.c_str());
}

InfoRecords ReadRecordsAt(const std::wstring& path, std::size_t recordsWanted)
{
    RecordsTarget target(recordsWanted);
    try {
        Serialize::CIniSerialize(path).ReadObject(kObjectKey, target);
    } catch (const std::bad_alloc&) {
        // What was read before stays; the records are incomplete.
    }
    ReleaseProfileCache(path);
    return target.records;
}

// The profile functions report nothing through the store, so the written file is read back.
bool HoldsExactly(const std::wstring& path, const std::vector<CWindowInfo>& infos)
{
    const InfoRecords read = ReadRecordsAt(path, infos.size());
    return read.Complete() && read.records.size() == infos.size() &&
           std::equal(
               infos.begin(), infos.end(), read.records.begin(),
               [](const CWindowInfo& written, const std::optional<CWindowInfo>& back) { return back == written; });
}
}

bool InfoRecords::Complete() const
{
    return countRead && records.size() == count &&
           std::all_of(records.begin(), records.end(),
                       [](const std::optional<CWindowInfo>& record) { return record.has_value(); });
}

FileResult WriteInfoFile(const std::vector<CWindowInfo>& infos, const std::wstring& path, RetryBudget budget)
{
    // Deleted by us rather than through the store's Clear, whose failure would go unnoticed and
    // leave keys of a longer list in the file.
    ReleaseProfileCache(path);
    FileResult result = DeleteFileIfPresent(path, budget);
    if (!result.Ok())
        return result;

    std::vector<CWindowInfo> records = infos;
    Serialize::TargetIsVector<CWindowInfo> target(records);
    Serialize::CIniSerialize(path).WriteObject(kObjectKey, target);
    ReleaseProfileCache(path);

    result = FlushFileToDisk(path, budget);
    if (result.Ok() && !HoldsExactly(path, infos))
        result = FileResult::Failure(path, ERROR_WRITE_FAULT);
    return result;
}

InfoRecords ReadInfoRecords(std::size_t recordsWanted, const std::wstring& folder, const wchar_t* name)
{
    return ReadRecordsAt(PathInFolder(folder, name), recordsWanted);
}
