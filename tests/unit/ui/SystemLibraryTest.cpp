#include "SystemLibrary.h"

#include "base/ModuleFileName.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
std::wstring SystemFolder()
{
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder, length);
}

// A copy of the test program under a library's name, beside it: where a planted DLL would lie.
class PlantedLibrary {
public:
    explicit PlantedLibrary(const wchar_t* name)
        : path_(std::filesystem::path(base::ModuleFileName(nullptr)).replace_filename(name))
    {
        std::filesystem::copy_file(base::ModuleFileName(nullptr), path_,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    ~PlantedLibrary() { std::filesystem::remove(path_); }

private:
    std::filesystem::path path_;
};
} // namespace

TEST(SystemLibrary, LoadsALibraryThatIsNotLoadedYetFromTheSystemFolder)
{
    ASSERT_EQ(GetModuleHandleW(L"msimg32.dll"), nullptr) << "the test needs a library the program has not loaded";
    HMODULE library = ui::SystemLibrary(L"msimg32.dll");
    ASSERT_NE(library, nullptr);
    const std::filesystem::path file = base::ModuleFileName(library);
    EXPECT_TRUE(std::filesystem::equivalent(file.parent_path(), SystemFolder())) << file;
    EXPECT_NE(ui::SystemProcAddress(L"msimg32.dll", "AlphaBlend"), nullptr);
}

TEST(SystemLibrary, NeverTakesALibraryFromTheProgramsFolder)
{
    PlantedLibrary planted(L"kamifuda_planted_probe.dll");
    HMODULE byDefaultSearch = LoadLibraryW(L"kamifuda_planted_probe.dll");
    ASSERT_NE(byDefaultSearch, nullptr) << "the default search finds the planted file; the test would show nothing";
    FreeLibrary(byDefaultSearch);

    EXPECT_EQ(ui::SystemLibrary(L"kamifuda_planted_probe.dll"), nullptr);
    EXPECT_EQ(ui::SystemProcAddress(L"kamifuda_planted_probe.dll", "main"), nullptr);
}

TEST(SystemLibrary, AFunctionThisWindowsLacksIsNull)
{
    EXPECT_EQ(ui::SystemProcAddress(L"user32.dll", "NoSuchFunctionInUser32"), nullptr);
    EXPECT_EQ(ui::SystemProcAddress(L"no_such_library_here.dll", "Anything"), nullptr);
    using GetTickCountFunction = decltype(GetTickCount);
    GetTickCountFunction* tick = ui::SystemFunction<GetTickCountFunction>(L"kernel32.dll", "GetTickCount");
    ASSERT_NE(tick, nullptr);
    EXPECT_NEAR(static_cast<double>(tick()), static_cast<double>(GetTickCount()), 1000.0);
}
