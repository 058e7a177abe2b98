#include "PersistenceTest.h"

#include "Input.h"
#include "MemoWindowQuery.h"
#include "ScreenPicture.h"
#include "TestClipboard.h"
#include "Wait.h"
#include "WindowQuery.h"

#include <algorithm>

namespace e2e {

namespace {

constexpr UINT kSynchroniseTimeoutMs = 15000;

std::vector<WORD> KeysTyping(const std::string& text)
{
    std::vector<WORD> keys;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            keys.push_back(VK_RETURN);
            ++i;
        } else if (c == ' ') {
            keys.push_back(VK_SPACE);
        } else if (c >= 'a' && c <= 'z') {
            keys.push_back(static_cast<WORD>(c - 'a' + 'A'));
        } else if (c >= '0' && c <= '9') {
            keys.push_back(static_cast<WORD>(c));
        } else {
            ADD_FAILURE() << "no key types " << int(c);
        }
    }
    return keys;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM text)
{
    if (ClassNameOf(child) == "Static") {
        *reinterpret_cast<std::wstring*>(text) += WideCaptionOf(child);
    }
    return TRUE;
}

} // namespace

std::vector<StoredMemo> SortedByText(std::vector<StoredMemo> memos)
{
    std::sort(memos.begin(), memos.end(), [](const StoredMemo& a, const StoredMemo& b) { return a.text < b.text; });
    return memos;
}

void PersistenceTest::SetUp()
{
    KamifudaTest::SetUp();
}

bool PersistenceTest::Start()
{
    program_ = StartProgram();
    return program_.mainWindow != nullptr;
}

std::vector<HWND> PersistenceTest::StartWithSavedMemos(const std::vector<std::string>& texts)
{
    if (!Start()) {
        ADD_FAILURE() << "the program did not start";
        return {};
    }
    std::vector<HWND> memos;
    for (const std::string& text : texts) {
        HWND memo = NewMemo(text);
        if (!memo)
            return {};
        memos.push_back(memo);
    }
    const auto allSaved = [&] {
        return ReadStoredMemos(ProgramFolder()).value_or(std::vector<StoredMemo>{}).size() == texts.size();
    };
    if (!WaitUntil(allSaved)) {
        ADD_FAILURE() << "the memos were not saved: " << Describe(ReadStoredMemos(ProgramFolder()));
        return {};
    }
    return memos;
}

bool PersistenceTest::ChooseExit()
{
    if (OpenTrayMenu(program_) == nullptr) {
        return false;
    }
    PressKeys({'X'});
    return true;
}

bool PersistenceTest::Exit()
{
    return ChooseExit() && program_.process->WaitForExit(kDefaultTimeout) && program_.process->ExitCode() == 0u;
}

HWND PersistenceTest::TypeNewMemo(const std::string& text)
{
    HWND dialog = OpenNewMemoDialog();
    HWND edit = dialog ? ChildOf(dialog, "Edit") : nullptr;
    HWND ok = dialog ? ChildOf(dialog, "Button", L"OK") : nullptr;
    if (!edit || !ok) {
        ADD_FAILURE() << "no edit dialog with an edit box and OK opened";
        return nullptr;
    }
    ClickAt(CentreOf(edit), MouseButton::Left);
    // The keys go to the foreground window's focus: the dialog's focus alone is not enough.
    if (!WaitUntil([&] { return GetForegroundWindow() == dialog && FocusOfThreadOf(dialog) == edit; })) {
        ADD_FAILURE() << "the edit box did not take the focus; the program's windows:\n"
                      << DescribeScreenOf(ProcessId());
        return nullptr;
    }
    PressKeys(KeysTyping(text));
    if (!WaitUntil([&] { return ControlText(edit) == text; })) {
        ADD_FAILURE() << "typed \"" << ControlText(edit) << "\"";
        return nullptr;
    }
    if (!ClickWhenSettled(dialog, ok) || !WaitUntilHidden(dialog)) {
        ADD_FAILURE() << "OK did not close the edit dialog";
        return nullptr;
    }
    HWND memo = nullptr;
    WaitUntil([&] { return (memo = VisibleMemoHeaded(text)) != nullptr; });
    if (!memo)
        ADD_FAILURE() << "no memo shows the typed text";
    return memo;
}

bool PersistenceTest::Synchronise() const
{
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(program_.mainWindow, WM_NULL, 0, 0, SMTO_NORMAL, kSynchroniseTimeoutMs, &ignored) != 0;
}

