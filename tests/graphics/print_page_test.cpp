// The printed page: margins, header and footer texts, template parsing, and a print job.

#include "core/preferences.h"
#include "graphics/graphic_grid.h"
#include "graphics/graphics_fixture.h"
#include "graphics/print_header_footer.h"
#include "graphics/print_page.h"
#include "model/view_painting.h"
#include "platform/services.h"

#include <gtest/gtest.h>

#include <ctime>
#include <vector>

namespace {

using platform::DcRecordKind;

std::time_t Feb12At030709() {
    std::tm t{};
    t.tm_year = 126;
    t.tm_mon = 1;
    t.tm_mday = 12;
    t.tm_hour = 3;
    t.tm_min = 7;
    t.tm_sec = 9;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

class PrintPageTest : public GraphicsFixture {
protected:
    void SetUp() override {
        GraphicsFixture::SetUp();
        Cpp_KlivenSettings::Reset();
        Cpp_PrintHeaderFooter::InitializeDefaults();
        Cpp_PrintHeaderFooter::SetClock(&Feb12At030709);
    }
    void TearDown() override {
        Cpp_PrintHeaderFooter::SetClock(nullptr);
        GraphicsFixture::TearDown();
    }
};

TEST_F(PrintPageTest, MarginRectangleFromThePrintableArea) {
    platform::RecordingDeviceContext printer(5100 - 200, 6600 - 200);
    printer.SetPixelsPerInch(600, 600);
    printer.SetPrinting(true);
    printer.SetPhysicalPageRect({-100, -100, 5000, 6500});  // 5100 x 6600, offsets 100
    ASSERT_TRUE(Cpp_PrintHeaderFooter::ComputePrintMargins(printer));
    EXPECT_EQ(Cpp_PrintHeaderFooter::CopyPrintMargins(),
              (platform::DeviceRect{650, 500, 4250, 5900}));
}

TEST_F(PrintPageTest, TemplatesParse) {
    Cpp_PrintHeaderFooter::ParseHeaderFooterCodes(true, "&lA&&B&xC");
    const auto& items = Cpp_PrintHeaderFooter::Items(true);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].kind, 2);
    EXPECT_EQ(items[0].alignment, 1);
    EXPECT_EQ(items[0].text, "A&B&xC");
    Cpp_PrintHeaderFooter::ParseHeaderFooterCodes(false, "&lDate: &d&cFilename: &f&rTime: &t");
    const auto& f = Cpp_PrintHeaderFooter::Items(false);
    ASSERT_EQ(f.size(), 6u);
    EXPECT_EQ(f[1].kind, 5);
    EXPECT_EQ(f[5].kind, 6);
    EXPECT_EQ(f[5].alignment, 3);
}

TEST_F(PrintPageTest, PageWithHeaderFooterAndFrame) {
    dc.SetPixelsPerInch(600, 600);
    dc.SetPageRect({0, 0, 4800, 6300});
    dc.SetPhysicalPageRect({-150, -150, 4950, 6450});
    Cpp_PrintHeaderFooter::ComputePrintMargins(dc);
    const platform::DeviceRect before = Cpp_PrintHeaderFooter::CopyPrintMargins();
    Cpp_PrintHeaderFooter::DefaultText("Slope at the quarry", "/data/jobs/slope.preinput-kliven");
    const auto texts = dc.Texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], "Slope at the quarry");
    EXPECT_EQ(texts[1], "Date: Thu Feb 12 2026");
    EXPECT_EQ(texts[2], "Filename: slope.preinput-kliven");
    EXPECT_EQ(texts[3], "Time:  03:07:09");
    const auto records = dc.OfKind(DcRecordKind::Text);
    EXPECT_EQ(records[0].points[0].y, before.top);   // header at the top margin
    EXPECT_EQ(records[1].points[0].x, before.left);  // left text at the left margin
    const int h = 600 * 12 / 72;                     // the 12 point font
    EXPECT_EQ(records[3].points[0].y, before.bottom - h);
    // The drawing fits between header and footer.
    const platform::DeviceRect after = Cpp_PrintHeaderFooter::CopyPrintMargins();
    EXPECT_EQ(after.top, before.top + h);
    EXPECT_EQ(after.bottom, before.bottom - h);
    // The frame outlines the margin rectangle before narrowing.
    const auto frame = dc.OfKind(DcRecordKind::Polyline).at(0).points;
    EXPECT_EQ(frame.front(), (platform::DevicePoint{before.left, before.bottom}));
    EXPECT_EQ(frame[2], (platform::DevicePoint{before.right, before.top}));
}

