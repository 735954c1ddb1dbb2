// The construction tool driven by scripted mouse and key records through the view's input
// functions: construction lines entered point by point, circles entered with their band for
// each radius rule, what the view shows while they are entered and after, and the lines and
// circles left in the program-wide lists (and written to the CON block).

#include "core/cursor_mode.h"
#include "editing/construction_items.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/line_entry_tool.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_input_fixture.h"
#include "graphics/graphics.h"
#include "graphics/palette.h"
#include "graphics/prompts.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using platform::DcRecordKind;
using platform::DeviceRect;

std::vector<std::pair<double, double>> Points(const Cpp_Line& line) {
    std::vector<std::pair<double, double>> pairs;
    for (const Cpp_PointXY* p = line.FirstPoint(); p; p = p->Next())
        pairs.emplace_back(p->X(), p->Y());
    return pairs;
}

// XOR figures left on the view: each drawn an odd number of times (drawn twice it is gone).
std::map<std::string, int> XorShown(const platform::RecordingDeviceContext& dc) {
    std::map<std::string, int> count;
    for (const platform::DcRecord& r : dc.Records()) {
        if (r.attributes.rop != platform::RasterOp::XorPen) continue;
        std::string key = platform::KindName(r.kind);
        if (r.kind == DcRecordKind::Ellipse)
            key += " " + std::to_string(r.rect.left) + "," + std::to_string(r.rect.top) + "," +
                   std::to_string(r.rect.right) + "," + std::to_string(r.rect.bottom);
        for (const platform::DevicePoint& p : r.points)
            key += " " + std::to_string(p.x) + "," + std::to_string(p.y);
        count[key] ^= 1;
    }
    std::erase_if(count, [](const auto& e) { return e.second == 0; });
    return count;
}

class ConstructionToolTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        host.editMode = EditModeConstruction;
        ShowToolBar(BarConstruction, true, 1);
        platform::Services().SetPromptBar(&promptBar);
    }
    CmDialogBarConstructionTool& Bar() { return TheToolBars().construction; }
    Cpp_ConstructionLineList& Lines() { return GetConstructionLineList(); }
    Cpp_ConstructionCircleList& Circles() { return GetConstructionCircleList(); }
    void CircleBox(int definition) {
        Bar().Controls().SetIndex(CmDialogBarConstructionTool::IdCircle, 1);
        Bar().OnControl(CmDialogBarConstructionTool::IdCircle);
        Bar().Controls().SetIndex(CmDialogBarConstructionTool::IdDefinition, definition);
        Bar().OnControl(CmDialogBarConstructionTool::IdDefinition);
    }
    void Escape(bool shift = false) { Key(ViewKeyEscape, shift); }
    void Enter() { Key(ViewKeyEnter); }

    testsupport::FakePromptBar promptBar;
};

TEST_F(ConstructionToolTest, ClickingTheLastPointAgainFinishesTheLineWithTheSmallestFreeNumber) {
    Lines().NewLine()->SetNumber(1);
    Lines().LineAt(0)->AddPoint(0, 0);
    Click(100, 200);  // world (100, 100)
    EXPECT_EQ(GetCursorMode(), CursorModeConstructionLineEntry);
    EXPECT_EQ(promptBar.text, Cpp_LineEntry::EntryPrompt(1));
    double x = 0, y = 0;
    ASSERT_TRUE(Bar().GetPoint(x, y));  // the click is shown in the bar
    EXPECT_EQ(std::pair(x, y), std::pair(100.0, 100.0));
    Move(150, 150);
    Click(150, 150);
    EXPECT_TRUE(Click(150, 150));  // the same place again: the line is made
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    ASSERT_EQ(Lines().Count(), 2);
    const Cpp_Line& line = *Lines().LineAt(1);
    EXPECT_EQ(line.GetNumber(), 2);
    EXPECT_EQ(Points(line), (std::vector<std::pair<double, double>>{{100, 100}, {150, 150}}));
    EXPECT_FALSE(host.dataChanges.empty());  // the document holds it
    // No band is left on the view.
    EXPECT_TRUE(XorShown(host.overlay).empty());
}

