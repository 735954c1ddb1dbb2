#include "graphics/graphics.h"
#include "graphics/point_symbols.h"
#include "platform/qt/image_dc.h"
#include "platform/qt/picture_dc.h"
#include "platform/qt/printer_dc.h"
#include "support/test_support.h"

#include <QImage>
#include <QPrinter>
#include <gtest/gtest.h>

namespace {

using namespace platform;
using platform::qt::ImageDeviceContext;

QImage WhiteImage(int w = 200, int h = 150) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QRgb Rgb(ColorRef c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)); }

// The bounding box of the pixels that differ from white.
QRect InkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
    return box;
}

Brush PatternBrush(std::initializer_list<int> inkRows) {
    Brush b;
    b.kind = BrushKind::Pattern;
    int r = 0;
    for (int ink : inkRows) b.rows[r++] = static_cast<std::uint16_t>(~ink & 0xFF);
    return b;
}

// Something to draw over: colour bands, text and a diagonal.
void PaintBackground(QImage& image) {
    ImageDeviceContext dc(image);
    for (int i = 0; i < 10; ++i)
        dc.FillRect({i * 20, 0, i * 20 + 20, 150}, MakeRgb(i * 25, 255 - i * 20, (i * 70) % 256));
    dc.SetFont({"Arial", 14});
    dc.TextOut(10, 10, "Background");
    dc.MoveTo(0, 0);
    dc.LineTo(199, 149);
}

void DrawRubberBand(QImage& image) {
    ImageDeviceContext dc(image);
    dc.SetRop2(RasterOp::XorPen);
    dc.SetPen({PenStyle::Solid, 1, MakeRgb(255, 255, 255)});
    Brush hollow;
    hollow.kind = BrushKind::Hollow;
    dc.SetBrush(hollow);
    dc.Rectangle(20, 30, 150, 120);
    dc.MoveTo(5, 140);
    dc.LineTo(190, 12);
    dc.LineTo(100, 100);
    dc.SetPen({PenStyle::Dot, 1, MakeRgb(0, 255, 255)});
    dc.Polyline({{10, 10}, {60, 80}, {120, 20}});
    dc.SetPen({PenStyle::Solid, 3, MakeRgb(200, 100, 50)});
    dc.Ellipse(40, 40, 110, 90);
    dc.Arc({30, 30, 170, 130}, {170, 80}, {100, 30});
    // The marking of a selected item: pattern 23 filled in XOR with black ink.
    dc.SetTextColor(0);
    dc.SetBrush(PatternBrush({0x88, 0x22, 0x88, 0x22, 0x88, 0x22, 0x88, 0x22}));
    dc.FillPolygon({{60, 60}, {140, 60}, {140, 110}, {60, 110}});
    dc.SetFont({"Arial", 16, 700, false, false, 300});
    dc.SetTextColor(MakeRgb(255, 0, 0));
    dc.TextOut(50, 100, "Drag");
}

TEST(ImageDeviceContext, XorDrawnTwiceLeavesTheImageUnchanged) {
    QImage image = WhiteImage();
    PaintBackground(image);
    const QImage before = image.copy();
    DrawRubberBand(image);
    EXPECT_NE(image, before);
    DrawRubberBand(image);
    ASSERT_EQ(image.size(), before.size());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y), before.pixel(x, y)) << "at " << x << "," << y;
}

TEST(ImageDeviceContext, XorCombinesThePenColourWithThePixels) {
    QImage image = WhiteImage(20, 20);
    {
        ImageDeviceContext dc(image);
        dc.FillRect({0, 0, 20, 20}, MakeRgb(0x0F, 0xF0, 0x33));
        dc.SetRop2(RasterOp::XorPen);
        dc.SetPen({PenStyle::Solid, 1, MakeRgb(0xFF, 0x0F, 0x01)});
        dc.MoveTo(2, 5);
        dc.LineTo(12, 5);
    }
    EXPECT_EQ(image.pixel(5, 5), qRgb(0xF0, 0xFF, 0x32));
    EXPECT_EQ(image.pixel(5, 6), qRgb(0x0F, 0xF0, 0x33));
}

