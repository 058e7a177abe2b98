#pragma once

#include <string>

#include <windows.h>

#include "ASerialize.h"

namespace Serialize {

// A store in an INI file in the directory of the program's executable, through the Windows
// profile functions: one INI key per value (the key path joined with "#"), all in one section.
// Holds no open file; every value is one call of the profile functions.
class CIniSerialize : public ASerialize
{
public:
    // module: the executable whose directory holds the file; fileName: a bare name such as
    // "info.ini". Touches no file.
    CIniSerialize(HMODULE module, const std::string& fileName);
    ~CIniSerialize() override;

    void WriteRaw(const KeyPath& path, const std::string& text) override;
    // At most 1023 bytes of a value; the empty text for a missing file, section or key.
    std::string ReadRaw(const KeyPath& path) override;
    // Deletes the file.
    void Clear() override;

    const std::string& FileName() const { return fileName; }
    // An empty section name (the default) stands for "ROOT".
    void SetSection(const std::string& name) { section = name; }

private:
    std::string SectionName() const;

    std::string fileName;
    std::string section;
};

} // namespace Serialize
