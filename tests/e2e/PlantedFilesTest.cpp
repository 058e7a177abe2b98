// Files left beside kamifuda.exe, as a user's Downloads folder may hold them: a DLL of a name that
// Windows would load from the program's folder, and a program of the name that the program starts.
// Neither is ever loaded or run.
#include "AboutDialog.h"
#include "Input.h"
#include "KamifudaTest.h"
#include "MemoWindowQuery.h"
#include "Wait.h"
#include "WindowQuery.h"

#include <array>
#include <filesystem>

namespace e2e {
namespace {

// The stand-ins, built beside this test program. Each leaves a mark beside itself when it is run
// or loaded: an empty file named after its own file with ".mark" added.
constexpr wchar_t kPlantedProgram[] = L"planted_program.exe";
constexpr wchar_t kPlantedLibrary[] = L"planted_library.dll";

// Copies a stand-in into the folder under the name given; returns the path of the mark it leaves.
std::filesystem::path Plant(const wchar_t* standIn, const std::filesystem::path& folder, const wchar_t* name)
{
    std::array<wchar_t, MAX_PATH> self{};
    GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
    const auto planted = folder / name;
    std::filesystem::copy_file(std::filesystem::path(self.data()).parent_path() / standIn, planted);
    return std::filesystem::path(planted) += L".mark";
}

// The folder that GetSystemWindowsDirectoryW or GetSystemDirectoryW gives.
std::filesystem::path FolderFrom(UINT(WINAPI* folderOf)(LPWSTR, UINT))
{
    std::array<wchar_t, MAX_PATH> folder{};
    folderOf(folder.data(), MAX_PATH);
    return folder.data();
}

// A process that the test did not start itself but must not leave running.
class EndedAtScopeExit {
public:
    explicit EndedAtScopeExit(DWORD id)
        : process_(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id))
    {}
    ~EndedAtScopeExit()
    {
        if (process_) {
            TerminateProcess(process_.Get(), 1);
            WaitForSingleObject(process_.Get(), 10000);
        }
    }
    EndedAtScopeExit(const EndedAtScopeExit&) = delete;
    EndedAtScopeExit& operator=(const EndedAtScopeExit&) = delete;

    std::wstring ImagePath() const
    {
        std::array<wchar_t, MAX_PATH> path{};
        DWORD length = static_cast<DWORD>(path.size());
        return QueryFullProcessImageNameW(process_.Get(), 0, path.data(), &length) ? path.data() : L"";
    }

private:
    base::UniqueKernelHandle process_;
};

// Run in a ctest entry of their own, kamifuda_e2e_planted, whose environment tells Wine to prefer a
// native uxtheme.dll (WINEDLLOVERRIDES uxtheme=n,b): Windows' order for a DLL that is not one of its
// known DLLs, which Wine otherwise takes from its own. Programs started from here get this process's
// Unix environment, so the setting holds for them too. uxtheme.dll, because Wine's own libraries
// load it by its name once the program makes its first window, after start: only the narrowed
// search keeps a planted one out. (Not version.dll, which the About dialog once needed: Wine's own
// user32.dll imports it, so under that setting every program with windows loads a version.dll
// beside it while it starts, before any code of its own runs; Windows' user32.dll does not.)
class PlantedLibraryTest : public KamifudaTest {};

TEST_F(PlantedLibraryTest, ALibraryBesideTheProgramIsNeverLoaded)
{
    const auto libraryMark = Plant(kPlantedLibrary, ProgramFolder(), L"uxtheme.dll");

    const Instance program = StartProgram();
    ASSERT_NE(program.mainWindow, nullptr) << "the program did not start beside a planted uxtheme.dll";
    ASSERT_NE(OpenTrayMenu(program), nullptr);
    HWND about = ChooseAboutInTrayMenu(program.process->Id());
    ASSERT_NE(about, nullptr) << "the About dialog did not open";
    EXPECT_TRUE(AboutDialogShows(about, ExpectedVersionLine(Program())))
        << "no control shows the line for the program's product version";
    EXPECT_FALSE(std::filesystem::exists(libraryMark)) << "kamifuda.exe loaded the uxtheme.dll beside it";

    // The planted file would be loaded: a program beside it that loads uxtheme.dll by its name, with
    // the search as it is by default, gets it.
    const auto loaderMark = Plant(kPlantedProgram, ProgramFolder(), L"loads_by_name.exe");
    ChildProcess loader(ProgramFolder() / L"loads_by_name.exe", ProgramFolder(), ChildProcess::Start::Running,
                        L"uxtheme.dll");
    ASSERT_TRUE(loader.WaitForExit(kDefaultTimeout));
    ASSERT_TRUE(std::filesystem::exists(loaderMark)) << "the loading program did not run";
    EXPECT_TRUE(std::filesystem::exists(libraryMark))
        << "a program loading uxtheme.dll by its name did not get the one beside it, so this test could not see "
           "it either: run it through ctest (kamifuda_e2e_planted), which sets WINEDLLOVERRIDES=uxtheme=n,b";
}

TEST_F(KamifudaTest, TheAboutLinkStartsWindowsOwnExplorerNotOneBesideTheProgram)
{
    const auto plantedMark = Plant(kPlantedProgram, ProgramFolder(), L"explorer.exe");
    // Wine's explorer shows the desktop for a file it is asked to open, but a folder in a window
    // captioned with the folder's name. So here the guide's name is given to a folder: the window
    // then tells that explorer was handed the address of the guide beside the program.
    std::filesystem::create_directory(ProgramFolder() / L"kamifuda.html");

    const Instance program = StartProgram();
    ASSERT_NE(program.mainWindow, nullptr);
    ASSERT_NE(OpenTrayMenu(program), nullptr);
    HWND about = ChooseAboutInTrayMenu(program.process->Id());
    ASSERT_NE(about, nullptr) << "the About dialog did not open";
    HWND link = ChildOf(about, kAboutLinkClass);
    ASSERT_NE(link, nullptr);
    ClickAt(CentreOf(link), MouseButton::Left);

    HWND opened = nullptr;
    const bool explorerOpened = WaitUntil([&] {
        const auto windows = TopLevelWindowsNamed("ExplorerWClass", "kamifuda.html");
        return (opened = windows.empty() ? nullptr : windows.front()) != nullptr;
    });
    EXPECT_FALSE(std::filesystem::exists(plantedMark)) << "the explorer.exe beside the program ran";
    ASSERT_TRUE(explorerOpened) << "no explorer window opened the guide's address\n"
                                << DescribeScreenOf(program.process->Id());
    const EndedAtScopeExit explorer(ProcessOf(opened));
    // Windows' own, from the Windows folder where the program names it; Wine runs its built-in
    // explorer from the system folder in its stead.
    const std::filesystem::path image = explorer.ImagePath();
    std::error_code ignored;
    EXPECT_TRUE(std::filesystem::equivalent(image.parent_path(), FolderFrom(GetSystemWindowsDirectoryW), ignored) ||
                std::filesystem::equivalent(image.parent_path(), FolderFrom(GetSystemDirectoryW), ignored))
        << "explorer came from " << image;
    EXPECT_TRUE(IsWindow(about)) << "the dialog closed";
}

} // namespace
} // namespace e2e