HWND PersistenceTest::VisibleMemoHeaded(const std::string& text) const
{
    const std::string firstLine = text.substr(0, text.find_first_of("\r\n"));
    for (HWND memo : VisibleMemos())
        if (CaptionOf(memo) == firstLine)
            return memo;
    return nullptr;
}

std::string PersistenceTest::CopiedText(HWND memo)
{
    testclipboard::Empty();
    if (RightClickText(memo) == nullptr || !ChooseWithKeys({'C'}))
        return "(no context menu)";
    WaitUntil([] { return !testclipboard::ReadText().empty(); });
    return testclipboard::ReadText();
}

COLORREF PersistenceTest::ColourOnScreen(HWND memo)
{
    POINT clientOrigin{0, 0};
    ClientToScreen(memo, &clientOrigin);
    const RECT spot{clientOrigin.x - 3, clientOrigin.y + 2, clientOrigin.x - 2, clientOrigin.y + 3};
    return ScreenPicture::Capture(spot).At(0, 0);
}

bool PersistenceTest::PlaceWindow(HWND window, const RECT& place)
{
    SetWindowPos(window, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return WaitUntil([&] {
        const RECT now = RectOf(window);
        return EqualRect(&place, &now) != FALSE;
    });
}

bool PersistenceTest::MoveWindowBy(HWND window, LONG dx, LONG dy, RECT* place)
{
    RECT moved = RectOf(window);
    OffsetRect(&moved, dx, dy);
    if (place)
        *place = moved;
    return PlaceWindow(window, moved);
}

bool PersistenceTest::MoveWindowTo(HWND window, LONG left, LONG top, RECT* place)
{
    const RECT now = RectOf(window);
    return MoveWindowBy(window, left - now.left, top - now.top, place);
}

void PersistenceTest::ExpectShown(const std::vector<StoredMemo>& memos)
{
    ASSERT_TRUE(WaitUntil([&] { return VisibleMemos().size() == memos.size(); })) << VisibleMemos().size();
    for (const StoredMemo& memo : memos) {
        SCOPED_TRACE(memo.text);
        HWND window = VisibleMemoHeaded(memo.text);
        ASSERT_NE(window, nullptr);
        const RECT place = RectOf(window);
        EXPECT_TRUE(EqualRect(&memo.place, &place))
            << "(" << place.left << ", " << place.top << ", " << place.right << ", " << place.bottom << ")";
        EXPECT_TRUE(WaitUntil([&] { return ColourOnScreen(window) == memo.colour; }))
            << std::hex << ColourOnScreen(window);
        EXPECT_EQ(memo.text, CopiedText(window));
    }
}

void PersistenceTest::ExpectStackedInFileOrder(const std::vector<StoredMemo>& memos)
{
    ASSERT_TRUE(WaitUntil([&] { return VisibleMemos().size() == memos.size(); })) << VisibleMemos().size();
    std::vector<HWND> topFirst;
    for (auto memo = memos.rbegin(); memo != memos.rend(); ++memo)
        topFirst.push_back(VisibleMemoHeaded(memo->text));
    EXPECT_TRUE(WaitUntil([&] { return VisibleMemos() == topFirst; })) << DescribeScreenOf(ProcessId());
}

std::optional<std::vector<StoredMemo>> PersistenceTest::StoredMemosByText() const
{
    auto memos = ReadStoredMemos(ProgramFolder());
    if (!memos)
        return std::nullopt;
    return SortedByText(std::move(*memos));
}

std::vector<std::string> PersistenceTest::TemporaryFiles() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(ProgramFolder())) {
        const std::filesystem::path name = entry.path().filename();
        if (name.extension() == ".tmp")
            names.push_back(name.string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::wstring PersistenceTest::MessageBoxText(HWND box)
{
    std::wstring text;
    EnumChildWindows(box, &CollectStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

bool PersistenceTest::ClickMessageBoxButton(HWND box, int commandId)
{
    HWND button = GetDlgItem(box, commandId);
    return button && ClickWhenSettled(box, button);
}

void PersistenceTest::Answer(HWND box, int commandId)
{
    ASSERT_TRUE(ClickMessageBoxButton(box, commandId));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
}

void PersistenceTest::RunOnAfter(HWND box)
{
    ASSERT_NO_FATAL_FAILURE(Answer(box, IDOK));
    program_.mainWindow = WaitForMainWindow(*program_.process);
    ASSERT_NE(program_.mainWindow, nullptr);
}

} // namespace e2e
