// Highlights of selected items drawn on a real image: each one changes the picture, drawing it a
// second time gives the picture back pixel for pixel, and marks never reach a printed page.

#include "editing/selection.h"

#include "graphics/graphics.h"
#include "graphics/line.h"
#include "model/data_set.h"
#include "platform/qt/image_dc.h"
#include "profile/profile_line.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(SelectionHighlight, DrawnTwiceLeavesTheImageAndNeverPrints) {
    Cpp_Graphics::SetScaleState(0, 100, 0, 100, 0, 10, 1000, -10, 0, 100, 0, 100);
    Cpp_Graphics::SetPrintRects(0, 0, 1000, 1000);
    Cpp_Kliven4DataSet ds{1};
    Cpp_ProfileLine* line = ds.ProfileLines().CreateLine(1, 1, "");
    line->AddPoint(20, 50);
    line->AddPoint(60, 40);
    line->NumberPoints();
    line->SetLabelFrame({400, 300, 420, 330});
    line->SetMaterialLabelFrame({600, 500, 620, 530});

    Cpp_Selection point, segment, label, material;
    point.SetPointItem(&ds, 0, SEL_PROFILE_POINT, line, line->FirstPoint());
    segment.SetSegmentItem(&ds, 0, SEL_PROFILE_SEGMENT, line, line->FirstPoint());
    s_SelectionReferences refs;
    refs.ref1 = line;
    label.SetFromValues(&ds, 0, SEL_PROFILE_LABEL, refs);
    material.SetFromValues(&ds, 0, SEL_MATERIAL_LABEL, refs);

    QImage image(1000, 1000, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < 1000; y += 7) image.setPixel(y, y, qRgb(10, 200, 30));
    const QImage before = image.copy();
    for (const Cpp_Selection* s : {&point, &segment, &label, &material}) {
        SCOPED_TRACE(s->GetType());
        for (int mode : {Cpp_Graphics::kOutputScreen, Cpp_Graphics::kOutputPrinter}) {
            Cpp_Graphics::SetOutputMode(mode);
            {
                platform::qt::ImageDeviceContext dc(image);
                s->DrawHighlighted(dc);
            }
            EXPECT_EQ(image == before, mode != Cpp_Graphics::kOutputScreen);
            {
                platform::qt::ImageDeviceContext dc(image);
                s->DrawHighlighted(dc);
            }
            EXPECT_EQ(image, before);
        }
    }
    // The point's mark: the four 4 x 4 squares around its pixel (200, 500).
    Cpp_Graphics::SetOutputMode(Cpp_Graphics::kOutputScreen);
    {
        platform::qt::ImageDeviceContext dc(image);
        point.DrawHighlighted(dc);
    }
    int inverted = 0;
    for (int y = 490; y < 510; ++y)
        for (int x = 190; x < 210; ++x) inverted += image.pixel(x, y) != before.pixel(x, y);
    EXPECT_EQ(inverted, 64);
    EXPECT_NE(image.pixel(197, 503), before.pixel(197, 503));
    EXPECT_EQ(image.pixel(200, 500), before.pixel(200, 500));
}

}  // namespace
