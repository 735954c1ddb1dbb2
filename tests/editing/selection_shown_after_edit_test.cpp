// After a selected item is edited in the drawing (dropped where a drag took it, typed values,
// the wheel, the arrows) its bar and the status line show it as it now is: the values the bar
// held at the pick would otherwise go back into the item with the next Enter, and the status
// line would describe the item as it was.

#include "analysis/analysis_computation_data.h"
#include "analysis/fixed_search_grid.h"
#include "analysis/radius_definition.h"
#include "analysis/tangent_line.h"
#include "core/cursor_mode.h"
#include "core/string_table.h"
#include "core/units.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/selection_commands.h"
#include "editing/selection_edit_commands.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "editing/two_step_edits.h"
#include "editing/view_input_fixture.h"
#include "loads/distributed_load_data.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "profile/profile_line.h"

#include <cstdio>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Values = std::tuple<double, double, double, double>;

class SelectionShownAfterEditTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        ds = Cpp_Kliven4Data::CurrentDataSet();
        Cpp_Kliven4DataSet::SetCurrentStage(1);
        GetCurrentSelection().Clear();
        ResetToolBars();
        host.editMode = EditModeSelect;
        FillStringTable({{1309, "Right-click for edit options"}});
        Cpp_DistributedLoadData::SetLargestValue(100.0);
        Cpp_DistributedLoadData::ComputeLoadScale(GetUnitSystem());
    }
    void TearDown() override {
        GetCurrentSelection().Clear();
        Loads().DeleteAllPoints();
        ResetToolBars();
    }

    Cpp_DistributedLoadData& Loads() { return *ds->DistributedLoads(1); }
    std::vector<Values> Points() {
        std::vector<Values> values;
        for (const s_DistributedLoadPoint& p : Loads().GetPoints())
            values.emplace_back(p.x, p.y, p.normal, p.shear);
        return values;
    }
    static Values Bar() {
        double x = 0, y = 0, normal = 0, shear = 0;
        TheToolBars().distributedLoad.GetLoadData(x, y, normal, shear);
        return {x, y, normal, shear};
    }

    Cpp_Kliven4DataSet* ds = nullptr;
};

// The second of three load points, picked at (200, 100) (pixel (200, 200)), dragged to world
// (240, 130) and dropped with a click: the bar shows (240, 130) with the point's stresses, and a
// following Enter leaves the point there.
TEST_F(SelectionShownAfterEditTest, ADroppedLoadPointShowsItsNewPlaceInTheBarAndEnterKeepsIt) {
    Loads().SetPoints({{100, 100, 10, 0}, {200, 100, 30, 5}, {300, 100, 10, 0}});
    Cpp_Selection s;
    s.SetLoadPointItem(ds, 1, SEL_LOAD_POINT, Loads().GetFirstListItem()->NextPoint());
    GetCurrentSelection().AddCopy(s);
    GetCurrentSelection().GetNth(1)->UpdateToolBars();
    ASSERT_EQ(Bar(), (Values{200, 100, 30, 5}));

    ASSERT_TRUE(ChangeValueOfSelection(host, 200, 200));
    EXPECT_EQ(GetCursorMode(), CursorModeChangeDistributedLoadPoint);
    Move(240, 170);
    Click(240, 170);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    const std::vector<Values> dropped{{100, 100, 10, 0}, {240, 130, 30, 5}, {300, 100, 10, 0}};
    EXPECT_EQ(Points(), dropped);
    EXPECT_EQ(Bar(), (Values{240, 130, 30, 5}));
    EXPECT_EQ(host.dataChanges.size(), 1u);

    Key(ViewKeyEnter);
    EXPECT_EQ(Points(), dropped);
}

}  // namespace

namespace {

// A point of a radius definition's irregular tangent line, dragged from the selection and
// dropped: the radius bar shows the point where it is now, so Enter leaves it there.
TEST_F(SelectionShownAfterEditTest,
       ADroppedTangentPointOfADefinitionShowsItsNewPlaceInTheRadiusBar) {
    Cpp_AnalysisComputationData& a = *ds->AnalysisComputationData();
    a.SetCircular(true);
    a.SetMode(4);
    Cpp_FixedSearchGrid& grid = a.GetFixedSearchGrid();
    grid.SetCounts(3, 3);
    grid.SetCorner(1, 180, 180);
    grid.SetCorner(2, 220, 180);
    grid.SetCorner(3, 220, 220);
    grid.SetCorner(4, 180, 220);
    Cpp_RadiusDefinitionList& definitions = a.GetRadiusDefinitionList();
    Cpp_RadiusDefinition* definition = definitions.AddTangentLine();
    Cpp_TangentLine& line = *definition->GetTangentLine();
    line.ChangeOption(Cpp_TangentLine::kIrregular);
    line.AddPoint(20, 40);
    line.AddPoint(100, 60);
    line.AddPoint(180, 50);
    s_SelectionReferences r;
    r.ref2 = definition;
    r.number1 = definitions.GetCount();
    r.number3 = 2;
    GetCurrentSelection().AddItem(ds, 0, SEL_DEFINITION_TANGENT_POINT, r)->UpdateToolBars();
    const auto barPoint = [] {
        const auto& controls = TheToolBars().radius.Controls();
        return std::pair(controls.Text(CmDialogBarRadiusTool::IdFirst),
                         controls.Text(CmDialogBarRadiusTool::IdSecond));
    };
    ASSERT_EQ(barPoint(), std::pair(std::string("100"), std::string("60")));

    ASSERT_TRUE(ChangeValueOfSelection(host, 100, 240));
    Move(110, 230);
    Click(110, 230);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    const auto points = [&] {
        std::vector<std::pair<double, double>> out;
        for (const s_tagTypePointXY& p : line.Points()) out.emplace_back(p.x, p.y);
        return out;
    };
    const std::vector<std::pair<double, double>> dropped{{20, 40}, {110, 70}, {180, 50}};
    EXPECT_EQ(points(), dropped);
    EXPECT_EQ(barPoint(), std::pair(std::string("110"), std::string("70")));
    Key(ViewKeyEnter);
    EXPECT_EQ(points(), dropped);
    definitions.DeleteAll();
}

}  // namespace

