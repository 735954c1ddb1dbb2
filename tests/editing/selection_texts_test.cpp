// The status-line prompt and the tool tip of a selected item, by kind; the prompt as select mode
// shows it, and the tool tip of the item under the cursor while nothing is selected.

#include "core/string_table.h"
#include "editing/selection.h"
#include "editing/selection_list.h"
#include "editing/view_input_fixture.h"
#include "editing/view_selection.h"
#include "loads/line_load.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/piezometric_line.h"
#include "porepressure/vertex.h"
#include "profile/profile_line.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class SelectionTextsTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        FillStringTable(
            {{1308, "Select item to modify, etc."}, {1309, "Right-click for edit options"}});
        ds = Cpp_Kliven4Data::CurrentDataSet();
    }

    // A profile line of the data set through the points given, numbered 1, 2, ...
    Cpp_ProfileLine* Profile(int number, int material,
                             std::initializer_list<std::pair<double, double>> points) {
        Cpp_ProfileLine* line = ds->ProfileLines().CreateLine(number, material, "");
        for (const auto& [x, y] : points) line->AddPoint(x, y);
        line->NumberPoints();
        return line;
    }
    static Cpp_PointXY* Nth(Cpp_Line* line, int n) {
        Cpp_PointXY* p = line->FirstPoint();
        while (p && --n > 0) p = p->Next();
        return p;
    }
    Cpp_Selection Load(int kind, Cpp_LineLoad* load) {
        Cpp_Selection s;
        s.SetLoadPointItem(ds, 1, kind, load);
        return s;
    }
    Cpp_Selection Item(int kind, void* ref1, void* ref2 = nullptr) {
        Cpp_Selection s;
        s_SelectionReferences r;
        r.ref1 = ref1;
        r.ref2 = ref2;
        s.SetFromValues(ds, 1, kind, r);
        return s;
    }
    static std::string Prompt(const Cpp_Selection& s, std::string text = "unchanged") {
        EXPECT_TRUE(s.GetPromptText(text));
        return text;
    }
    static std::string Tip(const Cpp_Selection& s) {
        std::string text;
        return s.GetToolTipText(text) ? text : "<none>";
    }

    Cpp_Kliven4DataSet* ds = nullptr;
};

