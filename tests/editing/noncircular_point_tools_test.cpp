// The points of a stored noncircular slip surface and of an irregular tangent line edited from
// the selection: drag, add at an end, insert, delete, typed bar values and the line commands
// (extend, make parallel), each driven through the selection commands and the view's input
// records; every point keeps its shift data. Also the noncircular entry's Delete key and its
// shift markers.

#include "analysis/analysis_computation_data.h"
#include "analysis/analysis_drawing_attributes.h"
#include "analysis/tangent_line.h"
#include "core/cursor_mode.h"
#include "core/string_table.h"
#include "editing/cursor_modes.h"
#include "editing/drawn_figures.h"
#include "editing/edit_modes.h"
#include "editing/noncircular_tool.h"
#include "editing/selection_edit_commands.h"
#include "editing/selection_list.h"
#include "editing/shift_direction_tool.h"
#include "editing/tool_dialog_bars.h"
#include "editing/two_step_edits.h"
#include "editing/view_input_fixture.h"
#include "editing/view_menus.h"
#include "loads/distributed_load_data.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "profile/profile_line.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

// A point of the surface with its shift data.
struct Shift {
    double x, y;
    bool moveable, computed;
    double angle;
    bool operator==(const Shift& o) const {
        return std::fabs(x - o.x) < 1e-9 && std::fabs(y - o.y) < 1e-9 && moveable == o.moveable &&
               computed == o.computed && std::fabs(angle - o.angle) < 1e-9;
    }
};
void PrintTo(const Shift& s, std::ostream* out) {
    *out << "(" << s.x << ", " << s.y << (s.moveable ? " moveable" : " fixed")
         << (s.computed ? " computed" : "") << " " << s.angle << ")";
}

using Shifts = std::vector<Shift>;

class NoncircularPointToolTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        FillStringTable({{1356, "Left-click or Enter key to enter points; Backspace to undo "
                                "last; Right-click to finish; Escape to cancel."}});
        ds = Cpp_Kliven4Data::CurrentDataSet();
        GetCurrentSelection().Clear();
        host.editMode = EditModeSelect;
        Analysis().SetCircular(false);
        Analysis().SetMode(3);
        Analysis().SetDataDefined(true);
        ShowToolBar(BarNoncircular, true, 2);
        Bar().SetPointData(3, 0, 0, true, true, 0);
    }
    void TearDown() override { ShowToolBar(BarNoncircular, false, 0); }

    Cpp_AnalysisComputationData& Analysis() { return *ds->AnalysisComputationData(); }
    Cpp_NoncircularShearSurface& Surface() { return Analysis().GetNoncircularPointList(); }
    CmDialogBarNoncircularTool& Bar() { return TheToolBars().noncircular; }

    // (20, 100) fixed, (100, 50) moveable at 30 degrees, (180, 80) moveable, computed.
    void ThreePoints() {
        Surface().DeleteAllPoints();
        Surface().AddPoint(20, 100, 0, false, false);
        Surface().AddPoint(100, 50, 30, true, false);
        Surface().AddPoint(180, 80, 0, true, true);
    }
    Shifts Stored() {
        Shifts out;
        for (const auto& p : Surface().Points())
            out.push_back({p.X(), p.Y(), p.IsMoveable(), p.IsShiftDirectionComputed(),
                           p.GetShiftAngleDegrees()});
        return out;
    }
    std::vector<int> Numbers() {
        std::vector<int> out;
        for (const auto& p : Surface().Points()) out.push_back(p.Number());
        return out;
    }
    Cpp_Selection* Select(int kind, int index) {
        GetCurrentSelection().Clear();
        s_SelectionReferences r;
        r.ref1 = &Surface();
        r.ref2 = &Surface().Points()[static_cast<std::size_t>(index)];
        return GetCurrentSelection().AddItem(ds, 0, kind, r);
    }
    // World (x, y) as view pixels: one pixel a unit, y up from 300.
    void ClickAt(double x, double y) {
        Move(int(x), int(300 - y));
        Click(int(x), int(300 - y));
        Release(int(x), int(300 - y));
    }
    int XorShown() {
        int shown = 0;
        for (const platform::DcRecord& r : host.overlay.Records())
            if (r.attributes.rop == platform::RasterOp::XorPen) shown ^= 1;
        return shown;
    }

    Cpp_Kliven4DataSet* ds = nullptr;
};

