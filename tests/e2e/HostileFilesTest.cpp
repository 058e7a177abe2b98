// Damaged and hostile memo.txt and info.ini files, made by the test: the program starts, shows the
// memos it can read, runs on, saves at the exit command and starts again without losing any of them.
// The same for the deleted memos' memo.deleted.txt and info.deleted.ini: a memo is deleted and
// brought back from the tray, and every entry that could be read stays in the list.
#include "FileBytes.h"
#include "Input.h"
#include "MemoWindowQuery.h"
#include "PersistenceTest.h"
#include "Wait.h"
#include "WindowQuery.h"

#include <algorithm>
#include <array>
#include <climits>
#include <filesystem>
#include <functional>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {
namespace {

namespace fs = std::filesystem;

// A start with a file of many megabytes reads, splits and measures all of it first.
constexpr std::chrono::milliseconds kLargeFileTimeout{120000};
constexpr std::size_t kMegabyte = 1024 * 1024;
constexpr char kCrLf[] = "\r\n";
constexpr int kMoveDistance = 10;
// A value the profile functions return in full is at most this long.
constexpr std::size_t kLongestProfileValue = 1023;

// The five value texts of one info.ini record, in the order the program writes them.
struct RawRecord {
    std::string color, left, top, width, height;
};

RawRecord Record(long long left, long long top, long long width, long long height, COLORREF colour = kYellow)
{
    return {std::to_string(colour), std::to_string(left), std::to_string(top), std::to_string(width),
            std::to_string(height)};
}

// info.ini in the profile functions' text form, with whatever value texts and count text are given.
std::string RawInfoFile(const std::vector<RawRecord>& records, const std::string& count)
{
    std::string file = std::string("[ROOT]") + kCrLf + "info#size#UINT=" + count + kCrLf;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::string key = "info#" + std::to_string(i) + "#";
        const RawRecord& r = records[i];
        for (const auto& [name, value] :
             {std::pair{"Color", &r.color}, std::pair{"Left", &r.left}, std::pair{"Top", &r.top},
              std::pair{"Width", &r.width}, std::pair{"Height", &r.height}}) {
            file += key + name + "#INT=" + *value + kCrLf;
        }
    }
    return file;
}

std::string HexCount(std::size_t count)
{
    std::ostringstream text;
    text << std::hex << count;
    return text.str();
}

std::vector<RawRecord> OrdinaryRecords(std::size_t count)
{
    std::vector<RawRecord> records;
    for (std::size_t i = 0; i < count; ++i)
        records.push_back(Record(100 + 60 * static_cast<long long>(i), 200, 120, 40, kGreen));
    return records;
}

// Bytes from a fixed seed, so a failing case can be made again; those in `left out` never appear.
std::string Garbage(std::size_t size, unsigned seed, const std::string& leftOut = "")
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, UCHAR_MAX);
    std::string bytes;
    while (bytes.size() < size) {
        const char c = static_cast<char>(byte(random));
        if (leftOut.find(c) == std::string::npos)
            bytes += c;
    }
    return bytes;
}

// Lines of garbage that memo.txt can hold as they are: no line break, no zero byte, no backslash
// (which escaping would change).
std::vector<std::string> GarbageTexts(std::size_t count, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> length(1, 200);
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < count; ++i)
        texts.push_back(Garbage(length(random), seed + static_cast<unsigned>(i) + 1, std::string("\r\n\\\0", 4)));
    return texts;
}

using Bytes = std::function<std::string()>;

struct HostileFiles {
    std::string name;
    // The memo texts a start can read from the files, in any order. Made when needed: some are
    // megabytes long.
    std::function<std::vector<std::string>()> readable;
    // memo.txt; by default the readable texts as the program writes them.
    Bytes memoFile = nullptr;
    // info.ini; by default an ordinary record for each readable text.
    Bytes infoFile = nullptr;
    // memo.txt or info.ini is a folder instead: it exists but cannot be read. The user is told at
    // the start, and no save of that run replaces the files (they may hold memos that are not on
    // the screen).
    std::string_view folderInstead = {};
    bool large = false;
    // memo.deleted.txt and info.deleted.ini, when the case is about them; the entries a delete
    // must keep; whether the pair cannot be read whole and is kept aside byte for byte first.
    Bytes deletedMemoFile = nullptr;
    Bytes deletedInfoFile = nullptr;
    std::vector<std::string> deletedReadable = {};
    bool deletedKeptAside = false;

