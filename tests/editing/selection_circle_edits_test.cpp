// The circular slip-surface items of a selection edited: Enter in the select mode gives a
// selected centre, grid corner, radius rule, radius definition, tangent point or construction
// circle the values typed in its bar, and "Change radius" / "Move ("Drag") Item" on a radius
// item drags it with the mouse until a click, Enter in the radius bar or Escape.

#include "analysis/analysis_computation_data.h"
#include "analysis/fixed_search_grid.h"
#include "analysis/radius_definition.h"
#include "analysis/tangent_line.h"
#include "core/cursor_mode.h"
#include "core/string_table.h"
#include "editing/construction_items.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/radius_tool.h"
#include "editing/selection_edit_commands.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_input_fixture.h"
#include "model/data_set.h"
#include "model/data_sets.h"

#include <string>
#include <utility>
#include <vector>

namespace {

class SelectionCircleEditTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        FillStringTable({{1308, "Select item to modify, etc."},
                         {1364, "\"Drag\" tip of radius to new radius & left-click"},
                         {1365, "\"Drag\" fixed point to new location & left-click"},
                         {1366, "\"Drag\" horizontal tangent line to new location & left-click"}});
        ds = Cpp_Kliven4Data::CurrentDataSet();
        A().SetCircular(true);
        GetCurrentSelection().Clear();
        host.editMode = EditModeSelect;
    }
    void TearDown() override {
        GetCurrentSelection().Clear();
        ResetToolBars();
    }

    Cpp_AnalysisComputationData& A() { return *ds->AnalysisComputationData(); }
    // A fixed grid with its centre at (100, 100).
    void UseFixedGrid() {
        A().SetMode(4);
        Cpp_FixedSearchGrid& grid = A().GetFixedSearchGrid();
        grid.SetCounts(3, 3);
        grid.SetCorner(1, 80, 80);
        grid.SetCorner(2, 120, 80);
        grid.SetCorner(3, 120, 120);
        grid.SetCorner(4, 80, 120);
    }
    // The item selected as a pick selects it: its bar shows its values.
    void Select(int kind, const s_SelectionReferences& r) {
        GetCurrentSelection().Clear();
        GetCurrentSelection().AddItem(ds, 0, kind, r)->UpdateToolBars();
    }
    static s_SelectionReferences Definition(Cpp_RadiusDefinition* d, int number, int point = 0) {
        s_SelectionReferences r;
        r.ref2 = d;
        r.number1 = number;
        r.number3 = point;
        return r;
    }
    void TypeCircleBar(const std::string& x, const std::string& y) {
        TheToolBars().circle.Controls().SetText(CmDialogBarCircleTool::IdX, x);
        TheToolBars().circle.Controls().SetText(CmDialogBarCircleTool::IdY, y);
    }
    void TypeRadiusBar(const std::string& first, const std::string& second = "0") {
        TheToolBars().radius.Controls().SetText(CmDialogBarRadiusTool::IdFirst, first);
        TheToolBars().radius.Controls().SetText(CmDialogBarRadiusTool::IdSecond, second);
    }
    std::string RadiusBarFirst() {
        return TheToolBars().radius.Controls().Text(CmDialogBarRadiusTool::IdFirst);
    }

    Cpp_Kliven4DataSet* ds = nullptr;
};

void ExpectAt(const s_tagTypePointXY& p, double x, double y) {
    EXPECT_DOUBLE_EQ(p.x, x);
    EXPECT_DOUBLE_EQ(p.y, y);
}

// ---------------------------------------------------------------------------------------------
// Enter: the bar's values

