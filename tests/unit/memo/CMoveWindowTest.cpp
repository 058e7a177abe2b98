#include "CMoveWindow.h"

#include "Form.h"
#include "FormData.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A borderless form that records where each of its moves took it.
class MovedForm : public ui::Form {
public:
    MovedForm()
    {
        LoadForm(ui::ParseFormData("object F: TMovedForm\n Left = 100\n Top = 50\n Width = 80\n Height = 40\n"
                                   " BorderStyle = bsNone\nend\n"));
        FinishCreate();
    }
    std::vector<POINT> moves;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_WINDOWPOSCHANGED) {
            const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
            if (!(pos->flags & SWP_NOMOVE))
                moves.push_back(POINT{pos->x, pos->y});
        }
        return ui::Form::HandleMessage(message, wParam, lParam);
    }
};

} // namespace

TEST(CMoveWindow, WindowFollowsTheCursorByItsDisplacement)
{
    MovedForm form;
    ASSERT_TRUE(SetCursorPos(300, 300));
    CMoveWindow drag(form);
    drag.FollowCursor(POINT{310, 295});
    EXPECT_EQ(110, form.Left());
    EXPECT_EQ(45, form.Top());
    drag.FollowCursor(POINT{310, 295}); // no movement, no move
    EXPECT_EQ(110, form.Left());
    EXPECT_EQ(45, form.Top());
    drag.FollowCursor(POINT{200, 400});
    EXPECT_EQ(0, form.Left());
    EXPECT_EQ(150, form.Top());
    EXPECT_EQ(80, form.Width());
    EXPECT_EQ(40, form.Height());
}

TEST(CMoveWindow, MovesLeftFirstThenTop)
{
    MovedForm form;
    ASSERT_TRUE(SetCursorPos(300, 300));
    CMoveWindow drag(form);
    form.moves.clear();
    drag.FollowCursor(POINT{307, 289});
    ASSERT_EQ(2u, form.moves.size());
    EXPECT_EQ(107, form.moves[0].x);
    EXPECT_EQ(50, form.moves[0].y);
    EXPECT_EQ(107, form.moves[1].x);
    EXPECT_EQ(39, form.moves[1].y);
}

TEST(CMoveWindow, NoBoundsWhileDragging)
{
    MovedForm form;
    ASSERT_TRUE(SetCursorPos(300, 300));
    CMoveWindow drag(form);
    drag.FollowCursor(POINT{-700, -500});
    EXPECT_EQ(-900, form.Left());
    EXPECT_EQ(-750, form.Top());
}

TEST(CMoveWindow, GetDragCursorReadsTheCursorAndShowsTheMoveCursor)
{
    MovedForm form;
    ASSERT_TRUE(SetCursorPos(300, 300));
    CMoveWindow drag(form);
    // The first call, when the drag starts, finds the cursor where the drag object was made.
    EXPECT_EQ(LoadCursorW(nullptr, IDC_SIZEALL), drag.GetDragCursor(false, 0, 0));
    EXPECT_EQ(100, form.Left());
    EXPECT_EQ(50, form.Top());
    ASSERT_TRUE(SetCursorPos(321, 288));
    // The arguments are not used: the position is read anew.
    EXPECT_EQ(LoadCursorW(nullptr, IDC_SIZEALL), drag.GetDragCursor(true, 9999, 9999));
    EXPECT_EQ(121, form.Left());
    EXPECT_EQ(38, form.Top());
}