namespace {

// A selected load point given other values by Enter, by the wheel and by an arrow key: each
// time the status line describes it with the values it now has.
TEST_F(SelectionShownAfterEditTest, TheStatusLineDescribesAnEditedLoadPointWithItsNewValues) {
    Loads().SetPoints({{100, 100, 10, 0}, {200, 100, 30, 5}});
    Cpp_Selection s;
    s.SetLoadPointItem(ds, 1, SEL_LOAD_POINT, Loads().GetFirstListItem()->NextPoint());
    GetCurrentSelection().AddCopy(s);
    GetCurrentSelection().GetNth(1)->UpdateToolBars();
    const auto described = [](double x, double y, double normal, double shear) {
        char text[200];
        std::snprintf(text, sizeof text,
                      "Distributed Load Point - X: %1.2f, Y: %1.2f, Normal: %1.2f, Shear: %1.2f - "
                      "Right-click for edit options",
                      x, y, normal, shear);
        return std::string(text);
    };

    TheToolBars().distributedLoad.SetLoadData(210, 120, 40, 5);
    Key(ViewKeyEnter);
    EXPECT_EQ(Points().back(), (Values{210, 120, 40, 5}));
    EXPECT_EQ(Status(), described(210, 120, 40, 5));

    host.wheelEditing = true;
    s_ViewInput in = At(210, 180);
    in.wheelSteps = 1;
    ViewMouseWheel(host, in);
    const double normal = std::get<2>(Points().back());
    EXPECT_NE(normal, 40.0);
    EXPECT_EQ(Status(), described(210, 120, normal, 5));

    NudgeOptions() = {2, 1.0};
    Key(ViewKeyArrowRight);
    EXPECT_EQ(Status(), described(211, 120, normal, 5));
    NudgeOptions() = {1, 1.0};
}

}  // namespace

namespace {

// A load point snapped vertically onto a picked segment's line: when the step ends the status
// line describes the point where it now is, not where it was.
TEST_F(SelectionShownAfterEditTest, AfterASnapTheStatusLineDescribesThePointWhereItIs) {
    Cpp_ProfileLine* slope = ds->ProfileLines().CreateLine(1, 1, "");
    slope->AddPoint(100, 100);
    slope->AddPoint(200, 150);
    slope->NumberPoints();
    Loads().SetPoints({{300, 10, 5, 0}, {320, 10, 5, 0}});
    Cpp_Selection s;
    s.SetLoadPointItem(ds, 1, SEL_LOAD_POINT, Loads().GetFirstListItem());
    GetCurrentSelection().AddCopy(s);
    ASSERT_TRUE(StartSnapSelection(2));
    Click(150, 300 - 125);  // on the segment
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(std::get<1>(Points().front()), 200.0);
    EXPECT_EQ(Status(),
              "Distributed Load Point - X: 300.00, Y: 200.00, Normal: 5.00, Shear: 0.00 - "
              "Right-click for edit options");
    ds->ProfileLines().DeleteAllLines();
}

}  // namespace

namespace {

// A click whose step asks a question (the extension misses the line; Cancel): the box took the
// mouse button's release, so the next move of the mouse must not drag the selected point there.
TEST_F(SelectionShownAfterEditTest, AMoveAfterABoxOpenedByAClickDragsNothing) {
    Cpp_ProfileLine* line = ds->ProfileLines().CreateLine(1, 1, "");
    line->AddPoint(0, 0);
    line->AddPoint(10, 0);
    line->NumberPoints();
    Cpp_ProfileLine* target = ds->ProfileLines().CreateLine(2, 1, "");
    target->AddPoint(30, 20);
    target->AddPoint(30, 25);
    target->NumberPoints();
    Cpp_Selection s;
    s.SetPointItem(ds, 0, SEL_PROFILE_POINT, line, line->LastPoint());
    GetCurrentSelection().AddCopy(s);
    ASSERT_TRUE(ExtendToLine(false));
    fakes.messageBoxes.answers.push_back(platform::BoxResult::Cancel);
    Click(30, 300 - 22);  // on the target, whose segment the extension misses
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    host.now += 1000;
    Move(150, 150);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    Release(150, 150);
    Click(150, 150);
    EXPECT_EQ(line->LastPoint()->X(), 10.0);
    EXPECT_EQ(line->LastPoint()->Y(), 0.0);
    ds->ProfileLines().DeleteAllLines();
}

}  // namespace
