// The palette, the dash patterns, the fill patterns and the XOR rectangle.

#include "core/text_exception.h"
#include "graphics/fill_patterns.h"
#include "graphics/graphics_fixture.h"
#include "graphics/line_styles.h"
#include "graphics/palette.h"
#include "graphics/xor_rectangle.h"

#include <gtest/gtest.h>

namespace {

TEST(PaletteTest, EntriesAndIllegalIndices) {
    EXPECT_EQ(Cpp_WindowsPalette::RGBColor(0), 0xFFFFFFu);
    EXPECT_EQ(Cpp_WindowsPalette::RGBColor(4), platform::MakeRgb(255, 0, 0));
    EXPECT_EQ(Cpp_WindowsPalette::RGBColor(22), 0x000000u);
    EXPECT_EQ(Cpp_WindowsPalette::Color(27), platform::MakeRgb(255, 99, 1));
    EXPECT_EQ(Cpp_WindowsPalette::Color(40), platform::MakeRgb(86, 44, 5));
    EXPECT_THROW(Cpp_WindowsPalette::RGBColor(41), Cpp_TextException);
    EXPECT_THROW(Cpp_WindowsPalette::RGBColor(-1), Cpp_TextException);
    EXPECT_THROW(Cpp_WindowsPalette::Color(41), Cpp_WindowsPalette::Exc_IllegalPaletteIndex);
}

TEST(LineStyleTest, TableAndIllegalIndex) {
    Cpp_GraphicInit::InitializeLineStyles();
    EXPECT_EQ(Cpp_GraphicInit::StyleCount(), 9);
    EXPECT_EQ(Cpp_GraphicInit::LineStyle(-3).count, 0);
    const s_LineStyleType s8 = Cpp_GraphicInit::LineStyle(8);
    ASSERT_EQ(s8.count, 6);
    EXPECT_FLOAT_EQ(s8.length[2], 0.02f);
    EXPECT_EQ(s8.drawn[2], 1);
    EXPECT_EQ(s8.drawn[5], 0);
    EXPECT_EQ(Cpp_GraphicInit::LineStyle(6).length[0], 0.0f);
    EXPECT_THROW(Cpp_GraphicInit::LineStyle(9), Cpp_TextException);
}

TEST(FillPatternTest, BitsAreTheComplementOfTheInk) {
    Cpp_FillPatterns p;
    std::uint16_t w[8];
    ASSERT_TRUE(p.GetPatternBits(23, w));
    const std::uint16_t expected23[8] = {0x77, 0xDD, 0x77, 0xDD, 0x77, 0xDD, 0x77, 0xDD};
    for (int r = 0; r < 8; ++r) EXPECT_EQ(w[r], expected23[r]) << r;
    ASSERT_TRUE(p.GetPatternBits(1, w));  // solid ink
    for (int r = 0; r < 8; ++r) EXPECT_EQ(w[r], 0);
    ASSERT_TRUE(p.GetPatternBits(20, w));  // background only
    for (int r = 0; r < 8; ++r) EXPECT_EQ(w[r], 0xFF);
    ASSERT_TRUE(p.GetPatternBits(9, w));
    EXPECT_EQ(w[0], 0xFF & ~0xB1);
    EXPECT_EQ(w[7], 0xFF & ~0x8D);
    std::uint16_t cells[8][8];
    ASSERT_TRUE(p.GetPattern(13, cells));
    EXPECT_EQ(cells[0][0], 0);
    EXPECT_EQ(cells[0][1], 1);
    EXPECT_FALSE(p.GetPattern(0, cells));
    EXPECT_FALSE(p.GetPattern(39, cells));
    EXPECT_FALSE(p.GetPatternBits(39, w));
    EXPECT_EQ(Cpp_FillPatterns::CreatePatternBrush(39).kind, platform::BrushKind::Hollow);
    const platform::Brush b = Cpp_FillPatterns::CreatePatternBrush(23);
    EXPECT_EQ(b.kind, platform::BrushKind::Pattern);
    EXPECT_EQ(b.rows[1], 0xDD);
}

class XorRectangleTest : public GraphicsFixture {};

TEST_F(XorRectangleTest, FillsInXorOnTheScreenOnly) {
    FitSquare(0, 10, 0, 10);
    XorRectangle rect(1, 1, 3, 2);
    EXPECT_FALSE(rect.Draw(dc));
    const auto fills = dc.OfKind(platform::DcRecordKind::FillPolygon);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].attributes.rop, platform::RasterOp::XorPen);
    EXPECT_EQ(fills[0].attributes.brush.rows[0], 0x77);
    EXPECT_EQ(fills[0].points[0], Cpp_Graphics::WorldToPixel(1, 2));
    EXPECT_EQ(dc.GetRop2(), platform::RasterOp::CopyPen);  // restored
    dc.Clear();
    Cpp_Graphics::SetOutputMode(Cpp_Graphics::kOutputPrinter);
    rect.Draw(dc);
    EXPECT_TRUE(dc.Records().empty());
}

}  // namespace
