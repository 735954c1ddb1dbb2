// The clipboard picture of the view and the view painted on a real image.

#include "graphics/graphics.h"
#include "graphics/print_page.h"
#include "graphics/ui/clipboard_picture.h"
#include "model/view_painting.h"
#include "platform/qt/image_dc.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Regression: "Copy" never writes a file; the picture is built in memory as SVG with a bitmap.
TEST(ClipboardPictureTest, CopyPutsSvgAndPngOnTheClipboardWithoutAFile) {
    testsupport::FakeServices fakes;
    testsupport::TempDir dir;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    Cpp_Graphics::Reset();
    graphics_ui::RegisterClipboardPicture();
    int mode = 0;
    const bool ok = CopyDrawingToClipboard(
        400, 300, 96, [&mode](platform::DeviceContext& dc, const platform::DeviceRect& r) {
            mode = Cpp_Graphics::OutputMode();
            dc.SetPen({platform::PenStyle::Solid, 1, 0x0000FF});
            dc.Polyline({{r.left, r.top}, {r.right, r.bottom}});
        });
    std::filesystem::current_path(previous);
    EXPECT_TRUE(ok);
    EXPECT_EQ(mode, Cpp_Graphics::kOutputScreen);
    EXPECT_EQ(fakes.clipboard.copies, 1);
    EXPECT_NE(fakes.clipboard.svg.find("<svg"), std::string::npos);
    EXPECT_EQ(fakes.clipboard.png.substr(1, 3), "PNG");
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(ViewPaintingTest, EmptyViewShowsTheAxesBand) {
    testsupport::FakeServices fakes;
    Cpp_Graphics::Reset();
    InitializeViewDrawing();
    QImage image(600, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        platform::qt::ImageDeviceContext dc(image, 96, 96);
        PaintProblemView(dc, {0, 0, 600, 400}, nullptr, Cpp_Graphics::kOutputScreen, 1);
    }
    EXPECT_FALSE(Cpp_Graphics::ScaleIsStale());
    EXPECT_EQ(QColor(image.pixel(3, 200)), QColor(200, 200, 200));  // the band
    EXPECT_EQ(QColor(image.pixel(300, 200)).red(), 255);            // inside stays white
    Cpp_Graphics::Reset();
}

}  // namespace
