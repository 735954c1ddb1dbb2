// The selection lists and picking: the full hit test lists every candidate in the fixed order of
// the item kinds, under display, pick-filter, restriction and stage rules; the point-oriented
// test keeps one candidate, points before segments; band and box selection; node access and
// the liveness of records.

#include "editing/selection_list.h"

#include "analysis/analysis_computation_data.h"
#include "editing/construction_items.h"
#include "editing/selection_commands.h"
#include "graphics/drawing_attributes.h"
#include "graphics/graphics.h"
#include "loads/distributed_load_data.h"
#include "loads/geogrid_data.h"
#include "loads/line_load.h"
#include "loads/nail_data.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "platform/device_context.h"
#include "platform/recording_dc.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/piezometric_drawing.h"
#include "porepressure/piezometric_line.h"
#include "profile/crack.h"
#include "profile/profile_line.h"
#include "profile/slope_geometry.h"
#include "registry/view_preparations.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

// 10 pixels per world unit: the pick tolerance is 0.5.
void TenPixelsPerUnit() {
    Cpp_Graphics::SetScaleState(0, 100, 0, 100, 0, 10, 1000, -10, 0, 100, 0, 100);
}

std::vector<std::string> Names(const Cpp_SelectionList& list) {
    std::vector<std::string> names;
    for (int n = 1; const Cpp_Selection* s = list.GetNth(n); ++n) {
        std::string text = "?";
        s->GetName(text);
        names.push_back(text);
    }
    return names;
}

std::vector<int> Kinds(const Cpp_SelectionList& list) {
    std::vector<int> kinds;
    for (int n = 1; const Cpp_Selection* s = list.GetNth(n); ++n) kinds.push_back(s->GetType());
    return kinds;
}

// Every owner's pick flags off except the profile points.
void PickOnlyProfilePoints() {
    Cpp_ProfileLineList::SetPickFilter(3);
    Cpp_SlopeLine::SetPickFilter(99);
    for (int stage : {1, 2}) {
        SetPiezometricPickFilter(stage, false, false, false);
        Cpp_DistributedLoadData::SetSelectionFilters(stage, false, false, false, false);
        Cpp_InterpolationData::SetPickFilter(stage, false, false, false, false, false, false);
    }
    Cpp_LineLoadList::SetSelectionFilters(false, false);
    Cpp_ReinforcementLineList::SetSelectionFilters(false, false, false, false);
    Cpp_AnalysisComputationData::SetSelectionFilters(false, false, false, false, false);
    Cpp_Crack::SetPickFilter(false, false);
    Cpp_Crack::SetWaterPickFilter(false, false);
    Cpp_IndividualGeogridList::SetSelectionFilters(false, false);
    Cpp_IndividualNailList::SetSelectionFilters(false, false);
    GetConstructionLineList().SetSelectable(false, false);
    GetConstructionCircleList().SetSelectable(false);
}

// Items of many kinds meeting at (10, 10): two profile lines sharing their end point, a
// construction line, a stage-2 piezometric line (offered in a single-stage data set), the
// slope, a load point, a line load and a reinforcement point of stage 1, their stage-2
// twins (not offered unless multi-stage), a pressure interpolation point, a construction circle
// centre.
class PickFixture : public ::testing::Test {
protected:
    void SetUp() override {
        TenPixelsPerUnit();
        Cpp_ProfileLine* a = ds.ProfileLines().CreateLine(1, 1, "upper");
        a->AddPoint(0, 10);
        a->AddPoint(10, 10);
        Cpp_ProfileLine* b = ds.ProfileLines().CreateLine(2, 2, "lower");
        b->AddPoint(10, 10);
        b->AddPoint(30, 0);
        for (const auto& line : ds.ProfileLines().Lines()) line->NumberPoints();
        Cpp_Line* c = GetConstructionLineList().NewLine();
        c->SetNumber(4);
        c->AddPoint(10, 10);
        c->AddPoint(10, 20);
        c->NumberPoints();
        for (int stage : {1, 2}) {
            Cpp_PiezometricLine* p = ds.PiezometricLines(stage)->CreateLine(stage, 62.4, "");
            p->AddPoint(10, 10);
            p->AddPoint(20, 20);
            p->NumberPoints();
            ds.DistributedLoads(stage)->AddPoint(10, 10, 100, 0);
            ds.LineLoads(stage)->AddByComponents(1, 10, 10, 0, -100);
            Cpp_InterpolationDataSet* set = nullptr;
            ds.InterpolationData(stage)->AddPointToDataSet(1, 0, 10, 10, 5, 0, 0, set);
            set->RebuildVertices();
        }
        Cpp_SlopeLine& slope = ds.SlopeGeometry().GetSlopeLine();
        slope.AddPoint(0, 10);
        slope.AddPoint(10, 10);
        slope.AddPoint(30, 0);
        slope.NumberPoints();
        Cpp_ReinforcementLine* r = ds.ReinforcementLines()->AddNewLine(3, "", 0, 1);
        r->AddPoint(10, 10, 1, 1);
        r->AddPoint(20, 10, 1, 1);
        r->NumberPoints();
        GetConstructionCircleList().NewCircle(10, 10, CircleGivenRadius, 3, 0)->SetNumber(1);
    }
    void TearDown() override { DeleteAllConstructionItems(); }