const Shift kFixed20{20, 100, false, false, 0};
const Shift kGiven30{100, 50, true, false, 30};
const Shift kComputed180{180, 80, true, true, 0};

// A drag, an addition after the last point and before the first, and an insertion: the points
// the tools make take the bar's shift data, every other point keeps its own, and the points are
// numbered in order.
TEST_F(NoncircularPointToolTest, ThePointToolsKeepEachPointsShiftData) {
    ThreePoints();
    Select(SEL_NONCIRCULAR_POINT, 1);
    EXPECT_TRUE(ChangeValueOfSelection(host, 100, 250));
    EXPECT_EQ(GetCursorMode(), CursorModeDragNoncircularPoint);
    ClickAt(110, 60);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Stored(), (Shifts{kFixed20, {110, 60, true, false, 30}, kComputed180}));
    EXPECT_EQ(host.dataChanges, (std::vector<int>{9}));
    double x = 0, y = 0;
    ASSERT_TRUE(Bar().GetPoint(x, y));  // the bar shows the dropped point
    EXPECT_EQ(std::pair(x, y), std::pair(110.0, 60.0));

    // After the last point, fixed as the bar says; the bar was put into its point state.
    Select(SEL_NONCIRCULAR_POINT, 2);
    EXPECT_TRUE(StartAddPointAtEnd(host));
    EXPECT_EQ(GetCursorMode(), CursorModeAddPointNoncircular);
    EXPECT_EQ(Bar().GetEntryOption(), 4);
    Bar().SetPointFixity(false, false, 0);
    ClickAt(250, 100);
    EXPECT_EQ(Stored().back(), (Shift{250, 100, false, false, 0}));
    EXPECT_EQ(GetCurrentSelection().Count(), 1);  // the end point is still where it was

    // Before the first, typed in the bar: the selected point moved up a place, so the
    // selection is emptied.
    Select(SEL_NONCIRCULAR_POINT, 0);
    EXPECT_TRUE(StartAddPointAtEnd(host));
    Bar().SetPointFixity(true, false, -45);
    Bar().SetPoint(5, 95);
    Key(ViewKeyEnter);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Stored().front(), (Shift{5, 95, true, false, -45}));
    EXPECT_TRUE(GetCurrentSelection().IsEmpty());

    // On the segment from (20, 100) to (110, 60).
    Select(SEL_SLIP_SURFACE_SEGMENT, 1);
    EXPECT_TRUE(StartInsertPoint(host));
    EXPECT_EQ(GetCursorMode(), CursorModeInsertNoncircularPoint);
    Bar().SetPointFixity(true, true, 0);
    ClickAt(60, 80);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_TRUE(GetCurrentSelection().IsEmpty());
    EXPECT_EQ(Stored(), (Shifts{{5, 95, true, false, -45},
                                kFixed20,
                                {60, 80, true, true, 0},
                                {110, 60, true, false, 30},
                                kComputed180,
                                {250, 100, false, false, 0}}));
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(host.dataChanges, (std::vector<int>{9, 9, 9, 9}));
    EXPECT_EQ(XorShown(), 0);
}

// Escape ends each tool with the surface as it was, its band gone and nothing reported.
TEST_F(NoncircularPointToolTest, EscapeEndsEachToolAndChangesNothing) {
    struct Case {
        const char* what;
        int kind, index;
        std::function<bool()> start;
        int mode;
    };
    const Case cases[] = {
        {"drag", SEL_NONCIRCULAR_POINT, 1, [&] { return ChangeValueOfSelection(host, 100, 250); },
         CursorModeDragNoncircularPoint},
        {"add at end", SEL_NONCIRCULAR_POINT, 2, [&] { return StartAddPointAtEnd(host); },
         CursorModeAddPointNoncircular},
        {"insert", SEL_SLIP_SURFACE_SEGMENT, 0, [&] { return StartInsertPoint(host); },
         CursorModeInsertNoncircularPoint},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ThreePoints();
        Select(c.kind, c.index);
        host.overlay.Clear();
        ASSERT_TRUE(c.start());
        EXPECT_EQ(GetCursorMode(), c.mode);
        Move(140, 200);
        Move(150, 190);
        Key(ViewKeyEscape);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_EQ(Stored(), (Shifts{kFixed20, kGiven30, kComputed180}));
        EXPECT_EQ(XorShown(), 0);
    }
    EXPECT_TRUE(host.dataChanges.empty());
}

