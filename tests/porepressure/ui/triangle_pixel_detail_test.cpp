// Triangle meshes drawn into an image at the detail a pixel shows (the view's picture) against
// the exact drawing (a printed page, the clipboard picture): the same lit pixels, to within the
// pixel that a dense edge may be set across from its exact line.

#include "graphics/level_of_detail.h"
#include "platform/qt/image_dc.h"
#include "porepressure/pp_drawing_fixture.h"
#include "porepressure/triangulation_drawing.h"

#include <QImage>
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <vector>

namespace {

// A mesh of random points over [0, 100] x [0, 100] (five pixels a unit).
struct RandomMesh {
    Cpp_VertexList vertices;
    Cpp_TriangleList triangles;
    explicit RandomMesh(int count) {
        std::mt19937 random(7);
        std::uniform_real_distribution<double> u(0.0, 100.0);
        for (int i = 1; i <= count; ++i) vertices.AddVertex(i, u(random), u(random), 0.0);
        RegisterVertexList(&vertices);
        TriangulatePoints(1, triangles, vertices, false);
    }
};

class TrianglePixelDetailTest : public PpDrawingFixture {
protected:
    // The mesh drawn into a white image of the view's size.
    static QImage Drawn(const Cpp_TriangleList& triangles, bool pixelDetail) {
        QImage image(566, 566, QImage::Format_RGB32);
        image.fill(Qt::white);
        platform::qt::ImageDeviceContext dc(image);
        Cpp_ScopedGraphicsDC current(dc, Cpp_Graphics::kOutputScreen);
        std::optional<Cpp_PixelDetail> detail;
        if (pixelDetail) detail.emplace();
        TriangulationDrawOptions options;
        options.triangleColour = s_ColorType::FromRGB(0x0000FF);
        EXPECT_TRUE(Cpp_TriangleDrawing::BeginDrawing(options));
        Cpp_TriangleDrawing::DrawAll(triangles);
        Cpp_TriangleDrawing::EndDrawing();
        return image;
    }
    static bool Lit(const QImage& image, int x, int y) {
        return x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
               image.pixel(x, y) != qRgb(255, 255, 255);
    }
    // Lit pixels of a with no lit pixel of b at or next to them.
    static int LitAwayFrom(const QImage& a, const QImage& b) {
        int away = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                if (!Lit(a, x, y)) continue;
                bool near = false;
                for (int dy = -1; dy <= 1 && !near; ++dy)
                    for (int dx = -1; dx <= 1 && !near; ++dx) near = Lit(b, x + dx, y + dy);
                if (!near) ++away;
            }
        return away;
    }
    static int LitCount(const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += Lit(image, x, y);
        return n;
    }
    static int Differing(const QImage& a, const QImage& b) {
        int n = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) n += Lit(a, x, y) != Lit(b, x, y);
        return n;
    }
};

// Points a few pixels apart or more: every edge is drawn as a line. The exact drawing draws an
// edge shared by two triangles twice (once in each direction, within each closed outline) and
// the view once, so the lines agree but for a pixel here and there where a line runs halfway
// between two pixels: never a lit pixel without a lit one at or next to it in the other.
TEST_F(TrianglePixelDetailTest, SparseMeshIsDrawnAsTheExactLines) {
    for (int count : {40, 400}) {
        SCOPED_TRACE(count);
        RandomMesh mesh(count);
        const QImage exact = Drawn(mesh.triangles, false);
        const QImage detail = Drawn(mesh.triangles, true);
        const int lit = LitCount(exact);
        EXPECT_GT(lit, 1000);
        EXPECT_EQ(LitAwayFrom(exact, detail), 0);
        EXPECT_EQ(LitAwayFrom(detail, exact), 0);
        EXPECT_LT(Differing(exact, detail), lit / 200);
    }
}

// Points denser than the pixels (edges within a pixel, and so many edges that the image sets
// their pixels itself): every pixel the exact drawing lights has a lit pixel at or next to it in
// the view's picture and the other way round (an edge may be set a pixel across from its line,
// and an edge within a pixel lights its two end pixels), and only a small part of the pixels
// differ at all.
TEST_F(TrianglePixelDetailTest, DenseMeshLightsThePixelsOfTheExactDrawing) {
    for (int count : {20000, 100000}) {
        SCOPED_TRACE(count);
        RandomMesh mesh(count);
        const QImage exact = Drawn(mesh.triangles, false);
        const QImage detail = Drawn(mesh.triangles, true);
        EXPECT_EQ(LitAwayFrom(exact, detail), 0);
        EXPECT_EQ(LitAwayFrom(detail, exact), 0);
        const int lit = LitCount(exact);
        EXPECT_GT(lit, 50000);
        EXPECT_LT(Differing(exact, detail), lit / 20);
    }
}

// A printed page (and the clipboard picture, drawn without the view's detail) gets the closed
// outline of every triangle however dense the mesh.
TEST_F(TrianglePixelDetailTest, PrintedMeshHasEveryTriangleOutline) {
    RandomMesh mesh(20000);
    Cpp_Graphics::SetOutputMode(Cpp_Graphics::kOutputPrinter);
    ASSERT_FALSE(DrawingAtPixelDetail());
    TriangulationDrawOptions options;
    ASSERT_TRUE(Cpp_TriangleDrawing::BeginDrawing(options));
    Cpp_TriangleDrawing::DrawAll(mesh.triangles);
    Cpp_TriangleDrawing::EndDrawing();
    const auto outlines = dc.OfKind(platform::DcRecordKind::PolyPolyline);
    ASSERT_EQ(outlines.size(), 1u);
    ASSERT_EQ(outlines[0].lines.size(), static_cast<size_t>(mesh.triangles.CountTriangles()));
    for (const auto& line : outlines[0].lines) {
        ASSERT_EQ(line.size(), 4u);
        EXPECT_EQ(line.front(), line.back());
    }
}

}  // namespace
