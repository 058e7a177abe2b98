#include "TAbout.h"

#include "Handles.h"
#include "HomePage.h"
#include "Label.h"
#include "ProductVersion.h"
#include "SpeedButton.h"
#include "Text.h"
#include "product.h"

#include <shlwapi.h>

#include <algorithm>
#include <cwchar>

namespace {

// A hidden window for the command, as WinExec with SW_HIDE would start it: explorer hands the
// address to the browser and ends. Through the wide API, because the address of the user guide is
// a path beside the executable, which the ANSI code page may not be able to spell. The command
// names its program by its full path, so no application name is needed and nothing is searched.
void RunHidden(const std::wstring& commandLine)
{
    std::wstring writable = commandLine; // CreateProcessW may write into its command line
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION started{};
    if (CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        const ui::UniqueKernelHandle process(started.hProcess);
        const ui::UniqueKernelHandle thread(started.hThread);
    }
}

// The address as the link shows it: a long local path loses its middle to an ellipsis so that both
// its drive and the file name stay readable within the button.
std::wstring FittedCaption(const std::wstring& address, const ui::SpeedButton& button)
{
    std::wstring fitted = address;
    fitted.resize(std::max<size_t>(fitted.size(), MAX_PATH) + 1);
    ui::WindowDC screen(nullptr);
    ui::SelectScope font(screen.Get(), button.FontHandle());
    if (!PathCompactPathW(screen.Get(), fitted.data(), static_cast<UINT>(button.Width())))
        return address;
    fitted.resize(wcslen(fitted.c_str()));
    return fitted;
}

} // namespace

TAbout::TAbout(ui::Form& owner) : TAbout(owner, RunHidden) {}

TAbout::TAbout(ui::Form& owner, CommandRunner runCommand)
    : ui::Form(&owner), runCommand_(std::move(runCommand)), homePage_(HomePageAddress())
{
    Bind("bHomePageClick", [this](ui::Component& s) { bHomePageClick(s); });
    LoadForm(L"TABOUT");

    long major = 0, minor = 0, release = 0, build = 0;
    GetProductVersion(GetModuleHandleW(nullptr), major, minor, release, build);
    const std::wstring versionLine = ui::Utf8ToWide(VersionLine(major, minor, release, build));
    Get<ui::Label>("lVersion").SetCaption(versionLine);
    Get<ui::Label>("Label2").SetCaption(ui::Utf8ToWide(KAMIFUDA_MAKER));
    auto& link = Get<ui::SpeedButton>("bHomePage");
    link.SetCaption(FittedCaption(homePage_, link));
    FinishCreate();
}

void TAbout::bHomePageClick(ui::Component&)
{
    const std::wstring explorer = ExplorerPath();
    if (!explorer.empty())
        runCommand_(HomePageCommand(explorer, homePage_));
}
