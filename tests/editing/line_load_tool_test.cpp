// The line-load tools driven by scripted mouse, key and wheel records through the view's input
// functions: the loads added from the bar, the scale they set, the preview and dragged arrows,
// the wheel on the bar's forces and the LIN block written afterwards.

#include "core/cursor_mode.h"
#include "core/units.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/tool_dialog_bars.h"
#include "editing/tool_table.h"
#include "editing/view_input_fixture.h"
#include "graphics/graphics.h"
#include "loads/line_load.h"
#include "loads/load_drawing_support.h"
#include "loads/loads_state.h"
#include "model/data_set.h"
#include "model/data_sets.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr platform::ColorRef kGreen = platform::MakeRgb(0, 255, 0);

// XOR records drawn with a pen colour, each counted once per drawing.
int XorDrawings(const platform::RecordingDeviceContext& dc, platform::ColorRef pen) {
    int n = 0;
    for (const platform::DcRecord& r : dc.Records())
        if (r.attributes.rop == platform::RasterOp::XorPen && r.attributes.pen.color == pen) ++n;
    return n;
}

class LineLoadToolTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        saved = loads::LineLoadScale();
        loads::LineLoadScale() = loads::s_ArrowScaleState{};
        loads::LineLoadScale().records[0] = loads::LineLoadScale().records[1] =
            loads::LineLoadScale().records[2] = s_KindValueType{2, 3000.0};
        host.editMode = EditModeLineLoads;
        Cpp_Kliven4DataSet::SetCurrentStage(1);
        ResetToolBars();
        ShowToolBar(BarLineLoad, true, 1);
        Cpp_LineLoadList::StartEntryTool();
    }
    void TearDown() override {
        Loads().DeleteAll();
        loads::LineLoadScale() = saved;
    }
    static Cpp_LineLoadList& Loads() { return *Cpp_Kliven4Data::CurrentDataSet()->LineLoads(1); }
    static CmDialogBarLineLoadTool& Bar() { return TheToolBars().lineLoad; }
    // The bar's force in an option (1 components, 2 resultant and inclination).
    static void SetBarForce(int option, double first, double second) {
        Bar().SetFromLineLoad(Cpp_LineLoad(1, 0, 0, option, first, second));
    }
    static std::tuple<int, double, double> BarForce() {
        double x = 0, y = 0, first = 0, second = 0;
        int form = 0;
        EXPECT_TRUE(Bar().GetLineLoadData(x, y, first, second, form));
        return {form, first, second};
    }
    bool ClickRedraws(int x, int y) {
        bool redraw = false;
        ViewLButtonDown(host, At(x, y), redraw);
        return redraw;
    }
    void Wheel(int steps, bool shift) {
        s_ViewInput in = At(200, 150, shift);
        in.wheelSteps = steps;
        ViewMouseWheel(host, in);
    }
    static std::vector<int> Numbers() {
        std::vector<int> numbers;
        for (const auto& load : Loads().Loads()) numbers.push_back(load->number);
        return numbers;
    }

    loads::s_ArrowScaleState saved;
};

TEST_F(LineLoadToolTest, TheToolSetsALargestForceOfTenThousandWhenThereIsNone) {
    EXPECT_TRUE(loads::LineLoadScale().largestSet);
    EXPECT_EQ(loads::LineLoadScale().largest, 10000.0);
    EXPECT_TRUE(Cpp_LineLoadList::ForceScaleSet());
    loads::LineLoadScale().SetLargest(250.0);
    Cpp_LineLoadList::StartEntryTool();
    EXPECT_EQ(loads::LineLoadScale().largest, 250.0);
}

