// Steps of the view that no tool of the program leaves running but that act when they are:
// the generic line point entry (cursor mode 13), the click selection (77), and the nail tool's
// Shift move at rest.

#include "editing/construction_items.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/line_entry_tool.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_input_fixture.h"
#include "graphics/line_list.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "porepressure/piezometric_line.h"

#include <string>
#include <vector>

namespace {

// The entry started as the tools start it, but left in its own mode. The view shows world
// x 0 to 400 and y 0 to 300 (pixel y = 300 - world y).
class GenericLineEntryTest : public ViewInputTest {
protected:
    // The bars of the line kinds, as shown with their tools.
    void SetUp() override {
        ViewInputTest::SetUp();
        for (CmDialogBar* bar : Bars()) bar->SetEntryOption(1);
    }
    void TearDown() override {
        for (CmDialogBar* bar : Bars()) bar->SetEntryOption(0);
    }
    static std::vector<CmDialogBar*> Bars() {
        ToolDialogBars& bars = TheToolBars();
        return {&bars.profile, &bars.piezometric, &bars.construction};
    }
    void Start(double x, double y) {
        Cpp_LineEntry::StartEnterPoints(Cpp_Graphics::XToPixel(x), Cpp_Graphics::YToPixel(y), x, y,
                                        s_DrawAttributesType());
        ASSERT_EQ(GetCursorMode(), CursorModeLineEntry);
    }
    void Escape(bool shift) {
        bool redraw = false;
        EscapeKey(host, shift, redraw);
    }
    Cpp_Kliven4DataSet& DataSet() { return *Cpp_Kliven4Data::CurrentDataSet(); }
};

TEST_F(GenericLineEntryTest, ClicksAddPointsShiftEscapeTakesOneBackAndEscapeCancels) {
    host.editMode = EditModeProfileLines;
    Start(50, 50);
    Click(100, 200);
    Release(100, 200);
    ASSERT_EQ(Cpp_LineEntry::EnteredCount(), 2);
    EXPECT_DOUBLE_EQ(Cpp_LineEntry::EnteredPoints()[1].x, 100);
    EXPECT_DOUBLE_EQ(Cpp_LineEntry::EnteredPoints()[1].y, 100);
    Click(100, 200);  // the same point again is refused
    Release(100, 200);
    EXPECT_EQ(Cpp_LineEntry::EnteredCount(), 2);
    Escape(true);
    EXPECT_EQ(Cpp_LineEntry::EnteredCount(), 1);
    Escape(false);
    EXPECT_FALSE(Cpp_LineEntry::IsActive());
    EXPECT_EQ(DataSet().ProfileLines().Count(), 0);
    // The entry's prompt goes with it (what comes back is the prompt held before the entry).
    EXPECT_EQ(Status().find("pts. entered"), std::string::npos) << Status();
}

// The right click ends the entry with the line of the edit mode; a mode without a line kind
// of its own leaves the entry running.
TEST_F(GenericLineEntryTest, TheRightClickMakesTheLineOfTheEditMode) {
    struct Case {
        int editMode;
        std::function<int()> lines;
        bool modified;
    };
    const Case cases[] = {
        {EditModeProfileLines, [&] { return DataSet().ProfileLines().Count(); }, true},
        {EditModePiezometricLines, [&] { return DataSet().PiezometricLines(1)->Count(); }, true},
        {EditModeConstruction, [] { return GetConstructionLineList().Count(); }, true},
        {EditModeMaterials, [] { return 0; }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.editMode);
        host.editMode = c.editMode;
        host.dataChanges.clear();
        Start(50, 50);
        Click(150, 150);
        Release(150, 150);
        Right(150, 150);
        EXPECT_EQ(c.lines(), c.modified ? 1 : 0);
        EXPECT_EQ(Cpp_LineEntry::IsActive(), !c.modified);
        EXPECT_EQ(host.dataChanges.empty(), !c.modified);
        Escape(false);
    }
}

// Enter in the profile mode takes the point typed in the profile bar.
TEST_F(GenericLineEntryTest, EnterInTheProfileModeTakesTheBarsPoint) {
    host.editMode = EditModeProfileLines;
    Start(50, 50);
    ASSERT_TRUE(TheToolBars().profile.SetPoint(120, 80));
    bool redraw = false;
    EnterKey(host, redraw);
    ASSERT_EQ(Cpp_LineEntry::EnteredCount(), 2);
    EXPECT_DOUBLE_EQ(Cpp_LineEntry::EnteredPoints()[1].x, 120);
    EXPECT_DOUBLE_EQ(Cpp_LineEntry::EnteredPoints()[1].y, 80);
    // With Shift the cursor point goes to the profile bar as the band follows.
    Move(200, 100, true);
    double x = 0, y = 0;
    ASSERT_TRUE(TheToolBars().profile.GetPoint(x, y));
    EXPECT_DOUBLE_EQ(x, 200);
    EXPECT_DOUBLE_EQ(y, 200);
    Escape(false);
}

// Profile line 1 from (100, 100) to (200, 100).
class ClickSelectionTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        Cpp_ProfileLine* line =
            Cpp_Kliven4Data::CurrentDataSet()->ProfileLines().CreateLine(1, 1, "");
        line->AddPoint(100, 100);
        line->AddPoint(200, 100);
        line->NumberPoints();
    }
    void ClickAt(double x, double y) {
        SetCursorMode(CursorModeClickSelection);
        const int px = static_cast<int>(x), py = static_cast<int>(300 - y);
        Click(px, py);
        Release(px, py);
    }
};

TEST_F(ClickSelectionTest, AClickSelectsTheOneItemThereEmptiesOnNothingAndOffersSeveral) {
    ClickAt(150, 100);  // the middle of the segment
    ASSERT_EQ(GetCurrentSelection().Count(), 1);
    EXPECT_TRUE(GetPickList().IsEmpty());
    EXPECT_TRUE(host.menus.empty());
    EXPECT_FALSE(host.touchedRects.empty());  // the new item is drawn highlighted

    ClickAt(350, 250);  // nothing there
    EXPECT_TRUE(GetCurrentSelection().IsEmpty());

    ClickAt(100, 100);  // the end point and its segment
    EXPECT_EQ(host.menus.size(), 1u);
    EXPECT_EQ(GetPickList().Count(), 2);
    EXPECT_TRUE(GetCurrentSelection().IsEmpty());
    EXPECT_EQ(Status(), "");
    SetCursorMode(CursorModeNone);
}

// The nail tool at rest: with Shift the bar's Y follows the cursor, without it nothing.
TEST_F(ViewInputTest, ShiftOverTheNailToolSetsTheNailBarsY) {
    host.editMode = EditModeNails;
    CmDialogBarNailsTool& bar = TheToolBars().nails;
    bar.SetEntryOption(1);
    const std::string before = bar.Controls().Text(CmDialogBarNailsTool::IdY);
    Move(50, 120);
    EXPECT_EQ(bar.Controls().Text(CmDialogBarNailsTool::IdY), before);
    Move(50, 120, true);
    EXPECT_DOUBLE_EQ(std::stod(bar.Controls().Text(CmDialogBarNailsTool::IdY)), 180.0);
    EXPECT_EQ(Status(), "");
    bar.SetEntryOption(0);
}

}  // namespace
