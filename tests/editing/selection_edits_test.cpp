// Editing the selected items: deleting by the menu commands and the Delete key, joining lines,
// spacing points and the values typed into the selected item's bar, on small data sets that
// are checked afterwards.

#include "analysis/analysis_computation_data.h"
#include "analysis/noncircular_shear_surface.h"
#include "analysis/radius_definition.h"
#include "core/string_table.h"
#include "editing/selection_edit_commands.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_input_fixture.h"
#include "loads/distributed_load_data.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/piezometric_line.h"
#include "profile/profile_line.h"
#include "profile/slope_geometry.h"

#include <string>
#include <vector>

namespace {

std::vector<s_tagTypePointXY> PointsOf(const Cpp_Line& line) {
    std::vector<s_tagTypePointXY> points;
    for (const Cpp_PointXY* p = line.FirstPoint(); p; p = p->Next()) points.push_back(p->XY());
    return points;
}

void ExpectPoints(const Cpp_Line& line, const std::vector<s_tagTypePointXY>& expected) {
    const auto points = PointsOf(line);
    ASSERT_EQ(points.size(), expected.size());
    for (size_t i = 0; i < points.size(); ++i) {
        EXPECT_DOUBLE_EQ(points[i].x, expected[i].x) << "point " << i;
        EXPECT_DOUBLE_EQ(points[i].y, expected[i].y) << "point " << i;
    }
}

Cpp_PointXY* NthPoint(const Cpp_Line& line, int n) {
    Cpp_PointXY* p = line.FirstPoint();
    while (p && --n > 0) p = p->Next();
    return p;
}

template <class Line>
Line* Fill(Line* line, const std::vector<s_tagTypePointXY>& points) {
    for (const auto& p : points) line->AddPoint(p.x, p.y);
    line->NumberPoints();
    return line;
}

class SelectionEditTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        ds = Cpp_Kliven4Data::CurrentDataSet();
        GetCurrentSelection().Clear();
        GetPickList().Clear();
    }
    Cpp_ProfileLine* Profile(int number, const std::vector<s_tagTypePointXY>& points,
                             int material = 1, const char* description = "") {
        return Fill(ds->ProfileLines().CreateLine(number, material, description), points);
    }
    Cpp_PiezometricLine* Water(int number, const std::vector<s_tagTypePointXY>& points) {
        return Fill(ds->PiezometricLines(1)->CreateLine(number, 62.4, ""), points);
    }
    Cpp_ReinforcementLine* Reinforcement(int number,
                                         const std::vector<std::vector<double>>& points) {
        auto* line = ds->ReinforcementLines()->AddNewLine(number, "", 0, 1);
        for (const auto& p : points) line->AddPoint(p[0], p[1], p[2], p[3]);
        line->NumberPoints();
        return line;
    }
    // Adds an item of a line (kind, line, its n-th point) to the current selection.
    void Select(int kind, Cpp_Line* line, int n, int stage = 0) {
        Cpp_Selection s;
        if (Cpp_Selection::IsSegmentKind(kind))
            s.SetSegmentItem(ds, stage, kind, line, NthPoint(*line, n));
        else
            s.SetPointItem(ds, stage, kind, line, NthPoint(*line, n));
        GetCurrentSelection().AddCopy(s);
    }
    void SelectValues(int kind, const s_SelectionReferences& r, int stage = 0) {
        GetCurrentSelection().AddItem(ds, stage, kind, r);
    }

    Cpp_Kliven4DataSet* ds = nullptr;
};

// ---------------------------------------------------------------------------------------------
// Deleting

TEST_F(SelectionEditTest, DeleteLineSegmentOfAThreePointLineDeletesTheLineAndMarksModified) {
    Cpp_ProfileLine* line = Profile(1, {{0, 0}, {5, 0}, {9, 1}});
    Profile(2, {{0, -5}, {9, -5}});
    Select(SEL_PROFILE_SEGMENT, line, 1);
    EXPECT_TRUE(DeleteSegmentOfSelection(host));
    ASSERT_EQ(ds->ProfileLines().Count(), 1);
    EXPECT_EQ(ds->ProfileLines().LineAt(0)->GetNumber(), 2);
    EXPECT_TRUE(GetCurrentSelection().IsEmpty());
    EXPECT_EQ(host.dataChanges, std::vector<int>{2});  // the document is modified
    EXPECT_GE(host.barsHidden, 1);
}