TEST(ImageDeviceContext, LinesLeaveOutTheirLastPixelAndRectanglesTheirRightAndBottomEdges) {
    QImage image = WhiteImage(40, 40);
    {
        ImageDeviceContext dc(image);
        dc.MoveTo(2, 2);
        dc.LineTo(10, 2);
        dc.Rectangle(5, 10, 15, 20);  // outline on 5..14 and 10..19
    }
    EXPECT_EQ(image.pixel(2, 2), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(9, 2), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(10, 2), qRgb(255, 255, 255));
    const QRect box = InkBox(image);
    EXPECT_EQ(box, QRect(QPoint(2, 2), QPoint(14, 19)));
    EXPECT_EQ(image.pixel(10, 15), qRgb(255, 255, 255));  // white brush inside
}

TEST(ImageDeviceContext, PatternBrushInksWithTheTextColourOnTheBackgroundColour) {
    QImage image = WhiteImage(16, 16);
    const ColorRef ink = MakeRgb(200, 0, 0);
    const ColorRef paper = MakeRgb(0, 0, 90);
    {
        ImageDeviceContext dc(image);
        dc.SetTextColor(ink);
        dc.SetBkColor(paper);
        dc.SetBkMode(BackgroundMode::Transparent);  // pattern brushes show both colours anyway
        dc.SetBrush(PatternBrush({0x80, 0x01, 0, 0, 0, 0, 0, 0xFF}));
        dc.FillPolygon({{0, 0}, {16, 0}, {16, 16}, {0, 16}});
    }
    for (int tile : {0, 8}) {
        EXPECT_EQ(image.pixel(tile + 0, 0), Rgb(ink));
        EXPECT_EQ(image.pixel(tile + 1, 0), Rgb(paper));
        EXPECT_EQ(image.pixel(tile + 7, 1), Rgb(ink));
        EXPECT_EQ(image.pixel(tile + 6, 1), Rgb(paper));
        EXPECT_EQ(image.pixel(tile + 3, 7), Rgb(ink));
        EXPECT_EQ(image.pixel(tile + 3, 4), Rgb(paper));
    }
}

TEST(ImageDeviceContext, HatchAndDashGapsShowTheBackgroundOnlyWhenOpaque) {
    for (bool opaque : {true, false}) {
        QImage image = WhiteImage(40, 40);
        const ColorRef paper = MakeRgb(0, 200, 0);
        {
            ImageDeviceContext dc(image);
            dc.SetBkColor(paper);
            dc.SetBkMode(opaque ? BackgroundMode::Opaque : BackgroundMode::Transparent);
            Brush hatch;
            hatch.kind = BrushKind::Hatch;
            hatch.hatch = HatchStyle::Horizontal;
            hatch.color = MakeRgb(0, 0, 255);
            dc.SetBrush(hatch);
            dc.SetPen({PenStyle::Null, 0, 0});
            dc.Rectangle(0, 0, 30, 20);
            dc.SetPen({PenStyle::Dash, 1, 0});
            dc.MoveTo(0, 30);
            dc.LineTo(40, 30);
        }
        int blue = 0, green = 0, white = 0, black = 0, gap = 0;
        for (int y = 0; y < 19; ++y)
            for (int x = 0; x < 29; ++x) {
                const QRgb p = image.pixel(x, y);
                blue += p == qRgb(0, 0, 255);
                green += p == Rgb(paper);
                white += p == qRgb(255, 255, 255);
            }
        for (int x = 0; x < 39; ++x) {
            black += image.pixel(x, 30) == qRgb(0, 0, 0);
            gap += image.pixel(x, 30) == (opaque ? Rgb(paper) : qRgb(255, 255, 255));
        }
        SCOPED_TRACE(opaque ? "opaque" : "transparent");
        EXPECT_GT(blue, 0);
        EXPECT_GT(opaque ? green : white, blue);
        EXPECT_EQ(opaque ? white : green, 0);
        EXPECT_GT(black, 10);
        EXPECT_GT(gap, 3);
        EXPECT_EQ(image.pixel(29, 5), qRgb(255, 255, 255));  // a null pen draws no outline
    }
}

