// Editing selected loads through the view's input: a selected line load dragged by its point
// (picked at its point) or by its tail (picked on its drawn arrow), turned by the wheel and
// given the bar's typed values; the distributed-load bar taking the water pressure of its
// piezometric line while Shift and Ctrl are held.

#include "core/cursor_mode.h"
#include "core/string_table.h"
#include "core/units.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/selection_edit_commands.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_input_fixture.h"
#include "graphics/prompts.h"
#include "loads/distributed_load_data.h"
#include "loads/line_load.h"
#include "loads/load_drawing_support.h"
#include "loads/loads_state.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "porepressure/piezometric_line.h"
#include "support/fake_services.h"

#include <cmath>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

namespace {

class LineLoadSelectionTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        saved = loads::LineLoadScale();
        loads::LineLoadScale() = loads::s_ArrowScaleState{};
        loads::LineLoadScale().records[0] = loads::LineLoadScale().records[1] =
            loads::LineLoadScale().records[2] = s_KindValueType{4, 100.0};
        loads::LineLoadScale().SetLargest(100.0);
        Cpp_LineLoadList::ComputeForceScale(GetUnitSystem());
        Cpp_Kliven4DataSet::SetCurrentStage(1);
        ResetToolBars();
        GetCurrentSelection().Clear();
        platform::Services().SetPromptBar(&promptBar);
        host.editMode = EditModeSelect;
        FillStringTable({{1309, "Right-click for edit options"}});
    }
    void TearDown() override {
        GetCurrentSelection().Clear();
        Loads().DeleteAll();
        loads::LineLoadScale() = saved;
        platform::Services().SetPromptBar(nullptr);
    }
    static Cpp_LineLoadList& Loads() { return *Cpp_Kliven4Data::CurrentDataSet()->LineLoads(1); }
    static CmDialogBarLineLoadTool& Bar() { return TheToolBars().lineLoad; }
    // The load selected as the pick finds it: at its point (62) or on its arrow (64); its bar
    // shows it.
    static void Select(Cpp_LineLoad* load, int kind) {
        Cpp_Selection s;
        s.SetLoadPointItem(Cpp_Kliven4Data::CurrentDataSet(), 1, kind, load);
        GetCurrentSelection().AddCopy(s);
        GetCurrentSelection().GetLast()->UpdateToolBars();
    }
    static std::tuple<double, double, int, double, double> Values(const Cpp_LineLoad& l) {
        return l.option == Cpp_LineLoad::ByResultant
                   ? std::tuple(l.X(), l.Y(), l.option, l.resultant, l.inclination)
                   : std::tuple(l.X(), l.Y(), l.option, l.horizontal, l.vertical);
    }
    static int Pixel(double v, bool x) {
        return x ? Cpp_Graphics::XToPixel(v) : Cpp_Graphics::YToPixel(v);
    }

    loads::s_ArrowScaleState saved;
    testsupport::FakePromptBar promptBar;
};

// "Change Line Load" (or a drag) on a load picked at its point moves it with its forces; picked
// on its arrow it sets the force by the tail; Escape leaves it as it was.
TEST_F(LineLoadSelectionTest, TheDragOfASelectedLoadMovesItOrSetsItsForceByTheTail) {
    const double s = Cpp_LineLoadList::ForceScale();
    Cpp_LineLoad* load = Loads().AddByComponents(1, 100, 100, 30, 40);
    Select(load, SEL_LINE_LOAD);
    EXPECT_TRUE(ChangeValueOfSelection(host, 100, 200));
    EXPECT_EQ(GetCursorMode(), CursorModeDragLineLoadTail);
    EXPECT_EQ(promptBar.text,
              "Drag line load tail to set new force - Press Shift key to display values "
              "of force.");
    Move(150, 180);  // world (150, 120)
    Click(150, 180);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Values(*load), std::tuple(150.0, 120.0, 1, 30.0, 40.0));
    EXPECT_NEAR(load->tailX, 150 - 30 * s, 1e-9);
    EXPECT_NEAR(load->tailY, 120 - 40 * s, 1e-9);
    EXPECT_EQ(host.dataChanges.size(), 1u);
    double x = 0, y = 0, first = 0, second = 0;
    int form = 0;
    ASSERT_TRUE(Bar().GetLineLoadData(x, y, first, second, form));
    EXPECT_EQ(std::tuple(x, y), std::tuple(150.0, 120.0));
    // The status line names the load where it now is.
    EXPECT_EQ(Status(), "Line Load - X: 150.00, Y: 120.00, F(Horiz.): 30.00, F(Vert.): 40.00 - "
                        "Right-click for edit options");

    // On its arrow: the tail to (90, 120), 60 units left of the point, is a horizontal force.
    GetCurrentSelection().Clear();
    Select(load, SEL_LINE_LOAD_DRAWN);
    EXPECT_TRUE(ChangeValueOfSelection(host, Pixel(load->tailX, true), Pixel(load->tailY, false)));
    EXPECT_EQ(GetCursorMode(), CursorModeDragLineLoadTail);
    Move(90, 180);
    Click(90, 180);
    EXPECT_EQ(load->option, Cpp_LineLoad::ByComponents);
    EXPECT_EQ(std::tuple(load->X(), load->Y()), std::tuple(150.0, 120.0));
    EXPECT_NEAR(load->horizontal, 60 / s, 1e-9);
    EXPECT_NEAR(load->vertical, 0.0, 1e-9);

    // Escape during either drag changes nothing.
    const auto before = Values(*load);
    for (int kind : {SEL_LINE_LOAD, SEL_LINE_LOAD_DRAWN}) {
        GetCurrentSelection().Clear();
        Select(load, kind);
        ChangeValueOfSelection(host, 150, 180);
        Move(20, 20);
        Key(ViewKeyEscape);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_EQ(Values(*load), before) << kind;
    }
    EXPECT_EQ(host.dataChanges.size(), 2u);
}

