// ini_bench: the cost of writing and reading the info.ini keys of N memos.
//
// "serialize" rows go through Serialize::CIniSerialize and TargetIsVector<CWindowInfo> exactly as
// a save (Clear, then WriteObject "info") and a restore (ReadObject "info") do. "store" rows are
// the program's own info.ini functions, which add the temporary name and the read-back check.
#include "BenchOptions.h"
#include "FigureTable.h"
#include "Measure.h"
#include "MemoFixture.h"

#include "serialize/CIniSerialize.h"
#include "serialize/TargetIsVector.h"
#include "store/DataFolder.h"
#include "store/InfoFile.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace {
constexpr char kSerializeFile[] = "ini_bench.ini";
constexpr wchar_t kStoreFolder[] = L"ini_bench_store";
constexpr char kObjectKey[] = "info";

void WriteThroughSerialize(std::vector<CWindowInfo> records)
{
    Serialize::CIniSerialize store(nullptr, kSerializeFile);
    store.Clear();
    Serialize::TargetIsVector<CWindowInfo> target(records);
    store.WriteObject(kObjectKey, target);
}

std::vector<CWindowInfo> ReadThroughSerialize()
{
    std::vector<CWindowInfo> records;
    Serialize::CIniSerialize store(nullptr, kSerializeFile);
    Serialize::TargetIsVector<CWindowInfo> target(records);
    store.ReadObject(kObjectKey, target);
    return records;
}

std::vector<CWindowInfo> CompleteRecords(const InfoRecords& read)
{
    std::vector<CWindowInfo> records;
    for (const auto& record : read.records) {
        if (record)
            records.push_back(*record);
    }
    return records;
}

// A benchmark of a broken path would be worthless: say so loudly.
void CheckRoundTrip(const char* what, const std::vector<CWindowInfo>& written, const std::vector<CWindowInfo>& read)
{
    if (written != read)
        std::printf("!! %s: read %u records that differ from the %u written\n", what,
                    static_cast<unsigned>(read.size()), static_cast<unsigned>(written.size()));
}

void MeasureSerialize(int memos, const BenchOptions& options)
{
    const std::vector<CWindowInfo> records = MakeMemos(memos).infos;
    FigureTable::PrintRow("serialize: save info.ini (Clear+WriteObject)", memos,
                          MeasureTime(options.runs, options.budgetMs, [&] { WriteThroughSerialize(records); }), "ms");
    std::vector<CWindowInfo> read;
    FigureTable::PrintRow("serialize: restore info.ini (ReadObject)", memos,
                          MeasureTime(options.runs, options.budgetMs, [&] { read = ReadThroughSerialize(); }), "ms");
    CheckRoundTrip("serialize", records, read);
}

void MeasureStore(int memos, const BenchOptions& options)
{
    const std::wstring folder = PathInFolder(ExecutableFolder(), kStoreFolder);
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring path = PathInFolder(folder, kInfoFileName);
    const std::vector<CWindowInfo> records = MakeMemos(memos).infos;
    FigureTable::PrintRow("store: WriteInfoFile", memos,
                          MeasureTime(options.runs, options.budgetMs, [&] { WriteInfoFile(records, path); }), "ms");
    InfoRecords read;
    FigureTable::PrintRow(
        "store: ReadInfoRecords", memos,
        MeasureTime(options.runs, options.budgetMs, [&] { read = ReadInfoRecords(records.size(), folder); }), "ms");
    CheckRoundTrip("store", records, CompleteRecords(read));
}
}

int main(int argc, char** argv)
{
    BenchOptions options = ParseBenchOptions(argc, argv);
    FigureTable::PrintHeading("info.ini through the INI store (ini_bench)");
    for (int memos : options.memoCounts) {
        MeasureSerialize(memos, options);
        MeasureStore(memos, options);
    }
    return 0;
}