TEST(ImageDeviceContext, ClipRectAndPathKeepDrawingInsideAndRestoreUndoesThem) {
    QImage image = WhiteImage(50, 50);
    {
        ImageDeviceContext dc(image);
        dc.Save();
        dc.SetClipRect({30, 30, 10, 10});
        dc.FillRect({0, 0, 50, 50}, MakeRgb(255, 0, 0));
        dc.SetClipPath({{0, 40}, {10, 40}, {0, 50}});
        Brush blue;
        blue.color = MakeRgb(0, 0, 255);
        dc.SetBrush(blue);
        dc.SetPen({PenStyle::Null, 0, 0});
        dc.Rectangle(0, 0, 51, 51);
        dc.Restore();
        dc.SetPixel(45, 5, MakeRgb(0, 255, 0));
    }
    EXPECT_EQ(InkBox(image.copy(0, 0, 40, 30)), QRect(QPoint(10, 10), QPoint(29, 29)));
    EXPECT_EQ(image.pixel(1, 41), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(9, 49), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(45, 5), qRgb(0, 255, 0));
}

TEST(ImageDeviceContext, TextFollowsItsAlignmentAndEscapement) {
    auto inkOf = [](unsigned align, int escapement) {
        QImage image = WhiteImage(300, 300);
        ImageDeviceContext dc(image);
        dc.SetBkMode(BackgroundMode::Transparent);
        dc.SetFont({"Arial", 20, 400, false, false, escapement});
        dc.SetTextAlign(align);
        dc.TextOut(150, 150, "Slope 1.5");
        const TextSize size = dc.GetTextExtent("Slope 1.5");
        return std::make_pair(InkBox(image), size);
    };
    const auto [left, size] = inkOf(AlignLeft | AlignTop, 0);
    EXPECT_GT(size.cx, 40);
    EXPECT_GE(left.left(), 150);
    EXPECT_GE(left.top(), 150);
    EXPECT_LE(left.right(), 150 + size.cx);
    const auto right = inkOf(AlignRight | AlignBottom, 0).first;
    EXPECT_LE(right.right(), 150);
    EXPECT_LE(right.bottom(), 150);
    const auto centre = inkOf(AlignCenter | AlignBaseline, 0).first;
    EXPECT_LT(std::abs(centre.center().x() - 150), 4);
    EXPECT_LT(centre.top(), 150);
    const auto up = inkOf(AlignLeft | AlignBaseline, 900).first;  // reads upwards
    EXPECT_GT(up.height(), up.width());
    EXPECT_LE(up.bottom(), 150);
}

TEST(ImageDeviceContext, MetricsComeFromTheFontAndThePixelsPerInchFromTheDevice) {
    QImage image = WhiteImage();
    ImageDeviceContext dc(image, 120, 110);
    EXPECT_EQ(dc.PixelsPerInchX(), 120);
    EXPECT_EQ(dc.PixelsPerInchY(), 110);
    EXPECT_EQ(dc.PageRect(), (DeviceRect{0, 0, 200, 150}));
    dc.SetFont({"Arial", 12});
    const TextMetrics small = dc.GetTextMetrics();
    dc.SetFont({"Arial", 24});
    const TextMetrics large = dc.GetTextMetrics();
    EXPECT_EQ(small.height, small.ascent + small.descent);
    EXPECT_GT(large.height, small.height);
    EXPECT_GT(large.averageCharWidth, small.averageCharWidth);
    EXPECT_GT(dc.GetTextExtent("WWW").cx, dc.GetTextExtent("W").cx);
}

TEST(ImageDeviceContext, ArcsRunCounterClockwiseFromStartToEnd) {
    QImage image = WhiteImage(100, 100);
    {
        ImageDeviceContext dc(image);
        dc.Arc({10, 10, 91, 91}, {100, 50}, {50, 0});  // right to top: the upper right quarter
    }
    const QRect box = InkBox(image);
    EXPECT_GE(box.left(), 48);
    EXPECT_LE(box.bottom(), 52);
    EXPECT_GE(box.right(), 88);
    EXPECT_LE(box.top(), 12);
}

