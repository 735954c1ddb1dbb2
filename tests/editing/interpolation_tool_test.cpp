// The interpolation-point tools driven by scripted mouse and key records: points clicked or
// typed into the data set of the bar's material, a repeated place refused with its notice, the
// tools' menu, the tool tip of the value under the cursor and the wheel steps.

#include "core/command_ids.h"
#include "core/cursor_mode.h"
#include "editing/edit_modes.h"
#include "editing/interpolation_tool.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_input_fixture.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "porepressure/interpolation_data.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

class InterpolationToolTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        host.editMode = EditModePressurePoints;
        ShowToolBar(BarInterpolation, true, 1);
        Bar().SetInterpolationKind(1, false);
        Cpp_InterpolationTool::StartEntryTool(1, 1);
    }
    CmDialogBarInterpolationTool& Bar() { return TheToolBars().interpolation; }
    Cpp_InterpolationData& Data() {
        return *Cpp_Kliven4Data::CurrentDataSet()->InterpolationData(1);
    }
    Cpp_InterpolationDataSet* Set(int material) {
        for (const auto& s : Data().DataSets())
            if (s->Kind() == 1 && s->Material() == material) return s.get();
        return nullptr;
    }
    void Type(int id, const std::string& text) { Bar().Controls().SetText(id, text); }
    void Enter() { Key(ViewKeyEnter); }
};

TEST_F(InterpolationToolTest, PointsGoToTheDataSetOfTheBarsMaterial) {
    EXPECT_EQ(Set(0), nullptr);  // the first point makes the set for all materials
    Type(CmDialogBarInterpolationTool::IdValue, "50");
    Click(100, 200);  // world (100, 100)
    Type(CmDialogBarInterpolationTool::IdMaterial, "4");
    Click(200, 200);
    ASSERT_NE(Set(4), nullptr);
    EXPECT_EQ(Set(0)->CountPoints(), 1);
    ASSERT_EQ(Set(4)->CountPoints(), 1);
    EXPECT_EQ(Set(4)->Points()[0].X(), 200);
    EXPECT_EQ(Set(4)->Points()[0].Value(), 50);
    EXPECT_EQ(Data().Source(Cpp_InterpolationData::kPressure).source, 0);  // entered points
    // Typed with Enter, three points make a triangle.
    Type(CmDialogBarInterpolationTool::IdX, "150");
    Type(CmDialogBarInterpolationTool::IdY, "250");
    Enter();
    Type(CmDialogBarInterpolationTool::IdX, "300");
    Type(CmDialogBarInterpolationTool::IdY, "50");
    Enter();
    EXPECT_EQ(Set(4)->CountPoints(), 3);
    EXPECT_EQ(Set(4)->GetTriangleList().CountTriangles(), 1);
    EXPECT_FALSE(host.dataChanges.empty());
}

// Choosing the u, ru or Str tool and using it without entering a point changes nothing: no empty
// data set is made, so no empty "INTerpolation data follow -" block is written.
TEST_F(InterpolationToolTest, AToolOnlyOpenedAddsNoDataSetAndWritesNoBlock) {
    host.wheelEditing = true;
    for (int kind : {1, 2, 3}) {
        Cpp_InterpolationTool::StartEntryTool(kind, 1);
        Move(50, 250, true);  // Shift: the value under the cursor
        Right(50, 60);        // the tool's menu, nothing chosen
        s_ViewInput in = At(10, 10);
        in.wheelSteps = 1;
        ViewMouseWheel(host, in);
    }
    EXPECT_TRUE(Data().DataSets().empty());
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(Data().WriteKLIVEN4InputDataFile(file));
    EXPECT_EQ(std::ftell(file), 0L);
    std::fclose(file);
    // The first point makes the set of the tool's kind.
    Click(100, 200);
    ASSERT_EQ(Data().DataSets().size(), 1u);
    EXPECT_EQ(Data().DataSets()[0]->Kind(), 3);
}

TEST_F(InterpolationToolTest, TheSamePlaceTwiceIsRefusedOnceAndAnotherMaterialTakesIt) {
    Click(100, 200);
    fakes.messageBoxes.requests.clear();
    Click(100, 200);
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Notice");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text, "This point has already been entered");
    EXPECT_EQ(Set(0)->CountPoints(), 1);
    Type(CmDialogBarInterpolationTool::IdMaterial, "2");
    Click(100, 200);
    EXPECT_EQ(Set(2)->CountPoints(), 1);
    EXPECT_EQ(fakes.messageBoxes.requests.size(), 1u);
    // A field that holds no number adds nothing and says nothing more.
    Type(CmDialogBarInterpolationTool::IdValue, "x");
    Click(300, 200);
    EXPECT_EQ(Set(2)->CountPoints(), 1);
}

