#pragma once

#include <windows.h>

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// The memos as the program keeps them on the disk: memo.txt's lines paired by position with the
// records of info.ini. Read and written by the test on its own, byte by byte, so that a fault of the
// program's store cannot hide behind the same fault in the test.
namespace e2e {

inline constexpr char kMemoFile[] = "memo.txt";
inline constexpr char kInfoFile[] = "info.ini";
// A save writes both files under these names first; a crash may leave them behind. While the
// info.ini.tmp of an earlier save waits for a held info.ini, the next saves number theirs
// (memo.txt.1.tmp, info.ini.1.tmp, ...).
inline constexpr char kMemoTemporaryFile[] = "memo.txt.tmp";
inline constexpr char kInfoTemporaryFile[] = "info.ini.tmp";

struct StoredMemo {
    std::string text;
    RECT place{}; // outer window rectangle, from Left, Top, Width and Height
    COLORREF colour = 0;
};

bool operator==(const StoredMemo& a, const StoredMemo& b);
void PrintTo(const StoredMemo& memo, std::ostream* out);

// The texts as memo.txt holds them: each escaped (backslash doubled, CR LF as backslash n) and
// ended by CR LF.
std::string MemoFileBytes(const std::vector<std::string>& texts);

// info.ini in the profile functions' text form, the count in hexadecimal.
std::string InfoFileBytes(const std::vector<StoredMemo>& memos);

// Both files of this list of memos written into the folder.
void WriteStoredMemos(const std::filesystem::path& folder, const std::vector<StoredMemo>& memos);

// The pair read back; nothing when either file is missing, a key is missing, or the number of
// records differs from the number of texts (a pair that is not one complete save).
std::optional<std::vector<StoredMemo>> ReadStoredMemos(const std::filesystem::path& folder);

// The stored memo with this text, if there is exactly one.
std::optional<StoredMemo> StoredMemoWithText(const std::filesystem::path& folder, const std::string& text);

std::string Describe(const std::optional<std::vector<StoredMemo>>& memos);

} // namespace e2e