TEST_F(SelectionEditTest, DeleteEntireLineRepaintsOnlyForReinforcement) {
    // The slope: emptied, the object stays, no repaint needed.
    Cpp_SlopeLine& slope = ds->SlopeGeometry().GetSlopeLine();
    Fill(&slope, {{0, 0}, {5, 5}, {10, 5}});
    Select(SEL_SLOPE_SEGMENT, &slope, 1);
    bool repaint = true;
    EXPECT_TRUE(GetCurrentSelection().DeleteEntireLines(repaint));
    EXPECT_FALSE(repaint);
    EXPECT_FALSE(slope.HasPoints());

    // Two reinforcement lines: both go, one repaint for the pair.
    GetCurrentSelection().Clear();
    Cpp_ReinforcementLine* a = Reinforcement(1, {{0, 0, 1, 0}, {5, 0, 1, 0}});
    Cpp_ReinforcementLine* b = Reinforcement(2, {{0, 2, 1, 0}, {5, 2, 1, 0}});
    Select(SEL_REINFORCEMENT_POINT, a, 1);
    Select(SEL_REINFORCEMENT_INTERVAL, b, 1);
    EXPECT_TRUE(GetCurrentSelection().DeleteEntireLines(repaint));
    EXPECT_TRUE(repaint);
    EXPECT_EQ(ds->ReinforcementLines()->Count(), 0);
}

// Records whose entity an earlier record removed are passed over: two points of one line and
// "Delete Entire Line" remove that line once (the neighbour stays); both points of a two-point
// slip surface and "Delete Point" delete the surface once (a surface of two points goes whole)
// and leave the other record alone.
TEST_F(SelectionEditTest, DestructiveWalksUseDistinctLiveTargetsOnly) {
    Cpp_ProfileLine* line = Profile(1, {{0, 0}, {5, 0}, {9, 1}});
    Profile(2, {{0, -5}, {9, -5}});
    Select(SEL_PROFILE_POINT, line, 1);
    Select(SEL_PROFILE_POINT, line, 3);
    EXPECT_TRUE(DeleteEntireLineOfSelection(host));
    ASSERT_EQ(ds->ProfileLines().Count(), 1);
    EXPECT_EQ(ds->ProfileLines().LineAt(0)->GetNumber(), 2);

    Cpp_AnalysisComputationData& a = *ds->AnalysisComputationData();
    a.SetCircular(false);
    Cpp_NoncircularShearSurface& surface = a.GetNoncircularPointList();
    surface.AddPoint(0, 0, 0, false, false);
    surface.AddPoint(4, 0, 0, false, false);
    for (int i = 0; i < 2; ++i) {
        s_SelectionReferences r;
        r.ref1 = &surface;
        r.ref2 = &surface.Points()[static_cast<size_t>(i)];
        SelectValues(SEL_NONCIRCULAR_POINT, r);
    }
    EXPECT_TRUE(DeletePointOfSelection(host));
    EXPECT_EQ(surface.NumberOfPoints(), 0);
    // A record of the model before the change is not live any more.
    EXPECT_TRUE(GetCurrentSelection().IsEmpty());
}

TEST_F(SelectionEditTest, DeleteAllOfAPorePressurePointKeepsTheOtherKinds) {
    Cpp_InterpolationData& data = *ds->InterpolationData(1);
    Cpp_InterpolationDataSet* receiving = nullptr;
    for (int material : {1, 2})
        for (const s_tagTypePointXY p : {s_tagTypePointXY{0, 0}, {5, 0}, {0, 5}})
            data.AddPointToDataSet(1, material, p.x, p.y, 10, 0, 0, receiving);
    data.AddPointToDataSet(2, 1, 0, 0, 0.2, 0, 0, receiving);
    data.RebuildAllBackLinks();
    data.TriangulateAll(nullptr);
    Cpp_InterpolationDataSet* pressures = data.FindDataSet(1, 1);
    s_SelectionReferences r;
    r.ref1 = pressures;
    r.ref2 = pressures->GetVertexList().First();
    SelectValues(SEL_PRESSURE_POINT, r, 1);

    EXPECT_TRUE(DeleteAllForSelection(host, true));
    ASSERT_EQ(data.DataSets().size(), 1u);
    EXPECT_EQ(data.DataSets()[0]->Kind(), 2);
}