TEST_F(SelectionTextsTest, PromptsOfLinePointsAndSegmentsByKind) {
    Cpp_ProfileLine* line = Profile(2, 1, {{0, 5}, {5, 5}, {10, 5}, {10, 9}, {14, 7}});
    struct Case {
        int kind;
        int point;  // the point, or the segment's first point
        const char* prompt;
    };
    const Case cases[] = {
        {84, 3, "Selected Point 3 on Profile Line 2 - X: 10.00, Y: 5.00"},
        {86, 1, "Profile Line 2, Segment no. 1: Segment is horizontal."},
        {86, 3, "Profile Line 2, Segment no. 3: Segment is vertical."},
        {86, 4,
         "Profile Line 2, Segment no. 4: Slope (dy/dx): -0.500, Ratio (dx/dy): -2.000, Slope "
         "(degrees): -26.57"},
        {9, 2, "Selected Point 2 on Construction Line 2 - X: 5.00, Y: 5.00"},
        {8, 1, "Selected Construction Line 2 Segment 1 - Length: 5.00, Slope: Horizontal"},
        {8, 3, "Selected Construction Line 2 Segment 3 - Length: 4.00, Slope: Vertical"},
        {8, 4,
         "Selected Construction Line 2 Segment 4 - Length: 4.47, Slope (dy/dx): -0.500, Ratio "
         "(dx/dy): -2.000"},
        {132, 5, "Slope Point - X: 14.00, Y: 7.00"},
        {134, 1, "Slope Line Segment - Segment is horizontal"},
        {134, 3, "Slope Line Segment - Segment is vertical"},
        {134, 4, "Slope Line Segment - Inclination: 26.57 (degrees) - -2.00(H):1.00(V)"},
        {78, 3, "Selected Point 3 on Piezometric Line 2 - X: 10.00, Y: 5.00"},
        {80, 1, "Selected Piezometric Line 2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Prompt(Item(c.kind, line, Nth(line, c.point))), c.prompt) << c.kind;
}

TEST_F(SelectionTextsTest, AZeroLengthSegmentReadsVertical) {
    Cpp_ProfileLine* line = Profile(1, 1, {{3, 3}, {3, 3}});
    EXPECT_EQ(Prompt(Item(8, line, line->FirstPoint())),
              "Selected Construction Line 1 Segment 1 - Length: 0.00, Slope: Vertical");
    EXPECT_EQ(Prompt(Item(134, line, line->FirstPoint())),
              "Slope Line Segment - Segment is vertical");
}

TEST_F(SelectionTextsTest, PiezometricPromptsNameTheStageOnceASecondStageLineExists) {
    Cpp_ProfileLine* line = Profile(1, 1, {{0, 0}, {10, 0}});
    const Cpp_Selection point = Item(78, line, line->FirstPoint());
    EXPECT_EQ(Prompt(point), "Selected Point 1 on Piezometric Line 1 - X: 0.00, Y: 0.00");
    ds->PiezometricLines(2)->CreateLine(1, 62.4, "");
    EXPECT_EQ(Prompt(point),
              "Selected Point 1 on Piezometric Line 1 - X: 0.00, Y: 0.00 - (Stage 1)");
    EXPECT_EQ(Prompt(Item(80, line, line->FirstPoint())),
              "Selected Piezometric Line 1 - (Stage 1)");
}

TEST_F(SelectionTextsTest, InterpolationPromptsKeepTheirSpellingsAndTellAnyMaterial) {
    Cpp_VERTEX vertex(4, 1.5, 2.5, 0.25);
    struct Case {
        int kind;
        int material;
        const char* prompt;
    };
    const Case cases[] = {
        {92, 0, "Interpolation Pt. 4 for Any Mat'l - Pressure: 0.25, X: 1.50, Y: 2.50"},
        {92, 3, "Interpolation Pt. 4 for Mat/'l 3 - Pressure: 0.25, X: 1.50, Y: 2.50"},
        {108, 0, "Interpolation Pt. 4 for Any Mat/'l - R-sub-U: 0.250, X: 1.50, Y: 2.50"},
        {138, 2,
         "Selected Interpolation Point 4 for Material 2 - Strength: 0.25, X: 1.50, Y: 2.50"},
        {14, 0, "Selected Interpolation Point 4 for Any Material - C/P: 0.25, X: 1.50, Y: 2.50"},
    };
    for (const Case& c : cases) {
        Cpp_InterpolationDataSet set(1, c.material);
        EXPECT_EQ(Prompt(Item(c.kind, &set, &vertex)), c.prompt) << c.kind;
    }
}

TEST_F(SelectionTextsTest, KindsWithoutAPromptKeepTheTextOrSayUnrecognized) {
    ds->AnalysisComputationData()->SetMode(4);
    EXPECT_EQ(Prompt(Item(53, nullptr)), "unchanged");  // the centre in a fixed-grid search
    EXPECT_EQ(Prompt(Item(46, nullptr)), "Fixed grid corner");
    EXPECT_EQ(Prompt(Item(16, nullptr)), "unchanged");
    EXPECT_EQ(Prompt(Item(146, nullptr)), "Unrecognized selection");
    EXPECT_EQ(Prompt(Item(41, nullptr)), "Unrecognized selection");
}

TEST_F(SelectionTextsTest, SelectModeShowsThePromptOfTheLastSelectedItem) {
    ShowSelectionPrompt();
    EXPECT_EQ(Status(), "Select item to modify, etc.");
    Cpp_ProfileLine* line = Profile(2, 1, {{0, 5}, {5, 5}, {10, 5}});
    GetCurrentSelection().AddCopy(Item(84, line, Nth(line, 3)));
    ShowSelectionPrompt();
    EXPECT_EQ(Status(),
              "Selected Point 3 on Profile Line 2 - X: 10.00, Y: 5.00 - Right-click for edit "
              "options; Press enter key to change point values.");
    // Kind 53 in a fixed-grid search has no prompt: the hint alone.
    ds->AnalysisComputationData()->SetMode(4);
    GetCurrentSelection().AddCopy(Item(53, nullptr));
    ShowSelectionPrompt();
    EXPECT_EQ(Status(), "Right-click for edit options");
}

TEST_F(SelectionTextsTest, ToolTipsByKind) {
    Cpp_ProfileLine* line = Profile(2, 7, {{0, 5}, {5, 5}, {10, 5}, {10, 9}, {14, 7}});
    line->SetDescription("Upper clay");
    Cpp_VERTEX vertex(4, 1.5, 2.5, 0.25);
    Cpp_InterpolationDataSet anyMaterial(5, 0);
    Cpp_LineLoad byComponents(1, 2, 3, 1, 10, 20);
    Cpp_LineLoad byResultant(2, 2, 3, 2, 100, 30);
    struct Case {
        Cpp_Selection item;
        const char* tip;
    };
    const Case cases[] = {
        {Item(84, line, Nth(line, 3)), "Prof. Pt. No. 3\nLine No. 2\nX: 10.000, Y: 5.000"},
        {Item(86, line, Nth(line, 2)), "Prof. Line No. 2\nUpper clay\nSegment 2\nMaterial: 7"},
        {Item(9, line, Nth(line, 1)), "Const. Line No. 2\nPoint No. 1\nX: 0.000, Y: 5.000"},
        {Item(132, line, Nth(line, 5)), "Slope Pt.\nX: 14.000, Y: 7.000"},
        {Item(134, line, Nth(line, 3)), "Slope Line\nSegment 3\nSegment is vertical"},
        {Item(134, line, Nth(line, 4)),
         "Slope Line\nSegment 4\nSlope (dy/dx):-0.500\nSlope (degrees): -26.57"},
        {Item(14, &anyMaterial, &vertex),
         "c/p Interp. Pt. No. 4\nMaterial No.: ALL\nX: 1.500, Y: 2.500\nc/p: 0.25"},
        {Load(62, &byComponents), "Line Load\nX: 2.000, Y: 3.000\nHoriz: 10.000\nVert: 20.000"},
        {Load(64, &byResultant), "Line Load\nX: 2.000, Y: 3.000\nForce: 100.000\nAngle: 0.524"},
        {Item(88, line), ""},                // a kind with nothing to tell
        {Item(16, &anyMaterial), "<none>"},  // triangles have no tool tip
    };
    for (const Case& c : cases) EXPECT_EQ(Tip(c.item), c.tip) << c.item.GetType();
}

TEST_F(SelectionTextsTest, MaterialRegionTipsNameWhatIsMissing) {
    EXPECT_EQ(Tip(Item(72, Profile(1, 0, {{0, 0}, {1, 0}}))), "Mat'l: ??, Prof.Line: 1");
    EXPECT_EQ(Tip(Item(72, Profile(2, 5, {{0, 0}, {1, 0}}))),
              "Mat'l: 5, Prof.Line: 2\nMat'l properties missing");
}

// Hover in select mode with nothing selected (one pixel a world unit, pixel y = 300 - y).
TEST_F(SelectionTextsTest, HoverShowsThePointThenTheCoordinatesThenTheRegionUnderThem) {
    Profile(1, 1, {{100, 100}, {200, 100}});
    Profile(2, 1, {{0, 5}, {5, 5}, {10, 5}, {20, 5}});
    Move(10, 295);
    EXPECT_EQ(host.toolTip, "Prof. Pt. No. 3\nLine No. 2\nX: 10.000, Y: 5.000");
    Move(300, 100);
    EXPECT_EQ(host.toolTip, "X: 300.000000 , Y: 200.000000");  // the coordinate decimals
    Move(150, 250);  // below line 1: the region of its material
    EXPECT_EQ(host.toolTip,
              "X: 150.000000 , Y: 50.000000\nMat'l: 1, Prof.Line: 1\nMat'l properties missing");
    EXPECT_EQ(host.invalidated, 0);
}

}  // namespace
