// The tool dialog bars without a window: key routing, entry options, getters and setters of the
// line-entry bars, the edit-options bar, and which bar the frame shows.

#include "editing/construction_items.h"
#include "editing/tool_dialog_bars.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

MemoryBarControls& Memory(CmDialogBar& bar) {
    return static_cast<MemoryBarControls&>(bar.Controls());
}

// Every bar routes the keys of its listed fields; a push button or the construction bar's
// "Circle" box passes Enter on; Escape never reaches a control; arrows outside the list pass.
TEST(DialogBarKeys, ListedFieldsPostTheirMessages) {
    ToolDialogBars& bars = TheToolBars();
    struct Case {
        CmDialogBar* bar;
        int control;
        e_BarKey key;
        bool shift;
        bool consumed;
        e_BarMessage message;
        int wParam;
    };
    const std::vector<Case> cases = {
        {&bars.profile, 1789, e_BarKey::Enter, false, true, e_BarMessage::EnterKey, 0},
        {&bars.profile, 1793, e_BarKey::Enter, false, true, e_BarMessage::EnterKey, 0},
        {&bars.profile, 1994, e_BarKey::Enter, false, false, e_BarMessage::None, 0},
        {&bars.profile, 1791, e_BarKey::Escape, true, true, e_BarMessage::EscapeKey, 1},
        {&bars.profile, 1791, e_BarKey::Escape, false, true, e_BarMessage::EscapeKey, 0},
        {&bars.profile, 1994, e_BarKey::Escape, true, true, e_BarMessage::None, 0},
        {&bars.profile, 1785, e_BarKey::Left, false, true, e_BarMessage::ArrowKey, 37},
        {&bars.profile, 1785, e_BarKey::Down, false, true, e_BarMessage::ArrowKey, 40},
        {&bars.profile, 1994, e_BarKey::Up, false, false, e_BarMessage::None, 0},
        {&bars.piezometric, 1809, e_BarKey::Right, false, true, e_BarMessage::ArrowKey, 39},
        {&bars.reinforcement, 1800, e_BarKey::Enter, false, false, e_BarMessage::None, 0},
        {&bars.slope, 1973, e_BarKey::Up, true, true, e_BarMessage::ArrowKey, 38},
        {&bars.construction, 2187, e_BarKey::Enter, false, false, e_BarMessage::None, 0},
        {&bars.construction, 2186, e_BarKey::Enter, false, true, e_BarMessage::EnterKey, 0},
        {&bars.editingMain, 1450, e_BarKey::Escape, true, true, e_BarMessage::EscapeKey, 1},
        {&bars.editingMain, 1986, e_BarKey::Left, false, false, e_BarMessage::None, 0},
    };
    for (const Case& c : cases) {
        const s_BarKeyRoute route = c.bar->RouteKey(c.control, c.key, c.shift);
        EXPECT_EQ(route.consumed, c.consumed) << c.control;
        EXPECT_EQ(route.message, c.message) << c.control;
        EXPECT_EQ(route.wParam, c.wParam) << c.control;
    }
    EXPECT_FALSE(bars.slope.WheelEditsTool());
}

TEST(DialogBarKeys, FinishButtonOnlyWhereTheBarHasOne) {
    ToolDialogBars& bars = TheToolBars();
    EXPECT_FALSE(bars.profile.IsFinishButtonEnabled());
    EXPECT_FALSE(bars.profile.Controls().IsEnabled(1994));
    bars.profile.EnableFinishButton(true);
    EXPECT_TRUE(bars.profile.IsFinishButtonEnabled());
    EXPECT_TRUE(bars.profile.Controls().IsEnabled(1994));
    bars.slope.EnableFinishButton(true);
    EXPECT_FALSE(bars.slope.IsFinishButtonEnabled());
}

// A push button runs what its owner set; without it, it does nothing.
TEST(DialogBarKeys, ButtonsRunTheirHandlerOrDoNothing) {
    testsupport::FakeServices fakes;
    ToolDialogBars& bars = TheToolBars();
    bars.reinforcement.OnControl(1800);
    bars.profile.OnControl(1994);
    int finished = 0;
    bars.profile.SetButtonHandler(1994, [&] { ++finished; });
    bars.profile.OnControl(1994);
    bars.profile.OnControl(1789);  // an edit is no button
    EXPECT_EQ(finished, 1);
    EXPECT_TRUE(fakes.statusLine.history.empty());
    bars.profile.SetButtonHandler(1994, nullptr);
}

