#include "LibrarySearch.h"
#include "Handles.h"

#include <gtest/gtest.h>

namespace {
using LoadedModule = ui::UniqueHandle<base::NullableHandleTraits<HMODULE, FreeLibrary>>;
} // namespace

TEST(NarrowLibrarySearchToSystemFolder, ALibraryBesideTheProgramIsNoLongerFoundByName)
{
    // plain_probe.dll lies beside this test program, where a planted library would lie.
    {
        const LoadedModule byDefaultSearch(LoadLibraryW(L"plain_probe.dll"));
        ASSERT_NE(nullptr, byDefaultSearch.Get()) << "the default search does not find it; the test would show nothing";
    }
    ASSERT_EQ(nullptr, GetModuleHandleW(L"plain_probe.dll")) << "still loaded: a load by name would find it so";

    NarrowLibrarySearchToSystemFolder();

    EXPECT_EQ(nullptr, LoadedModule(LoadLibraryW(L"plain_probe.dll")).Get());
    // Windows' own libraries are found as before.
    EXPECT_NE(nullptr, LoadedModule(LoadLibraryW(L"msimg32.dll")).Get());
}