TEST_F(SelectionEditTest, DeletePointOfAHorizontalTangentDefinitionDoesNothing) {
    Cpp_RadiusDefinitionList& list = ds->AnalysisComputationData()->GetRadiusDefinitionList();
    Cpp_RadiusDefinition* definition = list.AddTangentLine();
    definition->GetTangentLine()->ChangeOption(Cpp_TangentLine::kHorizontal);
    definition->GetTangentLine()->SetElevation(3);
    s_SelectionReferences r;
    r.ref2 = definition;
    r.number1 = 1;
    Cpp_Selection item;
    item.SetFromValues(ds, 0, SEL_DEFINITION_HORIZONTAL_TANGENT, r);
    EXPECT_FALSE(item.DeletePoint());
    EXPECT_EQ(list.GetCount(), 1);
}

// The Delete key acts by the first item's kind: a segment first deletes segments only, so the
// point of the other line selected with it stays.
TEST_F(SelectionEditTest, DeleteKeyActsByTheFirstItemsKind) {
    Cpp_ProfileLine* a = Profile(1, {{0, 0}, {5, 0}, {9, 1}, {12, 1}});
    Cpp_ProfileLine* b = Profile(2, {{0, -5}, {5, -5}, {9, -5}});
    Select(SEL_PROFILE_SEGMENT, a, 1);
    Select(SEL_PROFILE_POINT, b, 2);
    FillStringTable({{1308, "Select item to modify, etc."}});
    const int barsHidden = host.barsHidden;
    Key(ViewKeyDelete);
    ExpectPoints(*a, {{9, 1}, {12, 1}});
    ExpectPoints(*b, {{0, -5}, {5, -5}, {9, -5}});
    EXPECT_EQ(host.dataChanges, std::vector<int>{2});
    EXPECT_TRUE(GetCurrentSelection().IsEmpty());
    // The deleted items' prompt and bar go with them.
    EXPECT_EQ(host.barsHidden, barsHidden + 1);
    EXPECT_EQ(Status(), "Select item to modify, etc.");

    // Nothing selected: the key changes nothing and marks nothing.
    Key(ViewKeyDelete);
    EXPECT_EQ(host.dataChanges.size(), 1u);
}

TEST_F(SelectionEditTest, DeleteAllAimedAtThePickListStillEmptiesTheCurrentList) {
    Cpp_ProfileLine* a = Profile(1, {{0, 0}, {5, 0}});
    Water(1, {{0, 2}, {5, 2}});
    Select(SEL_PROFILE_POINT, a, 1);
    GetPickList().Add(ds, 1, SEL_PIEZOMETRIC_POINT, ds->PiezometricLines(1)->LineAt(0),
                      ds->PiezometricLines(1)->LineAt(0)->FirstPoint());
    EXPECT_TRUE(DeleteAllForSelection(host, false));
    EXPECT_TRUE(ds->PiezometricLines(1)->IsEmpty());
    EXPECT_EQ(ds->ProfileLines().Count(), 1);
    EXPECT_TRUE(GetCurrentSelection().IsEmpty());
    EXPECT_TRUE(GetPickList().IsEmpty());
}

// ---------------------------------------------------------------------------------------------
// Joining

