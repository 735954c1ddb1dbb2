// The edit commands on the selection carried out through the frame's command table: a deletion
// marks the document modified, a cancelled step does not, and command 32903 opens the scale
// window of the selected item's kind in select mode only.

#include "analysis/analysis_computation_data.h"
#include "app/main_frame.h"
#include "core/command_ids.h"
#include "core/cursor_mode.h"
#include "core/text_line_dialogs.h"
#include "core/units.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/pending_moves.h"
#include "editing/selection_list.h"
#include "loads/distributed_load_data.h"
#include "loads/geogrid_data.h"
#include "loads/line_load.h"
#include "loads/nail_data.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/load_drawing_layers.h"
#include "platform/services.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/triangle.h"
#include "profile/profile_line.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class SelectionEditCommands : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterLoadDrawingLayers();  // the loads' scale windows behind the scale action
        ds = Cpp_Kliven4Data::CurrentDataSet();
        GetCurrentSelection().Clear();
    }
    testsupport::FakeServices fakes;
    app::MainFrame frame;
    Cpp_Kliven4DataSet* ds = nullptr;
};

TEST_F(SelectionEditCommands, DeletingMarksTheDocumentACancelledMoveDoesNot) {
    Cpp_ProfileLine* line = ds->ProfileLines().CreateLine(1, 1, "");
    line->AddPoint(0, 0);
    line->AddPoint(5, 0);
    line->AddPoint(9, 2);
    frame.Doc().SetModifiedFlag(false);
    GetCurrentSelection().Add(ds, 0, SEL_PROFILE_POINT, line, line->LastPoint());

    frame.OnCommand(ID_MOVE_POINT_HORIZONTALLY);  // the distance window is cancelled
    EXPECT_FALSE(frame.Doc().IsModified());
    EXPECT_EQ(line->LastPoint()->X(), 9);

    frame.OnCommand(ID_DELETE_POINT);
    EXPECT_TRUE(frame.Doc().IsModified());
    EXPECT_EQ(line->NumberOfPoints(), 2);
    EXPECT_TRUE(GetCurrentSelection().IsEmpty());
}

// The edit menu's "Delete Entire Item" on a nail or geogrid, whichever part was picked, removes
// that item and marks the document.
TEST_F(SelectionEditCommands, DeleteEntireItemRemovesTheSelectedNailOrGeogrid) {
    Cpp_IndividualNailList& nails = ds->SoilNails()->GetIndividualNailList();
    Cpp_IndividualNail* nail = nails.AddNail(10, 20, 15, 1.5, 1, 1);
    Cpp_IndividualNail* other = nails.AddNail(20, 20, 15, 1.5, 1, 1);
    Cpp_IndividualGeogridList& grids = ds->Geogrids()->GetIndividualGeogridList();
    Cpp_Geogrid* grid = grids.AddGeogrid(5, 10, 0, 1);
    frame.Doc().SetModifiedFlag(false);

    s_SelectionReferences g;
    g.ref1 = grid;
    GetCurrentSelection().AddItem(ds, 0, SEL_GEOGRID_HEAD, g);
    EXPECT_FALSE(frame.Doc().IsModified());

    frame.OnCommand(ID_DELETE_ENTIRE_ITEM);
    EXPECT_EQ(grids.Count(), 0);
    EXPECT_TRUE(frame.Doc().IsModified());
    EXPECT_TRUE(GetCurrentSelection().IsEmpty());

    s_SelectionReferences n;
    n.ref1 = nail;
    GetCurrentSelection().AddItem(ds, 0, SEL_NAIL_BAR, n);
    frame.OnCommand(ID_DELETE_ENTIRE_ITEM);
    ASSERT_EQ(nails.Count(), 1);
    EXPECT_EQ(nails.Nails()[0].get(), other);
}

