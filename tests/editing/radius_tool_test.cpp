// The radius tool and the rubber-band circle driven by scripted mouse and key records through
// the view's input functions: radius rules of a circle, definitions appended in the fixed-grid
// mode and drawn at once, irregular tangent lines that are stored only with two points or more,
// and the grey circle that changes one definition.

#include "analysis/analysis_computation_data.h"
#include "analysis/radius_definition.h"
#include "core/cursor_mode.h"
#include "core/string_table.h"
#include "editing/circle_tool.h"
#include "editing/cursor_modes.h"
#include "editing/edit_modes.h"
#include "editing/line_entry_tool.h"
#include "editing/radius_tool.h"
#include "editing/tangent_line_tools.h"
#include "editing/tool_dialog_bars.h"
#include "editing/tool_table.h"
#include "editing/view_input_fixture.h"
#include "graphics/prompts.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "registry/view_preparations.h"

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The grey XOR ellipses still shown (each drawn an odd number of times), as boxes.
std::vector<platform::DeviceRect> EllipsesShown(const platform::RecordingDeviceContext& dc) {
    std::vector<platform::DeviceRect> shown;
    for (const platform::DcRecord& r : dc.Records()) {
        if (r.kind != platform::DcRecordKind::Ellipse ||
            r.attributes.rop != platform::RasterOp::XorPen ||
            r.attributes.pen.color != kCircleBandColor)
            continue;
        auto same = [&](const platform::DeviceRect& b) {
            return b.left == r.rect.left && b.top == r.rect.top && b.right == r.rect.right &&
                   b.bottom == r.rect.bottom;
        };
        const auto it = std::find_if(shown.begin(), shown.end(), same);
        if (it == shown.end())
            shown.push_back(r.rect);
        else
            shown.erase(it);
    }
    return shown;
}

class RadiusToolTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        FillStringTable({{1364, "\"Drag\" tip of radius to new radius & left-click"},
                         {1365, "\"Drag\" fixed point to new location & left-click"}});
        Cpp_LineEntry::RegisterDrawing();
        host.editMode = EditModeRadius;
        ShowToolBar(BarRadius, true, 1);
        Analysis().SetMode(1);
        Analysis().SetCircleCenter(100, 100);
    }

    Cpp_AnalysisComputationData& Analysis() {
        return *Cpp_Kliven4Data::CurrentDataSet()->AnalysisComputationData();
    }
    CmDialogBarRadiusTool& Bar() { return TheToolBars().radius; }
    // Definition index 0 constant, 1 fixed point, 2 horizontal tangent, 3 irregular tangent.
    void SetBar(int definition, const std::string& first = "0", const std::string& second = "0") {
        Bar().Controls().SetIndex(CmDialogBarRadiusTool::IdDefinition, definition);
        Bar().Controls().SetText(CmDialogBarRadiusTool::IdFirst, first);
        Bar().Controls().SetText(CmDialogBarRadiusTool::IdSecond, second);
    }
    void UseFixedGrid() {
        Analysis().SetMode(4);
        Cpp_FixedSearchGrid& grid = Analysis().GetFixedSearchGrid();
        grid.SetCounts(3, 3);
        grid.SetCorner(1, 80, 80);
        grid.SetCorner(2, 120, 80);
        grid.SetCorner(3, 120, 120);
        grid.SetCorner(4, 80, 120);  // centre (100, 100)
    }
    std::string Written() {
        std::ostringstream out;
        Analysis().WriteKLIVEN4InputDataFile(out);
        return out.str();
    }
};

TEST_F(RadiusToolTest, ClicksInTheFixedGridModeAppendDefinitionsEachDrawnAtOnce) {
    UseFixedGrid();
    SetBar(0);
    const int radii[][2] = {{130, 200}, {100, 150}, {100, 100}};  // 30, 50, 100 from (100, 100)
    for (int i = 0; i < 3; ++i) {
        const std::size_t before = host.overlay.Records().size();
        Click(radii[i][0], radii[i][1]);
        EXPECT_GT(host.overlay.Records().size(), before) << i;  // drawn at once
    }
    const Cpp_RadiusDefinitionList& list = Analysis().GetRadiusDefinitionList();
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetNth(1)->GetGivenRadius(), 30.0);
    EXPECT_EQ(list.GetNth(2)->GetGivenRadius(), 50.0);
    EXPECT_EQ(list.GetNth(3)->GetGivenRadius(), 100.0);
    EXPECT_EQ(Bar().Controls().Items(CmDialogBarRadiusTool::IdCriterion).back(),
              "(3) Constant radius");
    EXPECT_EQ(host.dataChanges.size(), 3u);
}

