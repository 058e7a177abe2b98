#include "ProductVersion.h"

#include "product.h"

#include <gtest/gtest.h>

namespace {

// A module loaded for the test and freed after it.
class LoadedModule {
public:
    explicit LoadedModule(const wchar_t* name) : module_(LoadLibraryW(name)) {}
    ~LoadedModule() { if (module_) FreeLibrary(module_); }
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;
    HMODULE Get() const { return module_; }

private:
    HMODULE module_;
};

struct Version {
    long major = -1, minor = -1, release = -1, build = -1;
};

Version ProductVersionOf(HMODULE module)
{
    Version v;  // starts as garbage, so that every part must be written
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
    LoadedModule probe(L"version_probe.dll");
    ASSERT_NE(nullptr, probe.Get());
    const Version v = ProductVersionOf(probe.Get());
    EXPECT_EQ(10, v.major);
    EXPECT_EQ(0, v.minor);
    EXPECT_EQ(123, v.release);
    EXPECT_EQ(4, v.build);
    EXPECT_EQ("Version 10.00.123.04", VersionLine(v.major, v.minor, v.release, v.build));
}

TEST(GetProductVersion, ModuleWithoutVersionInformationGivesZeros)
{
    LoadedModule plain(L"plain_probe.dll");
    ASSERT_NE(nullptr, plain.Get());
    const Version v = ProductVersionOf(plain.Get());
    EXPECT_EQ(0, v.major);
    EXPECT_EQ(0, v.minor);
    EXPECT_EQ(0, v.release);
    EXPECT_EQ(0, v.build);
}

TEST(GetProductVersion, TheRunningProgramCarriesTheProjectVersion)
{
    const Version v = ProductVersionOf(nullptr);
    EXPECT_EQ(KAMIFUDA_VERSION_MAJOR, v.major);
    EXPECT_EQ(KAMIFUDA_VERSION_MINOR, v.minor);
    EXPECT_EQ(KAMIFUDA_VERSION_PATCH, v.release);
    EXPECT_EQ(KAMIFUDA_VERSION_BUILD, v.build);
}
