// The rows of the view input whose tools are built answer their clicks: rescaling from two
// picked points (cursor modes 10 and 11, also through the candidate menu), renumbering lines by
// clicking (160, Escape ends it).

#include "editing/cursor_modes.h"
#include "editing/renumber_lines.h"
#include "editing/rescale_coordinates.h"
#include "editing/selection_list.h"
#include "editing/view_input_fixture.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "profile/profile_line.h"

#include <string>
#include <vector>

namespace {

struct ScriptedRescaleDialog : Cpp_RescaleDialog {
    std::vector<s_RescaleValues> seen;
    bool Run(s_RescaleValues& values) override {
        seen.push_back(values);
        values.new1 = {values.old1.x * 2, values.old1.y * 2};
        values.new2 = {values.old2.x * 2, values.old2.y * 2};
        return true;
    }
};

// Line 1 from (100, 100) to (200, 150), line 2 from (100, 200) to (200, 250); one pixel a unit,
// pixel y = 300 - world y.
class ViewToolRowsTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        RescaleDialogSlot().Set(&dialog);
        ds = Cpp_Kliven4Data::CurrentDataSet();
        for (int n : {1, 2}) {
            Cpp_ProfileLine* line = ds->ProfileLines().CreateLine(n, n, "");
            line->AddPoint(100, 100 * n);
            line->AddPoint(200, 100 * n + 50);
            line->NumberPoints();
        }
    }
    void TearDown() override {
        RescaleDialogSlot().Reset();
        RenumberLines::Reset();
        SetCursorMode(0);
    }
    Cpp_Line* Line(int index) { return ds->ProfileLines().Lines()[index].get(); }

    ScriptedRescaleDialog dialog;
    Cpp_Kliven4DataSet* ds = nullptr;
};

TEST_F(ViewToolRowsTest, RescalingTakesTheTwoPickedPoints) {
    RescaleCoordinates::Start();
    ASSERT_EQ(GetCursorMode(), CursorModeRescaleFirstPoint);
    Click(150, 150);  // nothing there: the tool waits
    EXPECT_EQ(GetCursorMode(), CursorModeRescaleFirstPoint);
    Click(100, 200);  // point 1 of line 1
    EXPECT_EQ(GetCursorMode(), CursorModeRescaleSecondPoint);
    ASSERT_EQ(GetCurrentSelection().Count(), 1);
    EXPECT_EQ(GetCurrentSelection().GetNth(1)->GetType(), SEL_PROFILE_POINT);
    bool redraw = false;
    ViewLButtonDown(host, At(200, 50), redraw);  // point 2 of line 2
    EXPECT_TRUE(redraw);
    EXPECT_EQ(GetCursorMode(), 0);
    ASSERT_EQ(dialog.seen.size(), 1u);
    EXPECT_EQ(dialog.seen[0].old1.x, 100);
    EXPECT_EQ(dialog.seen[0].old2.y, 250);
    EXPECT_EQ(Line(0)->FirstPoint()->X(), 200);  // every coordinate doubled
    EXPECT_EQ(Status().find("not available"), std::string::npos);
}

TEST_F(ViewToolRowsTest, RenumberingNumbersTheLinesInClickOrderAndEscapeKeepsThem) {
    RenumberLines::Start(ds, RenumberLines::ProfileLines);
    Click(150, 75);  // line 2 first
    Release(150, 75);
    EXPECT_EQ(GetCursorMode(), CursorModeRenumberLines);
    EXPECT_EQ(host.invalidated, 0);
    EXPECT_FALSE(host.touchedRects.empty());  // the disc with number 1
    Click(150, 175);
    Release(150, 175);
    EXPECT_EQ(GetCursorMode(), 0);
    EXPECT_EQ(host.invalidated, 1);
    EXPECT_EQ(Line(0)->GetNumber(), 2);
    EXPECT_EQ(Line(1)->GetNumber(), 1);

    RenumberLines::Start(ds, RenumberLines::ProfileLines);
    Click(150, 175);
    bool redraw = false;
    const int barsHidden = host.barsHidden;
    EXPECT_TRUE(EscapeKey(host, false, redraw));
    EXPECT_TRUE(redraw);
    EXPECT_EQ(host.barsHidden, barsHidden + 1);  // nothing selected: no item bar stays
    EXPECT_EQ(GetCursorMode(), 0);
    EXPECT_EQ(Line(0)->GetNumber(), 2);  // nothing changed
}

}  // namespace
