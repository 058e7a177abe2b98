#include "Form.h"
#include "Application.h"
#include "Error.h"
#include "FormData.h"
#include "Label.h"
#include "MenuItem.h"
#include "PopupMenu.h"
#include "Wait.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

// A form built from text, with a handler table the test chooses.
class TestForm : public ui::Form {
public:
    explicit TestForm(const std::string& formData, bool bindHandlers = true)
    {
        if (bindHandlers) {
            Bind("Clicked", [this](ui::Component&) { ++clicks; });
            Bind("Pressed", [](ui::Component&, ui::MouseButton, ui::ShiftState, int, int) {});
        }
        LoadForm(ui::ParseFormData(formData));
        FinishCreate();
    }
    int clicks = 0;
};

std::string LoadError(const std::string& formData, bool bindHandlers = true)
{
    try {
        TestForm form(formData, bindHandlers);
    } catch (const ui::Error& e) {
        return e.what();
    }
    return "";
}

// Work that waits for the handlers, asked for from inside a modal loop.
struct WorkInModalLoop {
    ui::Form& dialog;
    int ticks = 0;
    int ran = 0;
    int ranBeforeTheLoopEnded = -1;
};
WorkInModalLoop* workInModalLoop = nullptr;

// The first tick asks for the work; the second, after the loop has handled the messages posted
// meanwhile (a timer comes only when no other message waits), notes whether it ran and ends the loop.
void CALLBACK TickInModalLoop(HWND, UINT, UINT_PTR timer, DWORD)
{
    WorkInModalLoop& work = *workInModalLoop;
    if (++work.ticks == 1) {
        ui::Application::Instance().AfterHandlers([&work] { ++work.ran; });
        return;
    }
    KillTimer(nullptr, timer);
    work.ranBeforeTheLoopEnded = work.ran;
    work.dialog.SetModalResult(1);
}

} // namespace

TEST(Form, WorkThatWaitsForTheHandlersRunsOnlyOnceTheModalLoopHasReturned)
{
    TestForm dialog("object F: TTestForm\nend\n");
    WorkInModalLoop work{dialog};
    workInModalLoop = &work;
    ui::Application::Instance().AfterHandlers([&work] { work.ran += 10; });
    EXPECT_EQ(0, work.ran) << "never at once";
    PumpMessages();
    EXPECT_EQ(10, work.ran) << "no handler runs: at the next message";

    ASSERT_NE(0u, SetTimer(nullptr, 0, 20, &TickInModalLoop));
    dialog.ShowModal();
    EXPECT_EQ(2, work.ticks);
    EXPECT_EQ(10, work.ranBeforeTheLoopEnded) << "ran beneath the modal loop";
    PumpMessages();
    EXPECT_EQ(11, work.ran) << "not run once the loop had returned";
    workInModalLoop = nullptr;
}

TEST(Form, RejectsUnknownKindsPropertiesAndHandlersByName)
{
    EXPECT_NE(std::string::npos, LoadError("object F: TTestForm\n object X: TGauge\n end\nend\n").find("'TGauge'"));
    EXPECT_NE(std::string::npos, LoadError("object F: TTestForm\n Opacity = 3\nend\n").find("'Opacity'"));
    EXPECT_NE(std::string::npos,
              LoadError("object F: TTestForm\n object L: TLabel\n  Wobble = 1\n end\nend\n").find("'Wobble'"));
    EXPECT_NE(std::string::npos, LoadError("object F: TTestForm\n OnCreate = Clicked\nend\n", false).find("'Clicked'"));
    // A handler of the wrong kind is refused as well.
    EXPECT_NE(
        std::string::npos,
        LoadError("object F: TTestForm\n object L: TLabel\n  OnMouseDown = Clicked\n end\nend\n").find("'Clicked'"));
    EXPECT_NE(std::string::npos, LoadError("object F: TTestForm\n ActiveControl = Nowhere\nend\n").find("'Nowhere'"));
    EXPECT_EQ("", LoadError("object F: TTestForm\n OnCreate = Clicked\nend\n"));
}

TEST(Form, RejectsANameOutsideAPropertysListAndNamesTheList)
{
    const std::pair<const char*, const char*> cases[] = {
        {" BorderIcons = [biSystemMenu, biHelp]\n",
         "'BorderIcons' takes a set of biSystemMenu, biMinimize, biMaximize"},
        {" Font.Style = [fsBold, fsStrikeOut]\n", "'Font.Style' takes a set of fsBold, fsItalic, fsUnderline"},
        {" Font.Charset = ANSI_CHARSET\n", "'Font.Charset' takes SHIFTJIS_CHARSET or DEFAULT_CHARSET"},
        {" Position = poDefault\n", "'Position' takes poDesigned or poScreenCenter"},
        {" BorderStyle = bsToolWindow\n", "'BorderStyle' takes bsNone, bsSizeable, bsDialog or bsSizeToolWin"},
        {" object L: TLabel\n  Anchors = [akLeft, akCenter]\n end\n",
         "'Anchors' takes a set of akLeft, akTop, akRight, akBottom"},
    };
    for (const auto& [property, message] : cases)
        EXPECT_NE(std::string::npos, LoadError(std::string("object F: TTestForm\n") + property + "end\n").find(message))
            << property;
    EXPECT_EQ("", LoadError("object F: TTestForm\n BorderIcons = [biSystemMenu, biMaximize]\n Font.Style = []\nend\n"));
}