// The frame's start values, written into the controls.
TEST(LineEntryBars, StartValues) {
    ToolDialogBars& bars = TheToolBars();
    const std::vector<std::pair<int, std::string>> profile = {
        {1785, "1"}, {1787, "1"}, {1793, "Profile Line #1"}, {1789, "0"}, {1791, "0"}};
    for (const auto& [id, text] : profile) EXPECT_EQ(bars.profile.Controls().Text(id), text) << id;
    const std::vector<std::pair<int, std::string>> piezometric = {
        {1807, "1"}, {1809, "1"}, {1815, "Piezometric Line #1"}, {1811, "0"}, {1813, "0"}};
    for (const auto& [id, text] : piezometric)
        EXPECT_EQ(bars.piezometric.Controls().Text(id), text) << id;
    EXPECT_EQ(bars.reinforcement.Controls().Text(1797), "1000");
    EXPECT_EQ(bars.reinforcement.Controls().Text(1799), "0");
    EXPECT_EQ(bars.reinforcement.Controls().Text(1787), "1");
    for (CmDialogBar* bar :
         {static_cast<CmDialogBar*>(&bars.profile), static_cast<CmDialogBar*>(&bars.construction)})
        EXPECT_EQ(bar->GetEntryOption(), 0);
}

// Hidden bars (entry option 0) refuse their getters and leave the outputs; the construction
// bar always answers.
TEST(LineEntryBars, GettersRefuseWhileTheBarIsHidden) {
    ToolDialogBars& bars = TheToolBars();
    double x = -7, y = -7, a = -7, b = -7;
    int n = -7, m = -7;
    std::string text = "kept";
    EXPECT_FALSE(bars.profile.GetPoint(x, y));
    EXPECT_FALSE(bars.profile.GetLineData(n, m, text));
    EXPECT_FALSE(bars.piezometric.GetPoint(x, y));
    EXPECT_FALSE(bars.piezometric.GetLineData(n, a, text));
    EXPECT_FALSE(bars.reinforcement.GetPointData(x, y, a, b));
    EXPECT_FALSE(bars.reinforcement.GetLineNumber(n));
    EXPECT_FALSE(bars.slope.GetPoint(x, y));
    EXPECT_EQ(x, -7);
    EXPECT_EQ(y, -7);
    EXPECT_EQ(a, -7);
    EXPECT_EQ(n, -7);
    EXPECT_EQ(text, "kept");
    bars.piezometric.SetEntryOption(4);
    EXPECT_FALSE(bars.piezometric.GetLineData(n, a, text));
    EXPECT_TRUE(bars.piezometric.GetPoint(x, y));
    ASSERT_TRUE(bars.construction.GetPoint(x, y));
    EXPECT_EQ(x, 0);
}

// Regression: a field that holds no number showed the message, kept its old value and the
// getter answered true, so a tool went on with a stale point. Now the getter answers false,
// leaves its outputs and the field takes the focus.
TEST(LineEntryBars, AFieldWithoutANumberMakesTheGetterFail) {
    testsupport::FakeServices fakes;
    ToolDialogBars& bars = TheToolBars();
    bars.profile.SetEntryOption(1);
    bars.profile.Controls().SetText(1789, "abc");
    double x = -7, y = -7;
    EXPECT_FALSE(bars.profile.GetPoint(x, y));
    EXPECT_EQ(x, -7);
    EXPECT_EQ(y, -7);
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "ERROR");
    EXPECT_EQ(fakes.messageBoxes.requests[0].text, "Enter a number.");
    EXPECT_EQ(Memory(bars.profile).Focused(), 1789);

    bars.profile.Controls().SetText(1789, "2.5");
    bars.profile.Controls().SetText(1785, "1.5");
    int n = -7, m = -7;
    std::string text;
    EXPECT_FALSE(bars.profile.GetLineData(n, m, text));
    EXPECT_EQ(fakes.messageBoxes.Texts().back(), "Enter an integer.");
    EXPECT_EQ(n, -7);

    double px = 0, py = 0;
    bars.construction.Controls().SetText(1981, "1e");
    EXPECT_FALSE(bars.construction.GetPoint(px, py));
}

