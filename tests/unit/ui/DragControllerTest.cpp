#include "DragController.h"
#include "DragObject.h"
#include "Form.h"
#include "FormData.h"
#include "Label.h"
#include "Wait.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

constexpr UINT kTakeCapture = WM_APP + 1;
constexpr UINT kPing = WM_APP + 2;

// A borderless form with one label that starts drags at once and one that does not. The StartDrag
// handler hands out whatever drag object the test put in `nextDragObject`; the form takes the
// capture away on kTakeCapture and counts the presses and pings that reach it. It stays hidden:
// showing a window under Xvfb costs Wine about two seconds, and the capture works without it.
class DragForm : public ui::Form {
public:
    DragForm()
    {
        Bind("StartDrag", [this](ui::Component& sender, std::unique_ptr<ui::DragObject>& object) {
            starts.push_back(&sender);
            object = std::move(nextDragObject);
        });
        Bind("Pressed", [this](ui::Component&, ui::MouseButton, ui::ShiftState keys, int, int) {
            ++mouseDowns;
            lastKeys = keys;
        });
        LoadForm(ui::ParseFormData(
            "object F: TDragForm\n Left = 200\n Top = 200\n Width = 120\n Height = 60\n BorderStyle = bsNone\n"
            " object Label: TLabel\n  Left = 0\n  Top = 0\n  Width = 60\n  Height = 30\n"
            "  DragMode = dmAutomatic\n  OnStartDrag = StartDrag\n end\n"
            " object Plain: TLabel\n  Left = 60\n  Top = 0\n  Width = 60\n  Height = 30\n"
            "  OnMouseDown = Pressed\n  OnStartDrag = StartDrag\n end\nend\n"));
        FinishCreate();
    }
    HWND LabelHandle() { return Get<ui::Label>("Label").Handle(); }
    HWND PlainHandle() { return Get<ui::Label>("Plain").Handle(); }

    std::unique_ptr<ui::DragObject> nextDragObject;
    std::vector<ui::Component*> starts;
    int mouseDowns = 0;
    ui::ShiftState lastKeys;
    int pings = 0;
    int presses = 0;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case kTakeCapture:
            SetCapture(Handle());
            return 0;
        case kPing:
            ++pings;
            return 0;
        case WM_LBUTTONDOWN:
            ++presses;
            return 0;
        default:
            return ui::Form::HandleMessage(message, wParam, lParam);
        }
    }
};

// Counts its calls and shows the cross cursor; can be told to fail.
class RecordingDrag : public ui::DragObject {
public:
    explicit RecordingDrag(int* calls, bool fail = false) : calls_(calls), fail_(fail) {}
    HCURSOR GetDragCursor(bool accepted, int, int) override
    {
        EXPECT_FALSE(accepted);
        ++*calls_;
        if (fail_)
            throw std::runtime_error("drag object failed");
        return LoadCursorW(nullptr, IDC_CROSS);
    }

private:
    int* calls_;
    bool fail_;
};

bool MessageWaiting(HWND window, UINT message)
{
    MSG msg;
    return PeekMessageW(&msg, window, message, message, PM_NOREMOVE) != FALSE;
}

class DragControllerTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetCursorPos(10, 10); // away from the form, so no real pointer movement reaches it
        // No message from earlier work (cursor moves, painting) is left in the queue.
        PumpMessages();
    }
    void TearDown() override
    {
        ReleaseCapture();
        PumpMessages();
    }
    DragForm form;
    int calls = 0;
};

} // namespace

TEST_F(DragControllerTest, AsksForTheCursorAtTheStartAndOnEveryMovementUntilRelease)
{
    HWND label = form.LabelHandle();
    PostMessageW(label, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    PostMessageW(label, WM_MOUSEMOVE, 0, MAKELPARAM(9, 7));
    PostMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(9, 7));
    PostMessageW(label, WM_MOUSEMOVE, 0, MAKELPARAM(12, 7)); // after the end: not the drag's
    RecordingDrag drag(&calls);
    EXPECT_EQ(ui::DragEnding::Released, ui::DragController(label, drag).Run());
    EXPECT_EQ(3, calls);
    EXPECT_EQ(LoadCursorW(nullptr, IDC_CROSS), GetCursor());
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_TRUE(MessageWaiting(label, WM_MOUSEMOVE));
}

