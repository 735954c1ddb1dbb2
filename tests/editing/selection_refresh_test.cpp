// What an edit of a selected item leaves around it: the summary window emptied (through a
// recording window) and the item's bar loaded again after a drop, a move onto a line, a snap,
// typed values and a delete, not after Escape or a refused edit; and the crack lines after a
// crack point is deleted or dropped.

#include "analysis/analysis_computation_data.h"
#include "core/cursor_mode.h"
#include "core/summary_window.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/pending_moves.h"
#include "editing/selection_edit_commands.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_input_fixture.h"
#include "loads/line_load.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/derived_data.h"
#include "profile/crack.h"
#include "profile/profile_line.h"
#include "profile/slope_geometry.h"

#include <string>
#include <utility>
#include <vector>

namespace {

class RecordingSummaryWindow final : public SummaryTreeWindow {
public:
    bool IsVisible() const override { return visible; }
    void ClearTree() override { ++clears; }
    bool visible = true;
    int clears = 0;
};

using Points = std::vector<std::pair<double, double>>;

Points Of(const Cpp_Line& line) {
    Points points;
    for (const Cpp_PointXY* p = line.FirstPoint(); p; p = p->Next())
        points.emplace_back(p->X(), p->Y());
    return points;
}

class SelectionRefreshTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        ds = Cpp_Kliven4Data::CurrentDataSet();
        host.editMode = EditModeSelect;
        ResetToolBars();
        GetCurrentSelection().Clear();
        SetSummaryWindow(&window);
    }
    void TearDown() override {
        SetSummaryWindow(nullptr);
        GetCurrentSelection().Clear();
    }
    // Profile line 1 from (100, 100) to (200, 100) to (300, 150), its second point selected
    // with its bar shown.
    Cpp_ProfileLine* SelectProfilePoint() {
        Cpp_ProfileLine* line = ds->ProfileLines().CreateLine(1, 1, "");
        for (const auto& [x, y] : Points{{100, 100}, {200, 100}, {300, 150}}) line->AddPoint(x, y);
        line->NumberPoints();
        Cpp_Selection s;
        s.SetPointItem(ds, 0, SEL_PROFILE_POINT, line, line->FirstPoint()->Next());
        GetCurrentSelection().AddCopy(s);
        GetCurrentSelection().GetNth(1)->UpdateToolBars();
        return line;
    }
    enum e_Edit {
        Drop,
        CancelledDrag,
        MoveUpToLine,
        Snap,
        RefusedSnap,
        TypedPoint,
        TypedNumberInUse
    };
    void Run(e_Edit edit) {
        Cpp_Selection& item = *GetCurrentSelection().GetNth(1);
        bool redraw = false;
        switch (edit) {
        case Drop:
        case CancelledDrag:
            ChangeValueOfSelection(host, 200, 200);
            Move(220, 170);
            if (edit == Drop)
                Click(220, 170);
            else
                Key(ViewKeyEscape);
            break;
        case MoveUpToLine: {
            // Straight up onto y = 150, parallel to a vertical reference.
            Cpp_ProfileLine* target = ds->ProfileLines().CreateLine(2, 1, "");
            target->AddPoint(0, 150);
            target->AddPoint(400, 150);
            Cpp_ProfileLine* reference = ds->ProfileLines().CreateLine(3, 1, "");
            reference->AddPoint(10, 0);
            reference->AddPoint(10, 10);
            StartPendingMoveToLine(true, false);
            StartPickReferenceLine(target);
            EXPECT_TRUE(item.MoveToLine(reference->FirstPoint()));
            EndPendingStep();
            break;
        }
        case Snap: EXPECT_TRUE(item.Snap(2, {0, 0}, {400, 40})); break;
        case RefusedSnap: EXPECT_FALSE(item.Snap(2, {150, 0}, {150, 40})); break;
        case TypedPoint:
        case TypedNumberInUse:
            if (edit == TypedNumberInUse) {
                ds->ProfileLines().CreateLine(7, 1, "")->AddPoint(0, 0);
                TheToolBars().profile.SetLineData(7, 1, "");
            }
            TheToolBars().profile.SetPoint(210, 90);
            EnterKey(host, redraw);
            break;
        }
    }
    static std::pair<double, double> ProfileBarPoint() {
        double x = 0, y = 0;
        EXPECT_TRUE(TheToolBars().profile.GetPoint(x, y));
        return {x, y};
    }

    Cpp_Kliven4DataSet* ds = nullptr;
    RecordingSummaryWindow window;
};

