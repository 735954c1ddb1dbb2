// Regression: a press on a line's point found the point together with the slope point made from
// it, the segments and the region, so the candidate menu opened every time and the point could
// not be dragged. Invariant: a press whose candidates hold one moveable point (a slope point made
// from the profile lines at the same place does not count) takes that point, a held move drags
// it and the release drops it; two moveable points still bring up the menu, and a drag started
// from "Move ("Drag") Item" still drops on the next click.

#include "editing/cursor_modes.h"
#include "editing/selection_edit_commands.h"
#include "editing/selection_list.h"
#include "editing/view_input_fixture.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/writer.h"
#include "profile/profile_line.h"
#include "profile/slope_geometry.h"
#include "support/test_support.h"

#include <string>
#include <vector>

namespace {

// A toe at (50, 20): the ground surface (line 1) runs from (0, 20) to the toe and up to the crest
// at (100, 45) and on to (150, 45); line 2 runs below from (0, 10) to (150, 10) and up to where
// line 1 ends. One pixel a unit, pixel y = 300 -
// world y. The slope line is made from the profile lines.
class PointDragTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        ds = Cpp_Kliven4Data::CurrentDataSet();
        Cpp_ProfileLine* surface = ds->ProfileLines().CreateLine(1, 1, "Fill");
        surface->AddPoint(0, 20);
        surface->AddPoint(50, 20);
        surface->AddPoint(100, 45);
        surface->AddPoint(150, 45);
        Cpp_ProfileLine* lower = ds->ProfileLines().CreateLine(2, 2, "Clay");
        lower->AddPoint(0, 10);
        lower->AddPoint(150, 10);
        lower->AddPoint(150, 45);
        for (const auto& line : ds->ProfileLines().Lines()) line->NumberPoints();
        ASSERT_TRUE(ds->SlopeGeometry().Generate(ds->ProfileLines(), false, nullptr));
        ASSERT_FALSE(ds->SlopeGeometry().IsEntered());
    }

    static std::vector<std::string> Selected() {
        std::vector<std::string> names;
        for (int n = 1; const Cpp_Selection* s = GetCurrentSelection().GetNth(n); ++n) {
            std::string text = "?";
            s->GetName(text);
            names.push_back(text);
        }
        return names;
    }
    std::vector<s_tagTypePointXY> Surface() const {
        std::vector<s_tagTypePointXY> points;
        for (const Cpp_PointXY* p = ds->ProfileLines().Lines()[0]->FirstPoint(); p; p = p->Next())
            points.push_back(p->XY());
        return points;
    }
    // The profile block of the saved document.
    std::string SavedProfile() {
        std::FILE* f = testsupport::FileWith("");
        EXPECT_TRUE(WriteInputFile(*ds, true, false, f));
        const std::string text = testsupport::Contents(f);
        std::fclose(f);
        const std::size_t from = text.find("PROfile line data follow -\n");
        const std::size_t to = text.find("\n\n\n", from);
        if (from == std::string::npos || to == std::string::npos) return text;
        return text.substr(from, to + 3 - from);
    }

    Cpp_Kliven4DataSet* ds = nullptr;
};

TEST_F(PointDragTest, PressMoveAndReleaseOnTheToeDragsTheProfilePointIntoTheSavedDocument) {
    Click(50, 280);  // the toe
    EXPECT_TRUE(host.menus.empty());
    EXPECT_EQ(Selected(), std::vector<std::string>{"Profile pt. 2 (line 1)"});
    EXPECT_TRUE(GetPickList().IsEmpty());
    host.now += 300;
    Move(60, 270);
    EXPECT_EQ(GetCursorMode(), CursorModeDragProfilePoint);
    Move(70, 260);
    EXPECT_TRUE(ViewLButtonUp(host, At(70, 260)));  // the document changed
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(host.dataChanges, std::vector<int>{2});  // the profile lines changed
    const std::vector<s_tagTypePointXY> surface = Surface();
    ASSERT_EQ(surface.size(), 4u);
    EXPECT_EQ(surface[1].x, 70);
    EXPECT_EQ(surface[1].y, 40);
    EXPECT_EQ(SavedProfile(), "PROfile line data follow -\n"
                              "     1     1 Fill\n"
                              "                      0.000000           20.000000\n"
                              "                     70.000000           40.000000\n"
                              "                    100.000000           45.000000\n"
                              "                    150.000000           45.000000\n"
                              "\n"
                              "     2     2 Clay\n"
                              "                      0.000000           10.000000\n"
                              "                    150.000000           10.000000\n"
                              "                    150.000000           45.000000\n"
                              "\n\n");
    // The point stays selected, and the next press elsewhere starts afresh.
    EXPECT_EQ(Selected(), std::vector<std::string>{"Profile pt. 2 (line 1)"});
    Click(200, 100);
    Release(200, 100);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(Surface()[1].x, 70);
}

// Where the press finds two or more moveable points the menu offers them, and a held move
// drags nothing.
TEST_F(PointDragTest, APressOnTwoMoveablePointsOffersTheCandidateMenu) {
    struct Case {
        const char* what;
        int x, y;
        bool slopeEntered;
        std::vector<std::string> firstTwo;  // the menu's first two entries
    };
    const Case cases[] = {
        // A slope line entered by hand is a point of its own beside the profile point.
        {"entered slope", 50, 280, true, {"Profile pt. 2 (line 1)", "Slope pt. 2"}},
        {"two profile lines",
         150,
         255,
         false,
         {"Profile pt. 4 (line 1)", "Profile pt. 3 (line 2)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host.menus.clear();
        ds->SlopeGeometry().SetEnteredFlag(c.slopeEntered);
        Click(c.x, c.y);
        ASSERT_EQ(host.menus.size(), 1u);
        ASSERT_GE(host.menus[0].size(), 2u);
        EXPECT_EQ(host.menus[0][0].text, c.firstTwo[0]);
        EXPECT_EQ(host.menus[0][1].text, c.firstTwo[1]);
        EXPECT_TRUE(Selected().empty());
        host.now += 300;
        Move(c.x + 20, c.y - 20);
        EXPECT_NE(GetCursorMode(), CursorModeDragProfilePoint);
        Release(c.x + 20, c.y - 20);
        if (GetCursorMode() != CursorModeNone) Key(ViewKeyEscape);
        EXPECT_EQ(Surface()[1].x, 50);
    }
    EXPECT_TRUE(host.dataChanges.empty());
}

// "Move ("Drag") Item" starts a drag that the release of a later press leaves running: only the
// click drops it.
TEST_F(PointDragTest, ADragStartedFromTheCommandDropsOnTheClick) {
    Click(50, 280);
    Release(50, 280);
    ASSERT_EQ(Selected(), std::vector<std::string>{"Profile pt. 2 (line 1)"});
    ASSERT_TRUE(ChangeValueOfSelection(host, 50, 280));
    EXPECT_EQ(GetCursorMode(), CursorModeDragProfilePoint);
    Move(80, 250);
    ViewLButtonUp(host, At(80, 250));  // a release without its press drops nothing
    EXPECT_EQ(GetCursorMode(), CursorModeDragProfilePoint);
    EXPECT_EQ(Surface()[1].x, 50);
    EXPECT_TRUE(Click(80, 250));
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Surface()[1].x, 80);
    EXPECT_EQ(Surface()[1].y, 50);
    Release(80, 250);  // the click's own release changes nothing more
    EXPECT_EQ(host.dataChanges, std::vector<int>{2});
    EXPECT_EQ(Surface()[1].x, 80);
}

}  // namespace