// Regression: the centred text was centred whatever the others took, so the footer's date ran
// into "Filename:". On every paper size and orientation no two texts overlap, and all of them
// stay between the header's top and the footer's bottom margin.
TEST_F(PrintPageTest, HeaderAndFooterTextsNeverOverlap) {
    const char* const kFile = "/data/jobs/slope.preinput-kliven";
    struct Page {
        const char* name;
        int ppi, width, height;
        const char* heading;
        const char* file;
    } pages[] = {
        {"letter portrait", 600, 5100, 6600, "Slope at the quarry", kFile},
        {"letter landscape", 600, 6600, 5100, "Slope at the quarry", kFile},
        {"A5 portrait, long names", 300, 1748, 2480,
         "Embankment on soft clay with measured pore-water pressures and a geogrid",
         "/data/jobs/a_rather_long_name_for_a_problem_file.preinput-kliven"},
        {"A3 landscape", 300, 4961, 3508, "Quarry face", "q.preinput-kliven"},
    };
    for (const Page& p : pages) {
        SCOPED_TRACE(p.name);
        dc.Clear();
        Cpp_KlivenSettings::Reset();
        Cpp_PrintHeaderFooter::InitializeDefaults();
        dc.SetPixelsPerInch(p.ppi, p.ppi);
        dc.SetPageRect({0, 0, p.width - 2 * p.ppi / 4, p.height - 2 * p.ppi / 4});
        dc.SetPhysicalPageRect({-p.ppi / 4, -p.ppi / 4, p.width - p.ppi / 4, p.height - p.ppi / 4});
        Cpp_PrintHeaderFooter::ComputePrintMargins(dc);
        const platform::DeviceRect margins = Cpp_PrintHeaderFooter::CopyPrintMargins();
        Cpp_PrintHeaderFooter::DefaultText(p.heading, p.file);
        const auto records = dc.OfKind(DcRecordKind::Text);
        ASSERT_EQ(records.size(), 4u);
        const int h = p.ppi * 12 / 72;
        std::vector<platform::DeviceRect> boxes;
        for (const auto& r : records) {
            const int w = static_cast<int>(r.text.size()) * (h / 2);
            boxes.push_back({r.points[0].x, r.points[0].y, r.points[0].x + w, r.points[0].y + h});
            EXPECT_GE(boxes.back().top, margins.top) << r.text;
            EXPECT_LE(boxes.back().bottom, margins.bottom) << r.text;
        }
        for (size_t a = 0; a < boxes.size(); ++a)
            for (size_t b = a + 1; b < boxes.size(); ++b) {
                const auto& p = boxes[a];
                const auto& q = boxes[b];
                const bool apart = p.right <= q.left || q.right <= p.left || p.bottom <= q.top ||
                                   q.bottom <= p.top;
                EXPECT_TRUE(apart) << records[a].text << " / " << records[b].text;
            }
        // The drawing gets what the texts leave.
        const platform::DeviceRect after = Cpp_PrintHeaderFooter::CopyPrintMargins();
        for (const auto& box : boxes)
            EXPECT_TRUE(box.bottom <= after.top || box.top >= after.bottom);
    }
}

TEST_F(PrintPageTest, PrintJobDrawsOnAPrinterPageAndRestoresTheScreen) {
    FitSquare(0, 10, 0, 10);
    const double s = Cpp_Graphics::XScale();
    platform::DeviceRect fitted;
    int mode = 0;
    const bool ok = PrintDrawing({"doc", {}}, "Heading", "a.preinput-kliven",
                                 [&](platform::DeviceContext&, const platform::DeviceRect& r) {
                                     fitted = r;
                                     mode = Cpp_Graphics::OutputMode();
                                     EXPECT_TRUE(Cpp_Graphics::ScaleIsStale());
                                 });
    EXPECT_TRUE(ok);
    EXPECT_EQ(mode, Cpp_Graphics::kOutputPrinter);
    EXPECT_EQ(fakes.printing.jobsEnded, 1);
    ASSERT_EQ(fakes.printing.pages.size(), 1u);
    EXPECT_EQ(fakes.printing.pages[0]->Texts().at(0), "Heading");
    EXPECT_GT(fitted.top, 0);
    EXPECT_EQ(Cpp_Graphics::XScale(), s);
    EXPECT_EQ(Cpp_Graphics::GetCurrentDC(), &dc);
    EXPECT_EQ(Cpp_Graphics::OutputMode(), Cpp_Graphics::kOutputScreen);
    fakes.printing.cancel = true;
    EXPECT_FALSE(PrintDrawing({"doc", {}}, "", "", nullptr));
}