TEST_F(SelectionEditTest, EndToEndJoinKeepsTheFirstLinesNumberMaterialAndDescription) {
    Cpp_ProfileLine* three = Profile(3, {{0, 0}, {5, 0}}, 2, "Clay");
    Cpp_ProfileLine* seven = Profile(7, {{7, 0}, {9, 1}}, 4, "Sand");
    Select(SEL_PROFILE_POINT, three, 2);
    Select(SEL_PROFILE_POINT, seven, 1);
    ASSERT_TRUE(GetCurrentSelection().SelectedLinesAreJoinable());
    EXPECT_TRUE(JoinSelectedLines(host));
    ASSERT_EQ(ds->ProfileLines().Count(), 1);
    const Cpp_ProfileLine* joined = ds->ProfileLines().ProfileLineAt(0);
    EXPECT_EQ(joined->GetNumber(), 3);
    EXPECT_EQ(joined->GetMaterialNumber(), 2);
    EXPECT_EQ(joined->Description(), "Clay");
    ExpectPoints(*joined, {{0, 0}, {5, 0}, {7, 0}, {9, 1}});
    EXPECT_EQ(NthPoint(*joined, 4)->Number(), 4);
    EXPECT_TRUE(GetCurrentSelection().IsEmpty());
    EXPECT_EQ(host.dataChanges, std::vector<int>{2});
}

