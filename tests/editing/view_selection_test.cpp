// Selecting with the mouse: a click selects, Shift adds, a click on empty drawing empties the
// selection, overlapping items bring up the candidate menu (and never drag), Escape empties
// the selection; a press dragged over empty drawing draws a box (or with Shift a band) and the
// next click selects the points inside it.

#include "core/string_table.h"
#include "core/summary_window.h"
#include "editing/cursor_modes.h"
#include "editing/selection_list.h"
#include "editing/view_input_fixture.h"
#include "editing/view_menus.h"
#include "editing/view_selection.h"
#include "graphics/prompts.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "profile/profile_line.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Profile line 1 from (100, 100) to (200, 100), line 2 from (200, 100) up to (200, 200), in a
// view of one pixel a unit (pixel y = 300 - world y).
class ViewSelectionTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        FillStringTable({{1308, "Select item to modify, etc."},
                         {1309, "Right-click for edit options"},
                         {550, "Drag to form selection band."},
                         {551, "Drag to form selection box."},
                         {1367, "Right-click for options menu"}});
        Cpp_Kliven4DataSet* ds = Cpp_Kliven4Data::CurrentDataSet();
        Cpp_ProfileLine* a = ds->ProfileLines().CreateLine(1, 1, "upper");
        a->AddPoint(100, 100);
        a->AddPoint(200, 100);
        Cpp_ProfileLine* b = ds->ProfileLines().CreateLine(2, 2, "lower");
        b->AddPoint(200, 100);
        b->AddPoint(200, 200);
        for (const auto& line : ds->ProfileLines().Lines()) line->NumberPoints();
    }

    static std::vector<std::string> Selected() {
        std::vector<std::string> names;
        const Cpp_SelectionList& list = GetCurrentSelection();
        for (int n = 1; const Cpp_Selection* s = list.GetNth(n); ++n) {
            std::string text = "?";
            s->GetName(text);
            names.push_back(text);
        }
        return names;
    }
};

TEST_F(ViewSelectionTest, AClickSelectsShiftAddsAndAClickOnNothingEmptiesTheSelection) {
    Click(150, 200);  // the middle of line 1
    Release(150, 200);
    EXPECT_EQ(Selected(), std::vector<std::string>{"Profile line 1 (segment 1)"});
    EXPECT_EQ(Status(),
              "Profile Line 1, Segment no. 1: Segment is horizontal. - Right-click for edit "
              "options.");
    EXPECT_TRUE(GetPressRecord().consumed);
    Click(200, 150, true);  // Shift: the middle of line 2 joins
    Release(200, 150);
    EXPECT_EQ(Selected(), (std::vector<std::string>{"Profile line 1 (segment 1)",
                                                    "Profile line 2 (segment 1)"}));
    Click(150, 150, true);  // Shift on nothing keeps the selection
    EXPECT_EQ(Selected().size(), 2u);
    Release(150, 150);
    Click(150, 150);  // a plain click on nothing empties it
    Release(150, 150);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(Status(), "Select item to modify, etc.");
    EXPECT_FALSE(GetPressRecord().consumed);
    // Escape in select mode empties the selection too.
    Click(150, 200);
    Release(150, 200);
    ASSERT_EQ(Selected().size(), 1u);
    Key(ViewKeyEscape);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(host.barsHidden, 3);  // the two clicks on nothing and Escape
}