    bool ToldAtStart() const { return !folderInstead.empty(); }

    // Puts the damaged files into the program's folder.
    void Make(const fs::path& folder) const
    {
        const std::vector<std::string> texts = readable();
        if (ToldAtStart())
            fs::create_directory(folder / folderInstead);
        if (folderInstead != kMemoFile)
            WriteFileBytes(folder / kMemoFile, memoFile ? memoFile() : MemoFileBytes(texts));
        if (folderInstead != kInfoFile) {
            WriteFileBytes(folder / kInfoFile,
                           infoFile ? infoFile() : RawInfoFile(OrdinaryRecords(texts.size()), HexCount(texts.size())));
        }
        if (deletedMemoFile) {
            WriteFileBytes(folder / "memo.deleted.txt", deletedMemoFile());
            WriteFileBytes(folder / "info.deleted.ini", deletedInfoFile());
        }
    }

    friend void PrintTo(const HostileFiles& files, std::ostream* out) { *out << files.name; }
};

// A short description of texts, some of which may be megabytes long.
std::string DescribeTexts(const std::vector<std::string>& texts)
{
    std::ostringstream out;
    out << texts.size() << " texts:";
    for (const std::string& text : texts)
        out << " [" << text.size() << " bytes: " << text.substr(0, 24) << "]";
    return out.str();
}

std::vector<std::string> Sorted(std::vector<std::string> texts)
{
    std::sort(texts.begin(), texts.end());
    return texts;
}

// The escaped lines of a memo.txt, sorted: what it holds regardless of the order of the memos.
std::vector<std::string> SortedLines(const std::string& memoFile)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = memoFile.find(kCrLf, start)) != std::string::npos; start = end + 2)
        lines.push_back(memoFile.substr(start, end - start));
    if (start < memoFile.size())
        lines.push_back(memoFile.substr(start) + " (no final line break)");
    return Sorted(std::move(lines));
}