// The same device context drawing everything through QPainter, never into the pixels directly.
class PainterOnlyImageContext final : public platform::qt::PainterDeviceContext {
public:
    explicit PainterOnlyImageContext(QImage& image) {
        Begin(&image, DeviceRect{0, 0, image.width(), image.height()}, 96, 96);
    }
};

// Ellipses of many sizes, pens, brushes and background modes (some across the edges, some
// clipped, some in XOR) and the point symbols of every style, over colour bands.
void PaintEllipsesAndSymbols(DeviceContext& dc) {
    for (int i = 0; i < 12; ++i)
        dc.FillRect({i * 25, 0, i * 25 + 25, 420}, MakeRgb(i * 20, 250 - i * 15, (i * 90) % 256));
    Brush hollow;
    hollow.kind = BrushKind::Hollow;
    Brush green;
    green.color = MakeRgb(0, 160, 40);
    const Pen pens[] = {{PenStyle::Solid, 1, MakeRgb(128, 0, 0)},
                        {PenStyle::Solid, 0, MakeRgb(0, 0, 200)},
                        {PenStyle::Solid, 3, MakeRgb(90, 60, 0)},
                        {PenStyle::Null, 0, 0}};
    int x = -4, y = -3;
    for (BackgroundMode mode : {BackgroundMode::Opaque, BackgroundMode::Transparent})
        for (const Pen& pen : pens)
            for (const Brush& brush : {green, hollow}) {
                dc.SetBkMode(mode);
                dc.SetPen(pen);
                dc.SetBrush(brush);
                for (int w = 1; w <= 14; ++w) {
                    dc.Ellipse(x, y, x + w, y + (w * 7) % 11 + 1);
                    dc.Ellipse(x + 3, y + 14, x + 3 + w, y + 14 + w);
                    x += w + 6;
                    if (x > 290) x = -5, y += 30;
                }
                dc.Ellipse(290, 412, 306, 428);  // across the corner
                dc.Ellipse(40, 40, 80, 90);
            }
    dc.Save();
    dc.SetClipRect({100, 100, 160, 150});
    for (int k = 0; k < 8; ++k) dc.Ellipse(92 + k * 9, 95 + k * 7, 104 + k * 9, 107 + k * 7);
    dc.SetRop2(RasterOp::XorPen);
    dc.Ellipse(110, 110, 118, 118);
    dc.Restore();
    for (int style = 1; style <= 21; ++style)
        for (short points : {3, 5, 8}) {
            s_SymbolAttributesType a;
            a.markerSize = s_MarkerSizeType(points);
            a.penWidth = s_LineWidthType(static_cast<short>(style % 3 == 0 ? 2 : 0));
            a.style = style;
            a.colour = s_ColorType::FromRGB(MakeRgb(10 * style, 0, 255 - 10 * style));
            a.backgroundFill = MakeRgb(255, 255, 200);
            SetupPointPens(dc, a);
            DrawSymbolAtPixel(dc, 8 + style * 13, 360 + points * 5);
        }
    DeletePointPens();
}

TEST(ImageDeviceContext, EllipsesAndSymbolsHaveThePixelsQPainterDraws) {
    const int previousMode = Cpp_Graphics::OutputMode();
    Cpp_Graphics::SetOutputMode(Cpp_Graphics::kOutputScreen);
    QImage expected = WhiteImage(300, 420);
    QImage image = expected.copy();
    {
        PainterOnlyImageContext dc(expected);
        PaintEllipsesAndSymbols(dc);
    }
    {
        ImageDeviceContext dc(image, 96, 96);
        PaintEllipsesAndSymbols(dc);
    }
    Cpp_Graphics::SetOutputMode(previousMode);
    ResetPointDrawingState();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y), expected.pixel(x, y)) << "at " << x << "," << y;
}