// A summary window is kept in step with the selection: a visible one is emptied when an item
// is picked (by a click or a box) and when a click finds nothing; a hidden one only by the
// click on nothing. Without a window (the program never opens one) the queries answer false.
TEST_F(ViewSelectionTest, APickOrAMissEmptiesTheSummaryWindowsTree) {
    struct FakeSummary : SummaryTreeWindow {
        bool visible = true;
        int cleared = 0;
        bool IsVisible() const override { return visible; }
        void ClearTree() override { ++cleared; }
    } summary;
    {
        CSummaryWindowHolder holder;
        EXPECT_FALSE(ClearSummaryWindow());
        EXPECT_FALSE(IsSummaryWindowVisible());
        SetSummaryWindow(&summary);
        Click(150, 200);  // picks segment 1 of line 1
        Release(150, 200);
        EXPECT_EQ(summary.cleared, 1);
        Click(150, 150);  // nothing there
        Release(150, 150);
        EXPECT_EQ(summary.cleared, 2);
        summary.visible = false;
        Click(150, 200);
        Release(150, 200);
        EXPECT_EQ(summary.cleared, 2);
        Click(150, 150);
        Release(150, 150);
        EXPECT_EQ(summary.cleared, 3);
        summary.visible = true;
        Click(50, 250);  // a box around point 1 of line 1
        host.now += 300;
        Move(150, 150);
        Release(150, 150);
        Move(160, 140);
        EXPECT_EQ(summary.cleared, 4);  // the press on nothing that starts the box
        Click(170, 130);
        EXPECT_EQ(summary.cleared, 5);
    }
    // The holder gives the window up when it goes.
    EXPECT_EQ(GetSummaryWindow(), nullptr);
    EXPECT_FALSE(ClearSummaryWindow());
}

TEST_F(ViewSelectionTest, TheSelectChoiceOfTheOptionsBarLimitsWhatAClickPicks) {
    struct Case {
        int pickKind;
        int x, y;
        std::vector<std::string> selected;
    };
    const Case cases[] = {
        {3, 150, 200, {}},  // "Profile line points": the middle of a segment picks nothing
        {3, 100, 200, {"Profile pt. 1 (line 1)"}},
        {4, 150, 200, {"Profile line 1 (segment 1)"}},
        {10, 150, 200, {}},  // "Slope points"
        {0, 150, 200, {"Profile line 1 (segment 1)"}},
    };
    for (const Case& c : cases) {
        host.pickKind = c.pickKind;
        Click(c.x, c.y);
        Release(c.x, c.y);
        EXPECT_EQ(Selected(), c.selected) << c.pickKind;
    }
}

TEST_F(ViewSelectionTest, OverlappingItemsOfferTheCandidateMenuAndTheClickNeverDrags) {
    host.chosen = 0;
    Click(200, 200);  // where the two lines meet
    ASSERT_EQ(host.menus.size(), 1u);
    const MenuList menu = host.menus[0];
    ASSERT_GE(menu.size(), 3u);
    EXPECT_EQ(menu[0].id, 40001);
    EXPECT_EQ(menu[0].text, "Profile pt. 2 (line 1)");
    EXPECT_EQ(host.menuAt.x, 100 + 200 + 4);
    EXPECT_EQ(host.menuAt.y, 200 + 200 + 5);
    EXPECT_TRUE(Selected().empty());
    // Held and moved, the press does not drag.
    host.now += 400;
    Move(230, 230);
    EXPECT_EQ(GetCursorMode(), 0);
    Release(230, 230);
    // Choosing candidate 2 selects it (the menu answers before the next input).
    host.chosen = 40002;
    Click(200, 200);
    Release(200, 200);
    EXPECT_EQ(Selected(), std::vector<std::string>{menu[1].text});
    EXPECT_TRUE(GetPickList().IsEmpty());
    std::string tip;
    EXPECT_TRUE(GetToolTipText(tip));
    EXPECT_EQ(tip, "Right-click for options menu");
    EXPECT_FALSE(ViewCommandOnSelection(1, host));  // no candidates any more
}