// "Delete Point": of three points the middle one goes and its neighbours are joined (the
// joining segment drawn); of two the whole surface goes, erased from the view.
TEST_F(NoncircularPointToolTest, DeletingAPointJoinsItsNeighboursAndTheLastTwoGoTogether) {
    ThreePoints();
    Select(SEL_NONCIRCULAR_POINT, 1);
    EXPECT_TRUE(DeletePointOfSelection(host));
    EXPECT_EQ(Stored(), (Shifts{kFixed20, kComputed180}));
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 2}));
    const platform::ColorRef ink = analysis_look::SlipSurfaceLinePen().colour.RGBColor();
    EXPECT_EQ(testsupport::LastSegmentColours(host.overlay)
                  .at(testsupport::SegmentKey(20, 200, 180, 220)),
              ink);

    Select(SEL_NONCIRCULAR_POINT, 0);
    EXPECT_TRUE(DeletePointOfSelection(host));
    EXPECT_FALSE(Surface().HasPoints());
    EXPECT_EQ(testsupport::LastSegmentColours(host.overlay)
                  .at(testsupport::SegmentKey(20, 200, 180, 220)),
              host.overlay.GetBkColor());
    EXPECT_EQ(host.dataChanges, (std::vector<int>{9, 9}));
}

// Enter with a selected point: the point goes where the bar says, with the bar's fixity and
// angle; a bar that does not read changes nothing.
TEST_F(NoncircularPointToolTest, TheBarsValuesMoveTheSelectedPointAndSetItsShift) {
    ThreePoints();
    Select(SEL_NONCIRCULAR_POINT, 2);
    Bar().SetPointData(3, 190, 85, true, false, 45);
    EXPECT_TRUE(AssignNumberToSelection(host));
    EXPECT_EQ(Stored(), (Shifts{kFixed20, kGiven30, {190, 85, true, false, 45}}));

    Select(SEL_NONCIRCULAR_POINT, 0);
    Bar().SetPointData(3, 30, 110, true, true, 0);
    ShowToolBar(BarNoncircular, false, 0);  // not in use: not read
    AssignNumberToSelection(host);
    EXPECT_EQ(Stored().front(), kFixed20);
}

// "Extend to Line" on the surface's last point: along its segment to a profile line, its shift
// data kept. "Make Parallel to Line" on a segment of the trial circle's irregular tangent line:
// the clicked end turns about the other, the length kept.
TEST_F(NoncircularPointToolTest, ExtendAndMakeParallelWorkOnTheSurfaceAndTheTangentLine) {
    Cpp_ProfileLine* level = ds->ProfileLines().CreateLine(1, 1, "");
    level->AddPoint(0, 150);
    level->AddPoint(400, 150);
    level->NumberPoints();
    ThreePoints();
    Select(SEL_NONCIRCULAR_POINT, 2);
    EXPECT_TRUE(ExtendToLine(false));
    EXPECT_EQ(GetCursorMode(), CursorModeExtendChooseTarget);
    ClickAt(250, 150);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    const Shifts stored = Stored();
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[2], (Shift{180 + 70 * 80 / 30.0, 150, true, true, 0}));
    EXPECT_EQ(stored[1], kGiven30);

    Analysis().SetCircular(true);
    Cpp_TangentLine& tangent = *Analysis().GetTangentLine();
    tangent.ChangeOption(Cpp_TangentLine::kIrregular);
    tangent.AddPoint(20, 40);
    tangent.AddPoint(100, 60);
    tangent.AddPoint(180, 50);
    GetCurrentSelection().Clear();
    s_SelectionReferences r;
    r.ref1 = &tangent;
    r.index = 0;
    GetCurrentSelection().AddItem(ds, 0, SEL_TANGENT_SEGMENT, r);
    EXPECT_TRUE(MakeParallelOrPerpendicular(true));
    EXPECT_EQ(GetCursorMode(), CursorModeMakeParallelChooseLine);
    ClickAt(250, 150);
    EXPECT_EQ(GetCursorMode(), CursorModeAdjustChooseEnd);
    ClickAt(100, 60);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    ASSERT_EQ(tangent.NumberOfPoints(), 3);
    EXPECT_NEAR(tangent.Points()[1].x, 20 + std::hypot(80.0, 20.0), 1e-9);
    EXPECT_NEAR(tangent.Points()[1].y, 40, 1e-9);
    EXPECT_EQ(tangent.Points()[2].x, 180);
    EXPECT_EQ(host.dataChanges, (std::vector<int>{9, 9}));  // analysis data changed twice
}