TEST(Form, ClientSizeAndBorderWidthShapeTheWindow)
{
    TestForm form("object F: TTestForm\n Left = 100\n Top = 50\n ClientWidth = 275\n ClientHeight = 53\n"
                  " BorderStyle = bsNone\n BorderWidth = 5\nend\n");
    EXPECT_EQ(275, form.ClientWidth());
    EXPECT_EQ(53, form.ClientHeight());
    EXPECT_EQ(100, form.Left());
    EXPECT_EQ(275 + 10, form.Width()); // no frame, the 5-pixel border on each side
    EXPECT_EQ(53 + 10, form.Height());
}

TEST(Form, AnchoredControlFollowsTheFormsSize)
{
    TestForm form("object F: TTestForm\n ClientWidth = 200\n ClientHeight = 100\n BorderStyle = bsNone\n"
                  " object L: TLabel\n  Left = 10\n  Top = 10\n  Width = 170\n  Height = 60\n"
                  "  Anchors = [akLeft, akTop, akRight, akBottom]\n end\n"
                  " object R: TLabel\n  Left = 150\n  Top = 80\n  Width = 40\n  Height = 10\n"
                  "  Anchors = [akRight, akBottom]\n end\nend\n");
    form.SetClientWidth(300);
    form.SetClientHeight(150);
    auto& stretched = form.Get<ui::Label>("L");
    EXPECT_EQ(270, stretched.Width());
    EXPECT_EQ(110, stretched.Height());
    auto& moved = form.Get<ui::Label>("R");
    EXPECT_EQ(250, moved.Left());
    EXPECT_EQ(130, moved.Top());
    EXPECT_EQ(40, moved.Width());
}

namespace {
std::vector<HWND> namesChanged;
void CALLBACK RecordNameChange(HWINEVENTHOOK, DWORD, HWND window, LONG objectId, LONG childId, DWORD, DWORD)
{
    if (objectId == OBJID_CLIENT && childId == CHILDID_SELF)
        namesChanged.push_back(window);
}
} // namespace

// Screen readers read a control's name from its window text and take its role from the class its
// window answers to; they hear of a new name through the event.
TEST(Form, ALabelsWindowTextIsItsCaptionToldWhenItChangesAndItAnswersAsStaticText)
{
    TestForm form("object F: TTestForm\n object L: TLabel\n  Caption = 'design'\n end\nend\n");
    auto& label = form.Get<ui::Label>("L");
    const HWND window = label.Handle();
    std::array<char, 64> text{};
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    EXPECT_STREQ("design", text.data());

    namesChanged.clear();
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, RecordNameChange,
                                         GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(nullptr, hook);
    label.SetCaptionAnsi("two\r\nlines \x83\x81");
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
    UnhookWinEvent(hook);
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    EXPECT_STREQ("two\r\nlines \x83\x81", text.data());
    EXPECT_EQ(std::vector<HWND>{window}, namesChanged);

    // OBJID_QUERYCLASSNAMEIDX is -12; a 64-bit caller may pass it without its sign extended.
    const LPARAM signExtended = static_cast<LPARAM>(static_cast<LONG>(0xFFFFFFF4));
    const LPARAM zeroExtended = static_cast<LPARAM>(static_cast<ULONG_PTR>(0xFFFFFFF4u));
    EXPECT_EQ(65536 + 3, SendMessageW(window, WM_GETOBJECT, 0, signExtended));
    EXPECT_EQ(65536 + 3, SendMessageW(window, WM_GETOBJECT, 0, zeroExtended));
    EXPECT_EQ(0, SendMessageW(window, WM_GETOBJECT, 0, static_cast<LPARAM>(static_cast<LONG>(0xFFFFFFFC))))
        << "the client object is the system's to give";
}

TEST(PopupMenuBuild, CaptionsStatesAndAutomaticHotkeys)
{
    TestForm form("object F: TTestForm\n"
                  " object M: TPopupMenu\n"
                  "  object A: TMenuItem\n   Caption = 'Open(&O)'\n   OnClick = Clicked\n  end\n"
                  "  object S: TMenuItem\n   Caption = '-'\n  end\n"
                  "  object B: TMenuItem\n   Caption = '1行目'\n   Enabled = false\n  end\n"
                  " end\nend\n");
    auto& menu = form.Get<ui::PopupMenu>("M");
    std::map<UINT, ui::MenuItem*> commands;
    ui::UniqueMenu handle = menu.BuildMenu(commands);
    ASSERT_EQ(3, GetMenuItemCount(handle.Get()));
    wchar_t text[64] = {};
    GetMenuStringW(handle.Get(), 0, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(L"Open(&O)", text); // an accelerator of its own is kept
    GetMenuStringW(handle.Get(), 2, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(L"&1行目", text);
    EXPECT_TRUE(GetMenuState(handle.Get(), 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_TRUE(GetMenuState(handle.Get(), 2, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(handle.Get(), 0, MF_BYPOSITION) & MF_GRAYED);
    // Choosing the first item runs its handler; a disabled item runs nothing.
    UINT firstId = GetMenuItemID(handle.Get(), 0);
    commands.at(firstId)->Click();
    commands.at(GetMenuItemID(handle.Get(), 2))->Click();
    EXPECT_EQ(1, form.clicks);
}

TEST(PopupMenuBuild, AutomaticHotkeysSkipLettersAlreadyTaken)
{
    std::wstring used;
    EXPECT_EQ(L"&1行目をコピー", ui::WithAutomaticHotkey(L"1行目をコピー", used));
    EXPECT_EQ(L"1&0行目をコピー", ui::WithAutomaticHotkey(L"10行目をコピー", used));
    EXPECT_EQ(L"11行目をコピー", ui::WithAutomaticHotkey(L"11行目をコピー", used));
    EXPECT_EQ(L"-", ui::WithAutomaticHotkey(L"-", used));
}