// The wheel over a load picked at its point steps the first value (with Ctrl the second) by the
// line-load tool's steps, in the load's own option; over a load picked on its arrow it is not
// used, so the view scrolls.
TEST_F(LineLoadSelectionTest, TheWheelStepsTheForcesOfALoadPickedAtItsPoint) {
    struct s_Case {
        int option;
        bool control;
        int steps;
        double first, second;
    };
    const s_Case cases[] = {
        {1, false, 1, 130, 40}, {1, true, 1, 30, 140}, {1, false, -2, -70, 40},
        {2, false, 1, 150, 20}, {2, true, 1, 50, 21},  {2, true, -1, 50, 19},
    };
    host.wheelEditing = true;
    for (const s_Case& c : cases) {
        Loads().DeleteAll();
        GetCurrentSelection().Clear();
        Cpp_LineLoad* load = c.option == 1 ? Loads().AddByComponents(1, 100, 100, 30, 40)
                                           : Loads().AddByMagnitude(1, 100, 100, 50, 20);
        Select(load, SEL_LINE_LOAD);
        host.dataChanges.clear();
        s_ViewInput in = At(200, 150, false, c.control);
        in.wheelSteps = c.steps;
        EXPECT_TRUE(ViewMouseWheel(host, in));
        EXPECT_EQ(Values(*load), std::tuple(100.0, 100.0, c.option, c.first, c.second))
            << c.option << c.control << c.steps;
        EXPECT_EQ(host.dataChanges.size(), 1u);
        EXPECT_TRUE(host.scrolls.empty());
    }

    GetCurrentSelection().Clear();
    Cpp_LineLoad* load = Loads().Loads().front().get();
    const auto before = Values(*load);
    Select(load, SEL_LINE_LOAD_DRAWN);
    bool repaint = false;
    EXPECT_FALSE(GetCurrentSelection().WheelEditFirst(120, false, repaint));
    EXPECT_EQ(Values(*load), before);
}

// Enter with a selected load gives it the bar's point, option and forces; the same values again
// change nothing and do not mark the document.
TEST_F(LineLoadSelectionTest, EnterGivesASelectedLoadTheBarsTypedValues) {
    Cpp_LineLoad* load = Loads().AddByComponents(1, 100, 100, 30, 40);
    Select(load, SEL_LINE_LOAD);
    EXPECT_FALSE(AssignNumberToSelection(host));
    EXPECT_TRUE(host.dataChanges.empty());

    Bar().SetFromLineLoad(Cpp_LineLoad(1, 120, 90, 2, 200, 45));
    EXPECT_TRUE(AssignNumberToSelection(host));
    EXPECT_EQ(Values(*load), std::tuple(120.0, 90.0, 2, 200.0, 45.0));
    EXPECT_NEAR(load->horizontal, 200 * std::cos(std::numbers::pi / 4), 1e-9);
    EXPECT_EQ(host.dataChanges.size(), 1u);
    EXPECT_EQ(GetCurrentSelection().Count(), 1);
}