TEST_F(InterpolationToolTest, TheMenuShowsThePointValueSwitchAndTheHeadOrPressureEntry) {
    Click(100, 200);
    host.chosen = ID_SHOW_POINT_VALUES;
    Right(50, 60);
    ASSERT_EQ(host.menus.size(), 1u);
    const MenuList& menu = host.menus[0];
    ASSERT_EQ(menu.size(), 4u);
    EXPECT_EQ(menu[0].text, "ReDraw");
    EXPECT_EQ(menu[1].text, "Show Coordinates");
    EXPECT_FALSE(menu[1].enabled);
    EXPECT_EQ(menu[2].text, "Show Point Values");
    EXPECT_FALSE(menu[2].checked);
    EXPECT_EQ(menu[3].text, "Display / Edit Heads");
    EXPECT_EQ(host.menuAt.x, 100 + 50 + 4);
    EXPECT_EQ(host.menuAt.y, 200 + 60 + 5);
    EXPECT_EQ(host.commands, std::vector<int>{ID_SHOW_POINT_VALUES});
    EXPECT_TRUE(Cpp_InterpolationTool::ToggleShowPointValues());
    Set(0)->SetOptionFlag(true);
    const MenuList again = Cpp_InterpolationTool::PopupMenu();
    EXPECT_TRUE(again[2].checked);
    EXPECT_EQ(again[3].text, "Display / Edit Pressures");
}

// Shift or Ctrl with a move: the value at the cursor as the tool tip, rounded to the stress
// decimals for pressures, the head in head mode.
TEST_F(InterpolationToolTest, ShiftShowsTheInterpolatedValueUnderTheCursor) {
    for (auto [px, py, value] : {std::tuple{0, 300, "0"}, {200, 300, "100"}, {0, 100, "0"}}) {
        Type(CmDialogBarInterpolationTool::IdValue, value);
        Click(px, py);
    }
    Move(50, 250, true);  // world (50, 50): pressure 25
    EXPECT_EQ(host.toolTip, "U: 25.00");
    Set(0)->SetOptionFlag(true);
    Set(0)->GetVertexList().SelectValueComponent(true);
    Move(50, 250, true);
    const double head = 50 + 25 / Cpp_InterpolationData::UnitWeightOfWater();
    char expected[32];
    std::snprintf(expected, sizeof expected, "H: %1.2f", head);
    EXPECT_EQ(host.toolTip, expected);
}

TEST_F(InterpolationToolTest, AWheelClickStepsAPressureByTenAndAHeadByOne) {
    Type(CmDialogBarInterpolationTool::IdValue, "30");
    Click(100, 200);
    Cpp_InterpolationDataSet& set = *Set(0);
    Cpp_VERTEX* v = set.GetVertexList().First();
    ASSERT_TRUE(Cpp_InterpolationTool::WheelChangeValue(set, v, 120));
    EXPECT_EQ(v->FirstValue(), 40);
    EXPECT_EQ(set.Points()[0].Value(), 40);
    set.SetOptionFlag(true);
    const double head = v->SecondValue();
    ASSERT_TRUE(Cpp_InterpolationTool::WheelChangeValue(set, v, -120));
    EXPECT_DOUBLE_EQ(v->SecondValue(), head - 1.0);
    // The running tool: the bar's value by the step, with wheel editing on.
    host.wheelEditing = true;
    Type(CmDialogBarInterpolationTool::IdValue, "5");
    set.SetOptionFlag(false);
    s_ViewInput in = At(10, 10);
    in.wheelSteps = 1;
    EXPECT_TRUE(ViewMouseWheel(host, in));
    double value = 0;
    ASSERT_TRUE(Bar().GetValue(value));
    EXPECT_EQ(value, 15);
}

// Deleting and moving a point through the tool keep the points and the triangulation together.
TEST_F(InterpolationToolTest, DeletingAndMovingAPointKeepPointsAndVerticesTogether) {
    for (auto [px, py] : {std::pair{0, 300}, {200, 300}, {0, 100}, {200, 100}, {100, 200}})
        Click(px, py);
    Cpp_InterpolationDataSet& set = *Set(0);
    ASSERT_EQ(set.GetTriangleList().CountTriangles(), 4);
    Cpp_VERTEX* centre = set.GetVertexList().Last();
    ASSERT_TRUE(Cpp_InterpolationTool::MovePoint(set, centre, 110, 90));
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());
    ASSERT_TRUE(Cpp_InterpolationTool::DeletePoint(set, centre));
    EXPECT_EQ(set.CountPoints(), 4);
    EXPECT_EQ(set.GetTriangleList().CountTriangles(), 2);
    // Across a far edge: asked, and No keeps the point.
    Cpp_VERTEX* corner = set.GetVertexList().First();
    const double x = corner->X(), y = corner->Y();
    fakes.messageBoxes.answers.push_back(platform::BoxResult::No);
    ASSERT_TRUE(Cpp_InterpolationTool::MovePoint(set, corner, 500, 500));
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "Triangles will become inverted.  Re-triangulate?");
    EXPECT_EQ(std::pair(corner->X(), corner->Y()), std::pair(x, y));
}

// In select mode the wheel over a selected pressure point steps it by the tool's step.
TEST_F(InterpolationToolTest, TheWheelOnASelectedPointStepsItsValue) {
    Type(CmDialogBarInterpolationTool::IdValue, "30");
    Click(100, 200);
    host.editMode = EditModeSelect;
    host.wheelEditing = true;
    Click(100, 200);
    Release(100, 200);
    ASSERT_FALSE(GetCurrentSelection().IsEmpty());
    s_ViewInput in = At(100, 200);
    in.wheelSteps = 1;
    EXPECT_TRUE(ViewMouseWheel(host, in));
    EXPECT_EQ(Set(0)->Points()[0].Value(), 40);
}

}  // namespace