    Cpp_Kliven4DataSet ds{1};
    Cpp_SelectionList list;
};

TEST_F(PickFixture, FullHitTestListsCandidatesInTheFixedOrder) {
    enum Setup { Plain, PointsOnly, SegmentsOnly, FilterProfilePoints, MultiStage, NoDataSet };
    const struct {
        Setup setup;
        std::vector<int> kinds;
    } cases[] = {
        {Plain,
         {9, 8, 84, 84, 78, 78, 92, 132, 36, 62, 64, 98, 86, 80, 80, 134, 100, 10, 102, 104}},
        {PointsOnly, {9, 84, 84, 78, 78, 92, 132, 36, 62, 98}},
        {SegmentsOnly, {8, 86, 80, 80, 134, 100}},
        // Line loads at their drawn position are tested whatever the filter says.
        {FilterProfilePoints, {84, 84, 64}},
        {MultiStage, {9,  8,  84, 84, 78, 78, 92, 92,  132, 36, 36,  62,
                      62, 64, 64, 98, 86, 80, 80, 134, 100, 10, 102, 104}},
        {NoDataSet, {9, 8}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.setup));
        list.Clear();
        ds.AnalysisComputationData()->SetStages(c.setup == MultiStage, false);
        if (c.setup == FilterProfilePoints) {
            PickOnlyProfilePoints();
            list.SetKindFilter(true);
        }
        const bool result =
            list.SelectItemAtPoint(c.setup == NoDataSet ? nullptr : &ds, 10, 10, false,
                                   c.setup == PointsOnly, c.setup == SegmentsOnly);
        EXPECT_EQ(result, c.setup != NoDataSet);
        EXPECT_EQ(Kinds(list), c.kinds);
        if (c.setup == FilterProfilePoints) {
            // Suspended for one test only, then in force again.
            list.Clear();
            list.SelectItemAtPoint(&ds, 10, 10, true, true, false);
            EXPECT_EQ(Kinds(list), (std::vector<int>{9, 84, 84, 78, 78, 92, 132, 36, 62, 98}));
            EXPECT_TRUE(list.GetKindFilter());
            list.SetKindFilter(false);
        }
    }
}

TEST_F(PickFixture, SharedEndPointGivesAPointPerLineAndOneSegment) {
    DeleteAllConstructionLines();
    ds.SlopeGeometry().GetSlopeLine().DeleteAllPoints();
    list.SelectItemAtPoint(&ds, 10, 10, false, false, false);
    const auto names = Names(list);
    ASSERT_GE(names.size(), 3u);
    EXPECT_EQ(names[0], "Profile pt. 2 (line 1)");
    EXPECT_EQ(names[1], "Profile pt. 1 (line 2)");
    std::vector<std::string> segments;
    for (int n = 1; const Cpp_Selection* s = list.GetNth(n); ++n)
        if (s->GetType() == SEL_PROFILE_SEGMENT) segments.push_back(names[n - 1]);
    // Both segments end at the pick: the earlier line keeps it.
    EXPECT_EQ(segments, (std::vector<std::string>{"Profile line 1 (segment 1)"}));
}