// The edit menu of a selected point: "Add Point at End" at either end of the surface or of the
// tangent line, and in a noncircular search "Set Constraint for Shifting" with the point's
// constraint checked; an individual surface has no constraints.
TEST_F(NoncircularPointToolTest, TheEditMenuOffersAddingAtTheEndsAndTheShiftConstraints) {
    ThreePoints();
    const auto entries = [&](int index) {
        std::vector<std::string> texts;
        Select(SEL_NONCIRCULAR_POINT, index);
        for (const s_MenuEntry& e : EditContextMenu(GetCurrentSelection())) {
            texts.push_back(e.text);
            for (const s_MenuEntry& sub : e.subMenu)
                texts.push_back("  " + sub.text + (sub.checked ? " *" : ""));
        }
        return texts;
    };
    const std::vector<std::string> constraints{
        "Set Constraint for Shifting", "  Fixed", "  Moveable - Direction Computed",
        "  Moveable - Set Direction *", "  Moveable - Set Parallel to Line"};
    std::vector<std::string> middle = entries(1);
    EXPECT_NE(middle.front(), "Add Point at End");
    EXPECT_EQ(std::vector<std::string>(middle.end() - 5, middle.end()), constraints);
    for (int end : {0, 2}) EXPECT_EQ(entries(end).front(), "Add Point at End");
    EXPECT_EQ(entries(0).back(), "  Moveable - Set Parallel to Line");
    EXPECT_EQ(entries(0)[entries(0).size() - 4], "  Fixed *");

    // "Fixed" chosen: the point and the bar's fixity follow.
    Select(SEL_NONCIRCULAR_POINT, 1);
    EXPECT_TRUE(SetSelectedPointConstraint(host, false, false));
    EXPECT_EQ(Stored()[1], (Shift{100, 50, false, false, 0}));
    double x = 0, y = 0, angle = 0;
    bool moveable = true, computed = true;
    ASSERT_TRUE(Bar().GetPointData(x, y, moveable, computed, angle));
    EXPECT_FALSE(moveable);
    EXPECT_EQ(entries(1).back(), "  Moveable - Set Parallel to Line");
    EXPECT_EQ(entries(1)[entries(1).size() - 4], "  Fixed *");

    Analysis().SetMode(1);
    EXPECT_EQ(entries(1).back(), "  Perpendicular from Line");

    Analysis().SetCircular(true);
    Cpp_TangentLine& tangent = *Analysis().GetTangentLine();
    tangent.ChangeOption(Cpp_TangentLine::kIrregular);
    tangent.AddPoint(20, 40);
    tangent.AddPoint(100, 60);
    for (int index : {0, 1}) {
        GetCurrentSelection().Clear();
        s_SelectionReferences r;
        r.ref1 = &tangent;
        r.index = index;
        GetCurrentSelection().AddItem(ds, 0, SEL_TANGENT_POINT, r);
        EXPECT_EQ(EditContextMenu(GetCurrentSelection()).front().text, "Add Point at End");
    }
}

// The stage's distributed-load points: "Add Point at End" at the first and the last point only;
// the chosen command starts the load tool's addition at that end.
TEST_F(NoncircularPointToolTest, AddingAtTheEndIsOfferedAtTheEndsOfTheDistributedLoads) {
    Cpp_DistributedLoadData& loads = *ds->DistributedLoads(1);
    loads.AddPoint(10, 100, 50, 0);
    loads.AddPoint(50, 100, 60, 0);
    loads.AddPoint(90, 100, 70, 0);
    std::vector<bool> offered;
    for (Cpp_DistributedLoadPoint* p = loads.GetFirstListItem(); p; p = p->NextPoint()) {
        GetCurrentSelection().Clear();
        Cpp_Selection s;
        s.SetLoadPointItem(ds, 1, SEL_LOAD_POINT, p);
        GetCurrentSelection().AddCopy(s);
        offered.push_back(EditContextMenu(GetCurrentSelection()).front().text ==
                          "Add Point at End");
    }
    EXPECT_EQ(offered, (std::vector<bool>{true, false, true}));
    EXPECT_TRUE(StartAddPointAtEnd(host));
    EXPECT_EQ(GetCursorMode(), CursorModeAddPointDistributedLoad);
    Key(ViewKeyEscape);
    EXPECT_EQ(loads.Count(), 3);
}