TEST_F(ConstructionToolTest, ARightClickAfterOnePointMakesAConstructionPoint) {
    Click(100, 200);
    Move(120, 220);
    EXPECT_TRUE(Right(120, 220));
    ASSERT_EQ(Lines().Count(), 1);
    EXPECT_EQ(Lines().LineAt(0)->GetNumber(), 1);
    EXPECT_EQ(Points(*Lines().LineAt(0)), (std::vector<std::pair<double, double>>{{100, 100}}));
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_TRUE(XorShown(host.overlay).empty());

    // Escape drops an entry; Shift+Escape takes a point back.
    Click(10, 290);
    Click(20, 290);
    Escape(true);
    EXPECT_EQ(Cpp_LineEntry::EnteredCount(), 1);
    Escape();
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Lines().Count(), 1);
}

TEST_F(ConstructionToolTest, EnterTakesThePointsTypedInTheBar) {
    Bar().Controls().SetText(CmDialogBarConstructionTool::IdX, "10");
    Bar().Controls().SetText(CmDialogBarConstructionTool::IdY, "20");
    Enter();
    EXPECT_EQ(GetCursorMode(), CursorModeConstructionLineEntry);
    Bar().Controls().SetText(CmDialogBarConstructionTool::IdX, "30");
    Enter();
    Enter();  // the same typed point again: finished
    ASSERT_EQ(Lines().Count(), 1);
    EXPECT_EQ(Points(*Lines().LineAt(0)),
              (std::vector<std::pair<double, double>>{{10, 20}, {30, 20}}));
    // A field that holds no number starts nothing.
    Bar().Controls().SetText(CmDialogBarConstructionTool::IdX, "1e");
    Enter();
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_FALSE(Cpp_LineEntry::IsActive());
}

// Centre clicked at pixel (100, 200) = world (100, 100), the second click at pixel (130, 160)
// = world (130, 140).
TEST_F(ConstructionToolTest, EachRadiusRuleHasItsPromptBandAndCircle) {
    struct Case {
        int type;
        const char* prompt;
        double radius, value1, value2;
        std::vector<std::string> band;  // besides the circle, at the cursor (130, 160)
        int bandRadius;
    };
    const std::vector<Case> cases = {
        {0, "Set radius of circle; Escape to cancel", 50, 0, 0, {"Line 100,200 130,160"}, 50},
        {1,
         "Set point through which circles passes; Escape to cancel",
         50,
         130,
         140,
         {"Ellipse 125,155,135,165"},
         50},
        {2,
         "Set elevation (Y) of horizontal tangent; Escape to cancel",
         40,
         140,
         0,
         {"Line 0,160 400,160"},
         40},
        {3,
         "Set horizontal position (X) of vertical tangent; Escape to cancel",
         30,
         130,
         0,
         {"Line 130,0 130,300"},
         30},
    };
    host.overlay.SetPageRect({0, 0, 400, 300});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        CircleBox(c.type);
        host.overlay.Clear();
        Click(100, 200);
        EXPECT_EQ(GetCursorMode(), CursorModeConstructionCircleEntry);
        EXPECT_EQ(promptBar.text, c.prompt);
        Move(130, 160);
        std::map<std::string, int> expected;
        const int r = c.bandRadius;
        expected["Ellipse " + std::to_string(100 - r) + "," + std::to_string(200 - r) + "," +
                 std::to_string(100 + r) + "," + std::to_string(200 + r)] = 1;
        for (const std::string& figure : c.band) expected[figure] = 1;
        EXPECT_EQ(XorShown(host.overlay), expected);
        EXPECT_TRUE(Click(130, 160));
        EXPECT_TRUE(XorShown(host.overlay).empty());
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_EQ(promptBar.text, "");
        ASSERT_EQ(Circles().GetCount(), 1);
        const Cpp_ConstructionCircle& circle = *Circles().Circles().front();
        EXPECT_EQ(circle.GetDefinitionType(), c.type);
        EXPECT_DOUBLE_EQ(circle.GetRadius(), c.radius);
        double v1 = -1, v2 = -1;
        circle.GetDefinitionPoint(v1, v2);
        EXPECT_EQ(std::pair(v1, v2), std::pair(c.value1, c.value2));
        EXPECT_EQ(std::pair(circle.CentreX(), circle.CentreY()), std::pair(100.0, 100.0));
        Circles().DeleteAll();
    }
}