// A selected centre takes the circle bar's X and Y as the centre of its mode; a selected corner
// of the fixed grid as that corner, the others staying.
TEST_F(SelectionCircleEditTest, EnterGivesASelectedCentreOrGridCornerTheCircleBarsPoint) {
    struct Case {
        int mode, kind, corner;
    };
    for (const Case c : {Case{1, SEL_CIRCLE_CENTRE, 0}, Case{3, SEL_CIRCLE_CENTRE, 0},
                         Case{4, SEL_GRID_CORNER, 3}}) {
        SCOPED_TRACE(c.mode);
        host.dataChanges.clear();
        A().SetCircleCenter(50, 60);
        A().SetStartCenter(50, 60);
        UseFixedGrid();
        A().SetMode(c.mode);
        s_SelectionReferences r;
        r.number1 = c.corner;
        Select(c.kind, r);
        EXPECT_EQ(TheToolBars().circle.GetEntryOption(), c.mode == 4 ? 3 : 2);
        TypeCircleBar("12.5", "34");
        Key(ViewKeyEnter);
        EXPECT_EQ(A().GetMode(), c.mode);
        ExpectAt(A().GetCircleCenter(), c.mode == 1 ? 12.5 : 50, c.mode == 1 ? 34 : 60);
        ExpectAt(A().GetStartCenter(), c.mode == 3 ? 12.5 : 50, c.mode == 3 ? 34 : 60);
        const Cpp_FixedSearchGrid& grid = A().GetFixedSearchGrid();
        ExpectAt(grid.Corner(3), c.mode == 4 ? 12.5 : 120, c.mode == 4 ? 34 : 120);
        ExpectAt(grid.Corner(2), 120, 80);
        // The record follows its item, so the next nudge starts from the new place.
        ExpectAt(GetCurrentSelection().GetNth(1)->GetItemPosition(), 12.5, 34);
        EXPECT_EQ(host.dataChanges, std::vector<int>{9});
    }
}

// A number the bar cannot read changes nothing: the user is told, the centre stays and the
// document is not marked.
TEST_F(SelectionCircleEditTest, EnterWithAnUnreadableCircleBarChangesNothing) {
    A().SetMode(1);
    A().SetCircleCenter(50, 60);
    Select(SEL_CIRCLE_CENTRE, {});
    TypeCircleBar("12,x", "34");
    Key(ViewKeyEnter);
    ExpectAt(A().GetCircleCenter(), 50, 60);
    EXPECT_TRUE(host.dataChanges.empty());
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "ERROR");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text, "Enter a number.");
}

// The radius rule of an individual circle takes the radius bar's values by its option; in the
// fixed-grid mode there is no rule of the circle to change.
TEST_F(SelectionCircleEditTest, EnterGivesTheCirclesRadiusRuleTheRadiusBarsValues) {
    Cpp_TangentLine& tangent = *A().GetTangentLine();
    struct Case {
        int mode, option, tangentOption, kind;
    };
    const Case cases[] = {{1, 0, Cpp_TangentLine::kHorizontal, SEL_PRESCRIBED_RADIUS},
                          {3, 1, Cpp_TangentLine::kHorizontal, SEL_FIXED_POINT},
                          {1, 2, Cpp_TangentLine::kHorizontal, SEL_HORIZONTAL_TANGENT},
                          {1, 2, Cpp_TangentLine::kIrregular, SEL_TANGENT_POINT},
                          {4, 0, Cpp_TangentLine::kHorizontal, SEL_PRESCRIBED_RADIUS}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind * 10 + c.mode);
        host.dataChanges.clear();
        A().SetMode(1);
        A().SetCircleCenter(100, 100);
        A().SetThroughPoint(1, 2);  // the radius follows a fixed point
        A().SetRadius(20);
        tangent.ChangeOption(c.tangentOption);
        if (c.tangentOption == Cpp_TangentLine::kHorizontal) tangent.SetElevation(5);
        tangent.AddPoint(0, 10);
        tangent.AddPoint(10, 12);
        tangent.AddPoint(20, 11);
        A().SetRadiusOption(c.option);
        A().SetMode(c.mode);
        s_SelectionReferences r;
        r.ref1 = &tangent;
        r.index = 1;
        Select(c.kind, r);
        TheToolBars().radius.SetEntryOption(2);  // the bar shown for a selected radius item
        TypeRadiusBar("42.5", "7");
        Key(ViewKeyEnter);
        const bool taken = c.mode != 4;
        if (c.option == 0) {
            EXPECT_DOUBLE_EQ(A().GetRadius(), taken ? 42.5 : 20);
        }
        EXPECT_DOUBLE_EQ(A().GetThroughPointX(), taken && c.option == 1 ? 42.5 : 1);
        EXPECT_DOUBLE_EQ(A().GetThroughPointY(), taken && c.option == 1 ? 7 : 2);
        if (c.kind == SEL_HORIZONTAL_TANGENT) {
            EXPECT_DOUBLE_EQ(tangent.GetElevation(), 42.5);
        }
        if (c.kind == SEL_TANGENT_POINT) {
            ExpectAt(tangent.Points()[1], 42.5, 7);
            ExpectAt(tangent.Points()[0], 0, 10);
        }
        EXPECT_EQ(host.dataChanges, taken ? std::vector<int>{9} : std::vector<int>{});
    }
}

