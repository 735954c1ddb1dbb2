// Piezometric lines on the recording device context: lines, point symbols and triangle-framed
// number labels of each stage under their display flags; picking; the information page and
// the tool tips of a picked piezometric item.

#include "graphics/graphic_string.h"
#include "graphics/pick.h"
#include "model/data_set.h"
#include "model/porepressure_drawing_layers.h"
#include "porepressure/piezometric_drawing.h"
#include "porepressure/piezometric_line.h"
#include "porepressure/pp_drawing_fixture.h"
#include "registry/display_selections.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using platform::DcRecordKind;

class PiezometricDrawingTest : public PpDrawingFixture {
protected:
    void SetUp() override {
        PpDrawingFixture::SetUp();
        for (int stage = 1; stage <= 2; ++stage) SetPiezometricPickFilter(stage, true, true, true);
        auto* one = data.PiezometricLines(1)->CreateLine(1, 62.4, "Phreatic surface");
        one->AddTaggedPoint(1, 0, 50);
        one->AddTaggedPoint(2, 40, 60);
        one->AddTaggedPoint(3, 100, 55);
        auto* two = data.PiezometricLines(2)->CreateLine(4, 9.81, "Stage two");
        two->AddTaggedPoint(1, 0, 20);
        two->AddTaggedPoint(2, 100, 30);
    }
    static std::vector<platform::DcRecord> InColour(const std::vector<platform::DcRecord>& records,
                                                    int palette) {
        std::vector<platform::DcRecord> out;
        const platform::ColorRef c = s_ColorType(palette, 7).RGBColor();
        for (const auto& r : records)
            if (r.attributes.pen.color == c) out.push_back(r);
        return out;
    }
    Cpp_Kliven4DataSet data{1};
};

TEST_F(PiezometricDrawingTest, LinesPointsAndTriangleFramedNumbersInTheStageColours) {
    DrawPiezometricPointsAndLines(data);
    const auto polylines = dc.OfKind(DcRecordKind::Polyline);
    // Stage 1: one line of three points in blue (12); its points are filled squares (style 6).
    const auto blue = InColour(polylines, 12);
    ASSERT_EQ(blue.size(), 1u);
    EXPECT_EQ(blue[0].points.size(), 3u);
    EXPECT_EQ(blue[0].points[1], Cpp_Graphics::WorldToPixel(40, 60));
    EXPECT_EQ(dc.Count(DcRecordKind::FillRect), 3u);
    // Stage 2: the line and two outlined squares (style 4) in dark blue (13).
    const auto darkBlue = InColour(polylines, 13);
    ASSERT_EQ(darkBlue.size(), 3u);
    EXPECT_EQ(std::count_if(darkBlue.begin(), darkBlue.end(),
                            [](const auto& r) { return r.points.size() == 5; }),
              2);
    // Points come before lines within a stage.
    const auto& records = dc.Records();
    const auto firstLine = std::find_if(records.begin(), records.end(), [](const auto& r) {
        return r.kind == DcRecordKind::Polyline && r.points.size() == 3;
    });
    EXPECT_EQ(std::count_if(records.begin(), firstLine,
                            [](const auto& r) { return r.kind == DcRecordKind::FillRect; }),
              3);

    dc.Clear();
    DrawPiezometricNumbersAndCoordinates(data);
    const auto texts = dc.Texts();
    EXPECT_EQ(texts, (std::vector<std::string>{"1", "4"}));
    // Each number sits in a triangle at the middle of the line's longest segment.
    const auto frames = dc.OfKind(DcRecordKind::Polygon);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].points.size(), 3u);
    EXPECT_EQ(data.PiezometricLines(1)->FindLine(1)->LabelAnchorX(), 70);
    EXPECT_EQ(frames[0].attributes.pen.color, s_ColorType(12, 7).RGBColor());
}

TEST_F(PiezometricDrawingTest, DisplayFlagsReachTheListsAndHideTheirItems) {
    s_DisplayFlagsType flags;
    flags.piezometricLines[0] = false;
    flags.piezometricNumbers[1] = false;
    flags.piezometricCoordinates[0] = true;
    ApplyPiezometricDisplayFlags(data, flags);
    DrawPiezometricPointsAndLines(data);
    DrawPiezometricNumbersAndCoordinates(data);
    for (const auto& r : dc.OfKind(DcRecordKind::Polyline))  // the stage-1 line is hidden
        EXPECT_NE(r.points.front(), Cpp_Graphics::WorldToPixel(0, 50));
    EXPECT_EQ(dc.Count(DcRecordKind::FillRect), 3u);  // its points are not
    const auto texts = dc.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "1"), texts.end());
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "4"), texts.end());
    // Coordinates of the stage-1 points.
    EXPECT_NE(
        std::find_if(texts.begin(), texts.end(),
                     [](const std::string& t) { return t.find("40.00") != std::string::npos; }),
        texts.end());
}

TEST_F(PiezometricDrawingTest, PrinterDrawsNoNumberLabels) {
    Cpp_Graphics::SetOutputMode(Cpp_Graphics::kOutputPrinter);
    DrawPiezometricNumbersAndCoordinates(data);
    EXPECT_TRUE(dc.Texts().empty());
}

