#include "ProductVersion.h"
#include "Handles.h"
#include "Text.h"

#include "product.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

// A module loaded for the test and freed after it.
using LoadedModule = ui::UniqueHandle<base::NullableHandleTraits<HMODULE, FreeLibrary>>;

struct Version {
    long major = -1, minor = -1, release = -1, build = -1;

    bool operator==(const Version&) const = default;
    friend void PrintTo(const Version& v, std::ostream* out)
    {
        *out << v.major << "." << v.minor << "." << v.release << "." << v.build;
    }
};

Version ProductVersionOf(HMODULE module)
{
    Version v; // starts as garbage, so that every part must be written
    GetProductVersion(module, v.major, v.minor, v.release, v.build);
    return v;
}

} // namespace

TEST(VersionLine, TwoDigitsAtLeastLargerPartsInFull)
{
    EXPECT_EQ("Version 03.02.00.00", VersionLine(3, 2, 0, 0));
    EXPECT_EQ("Version 10.00.123.04", VersionLine(10, 0, 123, 4));
    EXPECT_EQ("Version 00.00.00.00", VersionLine(0, 0, 0, 0));
    EXPECT_EQ("Version 65535.65535.65535.65535", VersionLine(65535, 65535, 65535, 65535));
}

TEST(GetProductVersion, ReadsTheProductVersionNotTheFileVersionOrTheStrings)
{
    // version_probe.dll: file version 3.2.0.0, product version 10.0.123.4, strings 7.7.7.7 and 8.8.8.8.
    const LoadedModule probe(LoadLibraryW(L"version_probe.dll"));
    ASSERT_NE(nullptr, probe.Get());
    const Version v = ProductVersionOf(probe.Get());
    EXPECT_EQ((Version{10, 0, 123, 4}), v);
    EXPECT_EQ("Version 10.00.123.04", VersionLine(v.major, v.minor, v.release, v.build));
}

TEST(GetProductVersion, ModuleWithoutFixedVersionInformationGivesZeros)
{
    // plain_probe.dll has no version resource; rootless_probe.dll has one whose root block holds no
    // fixed file information, followed by bytes that would read as product version 9.9.9.9.
    for (const wchar_t* name : {L"plain_probe.dll", L"rootless_probe.dll"}) {
        const LoadedModule probe(LoadLibraryW(name));
        ASSERT_NE(nullptr, probe.Get()) << ui::WideToUtf8(name);
        EXPECT_EQ((Version{0, 0, 0, 0}), ProductVersionOf(probe.Get())) << ui::WideToUtf8(name);
    }
}

TEST(GetProductVersion, TheRunningProgramCarriesTheProjectVersion)
{
    EXPECT_EQ((Version{KAMIFUDA_VERSION_MAJOR, KAMIFUDA_VERSION_MINOR, KAMIFUDA_VERSION_PATCH, KAMIFUDA_VERSION_BUILD}),
              ProductVersionOf(nullptr));
}
