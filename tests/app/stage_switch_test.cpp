// The stage buttons: what was selected in one stage is not carried into the other, nor a step of
// a tool under way (nor into a document opened).

#include "app/main_frame.h"
#include "app/view_input_host.h"
#include "core/command_ids.h"
#include "core/cursor_mode.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/line_entry_tool.h"
#include "editing/selection_list.h"
#include "editing/view_input.h"
#include "frame_on_example.h"
#include "graphics/graphics.h"
#include "model/data_set.h"
#include "profile/profile_line.h"

#include <QTest>
#include <QToolBar>

namespace {

using StageSwitch = testsupport::FrameOnExample;

// Each stage button, pressed in select mode and in another tool: the selection empties and
// select mode is (again) the tool.
TEST_F(StageSwitch, AStageButtonEmptiesTheSelectionAndEndsInSelectMode) {
    OpenExample("embankment.preinput-kliven");
    frame.show();
    Cpp_ProfileLine* line = DataSet().ProfileLines().FindProfileLine(1);
    ASSERT_NE(line, nullptr);
    struct Case {
        int tool;
        int stageButton;
    };
    for (const Case c :
         {Case{ID_SELECT_ITEMS, ID_STAGE2}, Case{ID_SELECT_ITEMS, ID_STAGE1},
          Case{ID_ENTER_PROFILE_LINES, ID_STAGE2}, Case{ID_ENTER_PROFILE_LINES, ID_STAGE1}}) {
        SCOPED_TRACE(testing::Message() << c.tool << " then " << c.stageButton);
        frame.OnCommand(c.tool);
        GetCurrentSelection().Add(&DataSet(), 0, SEL_PROFILE_POINT, line, line->FirstPoint());
        ASSERT_EQ(GetCurrentSelection().Count(), 1);
        QTest::mouseClick(frame.MainToolBar()->widgetForAction(frame.Action(c.stageButton)),
                          Qt::LeftButton);
        EXPECT_TRUE(GetCurrentSelection().IsEmpty());
        EXPECT_EQ(frame.GetEditMode(), EditModeSelect);
        EXPECT_EQ(Cpp_Kliven4DataSet::CurrentStage(), c.stageButton == ID_STAGE2 ? 2 : 1);
    }
}

// A line half entered with the profile tool when a stage button is pressed or a document is
// opened: the entry ends and adds nothing, no step of a tool is left, and select is the tool.
TEST_F(StageSwitch, AStageButtonOrOpeningADocumentEndsALineHalfEntered) {
    OpenExample("embankment.preinput-kliven");
    frame.show();
    const auto enterTwoPoints = [&] {
        frame.OnCommand(ID_ENTER_PROFILE_LINES);
        for (const QPoint at : {QPoint(100, 200), QPoint(150, 150)}) {
            s_ViewInput in;
            in.device = {at.x(), at.y()};
            Cpp_Graphics::PixelToWorldPoint(at.x(), at.y(), in.world.x, in.world.y);
            bool redraw = false;
            ViewLButtonDown(frame.ViewInput(), in, redraw);
        }
        ASSERT_TRUE(Cpp_LineEntry::IsActive());
        ASSERT_EQ(Cpp_LineEntry::EnteredCount(), 2);
    };
    const int lines = DataSet().ProfileLines().Count();

    enterTwoPoints();
    QTest::mouseClick(frame.MainToolBar()->widgetForAction(frame.Action(ID_STAGE2)),
                      Qt::LeftButton);
    EXPECT_FALSE(Cpp_LineEntry::IsActive());
    EXPECT_EQ(Cpp_LineEntry::EnteredCount(), 0);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(frame.GetEditMode(), EditModeSelect);
    EXPECT_EQ(DataSet().ProfileLines().Count(), lines);

    enterTwoPoints();
    ASSERT_TRUE(frame.FileOpen(example));
    EXPECT_FALSE(Cpp_LineEntry::IsActive());
    EXPECT_EQ(Cpp_LineEntry::EnteredCount(), 0);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(frame.GetEditMode(), EditModeSelect);
    EXPECT_EQ(DataSet().ProfileLines().Count(), lines);
}

}  // namespace
