// Drawing polylines: solid and dashed lines, the pen, number labels and check marks.

#include "core/text_exception.h"
#include "graphics/graphic_string.h"
#include "graphics/graphics_fixture.h"
#include "graphics/line.h"
#include "graphics/line_drawing.h"
#include "graphics/line_list.h"
#include "graphics/line_styles.h"
#include "graphics/point_symbols.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using platform::DcRecordKind;

class LineDrawingTest : public GraphicsFixture {
protected:
    void SetUp() override {
        GraphicsFixture::SetUp();
        Cpp_GraphicInit::InitializeLineStyles();
        FitSquare(0, 100, 0, 100);  // 5 pixels per unit
    }
    void TearDown() override {
        DeletePenObject();
        GraphicsFixture::TearDown();
    }
    static void Pen(int style, short points = 0) {
        s_LinePenType a;
        a.width = s_LineWidthType(points);
        a.style = style;
        a.colour = s_ColorType(9, 7);
        ASSERT_TRUE(CreateLinePen(a));
    }
    // Total pixel length of the dashes drawn.
    double DrawnLength() const {
        double total = 0;
        for (const auto& r : dc.Records()) {
            std::vector<std::vector<platform::DevicePoint>> lines = r.lines;
            if (r.kind == DcRecordKind::Polyline) lines = {r.points};
            for (const auto& l : lines)
                for (size_t i = 0; i + 1 < l.size(); ++i)
                    total += std::hypot(l[i + 1].x - l[i].x, l[i + 1].y - l[i].y);
        }
        return total;
    }
};

TEST_F(LineDrawingTest, SolidLineIsOnePolylineInThePenColour) {
    Cpp_Line line;
    line.AddPoint(10, 10);
    line.AddPoint(50, 20);
    line.AddPoint(90, 10);
    Pen(0);
    DrawLine(dc, line);
    const auto lines = dc.OfKind(DcRecordKind::Polyline);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].points.size(), 3u);
    EXPECT_EQ(lines[0].points[1], Cpp_Graphics::WorldToPixel(50, 20));
    EXPECT_EQ(lines[0].attributes.pen.color, platform::MakeRgb(0, 128, 0));
    EXPECT_EQ(dc.GetPen().color, platform::Pen{}.color);  // restored
}

TEST_F(LineDrawingTest, MissingPenThrowsOnlyForASegment) {
    Cpp_Line one;
    one.AddPoint(1, 1);
    EXPECT_NO_THROW(DrawLine(dc, one));
    one.AddPoint(2, 2);
    try {
        DrawLine(dc, one);
        FAIL();
    } catch (const Cpp_TextException& e) {
        EXPECT_EQ(e.Text(), "EXCEPTION: Cpp_Line::DrawLine");
    }
}

TEST_F(LineDrawingTest, SystemDashStylesAreSystemPens) {
    const struct {
        int style;
        platform::PenStyle pen;
    } cases[] = {{-2, platform::PenStyle::Dash},    {-3, platform::PenStyle::Dot},
                 {-4, platform::PenStyle::DashDot}, {-5, platform::PenStyle::DashDotDot},
                 {0, platform::PenStyle::Solid},    {42, platform::PenStyle::Solid}};
    for (const auto& c : cases) {
        s_LinePenType a;
        a.style = c.style;
        CreateLinePen(a);
        EXPECT_EQ(a.style == 42 ? platform::PenStyle::Solid : c.pen, c.pen);
    }
    Pen(-3);
    Cpp_Line line;
    line.AddPoint(10, 10);
    line.AddPoint(20, 10);
    DrawLine(dc, line);
    EXPECT_EQ(dc.OfKind(DcRecordKind::Polyline).at(0).attributes.pen.style,
              platform::PenStyle::Dot);
}

TEST_F(LineDrawingTest, DashPatternContinuesAcrossAVertex) {
    // Style 1 at 96 ppi: 9.6 px dash, 4.8 + 1 px gap (pen 1 pixel). A right angle at 10 px.
    Pen(1);
    Cpp_Line line;
    line.AddPoint(10, 10);
    line.AddPoint(12, 10);  // 10 px
    line.AddPoint(12, 30);  // 100 px
    DrawLine(dc, line);
    const auto dashes = dc.OfKind(DcRecordKind::PolyPolyline).at(0).lines;
    // The first dash runs 9.6 px along the first segment... then a gap crosses the vertex.
    ASSERT_GE(dashes.size(), 2u);
    EXPECT_EQ(dashes[0].front(), Cpp_Graphics::WorldToPixel(10, 10));
    // The second dash starts 9.6 + 5.8 = 15.4 px from the start: 5.4 px down the second segment.
    const auto start2 = dashes[1].front();
    EXPECT_EQ(start2.x, Cpp_Graphics::XToPixel(12));
    EXPECT_NEAR(start2.y, Cpp_Graphics::YToPixel(10) - 5.4, 1.0);
    // Over 110 px the drawn share is 9.6 / 15.4.
    EXPECT_NEAR(DrawnLength(), 110 * 9.6 / 15.4, 6.0);
}

