#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace Serialize {

// The keys and values of one INI section, held in memory so that a whole save or load touches the
// file once instead of once per value. It follows the rules of the Windows profile functions: keys
// are matched without regard to ASCII letter case or to blanks at their ends, a key is stored
// without those blanks, and a value reads back as GetPrivateProfileStringA gives it.
class ProfileSection {
public:
    // Values read back hold at most this many bytes, as GetPrivateProfileStringA with a buffer of
    // kValueBufferSize bytes returns them.
    static constexpr std::size_t kValueBufferSize = 1024;

    ProfileSection() = default;

    // The section as GetPrivateProfileSectionA returns it: "key=value" entries, each ended by a zero
    // byte, in file order. A line without "=" is kept as it is, as a key with no value.
    static ProfileSection FromSectionText(const std::string& text);

    // The value of the first entry with this key, as GetPrivateProfileStringA reads it from a file:
    // blanks at both ends removed, then one pair of matching enclosing quotes (' or "), then cut to
    // kValueBufferSize - 1 bytes. The empty text when there is no such entry.
    std::string ValueOf(const std::string& key) const;

    // Replaces the value of the first entry with this key, or appends an entry at the end. Key and
    // value end at a zero byte, as the C strings the profile functions are given would, and are kept
    // without blanks at their ends, as the profile functions read them back from the file.
    void Set(const std::string& key, const std::string& value);

    std::size_t Size() const { return entries_.size(); }

    // The entries as WritePrivateProfileSectionA takes them: "key=value" each ended by a zero byte,
    // one more zero byte at the end.
    std::string SectionText() const;

    // The bytes of a file that holds this section alone, as the profile functions write it:
    // "[name]" and one "key=value" line per entry, each line ended by CR LF. None when the name or
    // an entry holds anything the profile functions might write differently (bytes outside
    // printable ASCII, such as double-byte characters, which pass through the code page; "=" in a
    // key; a key that reads as a comment or a section line; a line without "="), or the section has
    // no entries (the functions would then write no file).
    std::optional<std::string> FileText(const std::string& sectionName) const;

private:
    struct Entry {
        std::string key;
        std::optional<std::string> value; // none for a line without "="
    };

    void Append(Entry entry);
    bool WrittenVerbatim(const Entry& entry) const;

    std::vector<Entry> entries_;
    // Folded key (see FoldKey in the source) to the index of its first entry.
    std::unordered_map<std::string, std::size_t> firstEntry_;
};

} // namespace Serialize