TEST_F(LineLoadToolTest, ALoadTakesTheFirstFreeNumberAndTheBarsForceAndIsWrittenAsLin) {
    Loads().AddByComponents(1, 0, 0, 10, 0);
    Loads().AddByComponents(2, 5, 0, 10, 0);
    Loads().AddByComponents(4, 9, 0, 10, 0);
    SetBarForce(2, 500, 30);
    Move(100, 200);
    const int preview = XorDrawings(host.overlay, kGreen);  // the preview arrow
    EXPECT_GT(preview, 0);
    EXPECT_EQ(host.toolTip.rfind("X: 100", 0), 0u) << host.toolTip;
    Click(100, 200);  // world (100, 100)
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 2, 4, 3}));
    const Cpp_LineLoad& load = *Loads().FindLoad(3);
    EXPECT_EQ(std::tuple(load.X(), load.Y(), load.option), std::tuple(100.0, 100.0, 2));
    EXPECT_EQ(std::pair(load.resultant, load.inclination), std::pair(500.0, 30.0));
    EXPECT_NEAR(load.horizontal, 500 * std::cos(std::acos(-1.0) / 6), 1e-9);
    // The preview was erased before the load was placed.
    EXPECT_EQ(XorDrawings(host.overlay, kGreen), 2 * preview);
    EXPECT_TRUE(host.dataChanges.size() == 1);

    std::FILE* file = std::tmpfile();
    ASSERT_TRUE(Loads().WriteKLIVEN4InputDataFile(file));
    std::rewind(file);
    char header[200] = {};
    ASSERT_NE(std::fgets(header, sizeof header, file), nullptr);
    Cpp_LineLoadList back(1);
    ASSERT_TRUE(back.ReadInput(file, nullptr, false));
    std::fclose(file);
    ASSERT_EQ(back.Count(), 4);
    const Cpp_LineLoad& read = *back.Loads().back();
    EXPECT_EQ(std::tuple(read.X(), read.Y(), read.option), std::tuple(100.0, 100.0, 2));
    EXPECT_NEAR(read.resultant, 500.0, 1e-6);
    EXPECT_NEAR(read.inclination, 30.0, 1e-6);
}

TEST_F(LineLoadToolTest, AZeroForceIsRefusedWithAMessage) {
    struct Case {
        int option;
        double first, second;
        bool refused;
    };
    const Case cases[] = {{1, 0, 0, true}, {2, 0, 45, true}, {1, 0, -5, false}, {2, 5, 0, false}};
    for (const Case& c : cases) {
        Loads().DeleteAll();
        fakes.messageBoxes.requests.clear();
        SetBarForce(c.option, c.first, c.second);
        Click(100, 200);
        EXPECT_EQ(Loads().Count(), c.refused ? 0 : 1) << c.option << c.first;
        if (c.refused) {
            ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
            EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "ERROR");
            EXPECT_EQ(fakes.messageBoxes.requests[0].text, "Cannot enter zero-force line load.");
        }
    }
}

// With a scale option that sizes the arrows against the largest force, a larger load rescales
// and asks for the whole view; the initial option keeps the scale and draws the new arrow only,
// as does the only load of a list.
TEST_F(LineLoadToolTest, ALargerLoadRescalesOnlyUnderTheLargestForceOptions) {
    struct Case {
        int kind;
        bool existing;
        bool redraw;
    };
    const Case cases[] = {{2, true, false}, {4, true, true}, {5, true, true}, {4, false, false}};
    for (const Case& c : cases) {
        Loads().DeleteAll();
        loads::LineLoadScale().Record(GetUnitSystem()) = s_KindValueType{c.kind, 3000.0};
        loads::LineLoadScale().SetLargest(100.0);
        Cpp_LineLoadList::ComputeForceScale(GetUnitSystem());
        if (c.existing) Loads().AddByComponents(1, 0, 0, 100, 0);
        SetBarForce(1, 400, 0);
        EXPECT_EQ(ClickRedraws(100, 200), c.redraw) << c.kind << c.existing;
        EXPECT_EQ(loads::LineLoadScale().largest, 400.0);
    }
}

TEST_F(LineLoadToolTest, TheWheelStepsTheBarsForceOrInclination) {
    host.wheelEditing = true;
    struct Case {
        int option;
        bool shift;
        int steps;
        double first, second;
    };
    const Case cases[] = {
        {1, false, 1, 600, 20},
        {1, true, -1, 500, -80},
        {2, false, -1, 400, 20},
        {2, true, 1, 500, 21},  // one degree
    };
    for (const Case& c : cases) {
        SetBarForce(c.option, 500, 20);
        Wheel(c.steps, c.shift);
        EXPECT_EQ(BarForce(), std::tuple(c.option, c.first, c.second)) << c.option << c.shift;
    }
}