TEST_F(PickFixture, PointOrientedTestKeepsTheBestPointElseASegment) {
    // A lone construction point at (20.4, 10) beside the reinforcement point at (20, 10).
    Cpp_Line* lone = GetConstructionLineList().NewLine();
    lone->SetNumber(5);
    lone->AddPoint(20.4, 10);
    lone->NumberPoints();
    // The line loads' drawn position does not rank: it would replace any point found before.
    for (int stage : {1, 2}) ds.LineLoads(stage)->SetDisplayFlag(false);
    const struct {
        double x, y;
        bool pointsOnly;
        int kind;
    } cases[] = {
        // Points of many kinds equally near: the one nearest a segment through it wins (the
        // construction line runs up from there).
        {9.9, 10.2, false, 9}, {20.3, 10, false, 9},  // the construction point is nearer
        {20.1, 10, false, 98},                        // a later kind wins only when nearer
        {5, 10.1, false, 86},  // no point: the nearest segment, the profile first
        {5, 10.1, true, 0},    // points only: nothing
        {50, 50, false, 0},    // nothing at all
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        list.AddCopy(Cpp_Selection());  // emptied first without add mode
        const bool found = list.SelectPointAtPoint(&ds, c.x, c.y, true, c.pointsOnly, false, false);
        EXPECT_EQ(found, c.kind != 0);
        EXPECT_EQ(Kinds(list), c.kind ? std::vector<int>{c.kind} : std::vector<int>{});
    }
    EXPECT_FALSE(list.SelectPointAtPoint(nullptr, 10, 10, true, false, false, false));
    EXPECT_FALSE(list.SelectPointAtPoint(&ds, 10, 10, true, false, false, true));  // skipped

    // In add mode only the first node's kind is tested; the new node goes to the head.
    list.Clear();
    list.SelectItemAtPoint(&ds, 10, 10, true, false, false);
    const Cpp_Selection profilePoint = *list.GetNth(3);
    list.Clear();
    list.AddCopy(profilePoint);
    list.SetAddMode(true);
    ASSERT_TRUE(list.SelectPointAtPoint(&ds, 9.9, 10.2, true, false, false, false));
    EXPECT_EQ(Kinds(list), (std::vector<int>{84, 84}));
}

TEST_F(PickFixture, BoxAndBandSelectTheSamePointsWhateverTheCornerOrder) {
    // World (9, 9) to (11, 11) is pixels (90, 910) to (110, 890).
    const std::vector<int> expected{84, 84, 98};
    for (auto [x1, y1, x2, y2] : {std::array{90, 910, 110, 890}, std::array{110, 890, 90, 910},
                                  std::array{90, 890, 110, 910}}) {
        list.Clear();
        ASSERT_TRUE(list.SelectProfilePointsInBox(&ds, x1, y1, x2, y2));
        EXPECT_EQ(Kinds(list), expected);
    }
    const platform::DevicePoint square[4] = {{90, 910}, {110, 910}, {110, 890}, {90, 890}};
    const platform::DevicePoint turned[4] = {{110, 890}, {110, 910}, {90, 910}, {90, 890}};
    for (const auto* band : {square, turned}) {
        list.Clear();
        ASSERT_TRUE(list.SelectInBand(&ds, band));
        EXPECT_EQ(Kinds(list), expected);
        EXPECT_EQ(Names(list)[2],
                  "Reinforce. point 1, Line 3 - X: 10.00, Y: 10.00, F(Long): 1.00e+00, "
                  "F(Trans): 1.00e+00");
    }
    EXPECT_FALSE(list.SelectInBand(nullptr, square));
    EXPECT_FALSE(list.SelectProfilePointsInBox(nullptr, 0, 0, 1, 1));
}

