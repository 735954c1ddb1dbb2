// Point symbols: geometry of the styles, fills and outlines, and the labels of a point.

#include "graphics/graphic_string.h"
#include "graphics/graphics_fixture.h"
#include "graphics/point_symbols.h"

#include <gtest/gtest.h>

namespace {

using platform::DcRecordKind;

class SymbolsTest : public GraphicsFixture {
protected:
    void SetUp() override {
        GraphicsFixture::SetUp();
        ResetPointDrawingState();
        FitSquare(0, 10, 0, 10);
    }
    // Marker size 10 pixels (kind 2 in inches at 96 ppi is awkward; points: 10 px = 7.5 pt).
    void Setup(int style) {
        s_SymbolAttributesType a;
        a.markerSize = s_MarkerSizeType(3, 10 * 25.40005 / 96.0 + 1e-9);
        a.penWidth = s_LineWidthType(static_cast<short>(0));
        a.style = style;
        a.colour = s_ColorType(4, 1);
        a.backgroundFill = 0xFFFFFF;
        ASSERT_TRUE(SetupPointPens(dc, a));
        ASSERT_EQ(PointDrawingState().markerSize, 10);
    }
};

TEST_F(SymbolsTest, SquareOfSize10Spans9Pixels) {
    Setup(4);
    DrawSymbolAtPixel(dc, 100, 100);
    const auto lines = dc.OfKind(DcRecordKind::Polyline);
    ASSERT_EQ(lines.size(), 1u);
    const std::vector<platform::DevicePoint> expected{
        {96, 104}, {104, 104}, {104, 96}, {96, 96}, {96, 104}};
    EXPECT_EQ(lines[0].points, expected);
    EXPECT_EQ(lines[0].attributes.pen.color, platform::MakeRgb(255, 0, 0));
}

TEST_F(SymbolsTest, FilledSquaresWithAndWithoutOutline) {
    Setup(5);
    DrawSymbolAtPixel(dc, 50, 50);
    ASSERT_EQ(dc.Count(DcRecordKind::FillRect), 1u);
    EXPECT_EQ(dc.OfKind(DcRecordKind::FillRect)[0].color, 0xFFFFFFu);  // background fill
    EXPECT_EQ(dc.Count(DcRecordKind::Polyline), 1u);
    dc.Clear();
    Setup(6);
    DrawSymbolAtPixel(dc, 50, 50);
    ASSERT_EQ(dc.Count(DcRecordKind::FillRect), 1u);
    EXPECT_EQ(dc.OfKind(DcRecordKind::FillRect)[0].color, platform::MakeRgb(255, 0, 0));
    EXPECT_EQ(dc.Count(DcRecordKind::Polyline), 0u);
}

TEST_F(SymbolsTest, ShapesOfTheStyles) {
    const struct {
        int style;
        DcRecordKind kind;
        size_t count;
    } cases[] = {
        {1, DcRecordKind::Ellipse, 1},   {3, DcRecordKind::Ellipse, 1},
        {7, DcRecordKind::Polyline, 1},  {9, DcRecordKind::Polygon, 1},
        {12, DcRecordKind::Polygon, 1},  {13, DcRecordKind::Polyline, 1},
        {16, DcRecordKind::Polyline, 2}, {17, DcRecordKind::Polyline, 2},
        {18, DcRecordKind::Polyline, 3}, {19, DcRecordKind::Polyline, 3},
        {20, DcRecordKind::Polyline, 4}, {21, DcRecordKind::Polyline, 5},
    };
    for (const auto& c : cases) {
        dc.Clear();
        Setup(c.style);
        DrawSymbolAtPixel(dc, 100, 100);
        EXPECT_EQ(dc.Count(c.kind), c.count) << "style " << c.style;
    }
    // Circle: the box widened by one pixel to the right and bottom; style 1 is not filled.
    dc.Clear();
    Setup(1);
    DrawSymbolAtPixel(dc, 100, 100);
    const auto e = dc.OfKind(DcRecordKind::Ellipse).at(0);
    EXPECT_EQ(e.rect, (platform::DeviceRect{96, 96, 105, 105}));
    EXPECT_EQ(e.attributes.brush.kind, platform::BrushKind::Hollow);
    // Triangle apex up: corners at v + 0.3333 h and v - 0.6667 h.
    dc.Clear();
    Setup(9);
    DrawSymbolAtPixel(dc, 100, 100);
    const std::vector<platform::DevicePoint> tri{{96, 101}, {104, 101}, {100, 97}};
    EXPECT_EQ(dc.OfKind(DcRecordKind::Polygon).at(0).points, tri);
}

TEST_F(SymbolsTest, StylesOutsideTheRangeDrawNothingAndStateIsRestored) {
    for (int style : {0, 22}) {
        Setup(style);
        DrawSymbolAtPixel(dc, 100, 100);
    }
    EXPECT_TRUE(dc.Records().empty());
    const platform::Pen before = dc.GetPen();
    Setup(1);
    DrawSymbolAtPixel(dc, 100, 100);
    EXPECT_EQ(dc.GetPen(), before);
    EXPECT_EQ(dc.GetBrush().kind, platform::BrushKind::Solid);
}

TEST_F(SymbolsTest, OneMarkerPixelIsAOnePixelSymbol) {
    s_SymbolAttributesType a;
    a.markerSize = s_MarkerSizeType();  // kind 0: one pixel
    a.style = 4;
    SetupPointPens(dc, a);
    DrawSymbolAtPixel(dc, 10, 20);
    const auto p = dc.OfKind(DcRecordKind::Polyline).at(0).points;
    for (const auto& q : p) EXPECT_EQ(q, (platform::DevicePoint{10, 20}));
}

TEST_F(SymbolsTest, NumberAndCoordinateLabels) {
    Setup(1);
    s_FontType font("Arial", 10);
    Cpp_GraphicString::SetCentredAttributes(font, 0, false, s_ColorType(1, 7), "");
    const platform::DevicePoint p = Cpp_Graphics::WorldToPixel(2, 3);
    EXPECT_TRUE(DrawNumberLabel(2, 3, 12, true));
    const auto texts = dc.OfKind(DcRecordKind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "Number: 12");
    // Centred on (u + 7, v - 7) for marker size 10.
    const auto m = dc.GetTextMetrics();
    const int w = dc.GetTextExtent("Number: 12").cx;
    EXPECT_EQ(texts[0].points[0].x, p.x + 7 - w / 2);
    EXPECT_EQ(texts[0].points[0].y, p.y - 7 - m.ascent / 2);
    dc.Clear();
    EXPECT_FALSE(DrawCoordinateLabel(2, 3, 3, true));
    EXPECT_TRUE(dc.Records().empty());
    EXPECT_TRUE(DrawCoordinateLabel(2.5, -3, 2, true));
    EXPECT_EQ(dc.Texts(), (std::vector<std::string>{"X:2.50", "Y:-3.00"}));
    dc.Clear();
    DrawCoordinateLabel(2.5, -3, 1, false);
    EXPECT_EQ(dc.Texts(), (std::vector<std::string>{"2.50,-3.00"}));
    Cpp_GraphicString::ReleaseDrawingAttributes();
}

TEST_F(SymbolsTest, SelectionMarkerOnlyOnTheScreen) {
    Cpp_Graphics::SetOutputMode(Cpp_Graphics::kOutputPrinter);
    DrawPointMark(dc, 1, 1);
    EXPECT_TRUE(dc.Records().empty());
    Cpp_Graphics::SetOutputMode(Cpp_Graphics::kOutputScreen);
    DrawPointMark(dc, 1, 1);
    const platform::DevicePoint p = Cpp_Graphics::WorldToPixel(1, 1);
    const auto squares = dc.OfKind(DcRecordKind::Rectangle);
    ASSERT_EQ(squares.size(), 4u);  // the four-square marker around the point's pixel
    EXPECT_EQ(squares[0].rect, (platform::DeviceRect{p.x - 5, p.y + 1, p.x, p.y + 6}));
    EXPECT_EQ(squares[3].rect, (platform::DeviceRect{p.x - 5, p.y - 5, p.x, p.y}));
}

}  // namespace

namespace {

// Dense points are thinned by pixel spacing: a symbol within half its size of the last one
// drawn is left out, the last point of a run is always drawn, spaced points all are.
TEST_F(SymbolsTest, DensePointsAreThinnedByPixelSpacing) {
    Setup(3);  // 10 pixel markers, 50 pixels per world unit
    std::vector<double> xs, ys;
    for (int i = 0; i <= 20; ++i) {
        xs.push_back(1 + i * 0.02);  // one pixel apart
        ys.push_back(5);
    }
    DrawSymbols(dc, xs.data(), ys.data(), static_cast<int>(xs.size()));
    const auto drawn = dc.OfKind(DcRecordKind::Ellipse);
    EXPECT_EQ(drawn.size(), 5u);  // every sixth pixel (0, 6, 12, 18) and the last one
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.back().rect.left, Cpp_Graphics::XToPixel(1.4) - 4);
    dc.Clear();
    std::vector<double> spaced{1, 1.2, 1.4}, level{5, 5, 5};
    DrawSymbols(dc, spaced.data(), level.data(), 3);
    EXPECT_EQ(dc.Count(DcRecordKind::Ellipse), 3u);
}

}  // namespace