TEST_F(LineLoadToolTest, DraggingTheTailOfAResultantLoadKeepsItsOption) {
    loads::LineLoadScale().Record(GetUnitSystem()) = s_KindValueType{4, 100.0};
    loads::LineLoadScale().SetLargest(100.0);
    Cpp_LineLoadList::ComputeForceScale(GetUnitSystem());
    const double s = Cpp_LineLoadList::ForceScale();
    Cpp_LineLoad* load = Loads().AddByMagnitude(1, 100, 100, 50, 0);
    ASSERT_TRUE(Loads().DragForceTool(load, 0, 0, false));
    EXPECT_EQ(GetCursorMode(), CursorModeDragLineLoadTail);
    // The tail 30 world units left and 30 below the point: 45 degrees.
    const double d = 30.0;
    const int px = Cpp_Graphics::XToPixel(100 - d), py = Cpp_Graphics::YToPixel(100 - d);
    Move(px, py);
    EXPECT_EQ(std::get<0>(BarForce()), 2);
    Click(px, py);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(load->option, 2);
    EXPECT_NEAR(load->resultant, std::hypot(d, d) / s, 1e-9);
    EXPECT_NEAR(load->inclination, 45.0, 1e-9);
    EXPECT_EQ(std::tuple(load->X(), load->Y()), std::tuple(100.0, 100.0));
    const auto [form, resultant, inclination] = BarForce();
    EXPECT_EQ(form, 2);
    EXPECT_NEAR(resultant, load->resultant, 1e-3);
    EXPECT_NEAR(inclination, 45.0, 1e-3);

    // Escape leaves the load as it was.
    ASSERT_TRUE(Loads().DragForceTool(load, 0, 0, true));
    Move(300, 100);
    Key(ViewKeyEscape);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(std::tuple(load->X(), load->Y()), std::tuple(100.0, 100.0));
}

TEST_F(LineLoadToolTest, ASelectedLoadTakesTheBarsValuesOrMovesWithItsOwn) {
    Cpp_LineLoad* load = Loads().AddByComponents(1, 100, 100, 10, 20);
    Bar().SetFromLineLoad(*load);
    EXPECT_FALSE(Loads().AssignFromBar(load));  // nothing differs
    SetBarForce(2, 300, 90);
    Bar().SetPoint(120, 110);
    EXPECT_TRUE(Loads().AssignFromBar(load));
    EXPECT_EQ(std::tuple(load->X(), load->Y(), load->option, load->resultant),
              std::tuple(120.0, 110.0, 2, 300.0));
    EXPECT_TRUE(Loads().MoveLoadTo(load, 50, 60));
    EXPECT_EQ(std::tuple(load->X(), load->Y(), load->option, load->resultant),
              std::tuple(50.0, 60.0, 2, 300.0));
}

// The tools reset (a document opened, the stage changed) while a load is dragged: the drag is
// dropped, the load stays where it was, and a repaint draws no band of it.
TEST_F(LineLoadToolTest, ResettingTheToolsDropsADrag) {
    loads::LineLoadScale().Record(GetUnitSystem()) = s_KindValueType{4, 100.0};
    loads::LineLoadScale().SetLargest(100.0);
    Cpp_LineLoadList::ComputeForceScale(GetUnitSystem());
    Cpp_LineLoad* load = Loads().AddByMagnitude(1, 100, 100, 50, 0);
    ASSERT_TRUE(Loads().DragForceTool(load, 0, 0, true));
    Move(300, 100);
    ToolContext context(&host);
    ResetTools(context);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    platform::RecordingDeviceContext dc;
    Cpp_LineLoadList::DrawToolFeedback(dc);
    EXPECT_TRUE(dc.Records().empty());
    EXPECT_EQ(std::tuple(load->X(), load->Y()), std::tuple(100.0, 100.0));
}

}  // namespace