TEST_F(PiezometricDrawingTest, HitTestsRankPointsOverSegmentsAndFollowTheFlags) {
    Cpp_PiezometricLineList& list = *data.PiezometricLines(1);
    list.FindLine(1)->SetLabelAnchor(70, 57.5);
    const struct {
        double x, y;
        bool usePickFilter;
        int expected;
    } cases[] = {
        {40.5, 60.2, false, PICK_PIEZOMETRIC_POINT},   // on a point where two segments meet
        {20, 55.1, false, PICK_PIEZOMETRIC_SEGMENT},   // halfway along the first segment
        {70.2, 57.4, false, PICK_PIEZOMETRIC_NUMBER},  // the label beats the segment under it
        {20, 80, false, 0},                            // nothing near
    };
    for (const auto& c : cases) {
        s_PickType pick;
        pick.x = c.x, pick.y = c.y, pick.tolerance = 1.0;
        const s_PiezometricHit hit = HitTestPiezometricLines(list, pick, c.usePickFilter);
        EXPECT_EQ(hit.kind, c.expected) << c.x << ", " << c.y;
    }
    // Points filtered out: the segment is found instead.
    SetPiezometricPickFilter(1, false, true, true);
    s_PickType pick{40.5, 60.2, 1.0};
    EXPECT_EQ(HitTestPiezometricLines(list, pick, true).kind, PICK_PIEZOMETRIC_SEGMENT);
    // Hidden lines give no segments even with the pick flags on.
    list.SetShowLines(false);
    s_PickType again{20, 55.1, 1.0};
    EXPECT_EQ(HitTestPiezometricLines(list, again, true).kind, 0);
}

TEST_F(PiezometricDrawingTest, InformationPagesOfPointSegmentAndLabel) {
    Cpp_PiezometricLine& line = *data.PiezometricLines(1)->FindLine(1);
    Cpp_PointXY* second = line.FirstPoint()->Next();
    auto& info = fakes.infoWindow;
    info.Initialize("Information", std::nullopt);
    ASSERT_TRUE(AddPiezometricInformation(info, line, PICK_PIEZOMETRIC_POINT, second, 1, false));
    const std::string point = info.Dump();
    EXPECT_NE(point.find("Point on piezometric line 1 selected\n"), std::string::npos) << point;
    EXPECT_NE(point.find("X: 40.000000, Y: 60.000000\n"), std::string::npos) << point;
    EXPECT_NE(point.find("Unit weight of  fluid:  62.40"), std::string::npos) << point;
    EXPECT_NE(point.find("Piezometric line coordinates\n"), std::string::npos) << point;
    EXPECT_NE(point.find("X: 40.000000 , Y: 60.000000  - Selected point"), std::string::npos)
        << point;
    EXPECT_NE(point.find("X: 0.000000 , Y: 50.000000 \n"), std::string::npos) << point;

    ASSERT_TRUE(AddPiezometricInformation(info, line, PICK_PIEZOMETRIC_SEGMENT, second, 2, true));
    const std::string segment = info.Dump();
    EXPECT_NE(segment.find("Segment on piezometric line 1 selected (Stage 2 data)"),
              std::string::npos);
    EXPECT_NE(segment.find("Y: 60.000000  - First selected point"), std::string::npos);
    EXPECT_NE(segment.find("Y: 55.000000  - Second selected point"), std::string::npos);

    ASSERT_TRUE(AddPiezometricInformation(info, line, PICK_PIEZOMETRIC_NUMBER, nullptr, 1, false));
    EXPECT_NE(info.Dump().find("The number (text) for piezometric line 1 was selected\n"),
              std::string::npos);
    EXPECT_FALSE(AddPiezometricInformation(info, line, 99, nullptr, 1, false));
}

TEST_F(PiezometricDrawingTest, ToolTipTexts) {
    Cpp_PiezometricLine& line = *data.PiezometricLines(1)->FindLine(1);
    const Cpp_PointXY& second = *line.FirstPoint()->Next();
    EXPECT_EQ(PiezometricPointToolTip(line, second),
              "Piez. Pt. No. 2\nLine No. 1\nX: 40.000, Y: 60.000");
    EXPECT_EQ(PiezometricSegmentToolTip(line, second, 1, false),
              "Piezometric line no. 1\nSegment 2\nFluid unit weight: 62.40");
    EXPECT_EQ(PiezometricSegmentToolTip(line, second, 2, true),
              "Piezometric line no. 1\nStage 2\nSegment 2\nFluid unit weight: 62.40");
}

TEST_F(PiezometricDrawingTest, AttributesOfTheStages) {
    EXPECT_EQ(PiezometricLinePen(2).layerName, "Piezometric_Lines_2");
    const s_DrawAttributesType a = GetPiezometricDisplayAttributes(1);
    EXPECT_EQ(a.symbolStyle, 6);
    EXPECT_EQ(a.lineColour.paletteIndex, 12);
    EXPECT_EQ(GetPiezometricDisplayAttributes(2).symbolStyle, 4);
    EXPECT_EQ(PiezometricPointAttributes(2).layerName, "Piezometric_Points_2");
}

}  // namespace
