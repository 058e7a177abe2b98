#pragma once

#include <optional>
#include <string>

#include <windows.h>

#include "ASerialize.h"
#include "ProfileSection.h"

namespace Serialize {

// A store in an INI file in the directory of the program's executable, one INI key per value (the
// key path joined with "#"), all in one section, in the form of the Windows profile functions.
//
// It holds no open file. Within one outermost operation (a WriteObject, a ReadObject, or a value on
// its own) it reads the section once, at the first value, keeps it in memory, and writes it back
// once when the operation ends if anything was written: one profile-function call per value would
// read, and on writing rewrite, the whole file each time, so that a save or a load of n values
// would cost n times the file.
class CIniSerialize : public ASerialize {
public:
    // module: the executable whose directory holds the file; fileName: a bare name such as
    // "info.ini". Touches no file.
    CIniSerialize(HMODULE module, const std::string& fileName);
    // The file at this full path. Touches no file.
    explicit CIniSerialize(std::wstring filePath);
    ~CIniSerialize() override;

    void WriteRaw(const KeyPath& path, const std::string& text) override;
    // At most 1023 bytes of a value; the empty text for a missing file, section or key.
    std::string ReadRaw(const KeyPath& path) override;
    // Deletes the file.
    void Clear() override;

    // The file is reached through this path alone, with the wide profile and file functions, so
    // that a folder named in characters outside the ANSI code page is found. Keys, values and
    // section go through the ANSI code page on their way, so the file holds the bytes that the ANSI
    // profile functions would write (Wine's are the wide ones behind this same conversion).
    const std::wstring& FilePath() const { return filePath_; }
    // The path in the ANSI code page, for callers of the ANSI file functions; a character that the
    // code page cannot spell comes out as its default character.
    std::string FileName() const;
    // An empty section name (the default) stands for "ROOT".
    void SetSection(const std::string& name) { section_ = name; }

protected:
    // Writes the section if the operation changed it, and forgets it.
    void OperationEnded() noexcept override;

private:
    std::string SectionName() const;
    // The section as the file holds it, read at the first use within an operation.
    ProfileSection& Section();
    void WriteSection();
    // WriteRaw and ReadRaw called on their own, outside an operation, end one at once.
    void EndUnlessInOperation();

    std::wstring filePath_;
    std::string section_;

    // The section during an operation; none between operations.
    std::optional<ProfileSection> loaded_;
    // The file did not exist when the section was read.
    bool fileWasMissing_ = false;
    bool changed_ = false;
};

} // namespace Serialize