// Each edit of a selected profile point, and how often it empties a visible summary window;
// after a change the profile bar shows the point where it now is.
TEST_F(SelectionRefreshTest, EditsOfASelectedItemEmptyTheSummaryWindowAndReloadItsBar) {
    struct s_Case {
        e_Edit edit;
        int clears;
        std::pair<double, double> at;  // the selected point afterwards
    };
    const s_Case cases[] = {
        {Drop, 1, {220, 130}},
        {CancelledDrag, 0, {200, 100}},
        {MoveUpToLine, 1, {200, 150}},
        {Snap, 1, {200, 20}},
        {RefusedSnap, 0, {200, 100}},
        {TypedPoint, 1, {210, 90}},
        {TypedNumberInUse, 0, {200, 100}},
    };
    for (const s_Case& c : cases) {
        SCOPED_TRACE(c.edit);
        ds->ProfileLines().DeleteAllLines();
        GetCurrentSelection().Clear();
        ResetToolBars();
        Cpp_ProfileLine* line = SelectProfilePoint();
        window.clears = 0;
        Run(c.edit);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_EQ(window.clears, c.clears);
        const Cpp_PointXY* point = line->FirstPoint()->Next();
        EXPECT_EQ(std::pair(point->X(), point->Y()), c.at);
        if (c.clears > 0) {
            EXPECT_EQ(ProfileBarPoint(), c.at);
        }
    }

    // A hidden window is left alone by a drop; a delete empties it all the same.
    ds->ProfileLines().DeleteAllLines();
    GetCurrentSelection().Clear();
    SelectProfilePoint();
    window.visible = false;
    window.clears = 0;
    ChangeValueOfSelection(host, 200, 200);
    Click(230, 170);
    EXPECT_EQ(window.clears, 0);
    EXPECT_TRUE(DeletePointOfSelection(host));
    EXPECT_EQ(window.clears, 1);
}

// ---------------------------------------------------------------------------------------------
// Crack points

class CrackPointEditTest : public SelectionRefreshTest {
protected:
    // A slope from (0, 0) up to (50, 50) and on to (100, 50); the crack bottom by the
    // elevations (60, 40), (75, 30), (90, 40), the water by the elevations (60, 35), (90, 35).
    void SetUp() override {
        SelectionRefreshTest::SetUp();
        Cpp_SlopeLine& slope = ds->SlopeGeometry().GetSlopeLine();
        for (const auto& [x, y] : Points{{0, 0}, {50, 50}, {100, 50}}) slope.AddPoint(x, y);
        Crack().SetCrackOption(4);
        Crack().SetWaterOption(4);
        for (const auto& [x, y] : Points{{60, 40}, {75, 30}, {90, 40}})
            Crack().CrackPointList().AddPoint(x, y);
        for (const auto& [x, y] : Points{{60, 35}, {90, 35}})
            Crack().WaterPointList().AddPoint(x, y);
        ASSERT_TRUE(ComputeCrackBottom(*ds, nullptr));
        ASSERT_TRUE(ComputeCrackWaterLevels(*ds));
    }
    Cpp_Crack& Crack() { return ds->AnalysisComputationData()->GetCrack(); }
    Points Bottom() { return Of(ds->SlopeGeometry().GetCrackBottomLine()); }
    Points Water() { return Of(ds->SlopeGeometry().GetCrackWaterLine()); }
    void SelectCrackPoint(int kind, Cpp_CrackPoint* point) {
        GetCurrentSelection().Clear();
        s_SelectionReferences r;
        r.ref1 = point;
        GetCurrentSelection().AddItem(ds, 0, kind, r);
    }
};

