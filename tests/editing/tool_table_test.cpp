// The tool table: one tool for each edit mode and one owner for each step, the bar and the
// standard prompt each tool answers, and the switch and reset that end a step under way so that
// no tool keeps working on data that are gone.

#include "core/cursor_mode.h"
#include "core/string_table.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/line_entry_tool.h"
#include "editing/profile_tool.h"
#include "editing/tool_dialog_bars.h"
#include "editing/tool_table.h"
#include "editing/view_dispatch.h"
#include "editing/view_input_fixture.h"
#include "graphics/prompts.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "profile/profile_line.h"

#include <map>
#include <set>
#include <string>

namespace {

TEST(ToolTable, EveryEditModeHasOneToolAndEveryToolStepOneOwner) {
    for (int mode = 1; mode <= 20; ++mode) {
        const Tool* tool = ToolForEditMode(mode);
        ASSERT_NE(tool, nullptr) << mode;
        EXPECT_TRUE(tool->Serves(mode)) << mode;
        int serving = 0;
        for (const Tool* other : AllTools()) serving += other->Serves(mode) ? 1 : 0;
        EXPECT_EQ(serving, 1) << "edit mode " << mode;
    }
    EXPECT_EQ(ToolForEditMode(0), nullptr);
    EXPECT_EQ(ToolForEditMode(21), nullptr);

    std::set<int> owned;
    for (Tool* tool : AllTools())
        for (const s_CursorModeRow& row : tool->Steps())
            for (int mode = row.firstMode; mode <= row.lastMode; ++mode) {
                EXPECT_TRUE(owned.insert(mode).second) << "cursor mode " << mode << " twice";
                EXPECT_EQ(ToolForCursorMode(mode), tool) << mode;
                // The view's dispatch finds the tool's own row.
                const s_CursorModeRow* found = FindCursorModeRow(mode);
                ASSERT_NE(found, nullptr) << mode;
                EXPECT_STREQ(found->step, row.step) << mode;
            }
    // The view's own steps belong to no tool.
    for (int mode : {CursorModeNone, CursorModeZoomWindow, CursorModePanEnd,
                     CursorModeRescaleFirstPoint, CursorModeLineEntry, CursorModePickBand,
                     CursorModeComputeDistance, CursorModeRenumberLines})
        EXPECT_EQ(ToolForCursorMode(mode), nullptr) << mode;
    // Each edit mode's row carries its tool's name.
    for (int mode = 1; mode <= 20; ++mode)
        EXPECT_STREQ(FindEditModeRow(mode)->tool, ToolForEditMode(mode)->Name()) << mode;
}

TEST(ToolTable, EachToolNamesTheBarOfItsEditModes) {
    const std::map<int, int> bars = {
        {EditModeSelect, BarNone},
        {EditModeConstruction, BarConstruction},
        {EditModeDistributedLoads, BarDistributedLoad},
        {EditModeLineLoads, BarLineLoad},
        {EditModeMaterials, BarNone},
        {EditModeProfileLines, BarProfile},
        {EditModePiezometricLines, BarPiezometric},
        {EditModePressurePoints, BarInterpolation},
        {EditModeRSubUPoints, BarInterpolation},
        {EditModeStrengthPoints, BarInterpolation},
        {EditModeInterpolationSpare, BarInterpolation},
        {EditModeSlopeLine, BarSlope},
        {EditModeReinforcement, BarReinforcement},
        {EditModeCircle, BarCircle},
        {EditModeNoncircular, BarNoncircular},
        {EditModeRadius, BarRadius},
        {EditModeCrack, BarCrack},
        {EditModeCrackWater, BarCrack},
        {EditModeNails, BarNails},
        {EditModeGeogrids, BarGeogrids},
    };
    for (const auto& [mode, bar] : bars) EXPECT_EQ(ToolBarForMode(mode), bar) << mode;
    EXPECT_EQ(ToolBarForMode(EditModeNone), BarNone);
    EXPECT_EQ(ToolBarForMode(21), BarNone);
}

class ToolPromptTest : public ::testing::Test {
protected:
    void SetUp() override {
        FillStringTable({{1308, "Select an item"},
                         {1309, "Right-click for edit options"},
                         {1310, "Left-click to enter a construction line"},
                         {1311, "Left-click to enter first point on new profile line"},
                         {1312, "Left-click on a profile line for its material"},
                         {1314, "Left-click to enter first point on new piezometric line"},
                         {1315, "Left-click to enter first point on slope"},
                         {1316, "Left-click to enter a pressure point"},
                         {1317, "Left-click to enter a distributed load"},
                         {1320, "Left-click to enter a reinforcement line"},
                         {1322, "Left-click to enter a noncircular surface"},
                         {1332, "Left-click to enter an r sub u point"},
                         {1344, "Left-click to enter a strength point"}});
    }
    void TearDown() override {
        ResetStringTable();
        ResetPrompts();
    }
    std::string PromptOf(int mode, const s_ToolPromptContext& context = {}) {
        SetStatusText(true, "old");
        SetToolPrompt(true, mode, context);
        EXPECT_EQ(fakes.statusLine.Text(), GetStatusText()) << mode;
        return GetStatusText();
    }
    testsupport::FakeServices fakes;
};

TEST_F(ToolPromptTest, EachToolShowsItsOwnPrompt) {
    const std::map<int, std::string> prompts = {
        {EditModeConstruction, "Left-click to enter a construction line"},
        {EditModeDistributedLoads, "Left-click to enter a distributed load"},
        {EditModeLineLoads, ""},
        {EditModeMaterials, "Left-click on a profile line for its material"},
        {EditModeProfileLines, "Left-click to enter first point on new profile line"},
        {EditModePiezometricLines, "Left-click to enter first point on new piezometric line"},
        {EditModePressurePoints, "Left-click to enter a pressure point"},
        {EditModeRSubUPoints, "Left-click to enter an r sub u point"},
        {EditModeStrengthPoints, "Left-click to enter a strength point"},
        {EditModeInterpolationSpare, ""},
        {EditModeSlopeLine, "Left-click to enter first point on slope"},
        {EditModeReinforcement, "Left-click to enter a reinforcement line"},
        {EditModeNoncircular, "Left-click to enter a noncircular surface"},
        {EditModeNails, ""},
        {EditModeGeogrids, ""},
        {EditModeNone, ""},
        {21, ""},
    };
    for (const auto& [mode, text] : prompts) EXPECT_EQ(PromptOf(mode), text) << mode;
}

TEST_F(ToolPromptTest, PromptsThatDependOnTheToolsState) {
    s_ToolPromptContext none;
    EXPECT_EQ(PromptOf(EditModeSelect, none), "Select an item");
    s_ToolPromptContext picked;
    picked.itemPicked = true;
    picked.pickedPrompt = "Profile line 3";
    picked.pickedType = 2;
    EXPECT_EQ(PromptOf(EditModeSelect, picked), "Profile line 3 - Right-click for edit options");
    picked.pickedType = 80;
    EXPECT_EQ(PromptOf(EditModeSelect, picked), "Profile line 3 - Right-click for edit options.");
    picked.pickedType = 98;
    EXPECT_EQ(PromptOf(EditModeSelect, picked),
              "Profile line 3 - Right-click for edit options; Press enter key to change point "
              "values.");

    struct Circle {
        int mode;
        bool byLine;
        const char* text;
    };
    for (const Circle& c :
         {Circle{1, false, "Left-click to enter center point for circle"},
          Circle{3, false, "Left-click to enter center point for initial trial circle"},
          Circle{4, false, "Left-click to enter first corner point of grid"},
          Circle{4, true, "Left-click to enter first point on search line"},
          Circle{2, false, "Unknown mode of computations"}}) {
        s_ToolPromptContext context;
        context.circleToolMode = c.mode;
        context.fixedGridByLine = c.byLine;
        EXPECT_EQ(PromptOf(EditModeCircle, context), c.text) << c.mode;
    }
    const std::map<int, std::string> radius = {
        {1, "Enter how radius of circle defined"},
        {3, "Enter how radii defined for initial mode of search."},
        {4, "Enter a criterion for radii"},
        {0, "Unknown mode of computations"}};
    for (const auto& [mode, text] : radius) {
        s_ToolPromptContext context;
        context.circleSearchMode = mode;
        EXPECT_EQ(PromptOf(EditModeRadius, context), text) << mode;
    }
    s_ToolPromptContext crack;
    crack.crackPrompt = "Left-click for the crack depth";
    crack.crackWaterPrompt = "Left-click for the water depth";
    EXPECT_EQ(PromptOf(EditModeCrack, crack), "Left-click for the crack depth");
    EXPECT_EQ(PromptOf(EditModeCrackWater, crack), "Left-click for the water depth");
}

// A line being entered in the profile tool, two points so far.
class ToolSwitchTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        host.editMode = EditModeProfileLines;
        ShowToolBar(BarProfile, true, 1);
        Cpp_ProfileTool::StartEntryTool();
        Click(100, 200);
        Click(150, 150);
        ASSERT_EQ(GetCursorMode(), CursorModeProfileLineEntry);
        ASSERT_TRUE(Cpp_LineEntry::IsActive());
    }
    int ProfileLineCount() { return Cpp_Kliven4Data::CurrentDataSet()->ProfileLines().Count(); }
};