TEST(SelectionList, NodesCountsAndLiveness) {
    Cpp_SelectionList list;
    EXPECT_EQ(list.GetNth(0), nullptr);
    EXPECT_EQ(list.GetLast(), nullptr);
    EXPECT_FALSE(list.AllOfOneType());
    Cpp_PointXY point(1, 2);
    Cpp_Line line;
    ASSERT_NE(list.Add(nullptr, 0, 84, &line, &point), nullptr);
    EXPECT_EQ(list.Add(nullptr, 0, 86, &line, &point), nullptr);  // not a point kind
    EXPECT_TRUE(list.HasOneItem() && list.AllOfOneType());
    s_SelectionReferences r;
    r.ref1 = &line;
    list.AddItem(nullptr, 0, 88, r);
    EXPECT_FALSE(list.AllOfOneType());
    EXPECT_TRUE(list.HasTwoItems());
    EXPECT_FALSE(list.HasThreeItems());
    EXPECT_EQ(list.GetNth(2), list.GetLast());
    EXPECT_EQ(list.GetNth(3), nullptr);
    EXPECT_EQ(list.GetNth(2)->GetType(), 88);

    Cpp_Selection* first = list.GetNth(1);
    EXPECT_TRUE(list.IsLive(first));
    Cpp_SelectionList::NoteModelChange();
    EXPECT_FALSE(list.IsLive(first));
    list.AddCopy(*first);
    EXPECT_TRUE(list.IsLive(list.GetLast()));
    const Cpp_Selection other;
    EXPECT_FALSE(list.IsLive(&other));  // not a node of the list

    // The program-wide lists are emptied together, with their modes.
    GetCurrentSelection().AddCopy(*first);
    GetPickList().AddCopy(*first);
    GetPickList().SetAddMode(true);
    GetCurrentSelection().SetKindFilter(true);
    const unsigned long generation = Cpp_SelectionList::ModelGeneration();
    ClearSelectionLists();
    EXPECT_TRUE(GetCurrentSelection().IsEmpty() && GetPickList().IsEmpty());
    EXPECT_FALSE(GetPickList().GetAddMode() || GetCurrentSelection().GetKindFilter());
    EXPECT_GT(Cpp_SelectionList::ModelGeneration(), generation);
}

}  // namespace

namespace {

// The whole-view drawing marks the live records of the current selection, on the screen only.
TEST(SelectionDrawing, CurrentSelectionIsMarkedAfterTheData) {
    RegisterSelectionDrawing();
    Cpp_Kliven4DataSet ds{1};
    Cpp_ProfileLine* line = ds.ProfileLines().CreateLine(1, 1, "");
    Cpp_PointXY* point = line->AddPoint(50, 50);
    platform::RecordingDeviceContext dc;
    GetCurrentSelection().Add(&ds, 0, SEL_PROFILE_POINT, line, point);
    auto squares = [&](int mode) {
        dc.Clear();
        Cpp_ScopedGraphicsDC current(dc, mode);
        TenPixelsPerUnit();
        RunAfterDataDrawings(e_AfterDataStep::SelectionMarks, dc, &ds);
        size_t n = 0;
        for (const auto& r : dc.OfKind(platform::DcRecordKind::Rectangle))
            n += r.attributes.rop == platform::RasterOp::XorPen;
        return n;
    };
    EXPECT_EQ(squares(Cpp_Graphics::kOutputScreen), 4u);
    EXPECT_EQ(dc.OfKind(platform::DcRecordKind::Rectangle)[0].rect,
              (platform::DeviceRect{495, 501, 500, 506}));
    EXPECT_EQ(squares(Cpp_Graphics::kOutputPrinter), 0u);
    Cpp_SelectionList::NoteModelChange();  // the record is stale: never drawn
    EXPECT_EQ(squares(Cpp_Graphics::kOutputScreen), 0u);
}

}  // namespace