// Entry options enable the fields of the situation; 0 leaves them as they were.
TEST(LineEntryBars, EntryOptionsEnableTheirFields) {
    ToolDialogBars& bars = TheToolBars();
    struct Case {
        CmDialogBar* bar;
        int option;
        std::vector<int> enabled;
        std::vector<int> disabled;
    };
    const std::vector<Case> cases = {
        {&bars.profile, 3, {1785, 1787, 1793}, {1789, 1791}},
        {&bars.profile, 0, {1785, 1787, 1793}, {1789, 1791}},
        {&bars.profile, 4, {1789, 1791}, {1785, 1787, 1793}},
        {&bars.profile, 2, {1785, 1787, 1793, 1789, 1791}, {}},
        {&bars.piezometric, 3, {1807, 1809, 1815}, {1811, 1813}},
        {&bars.piezometric, 4, {1811, 1813, 1815}, {1807, 1809}},
        {&bars.piezometric, 1, {1807, 1809, 1811, 1813, 1815}, {}},
        {&bars.reinforcement, 3, {1787}, {1793, 1795, 1797, 1799}},
        {&bars.reinforcement, 4, {1787, 1793, 1795, 1797, 1799}, {}},
        {&bars.construction, 4, {}, {1980, 1981, 2187, 2183, 2185, 2186}},
        {&bars.construction, 3, {1980, 1981}, {2187, 2183, 2185, 2186}},
        {&bars.construction, 1, {1980, 1981, 2187}, {2183, 2185, 2186}},
    };
    for (const Case& c : cases) {
        c.bar->SetEntryOption(c.option);
        EXPECT_EQ(c.bar->GetEntryOption(), c.option);
        for (int id : c.enabled)
            EXPECT_TRUE(c.bar->Controls().IsEnabled(id)) << c.option << " " << id;
        for (int id : c.disabled)
            EXPECT_FALSE(c.bar->Controls().IsEnabled(id)) << c.option << " " << id;
    }
}

// A setter keeps what the user typed into another field; outside its options it refuses.
TEST(LineEntryBars, SettersKeepTypedValuesAndRespectTheirOptions) {
    ToolDialogBars& bars = TheToolBars();
    bars.profile.SetEntryOption(1);
    bars.profile.Controls().SetText(1793, "Soft clay");
    bars.profile.Controls().SetText(1787, "4");
    ASSERT_TRUE(bars.profile.SetPoint(12.5, -3));
    EXPECT_EQ(bars.profile.Controls().Text(1793), "Soft clay");
    EXPECT_EQ(bars.profile.Controls().Text(1787), "4");
    EXPECT_EQ(bars.profile.Controls().Text(1789), "12.5");
    EXPECT_EQ(bars.profile.Controls().Text(1791), "-3");

    CmDialogBarReinforcementTool& r = bars.reinforcement;
    r.SetEntryOption(3);
    r.Controls().SetText(1793, "9");
    EXPECT_FALSE(r.SetPoint(1, 2));
    EXPECT_EQ(r.Controls().Text(1793), "9");
    EXPECT_TRUE(r.SetForces(250, 40));
    EXPECT_EQ(r.Controls().Text(1797), "250");
    EXPECT_EQ(r.Controls().Text(1799), "40");
    EXPECT_EQ(r.Controls().Text(1793), "9");  // typed, kept
    EXPECT_TRUE(r.SetLineNumber(3));
    int n = 0;
    ASSERT_TRUE(r.GetLineNumber(n));
    EXPECT_EQ(n, 3);
}

// The construction bar's circle: the fields of each definition, a pick that sets them, and a
// selected construction circle loaded into the bar.
TEST(ConstructionBar, CircleFieldsFollowTheDefinition) {
    CmDialogBarConstructionTool& bar = TheToolBars().construction;
    bar.SetEntryOption(1);
    EXPECT_FALSE(bar.IsCircleChecked());
    EXPECT_FALSE(bar.Controls().IsShown(2183));
    bar.Controls().SetIndex(2187, 1);
    bar.OnControl(2187);
    EXPECT_TRUE(bar.Controls().IsShown(2183));
    EXPECT_EQ(bar.Controls().Text(2188), "Radius:");
    EXPECT_FALSE(bar.Controls().IsShown(2185));

    struct Case {
        int definition;
        const char* first;
        bool second;
        double first_value;
        double second_value;
    };
    // Centre (0, 0), a pick at (3, 4).
    const std::vector<Case> cases = {{0, "Radius:", false, 5, 0},
                                     {1, "X-Fixed:", true, 3, 4},
                                     {2, "Y-Line:", false, 4, 0},
                                     {3, "X-Line:", false, 3, 0}};
    for (const Case& c : cases) {
        bar.Controls().SetText(2183, "0");
        bar.Controls().SetText(2185, "0");
        bar.Controls().SetIndex(2186, c.definition);
        bar.OnControl(2186);
        EXPECT_EQ(bar.GetCircleDefinition(), c.definition);
        EXPECT_EQ(bar.Controls().Text(2188), c.first);
        EXPECT_EQ(bar.Controls().IsShown(2185), c.second) << c.definition;
        ASSERT_TRUE(bar.UpdateCircleFromPoint(3, 4));
        double first = -1, second = -1;
        ASSERT_TRUE(bar.GetCircleValues(first, second));
        EXPECT_DOUBLE_EQ(first, c.first_value) << c.definition;
        EXPECT_DOUBLE_EQ(second, c.second_value) << c.definition;
    }

    Cpp_ConstructionCircle circle;
    circle.Define(2, 1, 1, 5, 4);  // through the fixed point (5, 4)
    bar.SetEntryOption(2);
    bar.SetFromConstructionCircle(circle);
    EXPECT_TRUE(bar.IsCircleChecked());
    EXPECT_FALSE(bar.Controls().IsEnabled(2187));
    EXPECT_EQ(bar.Controls().Text(1980), "2");
    EXPECT_EQ(bar.Controls().Text(1981), "1");
    EXPECT_EQ(bar.Controls().Text(2188), "X-Fixed:");
    EXPECT_EQ(bar.Controls().Text(2183), "5");
    EXPECT_EQ(bar.Controls().Text(2185), "4");
}

