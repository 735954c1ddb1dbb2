// Drawing attribute records: conversions to device units, colours, diagram scales and the
// name/value table.

#include "graphics/drawing_attributes.h"
#include "graphics/graphics_fixture.h"

#include <gtest/gtest.h>

namespace {

class AttributesTest : public GraphicsFixture {};

TEST_F(AttributesTest, WidthsAndMarkerSizesInPixels) {
    dc.SetPixelsPerInch(96, 96);
    const struct {
        s_LineWidthType width;
        int pixels;
    } widths[] = {
        {s_LineWidthType(static_cast<short>(0)), 1},  // {1, 1}: the thinnest line
        {s_LineWidthType(static_cast<short>(3)), 4},
        {s_LineWidthType(static_cast<short>(1)), 1},  // never 0
        {s_LineWidthType(3, 0.5), 48},                // inches
        {s_LineWidthType(4, 10.0), 37},               // millimetres
        {s_LineWidthType(), 1},                       // kind 0
    };
    for (const auto& w : widths) EXPECT_EQ(w.width.DeviceWidth(dc), w.pixels) << w.width.kind;
    EXPECT_EQ(s_LineWidthType(static_cast<short>(0)).kind, 1);
    EXPECT_EQ(s_MarkerSizeType().DeviceSize(dc), 1);  // kind 0 size 11
    EXPECT_EQ(s_MarkerSizeType(static_cast<short>(11)).DeviceSize(dc), 14);
    EXPECT_EQ(s_MarkerSizeType(2, 0.25).DeviceSizeOnCurrentDC(), 24);
}

TEST_F(AttributesTest, ColoursAndBlackAndWhite) {
    EXPECT_EQ(s_ColorType(4, 1).RGBColor(), platform::MakeRgb(255, 0, 0));
    EXPECT_EQ(s_ColorType::FromRGB(0x123456).RGBColor(), 0x123456u);
    EXPECT_EQ(s_ColorType().paletteIndex, 1);
    Cpp_Graphics::SetBlackAndWhite(true);
    EXPECT_EQ(s_ColorType(4, 1).RGBColor(), 0u);
    EXPECT_EQ(s_ColorType::FromRGB(0x123456).RGBColor(), 0u);
    Cpp_Graphics::SetBlackAndWhite(false);
    EXPECT_ANY_THROW(s_ColorType(41, 1).RGBColor());
}

TEST_F(AttributesTest, DiagramScaleParseAndFactor) {
    s_KindValueType k;
    ASSERT_TRUE(k.Parse("3 0.5"));
    EXPECT_EQ(k.kind, 3);
    EXPECT_DOUBLE_EQ(k.value, 0.5);
    EXPECT_EQ(k.Format(), "3 0.500000");
    EXPECT_FALSE(k.Parse("6 0.5"));
    EXPECT_FALSE(k.Parse("2"));
    EXPECT_EQ(k.kind, 3);
    FitSquare(0, 10, 0, 10);  // 50 pixels per unit
    k = {4, 1.0};
    EXPECT_EQ(k.Factor(72, 0), 0.0);
    EXPECT_DOUBLE_EQ(k.Factor(72, 2.0), 36.0 / 50.0);
    k = {1, 4.0};
    EXPECT_DOUBLE_EQ(k.Factor(72, 1), 0.25);
}

TEST(NameValueListTest, TwoHundredRowsAndLimits) {
    Cpp_NameValueList list;
    EXPECT_FALSE(list.AddText(std::string(81, 'n'), "v"));
    EXPECT_TRUE(list.AddText("Null", nullptr));
    EXPECT_EQ(list.At(0).value, "?????");
    EXPECT_FALSE(list.AddText("Long", std::string(81, 'v').c_str()));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_TRUE(list.AddInt("Int", -7));
    EXPECT_TRUE(list.AddDouble("Double", 1.5));
    EXPECT_EQ(list.At(1).value, "-7");
    EXPECT_EQ(list.At(2).value, "1.500000");
    while (list.Count() < 200) ASSERT_TRUE(list.AddInt("Row", list.Count()));
    EXPECT_FALSE(list.AddInt("Row", 201));
    EXPECT_FALSE(list.AddText("Row", "x"));
    EXPECT_EQ(list.Count(), 200);
}

}  // namespace