namespace {

// Two computed slices of width 10 from x = 0 on a level base (y = 0) under a level top (y = 10),
// the line of thrust at y = 3 and the total-stress diagram at y = 5; the critical centre at
// (50, 50), the earth-pressure force at (60, 60), the factor-of-safety text around (80, 80) and
// the crack water force left of the first slice at y = 2.
class ResultsPickFixture : public ::testing::Test {
protected:
    void SetUp() override {
        TenPixelsPerUnit();
        Cpp_AnalysisComputationData& a = *ds.AnalysisComputationData();
        a.SetDataDefined(true);
        a.SetCircular(true);
        a.SetMode(4);
        a.SetProcedure(2);
        std::vector<Cpp_Slice> records(3);
        for (int i = 0; i < 3; ++i) {
            Cpp_Slice& s = records[i];
            s.bottomLeftX = 10.0 * i;
            s.bottomCenterX = s.bottomLeftX + 5;
            s.width = 10;
            s.baseLength = 10;
            s.topCenterY = 10;
            s.thrustY = 3;
            s.interSliceForce = 100.0 * i;
            s.totalStressSegment = {s.bottomLeftX, 5, s.bottomLeftX + 10, 5};
        }
        Cpp_Slices& slices = ds.Slices();
        slices.SetSlices(std::move(records));
        slices.SetCrackWaterForce(1, 1, 50, 2);
        Cpp_Slices::SetLargestValueA(50);
        Cpp_Slices::ComputeScaleB(1);
        for (int n : {1, 3, 4, 5}) slices.SetDisplaySwitch(n, 1);
        Cpp_ResultsDisplay& results = ds.ResultsDisplay();
        results.SetHasResults(true);
        results.SetResultMode(4);
        results.SetCriticalCircle(Cpp_Circle(50, 50, 30));
        results.SetEarthPressure(1, {400, 60, 60, 1.5, 0});
        results.SetReferencePoint(-100, -100);
        results.SetTextBox(79, 81, 81, 79);
    }
    Cpp_Kliven4DataSet ds{1};
    Cpp_SelectionList list;
};

TEST_F(ResultsPickFixture, ResultsItemsAreListedInTheirPlacesOnlyWithResults) {
    const struct {
        double x, y;
        bool pointsOnly;
        std::vector<int> kinds, withoutResults;
    } cases[] = {
        {10, 0, false, {30, 32}, {}},    // a base point, then the bases (the first one)
        {10, 0, true, {30}, {}},         // points only
        {10, 5, false, {118, 130}, {}},  // total stress, then the shared side
        {5, 3, false, {128, 66}, {}},    // the slice, then the line of thrust
        {50, 50, false, {28}, {}},       // the critical centre
        {60, 60, false, {27}, {}},       // the earth-pressure force
        {80, 80, false, {6}, {6}},       // the text needs no results
        {-1, 2, false, {18}, {}},        // the crack water force
    };
    for (bool has : {true, false}) {
        ds.ResultsDisplay().SetHasResults(has);
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << c.x << ", " << c.y << (has ? "" : " no results"));
            list.Clear();
            list.SelectItemAtPoint(&ds, c.x, c.y, false, c.pointsOnly, false);
            EXPECT_EQ(Kinds(list), has ? c.kinds : c.withoutResults);
        }
    }
    ds.ResultsDisplay().SetHasResults(true);
    list.Clear();
    list.SelectItemAtPoint(&ds, 10, 5, false, false, false);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"Total stress distrib. (slice: 1)",
                                                     "Slice boundary between slices 1 & 2"}));
    list.Clear();
    list.SelectItemAtPoint(&ds, 60, 60, false, false, false);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.GetNth(1)->GetStage(), 1);  // the analysis data's number of stages
}

