// The crack and crack-water tools driven by scripted mouse and key records through the view's
// input functions: constants stored with Enter, a click on a constant kind refused with its
// notice, point entries of depths and elevations, and the crack left in the analysis data.

#include "analysis/analysis_computation_data.h"
#include "core/cursor_mode.h"
#include "core/tool_option_dialogs.h"
#include "editing/crack_tool.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/tool_dialog_bars.h"
#include "editing/tool_table.h"
#include "editing/view_input_fixture.h"
#include "graphics/prompts.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "profile/crack.h"
#include "registry/view_preparations.h"
#include "support/fake_services.h"

#include <string>
#include <utility>
#include <vector>

namespace {

using Points = std::vector<std::pair<double, double>>;

Points Of(const Cpp_CrackPointList& list) {
    Points out;
    for (const Cpp_CrackPoint* p = list.Head(); p; p = p->Next())
        out.emplace_back(p->X(), p->Value());
    return out;
}

class ScriptedCrackOptions final : public ToolOptionDialogs {
public:
    bool Crack(s_CrackToolOptions& options) override {
        shown = options.step;
        options.step = answer;
        return ok;
    }
    double shown = 0, answer = 0;
    bool ok = true;
};

class CrackToolTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        platform::Services().SetPromptBar(&promptBar);
        Choose(true);
    }
    void TearDown() override { ToolOptionDialogsSlot().Reset(); }

    void Choose(bool crackMode) {
        host.editMode = crackMode ? EditModeCrack : EditModeCrackWater;
        ShowToolBar(BarCrack, true, 1);
        Cpp_CrackTool::StartTool(Crack(), crackMode);
    }
    Cpp_Crack& Crack() {
        return Cpp_Kliven4Data::CurrentDataSet()->AnalysisComputationData()->GetCrack();
    }
    CmDialogBarCrackTool& Bar() { return TheToolBars().crack; }
    // kind 1 constant depth, 2 constant elevation, 3 depths, 4 elevations.
    void SetBar(int kind, const std::string& value, const std::string& x = "0") {
        Bar().Controls().SetIndex(CmDialogBarCrackTool::IdConstant, kind <= 2 ? 1 : 0);
        Bar().Controls().SetIndex(CmDialogBarCrackTool::IdVariable, kind <= 2 ? 0 : 1);
        Bar().Controls().SetIndex(CmDialogBarCrackTool::IdDepthOrElevation, kind % 2 == 0 ? 1 : 0);
        Bar().Controls().SetText(CmDialogBarCrackTool::IdValue, value);
        Bar().Controls().SetText(CmDialogBarCrackTool::IdX, x);
    }
    void Enter() { Key(ViewKeyEnter); }

    testsupport::FakePromptBar promptBar;
};

TEST_F(CrackToolTest, EnterStoresTheConstantOfTheBarAndIgnoresItsUnitWeight) {
    struct Case {
        bool crackMode;
        int kind;
        const char* value;
        int option;
        double constant;
    };
    const Case cases[] = {{true, 1, "2.5", 1, 2.5},
                          {true, 2, "96", 2, 96},
                          {false, 1, "1.5", 1, 1.5},
                          {false, 2, "95", 2, 95}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind + (c.crackMode ? 0 : 10));
        Choose(c.crackMode);
        const double water = Crack().GetUnitWeightOfWater();
        SetBar(c.kind, c.value);
        Bar().Controls().SetText(CmDialogBarCrackTool::IdUnitWeight, "12.5");
        Enter();
        EXPECT_EQ(c.crackMode ? Crack().GetCrackOption() : Crack().GetWaterOption(), c.option);
        EXPECT_EQ(c.crackMode ? Crack().GetCrackConstant() : Crack().GetWaterConstant(),
                  c.constant);
        EXPECT_EQ(Crack().GetUnitWeightOfWater(), water);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
    }
    EXPECT_EQ(host.dataChanges.size(), 4u);  // the document changed each time
}