bool TouchesTheDesktop(HWND window)
{
    const RECT desktop{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                       GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                       GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    const RECT place = RectOf(window);
    RECT common{};
    return IntersectRect(&common, &desktop, &place) != FALSE;
}

// Chooses a button of a message box as its keyboard interface does, and waits until the box has
// gone. (A click can meet a box that is not yet in place; what the boxes say is tested elsewhere.)
bool AnswerWithoutAClick(HWND box, int commandId)
{
    HWND button = GetDlgItem(box, commandId);
    if (!button)
        return false;
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(commandId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return WaitUntil([box] { return !IsWindow(box); });
}

class HostileFilesTest : public PersistenceTest, public testing::WithParamInterface<HostileFiles> {
protected:
    std::chrono::milliseconds Timeout() const { return GetParam().large ? kLargeFileTimeout : kDefaultTimeout; }

    // Starts the program and waits until it shows as many memos as it can read. With an unreadable
    // file it first tells the user, who confirms.
    void StartAndExpectTheReadableMemos()
    {
        const HostileFiles& files = GetParam();
        const std::size_t readable = files.readable().size();
        Launch();
        if (files.ToldAtStart()) {
            HWND box = WaitForMessageBox(kProgramTitle);
            ASSERT_NE(box, nullptr) << "the user is not told that a file cannot be read";
            ASSERT_TRUE(AnswerWithoutAClick(box, IDOK));
        }
        WaitUntil([&] { return (program_.mainWindow = WaitForMainWindow(*program_.process)) != nullptr; }, Timeout());
        ASSERT_NE(program_.mainWindow, nullptr) << "no main window";
        ASSERT_TRUE(WaitUntil([&] { return VisibleMemos().size() >= readable; }, Timeout()))
            << VisibleMemos().size() << " memos shown";
        ASSERT_TRUE(Synchronise()) << "the program does not answer";
        EXPECT_EQ(readable, VisibleMemos().size());
        for (HWND memo : VisibleMemos())
            EXPECT_TRUE(TouchesTheDesktop(memo)) << "a memo lies off the desktop";
        EXPECT_EQ(nullptr, VisibleWindowOfClass(ProcessId(), kMessageBoxClass)) << "an unexpected message";
        EXPECT_TRUE(program_.process->IsRunning());
    }

    void ExitThroughTheTrayMenu()
    {
        ASSERT_TRUE(ChooseExit()) << "the tray menu did not open";
        ASSERT_TRUE(program_.process->WaitForExit(Timeout())) << "the program did not end";
        EXPECT_EQ(0u, program_.process->ExitCode());
    }

    // The first memo deleted through its menu and brought back from the tray: in front of the list
    // after the delete, back on the desktop after the restore, a pair that could not be read whole
    // kept aside as it was.
    void DeleteAndBringBack()
    {
        const HostileFiles& files = GetParam();
        const std::vector<HWND> memos = VisibleMemos();
        ASSERT_FALSE(memos.empty());
        HWND memo = memos.front();
        const std::string text = CopiedText(memo);
        ASSERT_NE(RightClickText(memo), nullptr);
        ASSERT_TRUE(ChooseWithKeys(kChooseDelete));
        ASSERT_TRUE(WaitUntilHidden(memo));
        ASSERT_TRUE(WaitUntil(
            [&] {
                const auto bytes = ReadFileBytes(DataFile("memo.deleted.txt"));
                return bytes && bytes->rfind(MemoFileBytes({text}), 0) == 0;
            },
            Timeout()))
            << "the deleted memo is not in front of the list";
        if (files.deletedKeptAside) {
            bool keptAside = false;
            for (const auto& entry : fs::directory_iterator(ProgramFolder()))
                if (entry.path().filename().string().rfind("memo.deleted-unreadable-", 0) == 0)
                    keptAside = ReadFileBytes(entry.path()) == files.deletedMemoFile();
            EXPECT_TRUE(keptAside) << "the unreadable memo.deleted.txt was not kept aside as it was";
        }
        ASSERT_NE(OpenTrayMenu(program_), nullptr);
        PressKeys({'R', VK_RETURN});
        ASSERT_TRUE(WaitUntil([&] { return VisibleMemos().size() == memos.size(); }, Timeout()))
            << "the memo did not come back";
    }

    // What the saves left: every readable memo, each once, and a complete info.ini for them.
    void ExpectTheReadableMemosStored()
    {
        const HostileFiles& files = GetParam();
        const std::vector<std::string> readable = files.readable();
        const auto memoFile = ReadFileBytes(DataFile(kMemoFile));
        ASSERT_TRUE(memoFile.has_value()) << "no memo.txt";
        EXPECT_TRUE(SortedLines(*memoFile) == SortedLines(MemoFileBytes(readable)))
            << "memo.txt holds " << DescribeTexts(SortedLines(*memoFile)) << "; expected "
            << DescribeTexts(SortedLines(MemoFileBytes(readable)));
        const auto stored = ReadStoredMemos(ProgramFolder());
        ASSERT_TRUE(stored.has_value()) << "memo.txt and info.ini are not one complete save";
        std::vector<std::string> texts;
        for (const StoredMemo& memo : *stored)
            texts.push_back(memo.text);
        EXPECT_TRUE(Sorted(texts) == Sorted(readable)) << DescribeTexts(Sorted(texts));
    }
};

TEST_P(HostileFilesTest, TheProgramShowsWhatItCanReadRunsOnAndLosesNoReadableMemo)
{
    const HostileFiles& files = GetParam();
    files.Make(ProgramFolder());
    const auto memoBefore = ReadFileBytes(DataFile(kMemoFile));
    const auto infoBefore = ReadFileBytes(DataFile(kInfoFile));

    // The first run changes something, so its saves rewrite the files; the second only starts and
    // ends on what the first left.
    for (const bool moveAMemo : {true, false}) {
        SCOPED_TRACE(moveAMemo ? "first start, a memo moved" : "second start");
        StartAndExpectTheReadableMemos();
        if (HasFatalFailure())
            return;
        if (const std::vector<HWND> memos = VisibleMemos(); moveAMemo && !memos.empty()) {
            ASSERT_TRUE(MoveWindowBy(memos.front(), kMoveDistance, kMoveDistance));
        }
        if (moveAMemo && files.deletedMemoFile) {
            DeleteAndBringBack();
            if (HasFatalFailure())
                return;
        }
        ExitThroughTheTrayMenu();
        if (HasFatalFailure())
            return;
        if (files.ToldAtStart()) {
            EXPECT_TRUE(memoBefore == ReadFileBytes(DataFile(kMemoFile))) << "memo.txt was replaced";
            EXPECT_TRUE(infoBefore == ReadFileBytes(DataFile(kInfoFile))) << "info.ini was replaced";
        } else {
            ExpectTheReadableMemosStored();
        }
        if (files.deletedMemoFile) {
            const auto deleted = ReadFileBytes(DataFile("memo.deleted.txt"));
            ASSERT_TRUE(deleted.has_value());
            EXPECT_TRUE(SortedLines(*deleted) == SortedLines(MemoFileBytes(files.deletedReadable)))
                << "memo.deleted.txt holds " << DescribeTexts(SortedLines(*deleted));
        }
    }
}

// A run of one byte between two texts.
std::string Run(const std::string& before, std::size_t count, char c, const std::string& after)
{
    std::string text = before;
    text.append(count, c);
    text.append(after);
    return text;
}

std::function<std::vector<std::string>()> Texts(std::vector<std::string> texts)
{
    return [texts] { return texts; };
}

Bytes Fixed(std::string bytes)
{
    return [bytes] { return bytes; };
}

Bytes InfoFile(std::vector<RawRecord> records, std::string count)
{
    return [records, count] { return RawInfoFile(records, count); };
}

std::vector<std::string> FiftyMegabyteTexts()
{
    return {"first", std::string(50 * kMegabyte, 'x'), "last"};
}

std::vector<std::string> MegabyteLineTexts()
{
    return {"first", std::string(kMegabyte, 'y'),
            Run(std::string(kMegabyte, 'z'), kMegabyte, 'w', "").insert(kMegabyte, kCrLf), "last"};
}

std::string LongValuesInfoFile()
{
    const RawRecord digits{std::string(2 * kLongestProfileValue, '7'), std::string(kLongestProfileValue + 1, '1'),
                           Run("-", kLongestProfileValue + 5, '9', ""), Run("80", kLongestProfileValue, ' ', "junk"),
                           Run("", kLongestProfileValue - 1, '0', "30")};
    const RawRecord letters{std::string(4 * kLongestProfileValue, 'x'), "12", "34",
                            Run("56", 2 * kLongestProfileValue, 'y', ""), "78"};
    return RawInfoFile({digits, letters, Record(300, 300, 100, 40)}, "3");
}

std::string NulBytesInfoFile()
{
    std::string info = RawInfoFile(OrdinaryRecords(2), "2");
    for (std::size_t at = info.size() - 1; at > 0; at -= std::min<std::size_t>(at, 17))
        info.insert(at, 1, '\0');
    return std::string(1, '\0') + info;
}

const HostileFiles kHostileFiles[] = {
    // Two ordinary memos with a count that announces many more records.
    {.name = "CountFfffffffWithTwoRecords",
     .readable = Texts({"one", "two"}),
     .infoFile = InfoFile(OrdinaryRecords(2), "ffffffff")},
    {.name = "Count1000000WithTwoRecords",
     .readable = Texts({"one", "two"}),
     .infoFile = InfoFile(OrdinaryRecords(2), "1000000")},
    {.name = "NegativeAndEnormousRectangles",
     .readable = Texts({"a", "b", "c", "d", "e", "f", "g"}),
     .infoFile =
         InfoFile({Record(INT_MIN, INT_MIN, INT_MAX, INT_MAX), Record(INT_MAX, INT_MAX, INT_MAX, INT_MAX),
                   Record(100, 100, 0, 0), Record(100, 100, -50, -50), Record(INT_MIN, INT_MAX, INT_MIN, INT_MIN),
                   Record(-40, -10, -1, 1), Record(LLONG_MAX, LLONG_MIN, 99999999999LL, -99999999999LL)},
                  "7")},
    {.name = "ValuesLongerThan1023Bytes",
     .readable = Texts({"long values", std::string(3 * kLongestProfileValue, 'm'), "ordinary"}),
     .infoFile = LongValuesInfoFile},
    {.name = "InfoIniOfBinaryGarbage",
     .readable = Texts({"one", "two", "three"}),
     .infoFile = [] { return Garbage(64 * 1024, 7); }},
    {.name = "MemoTxtOfBinaryGarbage", .readable = [] { return GarbageTexts(40, 11); }},
    {.name = "NulBytesInMemoTxt",
     .readable = Texts({"one", "two", "three"}),
     .memoFile = Fixed(std::string("\0one\r\ntw\0o\r\nthree\0\r\n\0", 21))},
    {.name = "NulBytesInInfoIni", .readable = Texts({"one", "two"}), .infoFile = NulBytesInfoFile},
    {.name = "MemoTxtOf50Megabytes", .readable = FiftyMegabyteTexts, .large = true},
    {.name = "LinesOf1Megabyte", .readable = MegabyteLineTexts, .large = true},
    {.name = "NoFinalLineBreak", .readable = Texts({"one", "two"}), .memoFile = Fixed("one\r\ntwo")},
    {.name = "OnlyLineBreaks",
     .readable = Texts({}),
     .memoFile = Fixed("\r\n\r\n\n\r\r\n\n\n"),
     .infoFile = InfoFile(OrdinaryRecords(6), "6")},
    // Lead bytes without a trail byte (at the end of a text, before a blank), bytes that are no
    // character at all, and a character whose trail byte is a backslash.
    {.name = "InvalidShiftJis",
     .readable = Texts({"\x82", "ab\x81", "\x81 x", "\x80\xa0\xfd\xfe\xff", "\x83\x5c", "\xe0"})},
    {.name = "InfoIniIsADirectory", .readable = Texts({"one", "two"}), .folderInstead = kInfoFile},
    // The deleted memos' pair: damaged (the last record cut short), huge, with zero bytes, with
    // more records than texts.
    {.name = "DeletedPairWithACutRecord",
     .readable = Texts({"one", "two"}),
     .deletedMemoFile = Fixed("kept 1\r\nkept 2\r\nkept 3\r\n"),
     .deletedInfoFile = [] { return RawInfoFile(OrdinaryRecords(3), "3").substr(0, 300); },
     .deletedReadable = {"kept 1", "kept 2", "kept 3"},
     .deletedKeptAside = true},
    {.name = "DeletedPairOf8Megabytes",
     .readable = Texts({"one", "two"}),
     .large = true,
     .deletedMemoFile =
         [] {
             return MemoFileBytes({std::string(8 * kMegabyte, 'h'), "small"});
         },
     .deletedInfoFile = InfoFile(OrdinaryRecords(2), "2"),
     .deletedReadable = {std::string(8 * kMegabyte, 'h'), "small"}},
    {.name = "NulBytesInTheDeletedPair",
     .readable = Texts({"one", "two"}),
     .deletedMemoFile = Fixed(std::string("\0a\0b\r\nc\r\n\0", 10)),
     .deletedInfoFile = NulBytesInfoFile,
     .deletedReadable = {"ab", "c"},
     .deletedKeptAside = true},
    {.name = "DeletedPairWithMoreRecordsThanTexts",
     .readable = Texts({"one", "two"}),
     .deletedMemoFile = Fixed("only\r\n"),
     .deletedInfoFile = InfoFile(OrdinaryRecords(3), "3"),
     .deletedReadable = {"only"},
     .deletedKeptAside = true},
    {.name = "MemoTxtIsADirectory",
     .readable = Texts({}),
     .infoFile = InfoFile(OrdinaryRecords(2), "2"),
     .folderInstead = kMemoFile},
};

INSTANTIATE_TEST_SUITE_P(Files, HostileFilesTest, testing::ValuesIn(kHostileFiles),
                         [](const testing::TestParamInfo<HostileFiles>& info) { return info.param.name; });

} // namespace
} // namespace e2e