// A selected radius definition takes the radius bar's values by its own option; the point of an
// irregular tangent line that was picked moves, the others stay.
TEST_F(SelectionCircleEditTest, EnterGivesASelectedRadiusDefinitionTheRadiusBarsValues) {
    UseFixedGrid();
    Cpp_RadiusDefinitionList& list = A().GetRadiusDefinitionList();
    Cpp_RadiusDefinition* radius = list.AddGivenRadius(30);
    Cpp_RadiusDefinition* point = list.AddFixedPoint(1, 2);
    Cpp_RadiusDefinition* horizontal = list.AddTangentLine();
    horizontal->GetTangentLine()->ChangeOption(Cpp_TangentLine::kHorizontal);
    horizontal->GetTangentLine()->SetElevation(5);
    Cpp_RadiusDefinition* irregular = list.AddTangentLine();
    irregular->GetTangentLine()->ChangeOption(Cpp_TangentLine::kIrregular);
    irregular->GetTangentLine()->AddPoint(0, 10);
    irregular->GetTangentLine()->AddPoint(10, 12);

    Select(SEL_DEFINITION_RADIUS, Definition(radius, 1));
    EXPECT_EQ(RadiusBarFirst(), "30");
    TypeRadiusBar("42.5");
    Key(ViewKeyEnter);
    EXPECT_DOUBLE_EQ(radius->GetGivenRadius(), 42.5);

    Select(SEL_DEFINITION_FIXED_POINT, Definition(point, 2));
    TypeRadiusBar("3", "4");
    Key(ViewKeyEnter);
    ExpectAt(point->GetFixedPoint(), 3, 4);

    Select(SEL_DEFINITION_HORIZONTAL_TANGENT, Definition(horizontal, 3));
    TypeRadiusBar("-8");
    Key(ViewKeyEnter);
    EXPECT_DOUBLE_EQ(horizontal->GetTangentLine()->GetElevation(), -8);

    Select(SEL_DEFINITION_TANGENT_POINT, Definition(irregular, 4, 2));
    TypeRadiusBar("11", "13");
    Key(ViewKeyEnter);
    ExpectAt(irregular->GetTangentLine()->Points()[1], 11, 13);
    ExpectAt(irregular->GetTangentLine()->Points()[0], 0, 10);
    EXPECT_EQ(host.dataChanges, (std::vector<int>{9, 9, 9, 9}));

    // Outside the select and radius modes the bar hands out nothing.
    host.editMode = EditModeProfileLines;
    TypeRadiusBar("99");
    EXPECT_FALSE(Cpp_RadiusTool::AssignDefinitionFromBar(*radius, -1));
    EXPECT_DOUBLE_EQ(radius->GetGivenRadius(), 42.5);
}

// Deleting a selected point of a radius definition's irregular tangent line: a line of three
// points loses the point; one of two points goes whole with its definition, so no definition is
// left (and written) with a tangent line of fewer than two points.
TEST_F(SelectionCircleEditTest, DeletingATangentPointNeverLeavesADefinitionWithOnePoint) {
    UseFixedGrid();
    Cpp_RadiusDefinitionList& list = A().GetRadiusDefinitionList();
    Cpp_RadiusDefinition* radius = list.AddGivenRadius(30);
    auto irregular = [&](int points) {
        Cpp_RadiusDefinition* d = list.AddTangentLine();
        d->GetTangentLine()->ChangeOption(Cpp_TangentLine::kIrregular);
        for (int i = 0; i < points; ++i) d->GetTangentLine()->AddPoint(10.0 * i, 12.0 + i);
        return d;
    };
    Cpp_RadiusDefinition* three = irregular(3);
    Cpp_RadiusDefinition* two = irregular(2);

    Select(SEL_DEFINITION_TANGENT_POINT, Definition(three, 2, 2));
    EXPECT_TRUE(GetCurrentSelection().DeletePoints());
    ASSERT_EQ(list.GetCount(), 3);
    ASSERT_EQ(three->GetTangentLine()->Points().size(), 2u);
    ExpectAt(three->GetTangentLine()->Points()[0], 0, 12);
    ExpectAt(three->GetTangentLine()->Points()[1], 20, 14);

    for (auto [d, number] : {std::pair(two, 3), std::pair(three, 2)}) {
        Select(SEL_DEFINITION_TANGENT_POINT, Definition(d, number, 1));
        EXPECT_TRUE(GetCurrentSelection().DeletePoints());
    }
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetNth(1), radius);
}