// Regression: a dashed line at extreme zoom is walked only over its visible part, so it draws
// at once and keeps its phase.
TEST_F(LineDrawingTest, DashedLineAtExtremeZoomDrawsOnlyItsVisiblePart) {
    Pen(2);
    Cpp_Line line;
    line.AddPoint(-1e6, 50);
    line.AddPoint(1e6, 50);
    for (int i = 0; i < 30; ++i) Cpp_Graphics::ZoomAtPixel(true, 283, 283);
    DrawLine(dc, line);
    const auto records = dc.OfKind(DcRecordKind::PolyPolyline);
    ASSERT_EQ(records.size(), 1u);
    // The page is 1000 pixels wide with a pad of 64 on each side: about 1128 / 29.6 dashes.
    EXPECT_LT(records[0].lines.size(), 60u);
    EXPECT_GT(records[0].lines.size(), 30u);
    for (const auto& d : records[0].lines)
        for (const auto& p : d) EXPECT_LT(std::abs(p.x), 2000);
}

TEST_F(LineDrawingTest, StyleSixDrawsDots) {
    Pen(6);
    Cpp_Line line;
    line.AddPoint(10, 10);
    line.AddPoint(30, 10);  // 100 px: dots of 1 px every 3 px
    DrawLine(dc, line);
    const auto dashes = dc.OfKind(DcRecordKind::PolyPolyline).at(0).lines;
    EXPECT_NEAR(static_cast<double>(dashes.size()), 100.0 / 3.0, 2.0);
}

TEST_F(LineDrawingTest, NumberLabelsAtTheLongestSegment) {
    Cpp_LineList list(2);
    Cpp_Line* a = list.NewLine();
    a->SetNumber(7);
    a->AddPoint(0, 0);
    a->AddPoint(10, 0);
    a->AddPoint(50, 40);  // longest
    Cpp_Line* b = list.NewLine();
    b->SetNumber(12);
    b->AddPoint(0, 0);
    s_FontType font("Arial", 8);
    Cpp_GraphicString::SetCentredAttributes(font, 1, true, s_ColorType(9, 7), "");
    ASSERT_TRUE(ComputeLabelFrames(list, 2, 1));
    Cpp_GraphicString::ReleaseDrawingAttributes();
    EXPECT_EQ(a->LabelAnchorX(), 30.0);
    EXPECT_EQ(a->LabelAnchorY(), 20.0);
    EXPECT_EQ(dc.Texts(), (std::vector<std::string>{"7"}));  // one-point line: no label
    // One frame size for the whole list, stored in the line around the anchor's pixel.
    const platform::DevicePoint p = Cpp_Graphics::WorldToPixel(30, 20);
    const s_LabelFrameType f = a->LabelFrame();
    EXPECT_LT(f.left, p.x);
    EXPECT_GT(f.right, p.x);
    EXPECT_EQ(f.right - p.x, p.x - f.left);
    // The printer draws no number labels.
    dc.Clear();
    Cpp_Graphics::SetOutputMode(Cpp_Graphics::kOutputPrinter);
    ComputeLabelFrames(list, 2, 1);
    EXPECT_TRUE(dc.Records().empty());
}

TEST_F(LineDrawingTest, CheckMarksOfSegmentsAreTwoParallelLines) {
    Cpp_LineList list(2);
    list.AddSegmentMark(10, 10, 30, 10);
    list.AddPointMark(50, 50);
    s_SymbolAttributesType sym;
    sym.style = 1;
    sym.markerSize = s_MarkerSizeType(static_cast<short>(6));  // 8 px
    SetupPointPens(dc, sym);
    ASSERT_TRUE(CreateMarkPen(s_MarkerSizeType(static_cast<short>(6)),
                              s_LineWidthType(static_cast<short>(2)), s_ColorType(4, 7)));
    DrawCheckMarks(dc, list);
    DeleteMarkPen();
    DeletePointPens();
    EXPECT_EQ(dc.Count(DcRecordKind::Ellipse), 3u);
    const auto pair = dc.OfKind(DcRecordKind::PolyPolyline).at(0);
    ASSERT_EQ(pair.lines.size(), 2u);
    const auto p1 = Cpp_Graphics::WorldToPixel(10, 10);
    EXPECT_EQ(pair.lines[0][0], (platform::DevicePoint{p1.x, p1.y + 4}));
    EXPECT_EQ(pair.lines[1][0], (platform::DevicePoint{p1.x, p1.y - 4}));
    EXPECT_EQ(pair.attributes.pen.color, platform::MakeRgb(255, 0, 0));
}

}  // namespace