// ---------------------------------------------------------------------------------------------
// The distributed-load bar and the water pressure

class WaterPressureTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        host.editMode = EditModeDistributedLoads;
        Cpp_Kliven4DataSet::SetCurrentStage(1);
        ResetToolBars();
        ShowToolBar(BarDistributedLoad, true, 1);
        Cpp_DistributedLoadData::SetLargestValue(100.0);
        Cpp_DistributedLoadData::ComputeLoadScale(GetUnitSystem());
        // Water at y = 100 from x = 50 to 250, unit weight 10; the bar, its box not ticked,
        // names line 1.
        Cpp_PiezometricLine* water =
            Cpp_Kliven4Data::CurrentDataSet()->PiezometricLines(1)->CreateLine(1, 10.0, "");
        water->AddPoint(50, 100);
        water->AddPoint(250, 100);
        Bar().EnableForPiezometricLine(false, 0);
        Bar().SetLoadData(7, 8, 5, 3);
    }
    void TearDown() override {
        Cpp_DistributedLoadData::EndEntryTool();
        Loads().DeleteAllPoints();
        Cpp_Kliven4Data::CurrentDataSet()->PiezometricLines(1)->RemoveLineByNumber(1);
        Cpp_Kliven4Data::CurrentDataSet()->PiezometricLines(1)->RemoveLineByNumber(3);
    }
    static Cpp_DistributedLoadData& Loads() {
        return *Cpp_Kliven4Data::CurrentDataSet()->DistributedLoads(1);
    }
    static CmDialogBarDistributedLoad& Bar() { return TheToolBars().distributedLoad; }
    static std::tuple<double, double, double, double> BarValues() {
        double x = 0, y = 0, normal = 0, shear = 0;
        EXPECT_TRUE(Bar().GetLoadData(x, y, normal, shear));
        return {x, y, normal, shear};
    }
    void MoveWith(int px, int py, bool shift, bool control) {
        ViewMouseMove(host, At(px, py, shift, control));
    }
};

// Shift and Ctrl over the view: the bar's normal stress becomes the pressure of its line at the
// cursor, its point and shear stress stay; Shift alone tracks the point; Ctrl alone does
// nothing. The entry then takes the pressure for its point.
TEST_F(WaterPressureTest, ShiftAndCtrlPutTheWaterPressureUnderTheCursorIntoTheBar) {
    MoveWith(100, 240, true, true);  // world (100, 60): 40 below the water
    EXPECT_EQ(BarValues(), std::tuple(7.0, 8.0, 400.0, 3.0));
    MoveWith(120, 280, true, false);  // Shift alone: the point, not the pressure
    EXPECT_EQ(BarValues(), std::tuple(120.0, 20.0, 400.0, 3.0));
    MoveWith(120, 290, false, true);
    EXPECT_EQ(BarValues(), std::tuple(120.0, 20.0, 400.0, 3.0));

    // During the entry the same; the click enters the point with the pressure.
    Click(60, 250);  // world (60, 50)
    ASSERT_EQ(GetCursorMode(), CursorModeDistributedLoadEntry);
    MoveWith(200, 200, true, true);  // world (200, 100): at the water surface
    EXPECT_EQ(std::get<2>(BarValues()), 0.0);
    MoveWith(200, 260, true, true);  // world (200, 40)
    EXPECT_EQ(std::get<2>(BarValues()), 600.0);
    Click(200, 260);
    Right(200, 260);
    ASSERT_EQ(Loads().GetPoints().size(), 2u);
    EXPECT_EQ(Loads().GetPoints()[1].normal, 600.0);
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());
}

// Beyond the line's ends the bar keeps its values and nothing is said; a line number the stage
// does not have gives the notice with that number.
TEST_F(WaterPressureTest, NoPressureBeyondTheLineAndANoticeForALineThatIsNotThere) {
    MoveWith(300, 240, true, true);  // world x 300: right of the line
    EXPECT_EQ(BarValues(), std::tuple(7.0, 8.0, 5.0, 3.0));
    EXPECT_TRUE(fakes.messageBoxes.requests.empty());

    Cpp_PiezometricLineList& lines = *Cpp_Kliven4Data::CurrentDataSet()->PiezometricLines(1);
    lines.FindLine(1)->SetNumber(3);
    MoveWith(100, 240, true, true);
    EXPECT_EQ(BarValues(), std::tuple(7.0, 8.0, 5.0, 3.0));
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Notice");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text,
              "Piezometric line number 1 does not exist for computing distributed loads.");
}

}  // namespace