TEST_F(RadiusToolTest, ARuleOfTheCircleTakesTheClickOrWithEnterTheTypedValues) {
    struct Case {
        int definition;
        bool enter;
        int option;
        double radius, pointX, pointY, elevation;
    };
    // A click at pixel (130, 160) = world (130, 140), 50 from the centre; typed "12.5", "7".
    const Case cases[] = {{0, false, 0, 50, 0, 0, 0},     {0, true, 0, 12.5, 0, 0, 0},
                          {1, false, 1, 50, 130, 140, 0}, {1, true, 1, 0, 12.5, 7, 0},
                          {2, false, 2, 0, 0, 0, 140},    {2, true, 2, 0, 0, 0, 12.5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.definition * 10 + c.enter);
        SetBar(c.definition, "12.5", "7");
        if (c.enter)
            Key(ViewKeyEnter);
        else
            Click(130, 160);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_EQ(Analysis().GetRadiusOption(), c.option);
        if (c.option == 0) {
            EXPECT_DOUBLE_EQ(Analysis().GetRadius(), c.radius);
        }
        if (c.option == 1) {
            EXPECT_EQ(Analysis().GetThroughPointX(), c.pointX);
            EXPECT_EQ(Analysis().GetThroughPointY(), c.pointY);
        }
        if (c.option == 2) {
            EXPECT_EQ(Analysis().GetTangentLine()->GetElevation(), c.elevation);
        }
        EXPECT_TRUE(Analysis().HasData());
    }
}

// An irregular tangent line of one point stores nothing, whether finished or escaped: the radius
// option stays, the radius can still be asked for, and no definition is appended.
TEST_F(RadiusToolTest, AnIrregularTangentLineOfOnePointStoresNothing) {
    for (int mode : {1, 4}) {
        SCOPED_TRACE(mode);
        if (mode == 4) UseFixedGrid();
        Analysis().SetRadiusOption(0);
        Analysis().SetRadius(25);
        const std::string before = Written();
        SetBar(3);
        Click(50, 250);
        EXPECT_EQ(GetCursorMode(), CursorModeTangentLineEntry);
        Right(50, 250);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);

        Click(50, 250);
        Key(ViewKeyEscape);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_EQ(Analysis().GetRadiusOption(), 0);
        double radius = 0;
        EXPECT_TRUE(Analysis().RadiusForCenter({100, 100}, radius));
        EXPECT_EQ(radius, 25.0);
        EXPECT_EQ(Analysis().GetRadiusDefinitionList().GetCount(), 0);
        EXPECT_EQ(Written(), before);
        EXPECT_TRUE(host.dataChanges.empty());
    }
}

TEST_F(RadiusToolTest, AnIrregularTangentLineOfThreePointsIsStoredAndWrittenWithThem) {
    UseFixedGrid();
    SetBar(3);
    Click(20, 260);   // (20, 40)
    Click(100, 240);  // (100, 60)
    Click(180, 250);  // (180, 50)
    EXPECT_TRUE(Right(180, 250));
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    const Cpp_RadiusDefinitionList& list = Analysis().GetRadiusDefinitionList();
    ASSERT_EQ(list.GetCount(), 1);
    const Cpp_TangentLine& line = *list.GetNth(1)->GetTangentLine();
    EXPECT_EQ(line.GetOption(), Cpp_TangentLine::kIrregular);
    ASSERT_EQ(line.NumberOfPoints(), 3);
    EXPECT_EQ(line.Points()[1].x, 100.0);
    EXPECT_EQ(line.Points()[1].y, 60.0);
    const std::string written = Written();
    EXPECT_NE(written.find("     Tangent line follows -\n"
                           "          20.000000     40.000000\n"
                           "          100.000000     60.000000\n"
                           "          180.000000     50.000000\n\n"),
              std::string::npos)
        << written;
    EXPECT_EQ(host.dataChanges.size(), 1u);

    // For an individual circle the line becomes the circle's; a repeated click finishes.
    Analysis().SetMode(1);
    Click(20, 260);
    Click(180, 250);
    Click(180, 250);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(Analysis().GetRadiusOption(), 2);
    EXPECT_EQ(Analysis().GetTangentLine()->NumberOfPoints(), 2);
}

TEST_F(RadiusToolTest,
       TheRubberBandCircleAboutCentrePixel100And100ThroughCursor103And104HasRadius5) {
    Cpp_RadiusDefinition definition(10.0);
    double cx = 0, cy = 0;
    Cpp_Graphics::PixelToWorldPoint(100, 100, cx, cy);
    ASSERT_TRUE(Cpp_RubberBandCircle::StartChange(&definition, cx, cy, 103, 104));
    EXPECT_EQ(GetCursorMode(), CursorModeChangeGivenRadius);
    EXPECT_EQ(Status(), "\"Drag\" tip of radius to new radius & left-click");
    const std::vector<platform::DeviceRect> shown = EllipsesShown(host.overlay);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].left, 95);
    EXPECT_EQ(shown[0].top, 95);
    EXPECT_EQ(shown[0].right, 105);
    EXPECT_EQ(shown[0].bottom, 105);

    Move(130, 60);  // world (130, 240): 50 from (100, 200)
    EXPECT_EQ(host.toolTip, "Radius: 50.000");
    Click(130, 60);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(definition.GetGivenRadius(), 50.0);
    EXPECT_TRUE(EllipsesShown(host.overlay).empty());
    EXPECT_EQ(host.dataChanges.size(), 1u);
}