TEST_F(CrackToolTest, AClickOnAConstantKindSaysHowToEnterItAndStartsNothing) {
    struct Case {
        bool crackMode;
        int kind;
        const char* text;
    };
    const Case cases[] = {{true, 1, "Press enter key to enter crack depth."},
                          {true, 2, "Press enter key to enter elevation of crack bottom."},
                          {false, 1, "Press enter key to enter water depth."},
                          {false, 2, "Press enter key to enter elevation of water surface."}};
    for (const Case& c : cases) {
        Choose(c.crackMode);
        SetBar(c.kind, "3");
        fakes.messageBoxes.requests.clear();
        Click(100, 200);
        ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
        EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Notice");
        EXPECT_EQ(fakes.messageBoxes.requests[0].text, c.text);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_FALSE(Cpp_CrackTool::IsEntering());
    }
    EXPECT_EQ(Crack().GetCrackOption(), 0);
    EXPECT_TRUE(host.dataChanges.empty());
}

TEST_F(CrackToolTest, ThreeClicksOfADepthEntryStoreThreePointsWithTheDepthOfTheBar) {
    SetBar(3, "4");
    Click(10, 200);
    EXPECT_EQ(GetCursorMode(), CursorModeCrackDepthEntry);
    EXPECT_EQ(promptBar.text,
              "Left-click or Enter key to enter crack depth points (1 pts. entered); Backspace = "
              "undo; Right-click = finish; Esc = cancel.");
    Click(20, 150);
    Click(30, 100);
    EXPECT_EQ(Cpp_CrackTool::EnteredCount(), 3);
    EXPECT_TRUE(Right(30, 100));
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Crack().GetCrackOption(), 3);
    EXPECT_EQ(Of(Crack().CrackPointList()), (Points{{10, 4}, {20, 4}, {30, 4}}));
    EXPECT_EQ(promptBar.text, "");
    EXPECT_EQ(Status(),
              "Left-click to enter 1st crack point /or/ type 1st point and press Enter key.");
    EXPECT_FALSE(host.dataChanges.empty());
}

TEST_F(CrackToolTest, OnePointAndARightClickChangeNothingAndEscapeDropsAnEntry) {
    Crack().SetCrackOption(1);
    Crack().SetCrackConstant(2);
    SetBar(4, "0");
    Click(10, 200);
    EXPECT_TRUE(Right(10, 200));
    EXPECT_EQ(Crack().GetCrackOption(), 1);
    EXPECT_TRUE(Crack().CrackPointList().IsEmpty());
    EXPECT_EQ(GetCursorMode(), CursorModeNone);

    Click(10, 200);
    Click(50, 180);
    Key(ViewKeyEscape);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Crack().GetCrackOption(), 1);
    EXPECT_TRUE(Crack().CrackPointList().IsEmpty());
    EXPECT_TRUE(host.dataChanges.empty());
}

// Water elevations by clicks: the clicked places, a repeated click finishes, a band follows the
// cursor and is gone at the end; the points replace the water's earlier constant.
TEST_F(CrackToolTest, AnElevationEntryTakesTheClickedPlacesAndARepeatFinishesIt) {
    Choose(false);
    Crack().SetWaterOption(1);
    SetBar(4, "0");
    Click(10, 200);  // world (10, 100)
    EXPECT_EQ(GetCursorMode(), CursorModeCrackWaterEntry);
    EXPECT_EQ(promptBar.text,
              "Left-click or Enter key to enter water surface points (1 pts. entered); Backspace "
              "= undo; Right-click = finish; Esc = cancel.");
    Move(40, 190);
    int xor_lines = 0;
    for (const platform::DcRecord& r : host.overlay.Records())
        if (r.attributes.rop == platform::RasterOp::XorPen) ++xor_lines;
    EXPECT_EQ(xor_lines, 1);
    Click(40, 190);
    double x = 0, v = 0;
    ASSERT_TRUE(Bar().GetPoint(x, v));  // the clicked point is shown
    EXPECT_EQ(std::pair(x, v), std::pair(40.0, 110.0));
    Click(40, 190);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Crack().GetWaterOption(), 4);
    EXPECT_EQ(Of(Crack().WaterPointList()), (Points{{10, 100}, {40, 110}}));
    int shown = 0;
    for (const platform::DcRecord& r : host.overlay.Records())
        if (r.attributes.rop == platform::RasterOp::XorPen) shown ^= 1;
    EXPECT_EQ(shown, 0);
}