TEST_F(SelectionEditCommands, EditModeActionScalesTheSelectedLineLoadInSelectModeOnly) {
    Cpp_LineLoad* load = ds->LineLoads(1)->AddByComponents(1, 5, 5, 10, 0);
    frame.OnCommand(ID_SELECT_ITEMS);
    ASSERT_EQ(frame.GetEditMode(), EditModeSelect);

    // Nothing selected: nothing opens.
    frame.OnCommand(ID_EDIT_MODE_ACTION);
    EXPECT_TRUE(fakes.loadScaling.requests.empty());

    Cpp_Selection s;
    s.SetLoadPointItem(ds, 1, SEL_LINE_LOAD, load);
    GetCurrentSelection().AddCopy(s);
    frame.OnCommand(ID_EDIT_MODE_ACTION);
    ASSERT_EQ(fakes.loadScaling.requests.size(), 1u);

    // The profile tool has no scale action.
    frame.OnCommand(ID_ENTER_PROFILE_LINES);
    ASSERT_EQ(frame.GetEditMode(), EditModeProfileLines);
    GetCurrentSelection().AddCopy(s);
    frame.OnCommand(ID_EDIT_MODE_ACTION);
    EXPECT_EQ(fakes.loadScaling.requests.size(), 1u);
}

// 32903 on a selected line load: OK in the scale window keeps the chosen scale (the window shows
// it the next time); Cancel keeps the scale as it was.
TEST_F(SelectionEditCommands, EditModeActionKeepsTheScaleChosenWithOkOnly) {
    Cpp_LineLoad* load = ds->LineLoads(1)->AddByComponents(1, 5, 5, 10, 0);
    frame.OnCommand(ID_SELECT_ITEMS);
    Cpp_Selection s;
    s.SetLoadPointItem(ds, 1, SEL_LINE_LOAD, load);
    GetCurrentSelection().AddCopy(s);

    fakes.loadScaling.answers.push_back(platform::LoadScaling{2, 3.5});
    frame.OnCommand(ID_EDIT_MODE_ACTION);
    fakes.loadScaling.answers.push_back(std::nullopt);
    frame.OnCommand(ID_EDIT_MODE_ACTION);
    fakes.loadScaling.answers.push_back(std::nullopt);
    frame.OnCommand(ID_EDIT_MODE_ACTION);
    ASSERT_EQ(fakes.loadScaling.requests.size(), 3u);
    EXPECT_EQ(fakes.loadScaling.requests[0].title, "Line Load Scale");
    EXPECT_EQ(fakes.loadScaling.requests[1].current, (platform::LoadScaling{2, 3.5}));
    EXPECT_EQ(fakes.loadScaling.requests[2].current, (platform::LoadScaling{2, 3.5}));
}

// "Get Information" on a selected interpolation triangle shows its centroid and circumcircle in
// "Information on Selected Item"; with nothing selected, on a point, or on a triangle that a new
// triangulation freed, it shows nothing.
struct RecordedInformation final : Cpp_TextLineDialogs {
    void ShowSummary(const std::vector<std::string>&) override {}
    void ShowInformation(const std::vector<std::string>& lines) override { shown.push_back(lines); }
    std::vector<std::vector<std::string>> shown;
};

TEST_F(SelectionEditCommands, GetInformationShowsTheCentroidAndCircumcircleOfATriangle) {
    RecordedInformation information;
    TextLineDialogsSlot().Set(&information);
    Cpp_InterpolationData& data = *ds->InterpolationData(1);
    Cpp_InterpolationDataSet* set = nullptr;
    for (const s_tagTypePointXY p : {s_tagTypePointXY{0, 0}, {2, 0}, {0, 2}})
        data.AddPointToDataSet(1, 1, p.x, p.y, 10, 0, 0, set);
    data.RebuildAllBackLinks();
    data.TriangulateAll(nullptr);
    ASSERT_EQ(set->GetTriangleList().CountTriangles(), 1);

    frame.OnCommand(ID_GET_INFORMATION);  // nothing selected
    s_SelectionReferences point;
    point.ref1 = set;
    point.ref2 = set->GetVertexList().First();
    GetCurrentSelection().AddItem(ds, 1, SEL_PRESSURE_POINT, point);
    frame.OnCommand(ID_GET_INFORMATION);
    EXPECT_TRUE(information.shown.empty());

    GetCurrentSelection().Clear();
    s_SelectionReferences triangle;
    triangle.ref1 = set;
    triangle.ref3 = set->GetTriangleList().First();
    GetCurrentSelection().AddItem(ds, 1, SEL_PRESSURE_TRIANGLE, triangle);
    frame.OnCommand(ID_GET_INFORMATION);
    ASSERT_EQ(information.shown.size(), 1u);
    EXPECT_EQ(information.shown[0],
              (std::vector<std::string>{"Centroid at X = 0.6667, Y = 0.6667",
                                        "Circumcircle center at - X = 1.0000, Y = 1.0000",
                                        "Circumcircle radius = 1.4142"}));
    EXPECT_EQ(platform::Services().StatusLine().Text().find("not available"), std::string::npos);

    set->GetTriangleList().DeleteAll();  // the record's triangle is freed
    frame.OnCommand(ID_GET_INFORMATION);
    EXPECT_EQ(information.shown.size(), 1u);
    TextLineDialogsSlot().Reset();
}

