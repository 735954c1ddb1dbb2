// The stage buttons: what was selected in one stage is not carried into the other.

#include "app/main_frame.h"
#include "core/command_ids.h"
#include "editing/edit_modes.h"
#include "editing/selection_list.h"
#include "frame_on_example.h"
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

}  // namespace