TEST_F(RadiusToolTest, TheRubberBandSetsAFixedPointAndLeavesAnIrregularTangentLineAsItIs) {
    Cpp_RadiusDefinition point(5.0, 5.0);
    Cpp_RubberBandCircle::StartChange(&point, 100, 100, 100, 200);
    Move(40, 250);
    EXPECT_EQ(host.toolTip, "X: 40.000000 , Y: 50.000000\nRadius: 78.102");
    Click(40, 250);
    EXPECT_EQ(point.GetFixedPoint().x, 40.0);
    EXPECT_EQ(point.GetFixedPoint().y, 50.0);

    Cpp_RadiusDefinition tangent = Cpp_RadiusDefinition::WithOption(2);
    tangent.GetTangentLine()->ChangeOption(Cpp_TangentLine::kIrregular);
    tangent.GetTangentLine()->AddPoint(0, 0);
    tangent.GetTangentLine()->AddPoint(10, 0);
    const Cpp_RadiusDefinition before = tangent;
    Cpp_RubberBandCircle::StartChange(&tangent, 100, 100, 100, 200);
    Click(40, 250);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_TRUE(tangent == before);
    EXPECT_TRUE(EllipsesShown(host.overlay).empty());
}

// The point tools on an irregular tangent line: a point dragged, one inserted on a segment and
// one added after the last from the radius bar; each change is the tangent line's.
TEST_F(RadiusToolTest, ThePointToolsChangeTheTangentLinesPoints) {
    Cpp_TangentLine& line = *Analysis().GetTangentLine();
    line.ChangeOption(Cpp_TangentLine::kIrregular);
    line.AddPoint(20, 40);
    line.AddPoint(100, 60);
    line.AddPoint(180, 50);
    auto points = [&] {
        std::vector<std::pair<double, double>> out;
        for (const s_tagTypePointXY& p : line.Points()) out.emplace_back(p.x, p.y);
        return out;
    };
    ASSERT_TRUE(Cpp_TangentLineTool::StartDragPoint(&line, 1, 100, 240));
    EXPECT_EQ(GetCursorMode(), CursorModeDragTangentPoint);
    Move(110, 230);
    Click(110, 230);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(points(), (std::vector<std::pair<double, double>>{{20, 40}, {110, 70}, {180, 50}}));

    ASSERT_TRUE(Cpp_TangentLineTool::StartInsertPoint(&line, 0));
    EXPECT_EQ(GetCursorMode(), CursorModeInsertTangentPoint);
    Move(60, 250);
    Click(60, 250);
    EXPECT_EQ(points(),
              (std::vector<std::pair<double, double>>{{20, 40}, {60, 50}, {110, 70}, {180, 50}}));

    ASSERT_TRUE(Cpp_TangentLineTool::StartAddPointAtEnd(&line, false));
    EXPECT_EQ(GetCursorMode(), CursorModeAddPointTangentLine);
    SetBar(3, "200", "45");
    Key(ViewKeyEnter);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_EQ(points().back(), std::pair(200.0, 45.0));
    EXPECT_EQ(line.NumberOfPoints(), 5);
    EXPECT_EQ(host.dataChanges.size(), 3u);
}

}  // namespace

namespace {

// An irregular tangent line entered with the radius tool, finished or escaped, leaves the radius
// tool's prompt for the mode of the computations in the status line.
TEST_F(RadiusToolTest, AnEndedTangentLineEntryLeavesTheRadiusToolsPrompt) {
    struct Case {
        int mode;
        const char* prompt;
    };
    const Case cases[] = {{1, "Enter how radius of circle defined"},
                          {4, "Enter a criterion for radii"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        if (c.mode == 4) UseFixedGrid();
        SetBar(3);
        Click(50, 250);
        Key(ViewKeyEscape);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_EQ(Status(), c.prompt);
        Click(20, 260);
        Click(180, 250);
        Right(180, 250);
        EXPECT_EQ(GetCursorMode(), CursorModeNone);
        EXPECT_EQ(Status(), c.prompt);
    }
}

// A document opened (the tools reset, then the old data deleted) while the rubber band changes
// a radius definition: the step ends and nothing draws or changes the deleted definition.
TEST_F(RadiusToolTest, ResettingTheToolsEndsTheRubberBandOnADefinition) {
    Cpp_RubberBandCircle::RegisterDrawing();
    auto definition = std::make_unique<Cpp_RadiusDefinition>(10.0);
    ASSERT_TRUE(Cpp_RubberBandCircle::StartChange(definition.get(), 100, 100, 103, 104));
    ASSERT_TRUE(Cpp_RubberBandCircle::IsActive());
    ToolContext context(&host);
    ResetTools(context);
    definition.reset();
    EXPECT_FALSE(Cpp_RubberBandCircle::IsActive());
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    platform::RecordingDeviceContext painted(400, 300);
    RunAfterDataDrawings(e_AfterDataStep::ToolFeedback, painted, nullptr);
    EXPECT_TRUE(painted.Records().empty());
    EXPECT_EQ(host.toolTip, "");
    EXPECT_TRUE(host.dataChanges.empty());
}

}  // namespace