// A printed page (print and print preview) is fitted to the printer; afterwards the view shows
// the same part of the world at the same scale as before (a wheel zoom included), and its next
// paint lays the grid out where it was, not on the printer's extent.
TEST_F(PrintPageTest, PrintingLeavesTheViewsExtentAndGrid) {
    Cpp_GraphicGrid::Reset();
    s_GridSettingsType grid;
    grid.spacing = 5;
    ASSERT_TRUE(Cpp_GraphicGrid::ApplySettings(grid));
    dc.SetPageRect({0, 0, 1000, 700});
    const platform::DeviceRect screen{0, 0, 1000, 700};
    Cpp_Graphics::SetWindow(0, 200, 0, 100);
    Cpp_Graphics::InvalidateScale();
    PaintProblemView(dc, screen, nullptr, Cpp_Graphics::kOutputScreen, 2);
    Cpp_Graphics::ZoomAtPixel(true, 300, 200);
    PaintProblemView(dc, screen, nullptr, Cpp_Graphics::kOutputScreen, 2);
    const Cpp_Graphics::WorldRect visible = Cpp_Graphics::GetVisibleWindow();
    const Cpp_Graphics::WorldRect window = Cpp_Graphics::GetWindow();
    const double scale = Cpp_Graphics::XScale(), xOffset = Cpp_Graphics::XOffset(),
                 yOffset = Cpp_Graphics::YOffset();
    const std::vector<int> columns = Cpp_GraphicGrid::VerticalLines();
    const std::vector<int> rows = Cpp_GraphicGrid::HorizontalLines();
    ASSERT_FALSE(columns.empty());
    ASSERT_FALSE(rows.empty());

    const DrawViewFunction draw = [](platform::DeviceContext& page,
                                     const platform::DeviceRect& rect) {
        PaintProblemView(page, rect, nullptr, Cpp_Graphics::kOutputPrinter, 2);
    };
    ASSERT_TRUE(PrintDrawing({"doc", {}}, "Heading", "/data/a.preinput-kliven", draw));
    ASSERT_EQ(fakes.printing.pages.size(), 1u);
    EXPECT_FALSE(fakes.printing.pages[0]->Records().empty());

    EXPECT_FALSE(Cpp_Graphics::ScaleIsStale());
    EXPECT_EQ(Cpp_Graphics::GetVisibleWindow(), visible);
    EXPECT_EQ(Cpp_Graphics::GetWindow(), window);
    EXPECT_EQ(Cpp_Graphics::XScale(), scale);
    EXPECT_EQ(Cpp_Graphics::XOffset(), xOffset);
    EXPECT_EQ(Cpp_Graphics::YOffset(), yOffset);
    PaintProblemView(dc, screen, nullptr, Cpp_Graphics::kOutputScreen, 2);
    EXPECT_EQ(Cpp_GraphicGrid::VerticalLines(), columns);
    EXPECT_EQ(Cpp_GraphicGrid::HorizontalLines(), rows);
    Cpp_GraphicGrid::Reset();
}

// The copy reaches the picture service only with a size: an empty size, or no service
// registered (the stand-in), copies nothing; a registered service gets the size as given.
TEST(CopyDrawingTest, ThePictureServiceGetsOnlyARealSize) {
    struct Recording final : platform::PictureCopyService {
        bool CopyPicture(int w, int h, int p, const DrawViewFunction&) override {
            calls.push_back({w, h, p});
            return true;
        }
        std::vector<std::vector<int>> calls;
    } copy;
    const DrawViewFunction draw = [](platform::DeviceContext&, const platform::DeviceRect&) {};
    EXPECT_FALSE(CopyDrawingToClipboard(400, 300, 96, draw));  // the stand-in
    platform::Services().SetPictureCopy(&copy);
    const struct {
        int width, height, ppi;
        bool copied;
    } cases[] = {
        {400, 300, 96, true}, {0, 300, 96, false}, {400, -1, 96, false}, {400, 300, 0, false}};
    for (const auto& c : cases)
        EXPECT_EQ(CopyDrawingToClipboard(c.width, c.height, c.ppi, draw), c.copied)
            << c.width << " x " << c.height << " at " << c.ppi;
    platform::Services().SetPictureCopy(nullptr);
    EXPECT_EQ(copy.calls, (std::vector<std::vector<int>>{{400, 300, 96}}));
}

}  // namespace