TEST_F(ViewSelectionTest, TheCandidateMenuListsTwentyAndNamesTheNamelessBySelectionNumber) {
    Cpp_SelectionList& picks = GetPickList();
    Cpp_Kliven4DataSet* ds = Cpp_Kliven4Data::CurrentDataSet();
    for (int n = 1; n <= 25; ++n) {
        picks.AddItem(ds, 1, n == 3 ? 112 : 44, {})->SetValue(n);
    }
    const MenuList menu = CandidateMenu(picks);
    ASSERT_EQ(menu.size(), 20u);
    EXPECT_EQ(menu[0].text, "Selection 1");
    EXPECT_EQ(menu[19].text, "Selection 20");
    EXPECT_EQ(menu[19].id, 40020);
    EXPECT_NE(menu[2].text, "Selection 3");  // a kind with a name shows it
    host.chosen = 40020;
    ASSERT_TRUE(ShowSelectionMenu(host, {10, 10}));
    ASSERT_EQ(GetCurrentSelection().Count(), 1);
    EXPECT_EQ(GetCurrentSelection().GetNth(1)->GetValue(), 20);
    EXPECT_TRUE(CandidateMenu(GetPickList()).empty());
}

// A drag from empty drawing without Shift draws a box; the next click selects the profile
// points in it; Escape instead leaves the selection and no outline.
TEST_F(ViewSelectionTest, ADraggedBoxSelectsThePointsInsideAndEscapeAbandonsIt) {
    const auto dragFrom = [&](s_PixelPoint from, s_PixelPoint to, bool shift) {
        Click(from.x, from.y);
        host.now += 300;
        Move(to.x, to.y, shift);
        Release(to.x, to.y);
    };
    dragFrom({50, 250}, {120, 180}, false);
    EXPECT_EQ(GetCursorMode(), CursorModePickBand);
    EXPECT_FALSE(PickBandIsBand());
    EXPECT_EQ(Status(), "Drag to form selection box.");
    EXPECT_FALSE(host.overlay.Records().empty());
    Move(150, 150);
    Key(ViewKeyEscape);
    EXPECT_EQ(GetCursorMode(), 0);
    EXPECT_TRUE(Selected().empty());
    // Every outline drawn was drawn twice: nothing is left.
    std::size_t drawn = 0;
    for (const platform::DcRecord& r : host.overlay.Records()) {
        EXPECT_EQ(r.attributes.rop, platform::RasterOp::XorPen);
        ++drawn;
    }
    EXPECT_EQ(drawn % 2, 0u);

    dragFrom({50, 250}, {150, 150}, false);
    Move(160, 140);  // world x 50..160, y 50..160 holds point 1 of line 1
    Click(170, 130);
    EXPECT_EQ(GetCursorMode(), 0);
    EXPECT_EQ(Selected(), std::vector<std::string>{"Profile pt. 1 (line 1)"});
    EXPECT_TRUE(GetPressRecord().consumed);
}

TEST_F(ViewSelectionTest, TheWheelNarrowsTheBandEightFiveTwoTwoAndLeavesABoxAlone) {
    Click(20, 280);
    host.now += 300;
    Move(60, 280, true);
    ASSERT_EQ(GetCursorMode(), CursorModePickBand);
    ASSERT_TRUE(PickBandIsBand());
    EXPECT_EQ(Status(), "Drag to form selection band.");
    std::vector<int> widths{PickBandHalfWidth()};
    for (int i = 0; i < 3; ++i) {
        s_ViewInput in = At(60, 280);
        in.wheelSteps = -1;
        EXPECT_TRUE(ViewMouseWheel(host, in));
        widths.push_back(PickBandHalfWidth());
    }
    EXPECT_EQ(widths, (std::vector<int>{8, 5, 2, 2}));
    EXPECT_TRUE(host.scrolls.empty());
    Key(ViewKeyEscape);
    Release(60, 280);
    // During a box the wheel changes nothing (and does not scroll).
    Click(20, 280);
    host.now += 300;
    Move(60, 250);
    ASSERT_FALSE(PickBandIsBand());
    s_ViewInput in = At(60, 250);
    in.wheelSteps = 1;
    EXPECT_TRUE(ViewMouseWheel(host, in));
    EXPECT_EQ(PickBandHalfWidth(), 2);
    EXPECT_TRUE(host.scrolls.empty());
    Key(ViewKeyEscape);
}

}  // namespace