// Point symbols of every style and size, in both background modes, at places inside, across
// the edges of the image and across a clip rectangle, over colour bands.
void PaintRepeatedSymbols(DeviceContext& dc) {
    for (int i = 0; i < 12; ++i)
        dc.FillRect({i * 25, 0, i * 25 + 25, 200}, MakeRgb(i * 20, 250 - i * 15, (i * 90) % 256));
    std::vector<DevicePoint> at;
    for (int k = 0; k < 40; ++k) at.push_back({-6 + (k * 37) % 312, -5 + (k * 53) % 210});
    at.push_back({150, 100});
    at.push_back({151, 101});  // overlapping the one before: drawn after it
    for (BackgroundMode mode : {BackgroundMode::Opaque, BackgroundMode::Transparent})
        for (int style = 1; style <= 21; ++style)
            for (short points : {3, 6}) {
                dc.Save();
                dc.SetBkMode(mode);
                if (style % 4 == 0) dc.SetClipRect({60, 40, 230, 160});
                s_SymbolAttributesType a;
                a.markerSize = s_MarkerSizeType(points);
                a.style = style;
                a.colour = s_ColorType::FromRGB(MakeRgb(10 * style, 0, 255 - 10 * style));
                a.backgroundFill = MakeRgb(255, 255, 200);
                SetupPointPens(dc, a);
                const int size = PointDrawingState().markerSize;
                dc.DrawRepeated(at, size / 2 + 2,
                                [](DeviceContext& d, int u, int v) { DrawSymbolAtPixel(d, u, v); });
                dc.Restore();
                for (DevicePoint& p : at) p = {p.x + 3, p.y + 2};
            }
    DeletePointPens();
}

TEST(ImageDeviceContext, RepeatedFiguresHaveThePixelsOfEachDrawnInTurn) {
    const int previousMode = Cpp_Graphics::OutputMode();
    Cpp_Graphics::SetOutputMode(Cpp_Graphics::kOutputScreen);
    QImage expected = WhiteImage(300, 200);
    QImage image = expected.copy();
    {
        PainterOnlyImageContext dc(expected);  // draws the figure at each place
        PaintRepeatedSymbols(dc);
    }
    {
        ImageDeviceContext dc(image, 96, 96);  // draws it once and copies its pixels
        PaintRepeatedSymbols(dc);
    }
    Cpp_Graphics::SetOutputMode(previousMode);
    ResetPointDrawingState();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y), expected.pixel(x, y)) << "at " << x << "," << y;
}

// Short lines of every direction, some across the edges of the image, in one call.
std::vector<DevicePoint> ShortLines() {
    std::vector<DevicePoint> ends;
    for (int k = 0; k < 400; ++k) {
        const DevicePoint a{-8 + (k * 37) % 216, -8 + (k * 53) % 166};
        const DevicePoint b{a.x + (k * 7) % 17 - 8, a.y + (k * 11) % 13 - 6};
        if (a == b) continue;
        ends.push_back(a);
        ends.push_back(b);
    }
    return ends;
}

TEST(ImageDeviceContext, SegmentsDrawAsPolyPolylineDoes) {
    const std::vector<DevicePoint> ends = ShortLines();
    std::vector<std::vector<DevicePoint>> lines;
    for (std::size_t i = 0; i < ends.size(); i += 2) lines.push_back({ends[i], ends[i + 1]});
    QImage expected = WhiteImage(), image = WhiteImage();
    {
        ImageDeviceContext dc(expected, 96, 96);
        dc.SetPen({PenStyle::Solid, 1, MakeRgb(0, 0, 255)});
        dc.PolyPolyline(lines);
    }
    {
        ImageDeviceContext dc(image, 96, 96);
        dc.SetPen({PenStyle::Solid, 1, MakeRgb(0, 0, 255)});
        dc.Segments(ends);
    }
    EXPECT_EQ(image, expected);
}