TEST_F(DragControllerTest, HoldsTheCaptureWhileTheDragLasts)
{
    HWND label = form.LabelHandle();
    struct CaptureCheck : ui::DragObject {
        HWND expected;
        int held = 0;
        HCURSOR GetDragCursor(bool, int, int) override
        {
            held += GetCapture() == expected;
            return nullptr;
        }
    } drag;
    drag.expected = label;
    PostMessageW(label, WM_MOUSEMOVE, 0, 0);
    PostMessageW(label, WM_RBUTTONUP, 0, 0); // the right button ends a drag as well
    EXPECT_EQ(ui::DragEnding::Released, ui::DragController(label, drag).Run());
    EXPECT_EQ(2, drag.held);
    EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(DragControllerTest, EscapeEndsTheDragWhereItIs)
{
    HWND label = form.LabelHandle();
    PostMessageW(label, WM_MOUSEMOVE, 0, 0);
    PostMessageW(form.Handle(), WM_KEYDOWN, VK_ESCAPE, 0); // keys arrive at the focused window
    PostMessageW(label, WM_MOUSEMOVE, 0, 0);
    RecordingDrag drag(&calls);
    EXPECT_EQ(ui::DragEnding::Cancelled, ui::DragController(label, drag).Run());
    EXPECT_EQ(2, calls);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_TRUE(MessageWaiting(label, WM_MOUSEMOVE));
}

TEST_F(DragControllerTest, OtherKeysDoNotEndTheDrag)
{
    HWND label = form.LabelHandle();
    PostMessageW(form.Handle(), WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(form.Handle(), WM_KEYDOWN, 'A', 0);
    PostMessageW(label, WM_LBUTTONUP, 0, 0);
    RecordingDrag drag(&calls);
    EXPECT_EQ(ui::DragEnding::Released, ui::DragController(label, drag).Run());
}

TEST_F(DragControllerTest, LosingTheCaptureEndsTheDrag)
{
    HWND label = form.LabelHandle();
    PostMessageW(form.Handle(), kTakeCapture, 0, 0);
    PostMessageW(label, WM_MOUSEMOVE, 0, 0);
    RecordingDrag drag(&calls);
    EXPECT_EQ(ui::DragEnding::CaptureLost, ui::DragController(label, drag).Run());
    EXPECT_EQ(1, calls);
    EXPECT_EQ(form.Handle(), GetCapture()); // the drag does not release a capture it no longer holds
    EXPECT_TRUE(MessageWaiting(label, WM_MOUSEMOVE));
}

TEST_F(DragControllerTest, OtherMessagesAreHandledButPressesAreNot)
{
    HWND label = form.LabelHandle();
    PostMessageW(form.Handle(), kPing, 0, 0);
    PostMessageW(form.Handle(), WM_LBUTTONDOWN, 0, 0);
    PostMessageW(form.Handle(), kPing, 0, 0);
    PostMessageW(label, WM_LBUTTONUP, 0, 0);
    RecordingDrag drag(&calls);
    EXPECT_EQ(ui::DragEnding::Released, ui::DragController(label, drag).Run());
    EXPECT_EQ(2, form.pings);
    EXPECT_EQ(0, form.presses);
}

TEST_F(DragControllerTest, QuitEndsTheDragAndReachesTheOuterLoop)
{
    HWND label = form.LabelHandle();
    PostQuitMessage(7);
    RecordingDrag drag(&calls);
    EXPECT_EQ(ui::DragEnding::Quit, ui::DragController(label, drag).Run());
    EXPECT_EQ(nullptr, GetCapture());
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, msg.wParam);
}

TEST_F(DragControllerTest, ReleasesTheCaptureWhenTheDragObjectFails)
{
    HWND label = form.LabelHandle();
    RecordingDrag drag(&calls, true);
    EXPECT_THROW(ui::DragController(label, drag).Run(), std::runtime_error);
    EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(DragControllerTest, LeftPressOnAnAutomaticLabelStartsTheDragAtOnce)
{
    HWND label = form.LabelHandle();
    form.nextDragObject = std::make_unique<RecordingDrag>(&calls);
    PostMessageW(label, WM_MOUSEMOVE, 0, 0);
    PostMessageW(label, WM_LBUTTONUP, 0, 0);
    SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ASSERT_EQ(1u, form.starts.size());
    EXPECT_EQ(&form.Get<ui::Label>("Label"), form.starts[0]);
    EXPECT_EQ(2, calls);
    EXPECT_FALSE(MessageWaiting(label, WM_LBUTTONUP));
    EXPECT_EQ(0, form.mouseDowns);
}

TEST_F(DragControllerTest, WithoutADragObjectThePressIsOver)
{
    HWND label = form.LabelHandle();
    PostMessageW(label, WM_LBUTTONUP, 0, 0);
    SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_EQ(1u, form.starts.size());
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_TRUE(MessageWaiting(label, WM_LBUTTONUP)); // no drag loop ran
}

TEST_F(DragControllerTest, RightPressesAndManualLabelsStartNoDrag)
{
    form.nextDragObject = std::make_unique<RecordingDrag>(&calls);
    SendMessageW(form.LabelHandle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 3));
    SendMessageW(form.PlainHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_TRUE(form.starts.empty());
    EXPECT_EQ(0, calls);
    EXPECT_EQ(1, form.mouseDowns);
    EXPECT_EQ(nullptr, GetCapture());
}

// The press's own flags say which keys were held, whatever this thread's key state says: the
// keys may have gone to another program's window.
TEST_F(DragControllerTest, APressReportsTheModifierKeysItsMessageCarries)
{
    SendMessageW(form.PlainHandle(), WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, MAKELPARAM(3, 3));
    EXPECT_TRUE(form.lastKeys.shift);
    EXPECT_FALSE(form.lastKeys.ctrl);
    SendMessageW(form.PlainHandle(), WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL, MAKELPARAM(3, 3));
    EXPECT_FALSE(form.lastKeys.shift);
    EXPECT_TRUE(form.lastKeys.ctrl);
    EXPECT_EQ(2, form.mouseDowns);
}

TEST(DragObject, DefaultShowsTheNoDropCursor)
{
    ui::DragObject object;
    EXPECT_EQ(LoadCursorW(nullptr, IDC_NO), object.GetDragCursor(false, 0, 0));
}