namespace {

std::vector<std::string> Texts(const MenuList& menu) {
    std::vector<std::string> texts;
    for (const s_MenuEntry& e : menu) {
        texts.push_back(e.text);
        for (const s_MenuEntry& sub : e.subMenu) texts.push_back("  " + sub.text);
    }
    return texts;
}

// The edit context menu offers what fits the first selected item and the size of the selection.
TEST_F(ViewSelectionTest, TheEditContextMenuFitsTheKindAndTheNumberOfSelectedItems) {
    Cpp_Kliven4DataSet* ds = Cpp_Kliven4Data::CurrentDataSet();
    Cpp_ProfileLine* line = ds->ProfileLines().CreateLine(3, 1, "");
    line->AddPoint(100, 50);
    line->AddPoint(150, 50);
    line->AddPoint(200, 50);
    line->NumberPoints();
    Cpp_PointXY* first = line->FirstPoint();
    Cpp_PointXY* middle = first->Next();
    Cpp_SelectionList& current = GetCurrentSelection();
    const std::vector<std::string> moveDistance{
        "Move Point a Distance",     "  Horizontally",           "  Vertically",
        "  Horizontally from Point", "  Vertically from Point",  "  Horizontally from Line",
        "  Vertically from Line",    "  Perpendicular from Line"};
    const auto with = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };

    current.Add(ds, 0, 84, line, middle);
    EXPECT_EQ(Texts(EditContextMenu(current)),
              with({"Move (\"Drag\") Item", "Edit/Compute Distance", "Compute Overburden Pressure",
                    "Compute Pore Water Pressure", "Snap Vertically", "Snap Horizontally",
                    "Snap to Point", "Extend to Line", "Extend to Line Segment",
                    "Move to Line Parallel", "Move to Line Perpendicular", "Delete Entire Line",
                    "Delete Point", "Delete All", "Split Line at Point"},
                   moveDistance));
    EXPECT_EQ(EditContextMenu(current).back().subMenu.back().id, 32891);

    current.Clear();
    current.Add(ds, 0, 84, line, first);
    const std::vector<std::string> atEnd = Texts(EditContextMenu(current));
    EXPECT_EQ(atEnd.front(), "Add Point at End");
    EXPECT_EQ(std::count(atEnd.begin(), atEnd.end(), "Split Line at Point"), 0);

    // Two items drop the entries for one item; three of one kind add "Space Points Evenly".
    current.Add(ds, 0, 84, line, middle);
    EXPECT_EQ(Texts(EditContextMenu(current)),
              with({"Move (\"Drag\") Item", "Snap Vertically", "Snap Horizontally", "Snap to Point",
                    "Move to Line Parallel", "Move to Line Perpendicular", "Delete Entire Line",
                    "Delete Point", "Delete All"},
                   moveDistance));
    current.Add(ds, 0, 84, line, line->LastPoint());
    EXPECT_EQ(Texts(EditContextMenu(current)).back(), "  Along Line");

    // A construction circle has no menu: the right click shows nothing.
    current.Clear();
    current.AddItem(ds, 0, 10, {});
    EXPECT_TRUE(EditContextMenu(current).empty());
    EXPECT_TRUE(Right(30, 40));
    EXPECT_TRUE(host.menus.empty());
    // A selected segment: its own entries, shown beside the click; the choice is run.
    current.Clear();
    s_SelectionReferences segment;
    segment.ref1 = line;
    segment.ref2 = middle;
    current.AddItem(ds, 0, 86, segment);
    host.chosen = 32849;
    EXPECT_TRUE(Right(175, 250));
    ASSERT_EQ(host.menus.size(), 1u);
    EXPECT_EQ(Texts(host.menus[0]),
              (std::vector<std::string>{"Insert Point", "Delete Line Segment", "Delete Entire Line",
                                        "Delete All", "Split Line at Segment",
                                        "Split Line with New Point", "Change Length of Segment",
                                        "Change Slope of Segment", "Make Parallel to Line",
                                        "Make Perpendicular to Line"}));
    EXPECT_EQ(host.commands, std::vector<int>{32849});
}

}  // namespace
