// Drawing of the slope: ground symbols, crack and water hatching, crack points.

#include "graphics/graphics_fixture.h"
#include "graphics/line_styles.h"
#include "graphics/palette.h"
#include "profile/crack.h"
#include "profile/slope_drawing.h"
#include "profile/slope_geometry.h"

#include <gtest/gtest.h>

namespace {

using platform::DcRecordKind;

class SlopeDrawingTest : public GraphicsFixture {
protected:
    void SetUp() override {
        GraphicsFixture::SetUp();
        Cpp_GraphicInit::InitializeLineStyles();
        FitSquare(0, 100, 0, 100);  // 5 px per unit; u = 3.6 px = 0.72 units
        Cpp_SlopeLine& slope = geometry.GetSlopeLine();
        slope.AddPoint(0, 60);
        slope.AddPoint(40, 60);  // 40 units: longer than 45 u = 32.4
        slope.AddPoint(60, 40);  // 28.3 units: shorter
        slope.AddPoint(100, 40);
    }
    Cpp_SlopeGeometry geometry;
};

TEST_F(SlopeDrawingTest, GroundSymbolOnlyOnLongSegments) {
    ASSERT_TRUE(DrawSlopeLine(geometry));
    const auto lines = dc.OfKind(DcRecordKind::Polyline);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].attributes.pen.color, Cpp_WindowsPalette::RGBColor(30));
    const auto symbols = dc.OfKind(DcRecordKind::PolyPolyline);
    ASSERT_EQ(symbols.size(), 1u);
    EXPECT_EQ(symbols[0].lines.size(), 2u * 19u);  // two long segments, one symbol each
    // The first stroke of the first symbol starts 15 u left of the midpoint (20, 60).
    const double u = 0.0375 * 96 / 5.0;
    EXPECT_EQ(symbols[0].lines[0][0], Cpp_Graphics::WorldToPixel(20 - 15 * u, 60));
}

TEST_F(SlopeDrawingTest, CrackAndWaterHatching) {
    Cpp_Crack crack;
    crack.SetCrackOption(1);
    crack.SetCrackConstant(10);
    crack.SetWaterOption(1);
    crack.SetWaterConstant(5);
    geometry.SetCrackSource([&crack]() { return &crack; });
    ASSERT_TRUE(geometry.SlopeChanged());
    ASSERT_TRUE(geometry.GetCrackBottomLine().HasPoints());
    ASSERT_TRUE(DrawTensionCrack(geometry, crack));
    const auto crackLines = dc.OfKind(DcRecordKind::Polyline);
    ASSERT_EQ(crackLines.size(), 1u);
    EXPECT_EQ(crackLines[0].attributes.pen.color, Cpp_WindowsPalette::RGBColor(27));
    const auto hatch = dc.OfKind(DcRecordKind::PolyPolyline).at(0).lines;
    // Every 12 px (0.125 inch at 96 ppi) = 2.4 units, starting at the crack's first x.
    EXPECT_EQ(hatch[0][0].x, Cpp_Graphics::XToPixel(0));
    EXPECT_EQ(hatch[1][0].x, Cpp_Graphics::XToPixel(2.4));
    EXPECT_EQ(hatch[0][0].y, Cpp_Graphics::YToPixel(50));  // from the bottom up to the slope
    EXPECT_EQ(hatch[0][1].y, Cpp_Graphics::YToPixel(60));
    dc.Clear();
    ASSERT_TRUE(DrawCrackWaterSurface(geometry));
    const auto water = dc.OfKind(DcRecordKind::PolyPolyline).at(0).lines;
    EXPECT_EQ(water[0][0].x, Cpp_Graphics::XToPixel(1.2));  // half a spacing later
    EXPECT_EQ(dc.OfKind(DcRecordKind::Polyline).at(0).attributes.pen.color,
              Cpp_WindowsPalette::RGBColor(12));
}

TEST_F(SlopeDrawingTest, CrackPointsOnlyForOptionFour) {
    Cpp_Crack crack;
    crack.SetCrackOption(3);
    EXPECT_TRUE(DrawCrackBottom(crack, true));
    EXPECT_TRUE(dc.Records().empty());
    crack.SetCrackOption(4);
    crack.CrackPointList().AddPoint(10, 55);
    EXPECT_FALSE(DrawCrackBottom(crack, true));
    crack.CrackPointList().AddPoint(30, 50);
    EXPECT_TRUE(DrawCrackBottom(crack, true));
    EXPECT_EQ(dc.Count(DcRecordKind::Polyline), 1u);
    EXPECT_EQ(dc.Count(DcRecordKind::Polygon), 2u);  // symbol 9: filled triangles
}

TEST_F(SlopeDrawingTest, SlopePoints) {
    DrawSlopePoints(geometry);
    EXPECT_EQ(dc.Count(DcRecordKind::Polyline), 4u);  // style 4 squares
}

}  // namespace
