// Splitting profile and piezometric lines at a point or on a segment, with scripted answers of
// the split windows: which line keeps which points, numbers, materials, descriptions and unit
// weights; the split tool's band and splitter line; Cancel leaving the line whole.

#include "core/cursor_mode.h"
#include "editing/construction_items.h"
#include "editing/cursor_modes.h"
#include "editing/drawn_figures.h"
#include "editing/edit_modes.h"
#include "editing/line_editing_dialogs.h"
#include "editing/line_point_tools.h"
#include "editing/piezometric_tool.h"
#include "editing/profile_tool.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_input_fixture.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "porepressure/piezometric_line.h"
#include "profile/profile_line.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Points = testsupport::LinePointList;

Points PointsOf(const Cpp_Line& line) { return testsupport::LinePoints(line); }
std::vector<int> NumbersOf(const Cpp_Line& line) { return testsupport::LinePointNumbers(line); }

// Answers the split windows as told (nothing: Cancel) and keeps what they were shown.
class SplitDialogs final : public LineEditingDialogs {
public:
    bool EnterLength(double&) override { return false; }
    bool EnterSlope(int&, double&, int&) override { return false; }
    bool EnterMoveDistance(const std::string&, const std::string&, double&) override {
        return false;
    }
    bool EditValue(const std::string&, const s_EditValuePlacement&, double&) override {
        return false;
    }
    bool ProfileSplit(s_ProfileSplitInformation& information) override {
        profileShown = information;
        if (!profileAnswer) return false;
        information = *profileAnswer;
        return true;
    }
    bool PiezometricSplit(s_PiezometricSplitInformation& information) override {
        piezometricShown = information;
        if (!piezometricAnswer) return false;
        information = *piezometricAnswer;
        return true;
    }
    std::optional<s_ProfileSplitInformation> profileAnswer;
    std::optional<s_PiezometricSplitInformation> piezometricAnswer;
    s_ProfileSplitInformation profileShown;
    s_PiezometricSplitInformation piezometricShown;
};

class LineSplitTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        host.editMode = EditModeSelect;
        LineEditingDialogsSlot().Set(&dialogs);
    }
    void TearDown() override { LineEditingDialogsSlot().Reset(); }

    Cpp_ProfileLineList& Profiles() { return Cpp_Kliven4Data::CurrentDataSet()->ProfileLines(); }
    Cpp_PiezometricLineList& Piezometric() {
        return *Cpp_Kliven4Data::CurrentDataSet()->PiezometricLines(
            Cpp_Kliven4DataSet::CurrentStage());
    }
    // Profile lines 1 to 4 of materials 1 to 4; line 3 runs (0, 0), (10, 0), (20, 0).
    Cpp_ProfileLine* FourProfileLines() {
        Cpp_ProfileLine* three = nullptr;
        for (int n = 1; n <= 4; ++n) {
            Cpp_ProfileLine* line = Profiles().CreateLine(n, n, "line " + std::to_string(n));
            if (n == 3) {
                three = line;
                continue;
            }
            line->AddPoint(0, 100 + n);
            line->AddPoint(100, 100 + n);
        }
        return three;
    }
    static s_ProfileSplitInformation ProfileAnswer(int choice, int typed, bool left,
                                                   const std::string& description) {
        s_ProfileSplitInformation a;
        a.materialChoice = choice;
        a.newMaterial = typed;
        a.leftPortionNew = left;
        a.description = description;
        return a;
    }

    SplitDialogs dialogs;
};