// ---------------------------------------------------------------------------------------------
// The entry (edit mode 15).

class NoncircularEntryTest : public NoncircularPointToolTest {
protected:
    void SetUp() override {
        NoncircularPointToolTest::SetUp();
        host.editMode = EditModeNoncircular;
        ShowToolBar(BarNoncircular, true, 1);
        Bar().SetPointData(3, 0, 0, true, true, 0);
    }
    void Enter(double x, double y) { Click(int(x), int(300 - y)); }
    // The triangles drawn under point pixel (px, py) in the marker colour, and in the background.
    std::pair<int, int> Triangles(int px, int py) {
        const std::vector<platform::DevicePoint> triangle{
            {px, py}, {px + 5, py + 10}, {px - 5, py + 10}, {px, py}};
        std::pair<int, int> count;
        for (const platform::DcRecord& r : host.overlay.Records()) {
            if (r.kind != platform::DcRecordKind::Polyline || r.points != triangle) continue;
            if (r.attributes.pen.color == analysis_look::SearchPointColour().RGBColor())
                ++count.first;
            else if (r.attributes.pen.color == host.overlay.GetBkColor())
                ++count.second;
        }
        return count;
    }
    // The arrow shafts that end at point pixel (px, py), in the marker colour and in the
    // background.
    std::pair<int, int> Arrows(int px, int py) {
        std::pair<int, int> count;
        for (const platform::DcRecord& r : host.overlay.Records()) {
            if (r.kind != platform::DcRecordKind::Polyline || r.points.size() != 2 ||
                r.points[1] != platform::DevicePoint{px, py})
                continue;
            if (r.attributes.pen.color == analysis_look::SearchPointColour().RGBColor())
                ++count.first;
            else if (r.attributes.pen.color == host.overlay.GetBkColor())
                ++count.second;
        }
        return count;
    }
};

// The Delete key takes the last entered point back; with only one point the entry ends and
// nothing is stored.
TEST_F(NoncircularEntryTest, TheDeleteKeyTakesTheLastPointBack) {
    Surface().AddPoint(1, 1, 0, true, true);
    Enter(20, 100);
    Enter(100, 50);
    Enter(180, 80);
    Key(ViewKeyDelete);
    EXPECT_EQ(GetCursorMode(), CursorModeNoncircularEntry);
    EXPECT_EQ(Cpp_NoncircularTool::EnteredPoints().size(), 2u);
    Right(100, 250);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Surface().NumberOfPoints(), 2);
    EXPECT_EQ(Surface().Points()[1].X(), 100);

    Enter(50, 50);
    Key(ViewKeyDelete);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_FALSE(Cpp_NoncircularTool::IsEntering());
    EXPECT_EQ(Surface().NumberOfPoints(), 2);
    EXPECT_EQ(XorShown(), 0);
}

// In a search the markers come with the points: a fixed point's triangle at once, a moveable
// point's arrows when it has its second neighbour; the Delete key erases what the last point
// took with it. An individual surface has none.
TEST_F(NoncircularEntryTest, ShiftMarkersAreDrawnWhileTheSurfaceIsEntered) {
    Bar().SetPointFixity(false, false, 0);
    Enter(20, 100);
    EXPECT_EQ(Triangles(20, 200), std::pair(1, 0));
    Bar().SetPointFixity(true, true, 0);
    Enter(100, 50);
    EXPECT_EQ(Arrows(100, 250), std::pair(0, 0));
    Bar().SetPointFixity(false, false, 0);
    Enter(180, 80);
    EXPECT_EQ(Triangles(180, 220), std::pair(1, 0));
    EXPECT_EQ(Arrows(100, 250), std::pair(2, 0));  // one each way

    Key(ViewKeyDelete);
    EXPECT_EQ(Triangles(180, 220), std::pair(1, 1));
    EXPECT_EQ(Arrows(100, 250), std::pair(2, 2));
    Key(ViewKeyEscape);

    host.overlay.Clear();
    Bar().SetPointData(1, 0, 0, false, false, 0);
    Enter(20, 100);
    Enter(100, 50);
    EXPECT_EQ(Triangles(20, 200), std::pair(0, 0));
    Key(ViewKeyEscape);
}

}  // namespace
