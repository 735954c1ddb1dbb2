#include "platform/recording_dc.h"

#include <gtest/gtest.h>

namespace {

using platform::DcRecordKind;
using platform::DevicePoint;

TEST(RecordingDeviceContext, KeepsEachPrimitiveWithTheAttributesInForce) {
    platform::RecordingDeviceContext dc;
    dc.SetPen({platform::PenStyle::Dash, 2, platform::MakeRgb(255, 0, 0)});
    dc.MoveTo(1, 2);
    dc.LineTo(3, 4);
    dc.LineTo(5, 6);  // continues from the current position
    dc.SetRop2(platform::RasterOp::XorPen);
    platform::Brush hatch;
    hatch.kind = platform::BrushKind::Hatch;
    hatch.hatch = platform::HatchStyle::Cross;
    dc.SetBrush(hatch);
    dc.SetTextColor(platform::MakeRgb(0, 0, 255));
    dc.SetBkMode(platform::BackgroundMode::Transparent);
    dc.SetClipRect({50, 60, 10, 20});  // corners in either order
    dc.Polygon({{0, 0}, {10, 0}, {5, 5}});
    dc.TextOut(7, 8, "Label");

    ASSERT_EQ(dc.Records().size(), 4u);
    const auto lines = dc.OfKind(DcRecordKind::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].points, (std::vector<DevicePoint>{{1, 2}, {3, 4}}));
    EXPECT_EQ(lines[1].points, (std::vector<DevicePoint>{{3, 4}, {5, 6}}));
    EXPECT_EQ(lines[0].attributes.pen.width, 2);
    EXPECT_EQ(lines[0].attributes.rop, platform::RasterOp::CopyPen);

    const auto& polygon = dc.Records()[2];
    EXPECT_EQ(polygon.kind, DcRecordKind::Polygon);
    EXPECT_EQ(polygon.attributes.rop, platform::RasterOp::XorPen);
    EXPECT_EQ(polygon.attributes.brush.hatch, platform::HatchStyle::Cross);
    EXPECT_EQ(polygon.attributes.clip.kind, platform::ClipKind::Rect);
    EXPECT_EQ(polygon.attributes.clip.rect, (platform::DeviceRect{10, 20, 50, 60}));

    EXPECT_EQ(dc.Texts(), std::vector<std::string>{"Label"});
    EXPECT_EQ(dc.Records()[3].attributes.textColor, platform::MakeRgb(0, 0, 255));
    EXPECT_EQ(dc.Records()[3].attributes.bkMode, platform::BackgroundMode::Transparent);
    EXPECT_EQ(dc.Count(DcRecordKind::Line), 2u);
    EXPECT_NE(dc.Dump().find("Line (1,2)-(3,4) pen=Dash/2/#FF0000"), std::string::npos);
}

TEST(RecordingDeviceContext, RestoreBringsBackAttributesClipAndPosition) {
    platform::RecordingDeviceContext dc;
    dc.MoveTo(5, 5);
    const platform::DcAttributes before = dc.Attributes();
    {
        platform::ScopedDcState scope(dc);
        dc.SetPen({platform::PenStyle::Null, 0, 0});
        dc.SetFont({"Courier", 20, 700, true, false, 900});
        dc.SetClipPath({{0, 0}, {100, 0}, {0, 100}});
        dc.MoveTo(9, 9);
        EXPECT_EQ(dc.GetClipBox(), (platform::DeviceRect{0, 0, 100, 100}));
    }
    EXPECT_EQ(dc.Attributes(), before);
    EXPECT_EQ(dc.GetClipBox(), dc.PageRect());
    dc.Restore();  // unbalanced: harmless
    EXPECT_EQ(dc.Attributes(), before);
}

TEST(RecordingDeviceContext, SettersAnswerThePreviousValue) {
    platform::RecordingDeviceContext dc;
    EXPECT_EQ(dc.SetRop2(platform::RasterOp::XorPen), platform::RasterOp::CopyPen);
    EXPECT_EQ(dc.SetRop2(platform::RasterOp::CopyPen), platform::RasterOp::XorPen);
    EXPECT_EQ(dc.SetTextAlign(platform::AlignCenter | platform::AlignBaseline),
              unsigned{platform::AlignLeft});
    EXPECT_EQ(dc.SetBkColor(0x123456), 0xFFFFFFu);
    EXPECT_EQ(dc.SetPen({}).style, platform::PenStyle::Solid);
}

TEST(RecordingDeviceContext, MeasuresTextFromTheFontHeight) {
    platform::RecordingDeviceContext dc;
    dc.SetFont({"Arial", 10});
    EXPECT_EQ(dc.GetTextExtent("abcd").cx, 20);
    EXPECT_EQ(dc.GetTextExtent("abcd").cy, 10);
    EXPECT_EQ(dc.GetTextMetrics().ascent + dc.GetTextMetrics().descent, 10);
}

}  // namespace