TEST_F(SelectionEditTest, EndToEndJoinOrdersByTheSelectedEnds) {
    const struct {
        const char* name;
        int endA, endB;  // 1 the first point, 2 the last
        std::vector<s_tagTypePointXY> expected;
    } cases[] = {
        {"first and first: B reversed, then A", 1, 1, {{-1, 5}, {-3, 5}, {0, 0}, {5, 0}}},
        {"first and last: B, then A", 1, 2, {{-3, 5}, {-1, 5}, {0, 0}, {5, 0}}},
        {"last and last: A, then B reversed", 2, 2, {{0, 0}, {5, 0}, {-1, 5}, {-3, 5}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ds->ProfileLines().Clear();
        GetCurrentSelection().Clear();
        Cpp_ProfileLine* a = Profile(1, {{0, 0}, {5, 0}});
        Cpp_ProfileLine* b = Profile(2, {{-3, 5}, {-1, 5}});
        Select(SEL_PROFILE_POINT, a, c.endA);
        Select(SEL_PROFILE_POINT, b, c.endB);
        ASSERT_TRUE(GetCurrentSelection().JoinLinesCommand());
        ASSERT_EQ(ds->ProfileLines().Count(), 1);
        ExpectPoints(*ds->ProfileLines().LineAt(0), c.expected);
    }
}

TEST_F(SelectionEditTest, CoincidingReinforcementEndsJoinOnceWithTheMeanForces) {
    Cpp_ReinforcementLine* a = Reinforcement(4, {{0, 0, 10, 2}, {5, 0, 20, 4}});
    Cpp_ReinforcementLine* b = Reinforcement(6, {{5, 0, 40, 8}, {9, 0, 30, 6}});
    Select(SEL_REINFORCEMENT_POINT, a, 2);
    Select(SEL_REINFORCEMENT_POINT, b, 1);
    EXPECT_TRUE(GetCurrentSelection().JoinLinesCommand());
    ASSERT_EQ(ds->ReinforcementLines()->Count(), 1);
    const Cpp_ReinforcementLine* joined = ds->ReinforcementLines()->ReinforcementLineAt(0);
    EXPECT_EQ(joined->GetNumber(), 4);
    ExpectPoints(*joined, {{0, 0}, {5, 0}, {9, 0}});
    const Cpp_ReinforcementPoint* common = joined->FirstReinforcementPoint()->NextPoint();
    EXPECT_DOUBLE_EQ(common->longitudinalForce, 30);
    EXPECT_DOUBLE_EQ(common->transverseForce, 6);
}

TEST_F(SelectionEditTest, ThreeTouchingPiezometricLinesChainUnderTheFirstSelectedNumber) {
    Cpp_PiezometricLine* a = Water(5, {{10, 0}, {20, 0}});
    Cpp_PiezometricLine* b = Water(2, {{0, 0}, {10, 0}});
    Cpp_PiezometricLine* c = Water(8, {{30, 1}, {20, 0}});
    Water(9, {{50, 0}, {60, 0}});
    Select(SEL_PIEZOMETRIC_SEGMENT, a, 1, 1);
    Select(SEL_PIEZOMETRIC_POINT, b, 1, 1);
    Select(SEL_PIEZOMETRIC_SEGMENT, c, 1, 1);
    EXPECT_TRUE(GetCurrentSelection().JoinLinesCommand());
    Cpp_PiezometricLineList& list = *ds->PiezometricLines(1);
    ASSERT_EQ(list.Count(), 2);
    const Cpp_PiezometricLine* joined = list.FindLine(5);
    ASSERT_NE(joined, nullptr);
    ExpectPoints(*joined, {{0, 0}, {10, 0}, {20, 0}, {30, 1}});
    EXPECT_EQ(list.FindLine(2), nullptr);
    EXPECT_EQ(list.FindLine(8), nullptr);
    EXPECT_NE(list.FindLine(9), nullptr);
    EXPECT_TRUE(GetCurrentSelection().IsEmpty());
}

// Chained reinforcement lines join as the end-to-end join does: the common points take the mean
// forces and the first selected line's number.
TEST_F(SelectionEditTest, ChainedReinforcementLinesJoinWithMeanForces) {
    Cpp_ReinforcementLine* a = Reinforcement(1, {{0, 0, 10, 0}, {5, 0, 20, 0}});
    Cpp_ReinforcementLine* b = Reinforcement(2, {{9, 0, 0, 0}, {5, 0, 40, 0}});
    Cpp_ReinforcementLine* c = Reinforcement(3, {{9, 0, 6, 0}, {12, 0, 1, 0}});
    Select(SEL_REINFORCEMENT_INTERVAL, a, 1);
    Select(SEL_REINFORCEMENT_INTERVAL, b, 1);
    Select(SEL_REINFORCEMENT_INTERVAL, c, 1);
    EXPECT_TRUE(GetCurrentSelection().JoinLinesCommand());
    ASSERT_EQ(ds->ReinforcementLines()->Count(), 1);
    const Cpp_ReinforcementLine* joined = ds->ReinforcementLines()->ReinforcementLineAt(0);
    EXPECT_EQ(joined->GetNumber(), 1);
    ExpectPoints(*joined, {{0, 0}, {5, 0}, {9, 0}, {12, 0}});
    std::vector<double> forces;
    for (auto* p = joined->FirstReinforcementPoint(); p; p = p->NextPoint())
        forces.push_back(p->longitudinalForce);
    EXPECT_EQ(forces, (std::vector<double>{10, 30, 3, 1}));
}

// Nothing joins: ends that differ (by any amount), and the two ends of one line, which is not
// even offered.
TEST_F(SelectionEditTest, JoinsThatFindNothingChangeNothing) {
    Cpp_ProfileLine* a = Profile(1, {{0, 0}, {5, 0}});
    Cpp_ProfileLine* b = Profile(2, {{5, 1e-9}, {9, 0}});
    Select(SEL_PROFILE_SEGMENT, a, 1);
    Select(SEL_PROFILE_SEGMENT, b, 1);
    EXPECT_FALSE(GetCurrentSelection().JoinLinesCommand());
    EXPECT_EQ(ds->ProfileLines().Count(), 2);
    EXPECT_EQ(GetCurrentSelection().Count(), 2);

    GetCurrentSelection().Clear();
    Select(SEL_PROFILE_POINT, a, 1);
    Select(SEL_PROFILE_POINT, a, 2);
    EXPECT_FALSE(GetCurrentSelection().SelectedLinesAreJoinable());
    EXPECT_FALSE(JoinSelectedLines(host));
    ExpectPoints(*a, {{0, 0}, {5, 0}});
    EXPECT_EQ(ds->ProfileLines().Count(), 2);
    EXPECT_TRUE(host.dataChanges.empty());
}

// ---------------------------------------------------------------------------------------------
// Spacing

TEST_F(SelectionEditTest, SpacingHorizontallySortsTheListAndKeepsEachY) {
    Cpp_ProfileLine* line = Profile(1, {{0, 1}, {1, 2}, {1.5, 3}, {7, 4}, {10, 5}});
    for (int n : {4, 1, 5, 2, 3}) Select(SEL_PROFILE_POINT, line, n);
    EXPECT_TRUE(SpacePointsEvenly(host, 2));
    ExpectPoints(*line, {{0, 1}, {2.5, 2}, {5, 3}, {7.5, 4}, {10, 5}});
    for (int n = 1; n <= 5; ++n) {
        s_tagTypePointXY p;
        ASSERT_TRUE(GetCurrentSelection().GetNth(n)->GetPointXY(p));
        EXPECT_DOUBLE_EQ(p.x, 2.5 * (n - 1));
    }
}

TEST_F(SelectionEditTest, SpacingAlongTheLineBetweenTheFarthestPoints) {
    Cpp_ProfileLine* a = Profile(1, {{0, 0}, {10, 10}});
    Cpp_ProfileLine* b = Profile(2, {{6, 4}, {2, 3}, {7, 8}});
    Select(SEL_PROFILE_POINT, a, 1);
    Select(SEL_PROFILE_POINT, b, 1);
    Select(SEL_PROFILE_POINT, a, 2);
    Select(SEL_PROFILE_POINT, b, 2);
    Select(SEL_PROFILE_POINT, b, 3);
    EXPECT_TRUE(GetCurrentSelection().SpacePointsEvenly(1));
    ExpectPoints(*a, {{0, 0}, {10, 10}});
    // By distance from (0, 0): (2, 3), (6, 4), (7, 8).
    ExpectPoints(*b, {{5, 5}, {2.5, 2.5}, {7.5, 7.5}});
}

TEST_F(SelectionEditTest, SpacingSortsLoadPointsWithoutMovingThemAndNeedsThreeItems) {
    Cpp_DistributedLoadData& loads = *ds->DistributedLoads(1);
    loads.SetPoints({{9, 0, 1, 0}, {0, 0, 1, 0}, {1, 0, 1, 0}});
    for (auto* p = loads.GetFirstListItem(); p; p = p->NextPoint()) {
        Cpp_Selection s;
        s.SetLoadPointItem(ds, 1, SEL_LOAD_POINT, p);
        GetCurrentSelection().AddCopy(s);
    }
    EXPECT_TRUE(GetCurrentSelection().SpacePointsEvenly(2));
    std::vector<double> listed, stored;
    for (int n = 1; const Cpp_Selection* s = GetCurrentSelection().GetNth(n); ++n)
        listed.push_back(s->GetItemPosition().x);
    for (const auto& p : loads.GetPoints()) stored.push_back(p.x);
    EXPECT_EQ(listed, (std::vector<double>{0, 1, 9}));
    EXPECT_EQ(stored, (std::vector<double>{9, 0, 1}));

    // Two items: nothing is divided, nothing moves.
    Cpp_ProfileLine* line = Profile(1, {{0, 0}, {3, 0}});
    GetCurrentSelection().Clear();
    Select(SEL_PROFILE_POINT, line, 2);
    Select(SEL_PROFILE_POINT, line, 1);
    EXPECT_FALSE(SpacePointsEvenly(host, 1));
    ExpectPoints(*line, {{0, 0}, {3, 0}});
    EXPECT_EQ(GetCurrentSelection().GetNth(1)->GetItemReferences().ref2, NthPoint(*line, 2));
}

// ---------------------------------------------------------------------------------------------
// Typed values

struct s_DuplicateCase {
    const char* name;
    int kind;
    const char* message;
};

class TypedLineNumberTest : public SelectionEditTest,
                            public ::testing::WithParamInterface<s_DuplicateCase> {
protected:
    // Two lines of the case's family, 1 and 7; the item of line 1 is selected with its bar
    // shown; the bar gets the number and (for points) the coordinates (50, 60).
    void SelectLineOne() {
        const int kind = GetParam().kind;
        if (kind == SEL_PROFILE_POINT || kind == SEL_PROFILE_SEGMENT) {
            line = Profile(1, {{0, 0}, {5, 0}});
            Profile(7, {{0, -5}, {5, -5}});
        } else if (kind == SEL_PIEZOMETRIC_POINT || kind == SEL_PIEZOMETRIC_SEGMENT) {
            line = Water(1, {{0, 0}, {5, 0}});
            Water(7, {{0, -5}, {5, -5}});
        } else {
            line = Reinforcement(1, {{0, 0, 1, 0}, {5, 0, 1, 0}});
            Reinforcement(7, {{0, -5, 1, 0}, {5, -5, 1, 0}});
        }
        Select(kind, line, 1, kind == SEL_PIEZOMETRIC_POINT || kind == SEL_PIEZOMETRIC_SEGMENT);
        ASSERT_TRUE(GetCurrentSelection().GetNth(1)->UpdateToolBars());
    }
    void Type(int number) {
        ToolDialogBars& bars = TheToolBars();
        switch (GetParam().kind) {
        case SEL_PROFILE_POINT:
        case SEL_PROFILE_SEGMENT:
            bars.profile.SetLineData(number, 1, "");
            bars.profile.SetPoint(50, 60);
            break;
        case SEL_PIEZOMETRIC_POINT:
        case SEL_PIEZOMETRIC_SEGMENT:
            bars.piezometric.SetLineData(number, 62.4, "");
            bars.piezometric.SetPoint(50, 60);
            break;
        default:
            bars.reinforcement.SetLineNumber(number);
            bars.reinforcement.SetPointData(50, 60, 1, 0);
            break;
        }
    }
    int BarNumber() {
        ToolDialogBars& bars = TheToolBars();
        int number = 0, material = 0;
        double weight = 0;
        std::string description;
        switch (GetParam().kind) {
        case SEL_PROFILE_POINT:
        case SEL_PROFILE_SEGMENT: bars.profile.GetLineData(number, material, description); break;
        case SEL_PIEZOMETRIC_POINT:
        case SEL_PIEZOMETRIC_SEGMENT:
            bars.piezometric.GetLineData(number, weight, description);
            break;
        default: bars.reinforcement.GetLineNumber(number); break;
        }
        return number;
    }
    Cpp_Line* line = nullptr;
};

// Another line's number is refused with the family's message, the bar shows the line's own
// number again and the typed point is not applied; the line's own number is accepted and the
// point moves.
TEST_P(TypedLineNumberTest, AnotherLinesNumberIsRefusedTheOwnIsAccepted) {
    SelectLineOne();
    Type(7);
    bool redraw = false;
    EnterKey(host, redraw);
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Error");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text, GetParam().message);
    EXPECT_EQ(fakes.messageBoxes.requests[0].icon, platform::BoxIcon::Stop);
    EXPECT_EQ(line->GetNumber(), 1);
    EXPECT_EQ(BarNumber(), 1);
    EXPECT_DOUBLE_EQ(line->FirstPoint()->X(), 0);
    EXPECT_TRUE(host.dataChanges.empty());

    Type(1);
    EnterKey(host, redraw);
    EXPECT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(line->GetNumber(), 1);
    const bool point = GetParam().kind == SEL_PROFILE_POINT ||
                       GetParam().kind == SEL_PIEZOMETRIC_POINT ||
                       GetParam().kind == SEL_REINFORCEMENT_POINT;
    EXPECT_DOUBLE_EQ(line->FirstPoint()->X(), point ? 50 : 0);
    EXPECT_EQ(host.dataChanges.size(), point ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Families, TypedLineNumberTest,
    ::testing::Values(
        s_DuplicateCase{"ProfilePoint", SEL_PROFILE_POINT,
                        "Profile line number 7 is already assigned to another profile line."},
        s_DuplicateCase{"ProfileSegment", SEL_PROFILE_SEGMENT,
                        "Profile line number 7 is already assigned to another profile line."},
        s_DuplicateCase{
            "PiezometricPoint", SEL_PIEZOMETRIC_POINT,
            "Piezometric line number 7 is already assigned to another piezometric line."},
        s_DuplicateCase{
            "PiezometricSegment", SEL_PIEZOMETRIC_SEGMENT,
            "Piezometric line number 7 is already assigned to another piezometric line."},
        s_DuplicateCase{
            "ReinforcementPoint", SEL_REINFORCEMENT_POINT,
            "Reinforcement line number 7 is already assigned to another reinforcement line."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