TEST_F(ConstructionToolTest, EscapeDropsTheCircleAndATypedStartAddsItAtOnce) {
    CircleBox(0);
    Click(100, 200);
    Move(140, 200);
    Escape();
    EXPECT_TRUE(XorShown(host.overlay).empty());
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Circles().GetCount(), 0);

    Bar().Controls().SetText(CmDialogBarConstructionTool::IdX, "5");
    Bar().Controls().SetText(CmDialogBarConstructionTool::IdY, "6");
    Bar().Controls().SetText(CmDialogBarConstructionTool::IdFirst, "2.5");
    Enter();
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    ASSERT_EQ(Circles().GetCount(), 1);
    EXPECT_DOUBLE_EQ(Circles().Circles().front()->GetRadius(), 2.5);
    EXPECT_EQ(Circles().Circles().front()->CentreX(), 5.0);
}

// A circle needs a radius rule 0 to 3: without one the entry does not start, and a rule lost
// before the second click makes no circle (one without a rule could not be written).
TEST_F(ConstructionToolTest, ACircleWithoutARadiusRuleIsNeverMade) {
    CircleBox(-1);
    Click(100, 200);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    Enter();
    EXPECT_EQ(Circles().GetCount(), 0);

    CircleBox(0);
    Click(100, 200);
    Move(140, 200);
    Bar().Controls().SetIndex(CmDialogBarConstructionTool::IdDefinition, -1);
    EXPECT_FALSE(Click(140, 200));
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_TRUE(XorShown(host.overlay).empty());
    EXPECT_EQ(Circles().GetCount(), 0);
}

// What the view shows after the data set: lines with their points, the number of a one-point
// line beside it, and each circle with its centre symbol.
TEST_F(ConstructionToolTest, TheItemsAreDrawnInTheConstructionColour) {
    Cpp_Line* line = Lines().NewLine();
    line->SetNumber(3);
    line->AddPoint(10, 10);
    line->AddPoint(50, 10);
    Cpp_Line* point = Lines().NewLine();
    point->SetNumber(7);
    point->AddPoint(200, 100);
    Circles().NewCircle(100, 100, 0, 20, 0);

    platform::RecordingDeviceContext dc(400, 300);
    {
        Cpp_ScopedGraphicsDC current(dc, Cpp_Graphics::kOutputScreen);
        DrawConstructionItems(dc);
    }
    const platform::ColorRef colour = Cpp_WindowsPalette::RGBColor(27);
    bool segment = false, ellipse = false, number = false;
    for (const platform::DcRecord& r : dc.Records()) {
        if ((r.kind == DcRecordKind::Polyline || r.kind == DcRecordKind::Line) &&
            r.attributes.pen.color == colour &&
            r.points.front() == platform::DevicePoint{10, 290} &&
            r.points.back() == platform::DevicePoint{50, 290})
            segment = true;
        if (r.kind == DcRecordKind::Ellipse && r.rect == DeviceRect{80, 180, 120, 220}) {
            ellipse = true;
            EXPECT_EQ(r.attributes.pen.color, colour);
            EXPECT_EQ(r.attributes.brush.kind, platform::BrushKind::Hollow);
        }
        if (r.kind == DcRecordKind::Text) {
            EXPECT_EQ(r.text, "7");  // only the one-point line is numbered
            number = true;
        }
    }
    EXPECT_TRUE(segment);
    EXPECT_TRUE(ellipse);
    EXPECT_TRUE(number);

    // Hidden lines and circles are not drawn; the point numbers always are.
    Lines().SetShowLines(false);
    Lines().SetShowPoints(false);
    Circles().SetShowCircles(false);
    platform::RecordingDeviceContext hidden(400, 300);
    {
        Cpp_ScopedGraphicsDC current(hidden, Cpp_Graphics::kOutputScreen);
        DrawConstructionItems(hidden);
    }
    for (const platform::DcRecord& r : hidden.Records())
        EXPECT_EQ(r.kind, DcRecordKind::Text) << platform::KindName(r.kind);
}

// Entered items reach the CON block of the document.
TEST_F(ConstructionToolTest, EnteredItemsAreWrittenToTheDocument) {
    Click(100, 200);
    Right(100, 200);
    CircleBox(2);
    Click(100, 200);
    Click(100, 250);  // horizontal tangent at y = 50
    std::FILE* f = testsupport::FileWith("");
    ASSERT_TRUE(WriteConstructionData(f));
    EXPECT_EQ(testsupport::Contents(f),
              "CONstruction line data follow -\n"
              "     1       1 = number of lines and circles\n"
              "     1\n"
              "                    100.000000          100.000000\n"
              "\n"
              "\n"
              "          0 = circle number\n"
              "                    100.000000          100.000000    2                50.000000\n"
              "\n");
    std::fclose(f);
}

}  // namespace