// Deleting a crack-bottom point computes the crack bottom and the water levels again (the
// water follows the bottom where the bottom lies above it); deleting a water point computes
// only the water levels.
TEST_F(CrackPointEditTest, DeletingACrackPointComputesTheLinesThatDependOnIt) {
    const Points bottom = Bottom(), water = Water();
    SelectCrackPoint(SEL_VARIABLE_CRACK_POINT, Crack().CrackPointList().Head()->Next());
    EXPECT_TRUE(DeletePointOfSelection(host));
    EXPECT_EQ(Crack().CrackPointList().Count(), 2);
    const Points bottomAfter = Bottom(), waterAfter = Water();
    EXPECT_NE(bottomAfter, bottom);
    EXPECT_NE(waterAfter, water);
    ComputeCrackBottom(*ds, nullptr);
    ComputeCrackWaterLevels(*ds);
    EXPECT_EQ(Bottom(), bottomAfter);
    EXPECT_EQ(Water(), waterAfter);

    // The bottom's elevations changed behind its back: a deleted water point leaves the bottom
    // as it was computed and computes the water over it.
    Crack().CrackPointList().Head()->SetXY(60, 20);
    Crack().WaterPointList().AddPoint(100, 38);
    SelectCrackPoint(SEL_VARIABLE_WATER_POINT, Crack().WaterPointList().Head()->Next()->Next());
    EXPECT_TRUE(DeletePointOfSelection(host));
    EXPECT_EQ(Bottom(), bottomAfter);
    EXPECT_EQ(Water(), waterAfter);
}

// A crack point dragged and dropped: where no crack line changes (dropped back on its place)
// the view is not drawn again as a whole; where one changes it is, and the lines follow (the
// water over a moved bottom too).
TEST_F(CrackPointEditTest, ADropThatChangesNoCrackLineDrawsNoWholeView) {
    struct s_Case {
        const char* name;
        int kind;
        std::pair<int, int> drop;  // pixels: world (x, 300 - y)
        bool repaint;
    };
    const s_Case cases[] = {
        {"bottom point back on its place", SEL_VARIABLE_CRACK_POINT, {75, 270}, false},
        {"bottom point lower", SEL_VARIABLE_CRACK_POINT, {75, 280}, true},
        {"water point back on its place", SEL_VARIABLE_WATER_POINT, {60, 265}, false},
        {"water point higher", SEL_VARIABLE_WATER_POINT, {60, 258}, true},
    };
    for (const s_Case& c : cases) {
        SCOPED_TRACE(c.name);
        Cpp_CrackPoint* point = c.kind == SEL_VARIABLE_CRACK_POINT
                                    ? Crack().CrackPointList().Head()->Next()
                                    : Crack().WaterPointList().Head();
        SelectCrackPoint(c.kind, point);
        const Points bottom = Bottom(), water = Water();
        host.invalidated = 0;
        host.dataChanges.clear();
        window.clears = 0;
        ASSERT_TRUE(ChangeValueOfSelection(host, c.drop.first, c.drop.second));
        ASSERT_EQ(GetCursorMode(), CursorModeDragCrackPoint);
        Move(c.drop.first, c.drop.second);
        bool redraw = false;
        ViewLButtonDown(host, At(c.drop.first, c.drop.second), redraw);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_EQ(std::pair(point->X(), point->Value()),
                  std::pair(static_cast<double>(c.drop.first), 300.0 - c.drop.second));
        EXPECT_EQ(redraw, c.repaint);
        EXPECT_EQ(host.invalidated, 0);
        EXPECT_EQ(host.dataChanges.size(), 1u);
        EXPECT_EQ(window.clears, 1);
        EXPECT_EQ(c.kind == SEL_VARIABLE_CRACK_POINT ? Bottom() != bottom : Water() != water,
                  c.repaint);
        // The water over a moved bottom is computed as well.
        const Points computed = Water();
        ComputeCrackWaterLevels(*ds);
        EXPECT_EQ(Water(), computed);
    }
}

}  // namespace