// A dense mesh's lines set by the context itself: one pixel for each pixel step along the
// longer axis from the lower end up to the upper one (left out), each at most one pixel across
// from where QPainter puts it; lines reaching off the image are drawn by QPainter exactly.
TEST(ImageDeviceContext, DenseSegmentsStayWithinAPixelOfTheExactLines) {
    const std::vector<DevicePoint> ends = ShortLines();
    const Pen pen{PenStyle::Solid, 1, MakeRgb(0, 0, 255)};
    const QRect page(0, 0, 200, 150);
    for (std::size_t i = 0; i < ends.size(); i += 2) {
        const DevicePoint a = ends[i], b = ends[i + 1];
        QImage exact = WhiteImage(), dense = WhiteImage();
        {
            ImageDeviceContext dc(exact, 96, 96);
            dc.SetPen(pen);
            dc.Segments({a, b});
        }
        {
            ImageDeviceContext dc(dense, 96, 96);
            dc.SetPen(pen);
            dc.DenseSegments({a, b});
        }
        const std::string line = std::to_string(a.x) + "," + std::to_string(a.y) + " to " +
                                 std::to_string(b.x) + "," + std::to_string(b.y);
        if (!page.contains(a.x, a.y) || !page.contains(b.x, b.y)) {
            EXPECT_EQ(dense, exact) << line;
            continue;
        }
        const bool steep = std::abs(b.y - a.y) > std::abs(b.x - a.x);
        const int from = steep ? std::min(a.y, b.y) : std::min(a.x, b.x);
        const int to = steep ? std::max(a.y, b.y) : std::max(a.x, b.x);
        int inked = 0;
        for (int y = 0; y < 150; ++y)
            for (int x = 0; x < 200; ++x) {
                if (dense.pixel(x, y) == qRgb(255, 255, 255)) continue;
                ++inked;
                const int along = steep ? y : x;
                EXPECT_TRUE(along >= from && along < to) << line << " at " << x << "," << y;
                bool near = false;
                for (int d = -1; d <= 1; ++d) {
                    const int ex = steep ? x + d : x, ey = steep ? y : y + d;
                    near = near ||
                           (page.contains(ex, ey) && exact.pixel(ex, ey) != qRgb(255, 255, 255));
                }
                EXPECT_TRUE(near) << line << " at " << x << "," << y;
            }
        EXPECT_EQ(inked, to - from) << line;
    }
}

TEST(PrinterDeviceContext, PrintsToAPdfWithThePrinterResolution) {
    testsupport::TempDir dir;
    const auto file = dir.Path() / "page.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(file.string()));
    {
        platform::qt::PrinterDeviceContext dc(printer);
        ASSERT_TRUE(dc.Ok());
        EXPECT_TRUE(dc.IsPrinting());
        EXPECT_EQ(dc.PixelsPerInchX(), printer.resolution());
        const DeviceRect page = dc.PageRect();
        const DeviceRect sheet = dc.PhysicalPageRect();
        EXPECT_LE(sheet.left, 0);
        EXPECT_GE(sheet.right, page.right);
        EXPECT_GT(page.Width(), 5 * dc.PixelsPerInchX());
        dc.TextOut(0, 0, "Heading");
        dc.Rectangle(0, 0, page.right, page.bottom);
        EXPECT_TRUE(dc.NewPage());
        dc.TextOut(0, 0, "Second page");
        EXPECT_TRUE(dc.Finish());
    }
    const std::string pdf = testsupport::ReadFile(file);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("/Count 2"), std::string::npos);
}

TEST(PictureDeviceContext, RendersTheSameDrawingAsSvgAndPng) {
    platform::qt::PictureDeviceContext dc(120, 80, 96);
    dc.SetPen({PenStyle::Solid, 1, MakeRgb(255, 0, 0)});
    dc.MoveTo(10, 40);
    dc.LineTo(110, 40);
    dc.TextOut(10, 5, "Copy");
    const std::string svg = dc.Svg();
    const std::string png = dc.Png();
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("viewBox=\"0 0 120 80\""), std::string::npos);
    EXPECT_NE(svg.find("#ff0000"), std::string::npos);
    QImage image;
    ASSERT_TRUE(image.loadFromData(reinterpret_cast<const uchar*>(png.data()),
                                   static_cast<int>(png.size()), "PNG"));
    EXPECT_EQ(image.size(), QSize(120, 80));
    EXPECT_EQ(image.pixel(60, 40), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(60, 60), qRgb(255, 255, 255));
}

}  // namespace