TEST_F(ResultsPickFixture, PointOrientedTestRanksResultsItemsLikeTheOthers) {
    const struct {
        double x, y;
        int kind;
    } cases[] = {{10.1, 0.1, 30}, {5, 0.2, 32}, {5, 5.1, 118}, {5, 7, 128}, {50, 50, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        list.Clear();
        EXPECT_EQ(list.SelectPointAtPoint(&ds, c.x, c.y, true, false, false, false), c.kind != 0);
        EXPECT_EQ(Kinds(list), c.kind ? std::vector<int>{c.kind} : std::vector<int>{});
    }
}

TEST_F(ResultsPickFixture, ClearDisplayAndPagesOfResultsItems) {
    list.SelectItemAtPoint(&ds, 5, 3, false, false, false);    // 128, 66
    list.SelectItemAtPoint(&ds, 50, 50, false, false, false);  // 28
    ASSERT_EQ(Kinds(list), (std::vector<int>{128, 66, 28}));

    Cpp_NameValueList page;
    ASSERT_TRUE(list.GetNth(1)->GetInformation(page));
    EXPECT_EQ(page.At(0).value, "Slice number 1");
    EXPECT_EQ(page.At(1).name + page.At(1).value, "Material number (at base of slice):0");
    ASSERT_TRUE(list.GetNth(2)->GetInformation(page));
    ASSERT_GE(page.Count(), 3);
    EXPECT_EQ(page.At(0).value, "Line of Thrust");
    EXPECT_EQ(page.At(2).name + page.At(2).value, "X (left):0.000000");

    ClearDisplayFlags(list);
    EXPECT_FALSE(ds.Slices().GetDisplaySwitch(0));          // slices
    EXPECT_FALSE(ds.Slices().GetDisplaySwitch(4));          // line of thrust
    EXPECT_FALSE(ds.ResultsDisplay().GetDisplaySwitch(1));  // critical circle
    EXPECT_TRUE(ds.Slices().GetDisplaySwitch(5));
    EXPECT_TRUE(ds.ResultsDisplay().GetDisplaySwitch(0));
    list.Clear();
    list.SelectItemAtPoint(&ds, 5, 3, false, false, false);
    EXPECT_TRUE(list.IsEmpty());

    // Boundary pages: the ends of the surface and the force by procedure.
    const struct {
        double x;
        int procedure;
        std::string title, force;
    } boundaries[] = {
        {-0.1, 2, "Left-most Interslice Boundary - Left End of Slip Surface", "0"},
        {10, 2, "Selected Boundary Between Slices 1 and 2", "100"},
        {20.1, 0, "Right-most Interslice Boundary - Right End of Slip Surface", "200"},
        {10, 1, "Selected Boundary Between Slices 1 and 2",
         "Not computed in procedure of slices used"},
    };
    ds.Slices().SetDisplaySwitch(0, 1);
    for (const auto& b : boundaries) {
        SCOPED_TRACE(b.title);
        ds.AnalysisComputationData()->SetProcedure(b.procedure);
        list.Clear();
        list.SelectItemAtPoint(&ds, b.x, 8, false, false, false);
        ASSERT_EQ(Kinds(list), std::vector<int>{130});
        ASSERT_TRUE(list.GetNth(1)->GetInformation(page));
        ASSERT_EQ(page.Count(), 2);
        EXPECT_EQ(page.At(0).value, b.title);
        EXPECT_EQ(page.At(1).name + page.At(1).value, "Resultant interslice force:" + b.force);
    }
}

}  // namespace

namespace {

TEST(LabelPicking, TheNearerLabelWinsAndOnEqualDistancesTheLaterLine) {
    TenPixelsPerUnit();
    Cpp_Kliven4DataSet ds(1);
    Cpp_ProfileLine* upper = ds.ProfileLines().CreateLine(1, 1, "");
    upper->AddPoint(0, 100);
    upper->AddPoint(20, 100);
    Cpp_ProfileLine* lower = ds.ProfileLines().CreateLine(2, 2, "");
    lower->AddPoint(0, 50);
    lower->AddPoint(20, 50);
    upper->SetLabelAnchor(5, 5);
    lower->SetLabelAnchor(5.5, 5);
    upper->SetMaterialLabel(5, 5);
    lower->SetMaterialLabel(5, 5);
    Cpp_PiezometricLine* water = ds.PiezometricLines(1)->CreateLine(1, 62.4, "");
    water->AddPoint(0, 200);
    water->AddPoint(20, 200);
    water->SetLabelAnchor(5.1, 5.1);
    const struct {
        double x;
        const Cpp_Line* numberLabel;
    } cases[] = {{5.1, upper}, {5.25, lower}, {5.4, lower}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        Cpp_SelectionList list;
        list.SelectItemAtPoint(&ds, c.x, 5, false, false, false);
        ASSERT_EQ(Kinds(list), (std::vector<int>{88, 68, 82, 72}));
        EXPECT_EQ(list.GetNth(1)->GetItemReferences().ref1, c.numberLabel);
        EXPECT_EQ(list.GetNth(2)->GetItemReferences().ref1, lower);  // equally near: later
        EXPECT_EQ(list.GetNth(3)->GetItemReferences().ref1, water);
        EXPECT_EQ(list.GetNth(3)->GetStage(), 1);
        EXPECT_EQ(list.GetNth(4)->GetItemReferences().ref1, lower);  // the region's line
    }
    // Labels are no points or segments.
    Cpp_SelectionList list;
    EXPECT_FALSE(list.SelectItemAtPoint(&ds, 5.05, 5, false, true, false));
    EXPECT_FALSE(list.SelectItemAtPoint(&ds, 5.05, 5, false, false, true));
}

}  // namespace
