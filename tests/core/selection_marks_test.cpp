// The selection square and the four-square marker: where they invert, in which order, with the
// drawing attributes left as they were; a null context is refused with its exception text.

#include "core/selection_marks.h"
#include "core/text_exception.h"
#include "platform/recording_dc.h"

#include <gtest/gtest.h>

namespace {

using platform::DcRecordKind;
using platform::DeviceRect;

TEST(SelectionMarks, MarkerInvertsFourSquaresInOrderAndRestoresTheContext) {
    platform::RecordingDeviceContext dc;
    const platform::Pen pen{platform::PenStyle::Dash, 3, 0x123456};
    dc.SetPen(pen);
    DrawSelectionMarker(100, 50, &dc);
    const auto rects = dc.OfKind(DcRecordKind::Rectangle);
    ASSERT_EQ(dc.Records().size(), 4u);
    ASSERT_EQ(rects.size(), 4u);
    // Boxes of a pen-less rectangle, which fills all but their last column and row.
    const DeviceRect expected[] = {
        {95, 51, 100, 56}, {101, 51, 106, 56}, {101, 45, 106, 50}, {95, 45, 100, 50}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(rects[i].rect, expected[i]) << i;
        EXPECT_EQ(rects[i].attributes.rop, platform::RasterOp::XorPen);
        EXPECT_EQ(rects[i].attributes.pen.style, platform::PenStyle::Null);
        EXPECT_EQ(rects[i].attributes.brush.kind, platform::BrushKind::Solid);
        EXPECT_EQ(rects[i].attributes.brush.color, 0xFFFFFFu);
    }
    EXPECT_EQ(SelectionMarkerBounds(100, 50), (DeviceRect{95, 45, 105, 55}));
    EXPECT_EQ(dc.GetRop2(), platform::RasterOp::CopyPen);
    EXPECT_EQ(dc.GetPen(), pen);
    EXPECT_EQ(dc.GetBrush(), platform::Brush{});

    dc.Clear();
    DrawSelectionSquare(-3, 7, &dc);
    ASSERT_EQ(dc.Records().size(), 1u);
    EXPECT_EQ(dc.Records()[0].rect, (DeviceRect{-5, 5, 0, 10}));
    EXPECT_EQ(SelectionSquareBounds(-3, 7), (DeviceRect{-5, 5, -1, 9}));
}

TEST(SelectionMarks, NullContextIsAProgrammingFault) {
    for (auto draw : {&DrawSelectionSquare, &DrawSelectionMarker}) {
        try {
            draw(1, 2, nullptr);
            ADD_FAILURE() << "no exception";
        } catch (const Cpp_TextException& e) {
            EXPECT_EQ(e.Text(), "EXCEPTION: Cpp_Selection::DrawSelectionSquare");
        }
    }
}

}  // namespace