TEST_F(LineSplitTest, AProfileLineSplitAtAPointGetsTheChosenMaterialAndPortion) {
    struct Case {
        const char* what;
        std::optional<s_ProfileSplitInformation> answer;
        // Line 3 and line 5 after the split: points, material, description (none: no line 5).
        Points three;
        int materialOfThree;
        std::string descriptionOfThree;
        Points five;
        int materialOfFive;
        std::string descriptionOfFive;
    };
    const Points left{{0, 0}, {10, 0}}, right{{10, 0}, {20, 0}}, whole{{0, 0}, {10, 0}, {20, 0}};
    const Case cases[] = {
        {"cancel", std::nullopt, whole, 3, "line 3", {}, 0, ""},
        {"a new material, the right portion", ProfileAnswer(1, 7, false, "new"), left, 3, "line 3",
         right, 5, "new"},
        {"the same material", ProfileAnswer(0, 7, false, "new"), left, 3, "line 3", right, 3,
         "new"},
        {"a material typed, description emptied", ProfileAnswer(2, 7, false, ""), left, 3, "line 3",
         right, 7, "Profile line number 5"},
        {"the left portion", ProfileAnswer(1, 7, true, "new"), right, 3, "line 3", left, 5, "new"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Profiles().Clear();
        Cpp_ProfileLine* three = FourProfileLines();
        three->AddPoint(0, 0);
        three->AddPoint(10, 0);
        three->AddPoint(20, 0);
        dialogs.profileAnswer = c.answer;
        EXPECT_EQ(Cpp_ProfileTool::SplitLineAtPoint(three, three->FirstPoint()->Next()),
                  c.answer.has_value());
        // The window was offered material 5, the next free number's description, the right
        // portion and a new material.
        EXPECT_EQ(dialogs.profileShown.splitLineMaterial, 3);
        EXPECT_EQ(dialogs.profileShown.newMaterial, 5);
        EXPECT_EQ(dialogs.profileShown.materialChoice, 1);
        EXPECT_FALSE(dialogs.profileShown.leftPortionNew);
        EXPECT_EQ(dialogs.profileShown.description, "Profile line number 5");

        const Cpp_ProfileLine* now3 = Profiles().FindProfileLine(3);
        ASSERT_NE(now3, nullptr);
        EXPECT_EQ(PointsOf(*now3), c.three);
        EXPECT_EQ(now3->GetMaterialNumber(), c.materialOfThree);
        EXPECT_EQ(now3->Description(), c.descriptionOfThree);
        const Cpp_ProfileLine* now5 = Profiles().FindProfileLine(5);
        if (c.five.empty()) {
            EXPECT_EQ(now5, nullptr);
            continue;
        }
        ASSERT_NE(now5, nullptr);
        EXPECT_EQ(PointsOf(*now5), c.five);
        EXPECT_EQ(NumbersOf(*now5), (std::vector<int>{1, 2}));
        EXPECT_EQ(NumbersOf(*now3), (std::vector<int>{1, 2}));
        EXPECT_EQ(now5->GetMaterialNumber(), c.materialOfFive);
        EXPECT_EQ(now5->Description(), c.descriptionOfFive);
    }
}

TEST_F(LineSplitTest, APiezometricLineSplitKeepsItsUnitWeightInBothParts) {
    struct Case {
        bool left;
        std::string description;
        int numberOfLeftPart, numberOfRightPart;
        std::string descriptionOfRightPart;
    };
    const Case cases[] = {
        {false, "renamed", 1, 2, "renamed"},
        {true, "", 2, 1, "water"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.left);
        Piezometric().Clear();
        Cpp_PiezometricLine* line = Piezometric().CreateLine(1, 62.4, "water");
        line->AddPoint(0, 0);
        line->AddPoint(10, 0);
        line->AddPoint(20, 0);
        s_PiezometricSplitInformation answer;
        answer.leftPortionNew = c.left;
        answer.description = c.description;
        dialogs.piezometricAnswer = answer;
        ASSERT_TRUE(Cpp_PiezometricTool::SplitLineAtPoint(line, line->FirstPoint()->Next()));
        EXPECT_EQ(dialogs.piezometricShown.newNumber, 2);
        EXPECT_EQ(dialogs.piezometricShown.description, "Piezometric line number 2");
        ASSERT_EQ(Piezometric().Count(), 2);
        const Cpp_PiezometricLine* leftPart = Piezometric().FindLine(c.numberOfLeftPart);
        const Cpp_PiezometricLine* rightPart = Piezometric().FindLine(c.numberOfRightPart);
        ASSERT_TRUE(leftPart && rightPart);
        EXPECT_EQ(PointsOf(*leftPart), (Points{{0, 0}, {10, 0}}));
        EXPECT_EQ(PointsOf(*rightPart), (Points{{10, 0}, {20, 0}}));
        EXPECT_EQ(leftPart->UnitWeight(), 62.4);
        EXPECT_EQ(rightPart->UnitWeight(), 62.4);
        EXPECT_EQ(rightPart->Description(), c.descriptionOfRightPart);
        if (c.left) {
            EXPECT_EQ(leftPart->Description(), "Piezometric line number 2");
        }
    }
    // At the last point the new line has that one point; Cancel changes nothing.
    Piezometric().Clear();
    Cpp_PiezometricLine* line = Piezometric().CreateLine(1, 62.4, "water");
    line->AddPoint(0, 0);
    line->AddPoint(10, 0);
    dialogs.piezometricAnswer.reset();
    EXPECT_FALSE(Cpp_PiezometricTool::SplitLineAtPoint(line, line->LastPoint()));
    EXPECT_EQ(Piezometric().Count(), 1);
    dialogs.piezometricAnswer = s_PiezometricSplitInformation{};
    ASSERT_TRUE(Cpp_PiezometricTool::SplitLineAtPoint(line, line->LastPoint()));
    EXPECT_EQ(PointsOf(*Piezometric().FindLine(2)), (Points{{10, 0}}));
}

TEST_F(LineSplitTest, OnASegmentTheClickOrTheSplitterPlacesTheNewEndsAndCancelKeepsTheLine) {
    struct Case {
        const char* what;
        bool splitter;
        int clickX, clickY;                  // pixels; world (x, 300 - y)
        std::pair<double, double> expected;  // the split position
    };
    const Case cases[] = {
        {"band", false, 140, 190, {140, 110}},
        {"splitter", true, 140, 150, {140, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Profiles().Clear();
        Cpp_ProfileLine* line = Profiles().CreateLine(1, 1, "one");
        line->AddPoint(100, 100);
        line->AddPoint(200, 100);
        line->AddPoint(300, 150);
        dialogs.profileAnswer = ProfileAnswer(1, 0, false, "two");
        ASSERT_TRUE(Cpp_LineTool::StartSplitLine(Cpp_ProfileTool::GetDisplayAttributes(), line,
                                                 line->FirstPoint(), c.splitter));
        SetCursorMode(CursorModeSplitProfileLine);
        Move(c.clickX, c.clickY);
        EXPECT_TRUE(Click(c.clickX, c.clickY));
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        ASSERT_EQ(Profiles().Count(), 2);
        const Points first = PointsOf(*line);
        const Points second = PointsOf(*Profiles().FindProfileLine(2));
        EXPECT_EQ(first, (Points{{100, 100}, c.expected}));
        EXPECT_EQ(second, (Points{c.expected, {200, 100}, {300, 150}}));
    }
    // Escape, and Cancel in the window, leave the line whole.
    Profiles().Clear();
    Cpp_ProfileLine* line = Profiles().CreateLine(1, 1, "one");
    line->AddPoint(100, 100);
    line->AddPoint(200, 100);
    Cpp_LineTool::StartSplitLine(Cpp_ProfileTool::GetDisplayAttributes(), line, line->FirstPoint(),
                                 false);
    SetCursorMode(CursorModeSplitProfileLine);
    Move(150, 200);
    Key(ViewKeyEscape);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    dialogs.profileAnswer.reset();
    Cpp_LineTool::StartSplitLine(Cpp_ProfileTool::GetDisplayAttributes(), line, line->FirstPoint(),
                                 false);
    SetCursorMode(CursorModeSplitProfileLine);
    Click(150, 200);
    EXPECT_EQ(Profiles().Count(), 1);
    EXPECT_EQ(PointsOf(*line), (Points{{100, 100}, {200, 100}}));
    EXPECT_FALSE(Cpp_LineTool::IsActive());
}

// A construction line split on a segment: the points from the split position on become a new
// construction line with the smallest free number; Escape leaves the line whole.
TEST_F(LineSplitTest, AConstructionLineSplitOnASegmentBecomesTwoLines) {
    Cpp_ConstructionLineList& lines = GetConstructionLineList();
    lines.Clear();
    Cpp_Line* line = lines.NewLine();
    line->SetNumber(1);
    line->AddPoint(100, 100);
    line->AddPoint(200, 100);
    line->AddPoint(300, 150);
    line->NumberPoints();
    ASSERT_TRUE(Cpp_LineTool::StartSplitLine(Cpp_ConstructionLineList::GetDrawAttributes(), line,
                                             line->FirstPoint(), false));
    SetCursorMode(CursorModeSplitConstructionLine);
    Move(140, 190);
    EXPECT_TRUE(Click(140, 190));
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    ASSERT_EQ(lines.Count(), 2);
    EXPECT_EQ(PointsOf(*line), (Points{{100, 100}, {140, 110}}));
    ASSERT_EQ(lines.LineAt(1)->GetNumber(), 2);
    EXPECT_EQ(PointsOf(*lines.LineAt(1)), (Points{{140, 110}, {200, 100}, {300, 150}}));

    Cpp_LineTool::StartSplitLine(Cpp_ConstructionLineList::GetDrawAttributes(), line,
                                 line->FirstPoint(), false);
    SetCursorMode(CursorModeSplitConstructionLine);
    Move(120, 200);
    Key(ViewKeyEscape);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(lines.Count(), 2);
    EXPECT_EQ(PointsOf(*line), (Points{{100, 100}, {140, 110}}));
}

TEST_F(LineSplitTest, EnterTakesTheBarsPointExceptWithTheSplitter) {
    ShowToolBar(BarProfile, true, 1);
    Cpp_ProfileLine* line = Profiles().CreateLine(1, 1, "one");
    line->AddPoint(100, 100);
    line->AddPoint(200, 100);
    dialogs.profileAnswer = ProfileAnswer(1, 0, false, "two");
    TheToolBars().profile.SetPoint(130, 100);
    Cpp_LineTool::StartSplitLine(Cpp_ProfileTool::GetDisplayAttributes(), line, line->FirstPoint(),
                                 true);
    SetCursorMode(CursorModeSplitProfileLine);
    Key(ViewKeyEnter);
    EXPECT_EQ(Profiles().Count(), 1);  // nothing with the splitter
    EXPECT_EQ(GetCursorMode(), CursorModeSplitProfileLine);
    Key(ViewKeyEscape);
    Cpp_LineTool::StartSplitLine(Cpp_ProfileTool::GetDisplayAttributes(), line, line->FirstPoint(),
                                 false);
    SetCursorMode(CursorModeSplitProfileLine);
    Key(ViewKeyEnter);
    ASSERT_EQ(Profiles().Count(), 2);
    EXPECT_EQ(PointsOf(*line), (Points{{100, 100}, {130, 100}}));
}

}  // namespace