TEST_F(CrackToolTest, EnterStartsATypedEntryAndTheToolPromptFollowsTheKind) {
    SetBar(4, "95", "12");
    Enter();
    EXPECT_EQ(GetCursorMode(), CursorModeCrackDepthEntry);
    SetBar(4, "94", "20");
    Enter();
    Enter();  // the same typed point: finished
    EXPECT_EQ(Of(Crack().CrackPointList()), (Points{{12, 95}, {20, 94}}));

    const std::pair<int, std::pair<const char*, const char*>> prompts[] = {
        {1,
         {"Type crack depth and press Enter key to enter depth.",
          "Type water depth and press Enter key to enter depth."}},
        {2,
         {"Type elevation of crack bottom and press Enter key to enter elevation.",
          "Type surface elevation of water and press Enter key to enter elevation."}},
        {3,
         {"Left-click to enter 1st crack point /or/ type 1st point and press Enter key.",
          "Left-click to enter 1st water surface point /or/ type 1st point and press Enter "
          "key."}},
    };
    for (const auto& [kind, texts] : prompts) {
        SetBar(kind, "1");
        EXPECT_EQ(Cpp_CrackTool::GetToolPrompt(true), texts.first);
        EXPECT_EQ(Cpp_CrackTool::GetToolPrompt(false), texts.second);
    }
}

// The bar shows the crack's setting when the tool starts.
TEST_F(CrackToolTest, StartingTheToolShowsTheCurrentSettingInTheBar) {
    Crack().SetWaterOption(2);
    Crack().SetWaterConstant(93);
    Choose(false);
    int kind = 0;
    double x = 0, value = 0, unitWeight = 0;
    ASSERT_TRUE(Bar().GetCrackData(kind, x, value, unitWeight));
    EXPECT_EQ(kind, 2);
    EXPECT_EQ(value, 93);
    EXPECT_EQ(unitWeight, Crack().GetUnitWeightOfWater());
    EXPECT_EQ(Bar().Controls().Items(CmDialogBarCrackTool::IdDepthOrElevation).back(),
              "Surface Elevation Specified");
}

// The wheel moves the bar's value by the step of the options window.
TEST_F(CrackToolTest, TheWheelStepsTheBarValueByTheStepOfTheOptions) {
    host.wheelEditing = true;
    SetBar(1, "2");
    auto wheel = [&](int steps) {
        s_ViewInput in = At(100, 100);
        in.wheelSteps = steps;
        return ViewMouseWheel(host, in);
    };
    EXPECT_TRUE(wheel(1));
    ScriptedCrackOptions options;
    options.answer = 0.25;
    ToolOptionDialogsSlot().Set(&options);
    ASSERT_TRUE(Cpp_CrackTool::ShowToolOptionsDialog());
    EXPECT_EQ(options.shown, 1.0);
    EXPECT_TRUE(wheel(-1));
    double x = 0, value = 0;
    ASSERT_TRUE(Bar().GetPoint(x, value));
    EXPECT_DOUBLE_EQ(value, 2.75);
    options.ok = false;
    options.answer = 5;
    EXPECT_FALSE(Cpp_CrackTool::ShowToolOptionsDialog());  // Cancel keeps the step
    EXPECT_EQ(Cpp_CrackTool::WheelStep(), 0.25);
}