// The circle's own irregular tangent line keeps two points at least: deleting a point, a segment
// or the entire line is refused with a box when fewer would be left, and the line is kept whole.
TEST_F(SelectionCircleEditTest, DeletesNeverLeaveTheCirclesTangentLineWithFewerThanTwoPoints) {
    Cpp_TangentLine& tangent = *A().GetTangentLine();
    const std::string refused =
        "An irregular tangent line needs at least two points - no point was deleted.";
    struct Case {
        int points, kind, index;
        char what;                 // 'p' point, 's' segment, 'l' entire line
        std::vector<double> left;  // the x of the points left
    };
    const Case cases[] = {{3, SEL_TANGENT_POINT, 1, 'p', {0, 20}},
                          {2, SEL_TANGENT_POINT, 0, 'p', {0, 10}},
                          {4, SEL_TANGENT_SEGMENT, 1, 's', {0, 30}},
                          {3, SEL_TANGENT_SEGMENT, 0, 's', {0, 10, 20}},
                          {3, SEL_TANGENT_POINT, 0, 'l', {0, 10, 20}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.what << " of " << c.points << " points");
        fakes.messageBoxes.requests.clear();
        A().SetMode(1);
        A().SetRadiusOption(2);
        tangent.ChangeOption(Cpp_TangentLine::kIrregular);
        tangent.Points().clear();
        for (int i = 0; i < c.points; ++i) tangent.AddPoint(10.0 * i, 12.0 + i);
        s_SelectionReferences r;
        r.ref1 = &tangent;
        r.index = c.index;
        Select(c.kind, r);
        Cpp_SelectionList& list = GetCurrentSelection();
        bool repaint = false;
        const bool removed = c.what == 'p'   ? list.DeletePoints()
                             : c.what == 's' ? list.DeleteSegments()
                                             : list.DeleteEntireLines(repaint);
        std::vector<double> left;
        for (const auto& p : tangent.Points()) left.push_back(p.x);
        EXPECT_EQ(left, c.left);
        const bool keptWhole = static_cast<int>(left.size()) == c.points;
        EXPECT_EQ(removed, !keptWhole);
        ASSERT_EQ(fakes.messageBoxes.requests.size(), keptWhole ? 1u : 0u);
        if (keptWhole) {
            EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "ERROR");
            EXPECT_EQ(fakes.messageBoxes.requests[0].text, refused);
        }
    }
    tangent.Points().clear();
}

// A selected construction circle is defined again from the construction bar: a circle through
// a point about the typed centre.
TEST_F(SelectionCircleEditTest, EnterDefinesASelectedConstructionCircleFromTheConstructionBar) {
    Cpp_ConstructionCircle* circle = GetConstructionCircleList().NewCircle(0, 0, 0, 2, 0);
    s_SelectionReferences r;
    r.ref2 = circle;
    Select(SEL_CONSTRUCTION_CIRCLE, r);
    CmDialogBarConstructionTool& bar = TheToolBars().construction;
    bar.Controls().SetIndex(CmDialogBarConstructionTool::IdDefinition, 1);
    bar.Controls().SetText(CmDialogBarConstructionTool::IdX, "10");
    bar.Controls().SetText(CmDialogBarConstructionTool::IdY, "10");
    bar.Controls().SetText(CmDialogBarConstructionTool::IdFirst, "13");
    bar.Controls().SetText(CmDialogBarConstructionTool::IdSecond, "14");
    Key(ViewKeyEnter);
    EXPECT_DOUBLE_EQ(circle->CentreX(), 10);
    EXPECT_DOUBLE_EQ(circle->CentreY(), 10);
    EXPECT_EQ(circle->GetDefinitionType(), 1);
    EXPECT_DOUBLE_EQ(circle->GetRadius(), 5);
    EXPECT_EQ(host.dataChanges, std::vector<int>{0});
    DeleteAllConstructionCircles();
}

