#include <gtest/gtest.h>

#include "graphics/graphics.h"
#include "platform/recording_dc.h"
#include "profile/material_properties.h"

namespace {

using Layout = Cpp_MaterialTableLayout;

TEST(MaterialTableLayout, TheAnchorCodeNamesAPointOfTheTable) {
    struct Case {
        int code;
        double x, y;
    } cases[] = {{1, 110, 20}, {2, 105, 20}, {3, 100, 20}, {4, 110, 22}, {5, 105, 22},
                 {6, 100, 22}, {7, 110, 24}, {8, 105, 24}, {9, 100, 24}};
    Layout layout;
    layout.SetSize(10, 4);
    for (const auto& c : cases) {
        layout.SetAnchorCode(c.code);
        Layout::s_Point p;
        ASSERT_TRUE(layout.GetAnchorPoint(100, 20, p)) << c.code;
        EXPECT_EQ(p, (Layout::s_Point{c.x, c.y})) << c.code;
    }
    for (int code : {0, 10}) {
        layout.SetAnchorCode(code);
        Layout::s_Point p{-1, -1};
        EXPECT_FALSE(layout.GetAnchorPoint(100, 20, p));
        EXPECT_EQ(p, (Layout::s_Point{-1, -1}));
    }
}

// A layout the view has not drawn yet is never hit.
TEST(MaterialTableLayout, OnlyTheInsideOfTheTableAndItsGridLinesAreHit) {
    Cpp_MaterialPropertyData data;
    s_PickType pick{0, 0, 1};
    Layout::s_GridLineHit hit;
    EXPECT_FALSE(data.TableLayout(1).HitTestBox(pick));
    EXPECT_FALSE(data.TableLayout(2).HitTestGridLines(pick, hit));
    EXPECT_EQ(pick.found, 0);

    Layout layout;
    layout.SetRectangle(0, 10, 5, 0);
    for (auto [x, y, inside] : {std::tuple{5.0, 2.0, true},
                                {0.0, 2.0, false},
                                {5.0, 5.0, false},
                                {10.0, 0.0, false},
                                {11.0, 2.0, false}}) {
        s_PickType p{x, y, 1};
        p.segmentNumber = 3;
        EXPECT_EQ(layout.HitTestBox(p), inside) << x << " " << y;
        EXPECT_EQ(p.found, inside ? 1 : 0);
        EXPECT_EQ(p.segmentNumber, inside ? 0 : 3);
    }

    // Grid lines around the pick's pixel: columns at px - 20, px + 2, px + 20; rows at py - 10,
    // py + 30.
    s_PickType at{3, 4, 1};
    const auto px = Cpp_Graphics::WorldToPixel(at.x, at.y);
    layout.SetGridLines({px.x - 20, px.x + 2, px.x + 20}, {px.y - 10, px.y + 30});
    ASSERT_TRUE(layout.HitTestGridLines(at, hit));
    EXPECT_EQ(hit.column, 1);
    EXPECT_EQ(hit.row, -1);
    EXPECT_FALSE(hit.border);
    layout.SetGridLines({px.x - 20, px.x + 20}, {px.y - 10, px.y + 4});
    ASSERT_TRUE(layout.HitTestGridLines(at, hit));
    EXPECT_EQ(hit.row, 1);
    EXPECT_EQ(hit.column, -1);
    EXPECT_TRUE(hit.border);
    layout.SetGridLines({px.x - 20, px.x + 20}, {px.y + 6, px.y + 30});  // 6 pixels away
    s_PickType miss{3, 4, 1};
    EXPECT_FALSE(layout.HitTestGridLines(miss, hit));
}

TEST(MaterialTableLayout, ADragDrawsAGreenXorOutlineAndAnchorsWhereItEnds) {
    Layout layout;
    layout.SetSize(Cpp_Graphics::PixelsToWorldLengthX(40), Cpp_Graphics::PixelsToWorldLengthY(20));
    layout.SetGrabOffset(-5, 3);
    platform::RecordingDeviceContext dc;
    layout.DragMove(dc, (100u << 16) | 200u);
    EXPECT_EQ(layout.DragOutline(), (platform::DeviceRect{95, 183, 135, 203}));
    ASSERT_EQ(dc.Records().size(), 2u);  // the old outline erased, the new one drawn
    const auto drawn = dc.Records()[1];
    EXPECT_EQ(drawn.attributes.rop, platform::RasterOp::XorPen);
    EXPECT_EQ(drawn.attributes.pen.color, platform::MakeRgb(0, 255, 0));
    EXPECT_EQ(drawn.points.front(), (platform::DevicePoint{95, 183}));
    EXPECT_EQ(dc.GetRop2(), platform::RasterOp::CopyPen);

    layout.DragEnd(dc, (100u << 16) | 200u);
    EXPECT_EQ(dc.Records().size(), 3u);
    EXPECT_EQ(dc.Records()[2].points, drawn.points);  // erased
    EXPECT_TRUE(layout.IsAnchored());
    double x = 0, y = 0;
    Cpp_Graphics::PixelToWorldPoint(95, 203, x, y);
    EXPECT_DOUBLE_EQ(layout.Anchor().x, x + Cpp_Graphics::PixelsToWorldLengthX(40));
    EXPECT_DOUBLE_EQ(layout.Anchor().y, y);
}

}  // namespace