TEST_F(ToolSwitchTest, ChoosingAnotherToolDropsTheLineAndShowsTheNewBar) {
    ToolContext context(&host);
    ASSERT_TRUE(SwitchTool(context, EditModeProfileLines, EditModeConstruction));
    EXPECT_FALSE(Cpp_LineEntry::IsActive());
    EXPECT_FALSE(TheToolBars().profile.IsFinishButtonEnabled());
    EXPECT_EQ(ShownToolBar(), BarConstruction);
    EXPECT_EQ(ProfileLineCount(), 0);
    // The same tool again changes nothing but hides the bar.
    EXPECT_FALSE(SwitchTool(context, EditModeConstruction, EditModeConstruction));
    EXPECT_EQ(ShownToolBar(), BarNone);
}

TEST_F(ToolSwitchTest, ResettingTheToolsEndsTheirStepsAndKeepsAZoomUnderWay) {
    ToolContext context(&host);
    ResetTools(context);
    EXPECT_FALSE(Cpp_LineEntry::IsActive());
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(ProfileLineCount(), 0);
    // A click now starts a new line instead of adding to the old one.
    Click(200, 100);
    EXPECT_EQ(Cpp_LineEntry::EnteredCount(), 1);

    SetCursorMode(CursorModeZoomWindow);
    ResetTools(context);
    EXPECT_EQ(GetCursorMode(), CursorModeZoomWindow);
    SetCursorMode(CursorModeNone);
}

}  // namespace