// "Delete Line Segment" on a segment of a definition's irregular tangent line: with more than
// three points the segment's two points go and the definition stays; with three the whole
// definition goes.
TEST_F(SelectionCircleEditTest, DeletingATangentSegmentOfADefinitionKeepsItOnlyWithFourPoints) {
    UseFixedGrid();
    Cpp_RadiusDefinitionList& list = A().GetRadiusDefinitionList();
    list.AddGivenRadius(30);
    for (int count : {4, 3}) {
        SCOPED_TRACE(count);
        Cpp_RadiusDefinition* d = list.AddTangentLine();
        d->GetTangentLine()->ChangeOption(Cpp_TangentLine::kIrregular);
        for (int i = 0; i < count; ++i) d->GetTangentLine()->AddPoint(10.0 * i, i % 2);
        Select(SEL_DEFINITION_TANGENT_SEGMENT, Definition(d, 2, 2));  // from the second point
        EXPECT_TRUE(DeleteSegmentOfSelection(host));
        if (count == 4) {
            ASSERT_EQ(list.GetCount(), 2);
            ASSERT_EQ(d->GetTangentLine()->NumberOfPoints(), 2);
            ExpectAt(d->GetTangentLine()->Points()[0], 0, 0);
            ExpectAt(d->GetTangentLine()->Points()[1], 30, 1);
            list.RemoveNth(2);
        } else {
            EXPECT_EQ(list.GetCount(), 1);
        }
    }
    EXPECT_DOUBLE_EQ(list.GetNth(1)->GetGivenRadius(), 30);
}

// ---------------------------------------------------------------------------------------------
// Change radius: the drag

// "Change radius" on a selected given-radius definition: the grey circle about the grid's
// centre follows the cursor; Enter in the radius bar drops it with the typed radius, not the
// cursor's, and the bar shows the new radius. A click takes the cursor; Escape changes nothing.
TEST_F(SelectionCircleEditTest, ARadiusDefinitionDroppedWithEnterTakesTheRadiusBarsValue) {
    UseFixedGrid();  // centre (100, 100) = pixel (100, 200)
    Cpp_RadiusDefinition* d = A().GetRadiusDefinitionList().AddGivenRadius(30);
    Select(SEL_DEFINITION_RADIUS, Definition(d, 1));
    EXPECT_TRUE(ChangeValueOfSelection(host, 100, 170));
    EXPECT_EQ(GetCursorMode(), CursorModeChangeGivenRadius);
    EXPECT_EQ(Status(), "\"Drag\" tip of radius to new radius & left-click");
    Move(100, 150);  // 50 from the centre
    TypeRadiusBar("42.5");
    Key(ViewKeyEnter);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Status(), "Select item to modify, etc.");  // the select mode's prompt again
    EXPECT_DOUBLE_EQ(d->GetGivenRadius(), 42.5);
    EXPECT_EQ(RadiusBarFirst(), "42.5");
    EXPECT_EQ(host.dataChanges.size(), 1u);

    ChangeValueOfSelection(host, 100, 170);
    Move(100, 150);
    Click(100, 150);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_DOUBLE_EQ(d->GetGivenRadius(), 50);
    EXPECT_EQ(host.dataChanges.size(), 2u);

    ChangeValueOfSelection(host, 100, 170);
    Move(100, 120);
    Key(ViewKeyEscape);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_DOUBLE_EQ(d->GetGivenRadius(), 50);
    EXPECT_EQ(host.dataChanges.size(), 2u);
}