// A bottom point dragged and dropped, or dropped at the bar's values, or left by Escape; a point
// inserted on a segment; the wheel on a selected point.
TEST_F(CrackToolTest, CrackPointsAreDraggedInsertedAndSteppedByTheWheel) {
    Crack().SetCrackOption(4);
    Cpp_CrackPointList& list = Crack().CrackPointList();
    list.AddPoint(10, 90);
    Cpp_CrackPoint* middle = list.AddPoint(20, 80);
    list.AddPoint(30, 90);
    ASSERT_TRUE(Cpp_CrackTool::StartDragPoint(Crack(), middle, true, 20, 220));
    EXPECT_EQ(GetCursorMode(), CursorModeDragCrackPoint);
    Move(25, 230);
    Click(25, 230);  // world (25, 70)
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Of(list), (Points{{10, 90}, {25, 70}, {30, 90}}));
    int shown = 0;  // the grey band is gone
    for (const platform::DcRecord& r : host.overlay.Records())
        if (r.attributes.rop == platform::RasterOp::XorPen) shown ^= 1;
    EXPECT_EQ(shown, 0);
    EXPECT_FALSE(host.dataChanges.empty());

    ASSERT_TRUE(Cpp_CrackTool::StartDragPoint(Crack(), middle, true, 25, 230));
    Move(100, 100);
    // A full paint during the drag draws the band again at the cursor.
    Cpp_CrackTool::RegisterDrawing();
    platform::RecordingDeviceContext painted(400, 300);
    RunAfterDataDrawings(e_AfterDataStep::ToolFeedback, painted, nullptr);
    ASSERT_EQ(painted.Records().size(), 2u);
    EXPECT_EQ(painted.Records()[0].points.back(), (platform::DevicePoint{100, 100}));
    EXPECT_EQ(painted.Records()[0].attributes.rop, platform::RasterOp::XorPen);
    Key(ViewKeyEscape);
    EXPECT_EQ(Of(list), (Points{{10, 90}, {25, 70}, {30, 90}}));
    ASSERT_TRUE(Cpp_CrackTool::StartDragPoint(Crack(), middle, true, 25, 230));
    SetBar(4, "75", "22");
    Key(ViewKeyEnter);
    EXPECT_EQ(Of(list), (Points{{10, 90}, {22, 75}, {30, 90}}));

    ASSERT_TRUE(Cpp_CrackTool::StartInsertPoint(Crack(), middle, true));
    EXPECT_EQ(GetCursorMode(), CursorModeInsertCrackDepthPoint);
    EXPECT_EQ(promptBar.text, "Place cursor at point being inserted and left-click.");
    Move(26, 215);
    Click(26, 215);  // world (26, 85)
    EXPECT_EQ(Of(list), (Points{{10, 90}, {22, 75}, {26, 85}, {30, 90}}));
    EXPECT_EQ(GetCursorMode(), CursorModeNone);

    ASSERT_TRUE(Cpp_CrackTool::WheelMovePoint(Crack(), middle, true, -120));
    EXPECT_EQ(middle->Value(), 74);
    double x = 0, value = 0;
    ASSERT_TRUE(Bar().GetPoint(x, value));
    EXPECT_EQ(std::pair(x, value), std::pair(22.0, 74.0));
}

// A document opened or the stage changed (the tools reset) while an entry or a drag is under way:
// nothing of it is kept or drawn over the new data, the crack is untouched, the wheel step stays.
TEST_F(CrackToolTest, ResettingTheToolsDropsAnEntryOrDragUnderWay) {
    Cpp_CrackTool::RegisterDrawing();
    const auto painted = [] {
        platform::RecordingDeviceContext dc(400, 300);
        RunAfterDataDrawings(e_AfterDataStep::ToolFeedback, dc, nullptr);
        return dc.Records().size();
    };
    ScriptedCrackOptions options;
    options.answer = 0.5;
    ToolOptionDialogsSlot().Set(&options);
    ASSERT_TRUE(Cpp_CrackTool::ShowToolOptionsDialog());

    Crack().SetCrackOption(1);
    SetBar(4, "0");
    Click(10, 200);
    Click(50, 180);
    ASSERT_TRUE(Cpp_CrackTool::IsEntering());
    ASSERT_GT(painted(), 0u);
    ToolContext context(&host);
    const int invalidated = host.invalidated;
    ResetTools(context);
    EXPECT_FALSE(Cpp_CrackTool::IsEntering());
    EXPECT_EQ(Cpp_CrackTool::EnteredCount(), 0);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(painted(), 0u);
    EXPECT_GT(host.invalidated, invalidated);
    EXPECT_EQ(Crack().GetCrackOption(), 1);
    EXPECT_TRUE(Crack().CrackPointList().IsEmpty());
    EXPECT_EQ(Cpp_CrackTool::WheelStep(), 0.5);
    // A click then starts a new entry.
    Click(60, 170);
    EXPECT_EQ(Cpp_CrackTool::EnteredCount(), 1);
    Key(ViewKeyEscape);

    Crack().SetCrackOption(4);
    Cpp_CrackPointList& list = Crack().CrackPointList();
    list.AddPoint(10, 90);
    Cpp_CrackPoint* middle = list.AddPoint(20, 80);
    list.AddPoint(30, 90);
    ASSERT_TRUE(Cpp_CrackTool::StartDragPoint(Crack(), middle, true, 20, 220));
    Move(25, 230);
    ASSERT_GT(painted(), 0u);
    ResetTools(context);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(painted(), 0u);
    EXPECT_EQ(Of(list), (Points{{10, 90}, {20, 80}, {30, 90}}));
}

}  // namespace