TEST(EditOptionsBar, FilterListAndSwitches) {
    CmDialogBarEditingMain& bar = TheToolBars().editingMain;
    const std::vector<std::string> items = bar.Controls().Items(1450);
    ASSERT_EQ(items.size(), 23u);
    EXPECT_EQ(items[0], "All");
    EXPECT_EQ(items[20], "Noncircular slip surface lines ");
    EXPECT_EQ(items[22], "Radius definition lines");
    EXPECT_EQ(bar.GetComboSelection(), 0);
    EXPECT_FALSE(bar.IsWheelEditingOn());
    EXPECT_FALSE(bar.IsConstructionPointSnapOn());
    bar.Controls().SetIndex(1986, 1);
    EXPECT_TRUE(bar.IsWheelEditingOn());
    // Hiding and showing the bar returns the filter to "All".
    bar.Controls().SetIndex(1450, 5);
    EXPECT_EQ(bar.GetComboSelection(), 5);
    HideInactiveToolBars();
    EXPECT_EQ(bar.GetComboSelection(), 5);  // it stayed shown
    ShowToolBar(BarEditingMain, false, 0);
    ShowToolBar(BarEditingMain, true, 0);
    EXPECT_EQ(bar.GetComboSelection(), 0);
}

// One tool bar at a time: showing a bar hides the one before; hiding gives option 0 (the
// construction bar keeps its option); the edit-options bar is never hidden as the current one.
TEST(ToolBarShowing, OneToolBarAtATime) {
    testsupport::FakeToolBarWindows windows;
    platform::Services().SetToolBarWindows(&windows);
    const std::vector<std::pair<int, bool>>& shown = windows.calls;
    ToolDialogBars& bars = TheToolBars();
    EXPECT_TRUE(IsToolBarVisible(BarEditingMain));
    ASSERT_TRUE(ShowToolBar(BarProfile, true, 1));
    EXPECT_EQ(ShownToolBar(), BarProfile);
    EXPECT_EQ(ActiveProfileBar(), &bars.profile);
    ASSERT_TRUE(ShowToolBar(BarConstruction, true, 3));
    EXPECT_FALSE(IsToolBarVisible(BarProfile));
    EXPECT_EQ(bars.profile.GetEntryOption(), 1);  // hidden by another bar: option kept
    ShowToolBar(BarProfile, false, 0);
    EXPECT_EQ(bars.profile.GetEntryOption(), 0);
    EXPECT_EQ(ActiveProfileBar(), nullptr);
    ShowToolBar(BarConstruction, false, 0);
    EXPECT_EQ(bars.construction.GetEntryOption(), 3);
    EXPECT_EQ(ShownToolBar(), BarNone);
    ShowToolBar(BarSlope, true, 1);
    HideCurrentToolBar();
    EXPECT_FALSE(IsToolBarVisible(BarSlope));
    EXPECT_TRUE(IsToolBarVisible(BarEditingMain));
    const std::vector<std::pair<int, bool>> expected = {
        {BarProfile, true},       {BarProfile, false}, {BarConstruction, true},
        {BarConstruction, false}, {BarSlope, true},    {BarSlope, false}};
    EXPECT_EQ(shown, expected);
}

}  // namespace