// A fixed-point definition follows a click, a horizontal tangent line takes the typed
// elevation with Enter; each starts with its own prompt.
TEST_F(SelectionCircleEditTest, FixedPointAndTangentDefinitionsDragToTheirNewPlace) {
    UseFixedGrid();
    Cpp_RadiusDefinition* point = A().GetRadiusDefinitionList().AddFixedPoint(1, 2);
    Cpp_RadiusDefinition* tangent = A().GetRadiusDefinitionList().AddTangentLine();
    tangent->GetTangentLine()->ChangeOption(Cpp_TangentLine::kHorizontal);
    tangent->GetTangentLine()->SetElevation(5);

    Select(SEL_DEFINITION_FIXED_POINT, Definition(point, 1));
    ChangeValueOfSelection(host, 1, 298);
    EXPECT_EQ(Status(), "\"Drag\" fixed point to new location & left-click");
    Move(40, 250);
    Click(40, 250);
    ExpectAt(point->GetFixedPoint(), 40, 50);

    Select(SEL_DEFINITION_HORIZONTAL_TANGENT, Definition(tangent, 2));
    ChangeValueOfSelection(host, 50, 295);
    EXPECT_EQ(Status(), "\"Drag\" horizontal tangent line to new location & left-click");
    TypeRadiusBar("12");
    Key(ViewKeyEnter);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_DOUBLE_EQ(tangent->GetTangentLine()->GetElevation(), 12);
    EXPECT_EQ(host.dataChanges.size(), 2u);
}

// A grid corner dragged from the selection and dropped with a click moves there, and the circle
// bar shows the corner where it now is.
TEST_F(SelectionCircleEditTest, AGridCornerDroppedWithAClickShowsItsNewPlaceInTheCircleBar) {
    UseFixedGrid();
    s_SelectionReferences r;
    r.number1 = 3;
    Select(SEL_GRID_CORNER, r);
    EXPECT_TRUE(ChangeValueOfSelection(host, 120, 180));
    EXPECT_EQ(GetCursorMode(), CursorModeMoveSearchGridCorner);
    Move(130, 160);
    Click(130, 160);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    ExpectAt(A().GetFixedSearchGrid().Corner(3), 130, 140);
    EXPECT_EQ(TheToolBars().circle.Controls().Text(CmDialogBarCircleTool::IdX), "130");
    EXPECT_EQ(TheToolBars().circle.Controls().Text(CmDialogBarCircleTool::IdY), "140");
    EXPECT_EQ(host.dataChanges.size(), 1u);
}

// The circle's own radius rule: the cursor mode of its option, a click sets it; Escape leaves
// it; in the fixed-grid mode, where the circle has no initial centre, nothing starts.
TEST_F(SelectionCircleEditTest, TheCirclesRadiusRuleDragsByItsOption) {
    struct Case {
        int option, kind, cursorMode;
    };
    const Case cases[] = {{0, SEL_PRESCRIBED_RADIUS, CursorModeDragRadiusTip},
                          {1, SEL_FIXED_POINT, CursorModeDragFixedPoint},
                          {2, SEL_HORIZONTAL_TANGENT, CursorModeDragHorizontalTangent}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        host.dataChanges.clear();
        A().SetMode(1);
        A().SetCircleCenter(100, 100);
        A().SetThroughPoint(1, 2);
        A().SetRadius(20);
        A().GetTangentLine()->ChangeOption(Cpp_TangentLine::kHorizontal);
        A().GetTangentLine()->SetElevation(5);
        A().SetRadiusOption(c.option);
        Select(c.kind, {});

        ChangeValueOfSelection(host, 100, 190);
        EXPECT_EQ(GetCursorMode(), c.cursorMode);
        Move(130, 160);
        Key(ViewKeyEscape);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_DOUBLE_EQ(A().GetRadius(), 20);
        ExpectAt({A().GetThroughPointX(), A().GetThroughPointY()}, 1, 2);
        EXPECT_DOUBLE_EQ(A().GetTangentLine()->GetElevation(), 5);
        EXPECT_TRUE(host.dataChanges.empty());

        ChangeValueOfSelection(host, 100, 190);
        Move(130, 160);  // world (130, 140): 50 from the centre
        Click(130, 160);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_EQ(Status(), "Select item to modify, etc.");
        const double radius[] = {50, 50, 0};
        EXPECT_DOUBLE_EQ(A().GetRadius(), radius[c.option]);
        if (c.option == 1) {
            ExpectAt({A().GetThroughPointX(), A().GetThroughPointY()}, 130, 140);
        }
        if (c.option == 2) {
            EXPECT_DOUBLE_EQ(A().GetTangentLine()->GetElevation(), 140);
        }
        EXPECT_EQ(host.dataChanges.size(), 1u);
    }
    UseFixedGrid();
    A().SetRadiusOption(0);
    Select(SEL_PRESCRIBED_RADIUS, {});
    EXPECT_TRUE(ChangeValueOfSelection(host, 100, 190));
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
}

}  // namespace