// "Set Constraint for Shifting" on a selected point of a noncircular search surface: "Fixed" and
// "Moveable - Direction Computed" set the point and mark the document; the two direction entries
// start their tools.
TEST_F(SelectionEditCommands, TheShiftConstraintsOfASelectedNoncircularPoint) {
    Cpp_AnalysisComputationData& a = *ds->AnalysisComputationData();
    a.SetCircular(false);
    a.SetMode(3);
    a.SetDataDefined(true);
    Cpp_NoncircularShearSurface& surface = a.GetNoncircularPointList();
    surface.AddPoint(0, 10, 0, true, false);
    surface.AddPoint(5, 4, 30, true, false);
    surface.AddPoint(10, 8, 0, true, true);
    s_SelectionReferences r;
    r.ref1 = &surface;
    r.ref2 = &surface.Points()[1];
    GetCurrentSelection().AddItem(ds, 0, SEL_NONCIRCULAR_POINT, r);
    frame.Doc().SetModifiedFlag(false);

    frame.OnCommand(ID_CONSTRAINT_FIXED);
    EXPECT_FALSE(surface.Points()[1].IsMoveable());
    EXPECT_TRUE(frame.Doc().IsModified());
    frame.OnCommand(ID_CONSTRAINT_DIRECTION_COMPUTED);
    EXPECT_TRUE(surface.Points()[1].IsMoveable());
    EXPECT_TRUE(surface.Points()[1].IsShiftDirectionComputed());

    frame.OnCommand(ID_CONSTRAINT_SET_DIRECTION);
    EXPECT_EQ(GetCursorMode(), CursorModeShiftDirection);
    frame.OnCommand(ID_CONSTRAINT_PARALLEL_TO_LINE);
    EXPECT_EQ(GetCursorMode(), CursorModeShiftParallelToLine);
    SetCursorMode(CursorModeNone);
    EXPECT_EQ(surface.Points()[0].GetShiftAngleDegrees(), 0);
    EXPECT_EQ(surface.Points()[2].IsShiftDirectionComputed(), true);
}

// "Delete Interval or Segment" on a distributed-load segment removes it as "Delete Line Segment"
// does a line's: a load of more than three points loses the segment's two end points, a load
// of three or fewer goes whole.
TEST_F(SelectionEditCommands, DeleteIntervalOrSegmentRemovesADistributedLoadSegment) {
    Cpp_DistributedLoadData& loads = *ds->DistributedLoads(1);
    Cpp_DistributedLoadData::SetLargestValue(100.0);
    Cpp_DistributedLoadData::ComputeLoadScale(GetUnitSystem());
    struct Case {
        int points, segment;
        std::vector<double> left;  // the x of the points left
    };
    for (const Case& c : {Case{5, 2, {0, 30, 40}}, Case{4, 3, {0, 10}}, Case{3, 1, {}}}) {
        SCOPED_TRACE(c.points);
        loads.DeleteAllPoints();
        for (int i = 0; i < c.points; ++i) loads.AddPoint(10.0 * i, 5, 100 + i, 0);
        Cpp_DistributedLoadPoint* start = loads.GetFirstListItem();
        for (int i = 1; i < c.segment; ++i) start = start->NextPoint();
        frame.Doc().SetModifiedFlag(false);
        Cpp_Selection segment;  // as a click on the segment picks it
        segment.SetDistributedLoadItem(ds, 1, SEL_LOAD_SEGMENT, start);
        GetCurrentSelection().AddCopy(segment);
        frame.OnCommand(ID_DELETE_INTERVAL_OR_SEGMENT);
        std::vector<double> left;
        for (const s_DistributedLoadPoint& p : loads.GetPoints()) left.push_back(p.x);
        EXPECT_EQ(left, c.left);
        EXPECT_TRUE(frame.Doc().IsModified());
        EXPECT_TRUE(GetCurrentSelection().IsEmpty());
    }
    loads.DeleteAllPoints();
}

}  // namespace
