// Contours: the interval and the contour values, tracing through the triangles, the cache, and
// the drawing of labelled lines with a gap at each label.

#include "core/text_exception.h"
#include "graphics/label_areas.h"
#include "porepressure/contours.h"
#include "porepressure/pp_drawing_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using platform::DcRecordKind;

TEST(ContourInterval, FollowsTheOneTwoFiveRule) {
    const struct {
        double max, min, interval;
    } cases[] = {{1000, 3, 50}, {1000, 0, 50}, {0.037, 0, 0.002}, {10, 0, 0.5}, {1, 0, 0.05}};
    for (const auto& c : cases) {
        double interval = 0;
        ASSERT_TRUE(Cpp_Contours::GetContourInterval(c.max, c.min, 20, interval));
        EXPECT_NEAR(interval, c.interval, c.interval * 1e-9) << c.max << " " << c.min;
    }
}

TEST(ContourInterval, NoRangeThrowsTheText) {
    double interval = 0;
    for (double max : {5.0, std::nan("")}) {
        try {
            Cpp_Contours::GetContourInterval(max, 5.0, 20, interval);
            FAIL();
        } catch (const Cpp_TextException& e) {
            EXPECT_EQ(e.Text(),
                      "Cpp_Contours::GetContourInterval - Failed to get contour interval");
        }
    }
}

TEST(ContourLabelText, DecimalsOnlyWhenTheyShow) {
    EXPECT_EQ(Cpp_ContourLabel::FormatValue(12.04, 1), "12");
    EXPECT_EQ(Cpp_ContourLabel::FormatValue(12.06, 1), "12.1");
    EXPECT_EQ(Cpp_ContourLabel::FormatValue(50.0, 2), "50");
    EXPECT_EQ(Cpp_ContourLabel::FormatValue(0.002, 3), "0.002");
    EXPECT_EQ(Cpp_ContourLabel::FormatValue(-2.5, 0), "-2");  // "%1.0f" rounds half to even
    EXPECT_LE(Cpp_ContourLabel::FormatValue(1e30, 2).size(), 20u);
}

class ContoursTest : public PpDrawingFixture {
protected:
    static std::vector<double> Values(Cpp_Contours& c) {
        std::vector<double> values;
        double v = 0;
        bool label = false, major = false;
        for (bool more = c.FirstContourValue(c.Minimum(), v, label, major); more;
             more = c.NextContourValue(v, label, major))
            values.push_back(v);
        return values;
    }
    void Attributes() {
        s_FontType font("Arial", 8);
        ASSERT_TRUE(Cpp_Contours::SetDrawingAttributes(
            font, 2, s_ColorType(12, 7), s_LineWidthType(static_cast<short>(1)),
            s_LineWidthType(static_cast<short>(3)), "Press_Interp_1"));
    }
    void TearDown() override {
        Cpp_Contours::ReleaseDrawingAttributes();
        PpDrawingFixture::TearDown();
    }
};

TEST_F(ContoursTest, ValuesFromThreeToAThousandAreLabelledFifties) {
    GridMesh mesh(2, 10, [](double x, double) { return 3 + 99.7 * x; });
    Cpp_Contours c;
    ASSERT_TRUE(c.SetUpContourValues(mesh.vertices, false));
    const auto values = Values(c);
    ASSERT_EQ(values.size(), 20u);
    EXPECT_DOUBLE_EQ(values.front(), 50);
    EXPECT_DOUBLE_EQ(values.back(), 1000);
    double v = 0;
    bool label = false, major = true;
    c.FirstContourValue(c.Minimum(), v, label, major);
    EXPECT_TRUE(label);
    EXPECT_FALSE(major);
}

// Regression: with the first contour lifted off the minimum, the following values lay 2 eps
// off their multiples and lost their labels; every value keeps the label of its multiple.
TEST_F(ContoursTest, ValueAtTheMinimumIsLiftedAndTheLabelsStay) {
    GridMesh mesh(4, 10, [](double x, double) { return 100 * x; });
    Cpp_Contours c;
    ASSERT_TRUE(c.SetUpContourValues(mesh.vertices, false));
    EXPECT_DOUBLE_EQ(c.Tolerance(), 1e-5);
    c.TraceContourLines(mesh.triangles);
    std::vector<double> seen;
    for (const auto& line : c.Lines())
        if (seen.empty() || std::fabs(seen.back() - line->Value()) > 1e-9)
            seen.push_back(line->Value());
    ASSERT_FALSE(seen.empty());
    EXPECT_NEAR(seen.front(), 0.00002, 1e-12);
    EXPECT_NEAR(seen.back(), 950.00002, 1e-9);
    EXPECT_EQ(seen.size(), 20u);
    for (const auto& line : c.Lines()) EXPECT_TRUE(line->IsLabelled()) << line->Value();
}

// Regression: a data set whose values are all equal drew nothing by failing on every repaint
// (the interval of a zero range); it now draws nothing quietly.
TEST_F(ContoursTest, EqualValuesDrawNothingAndNeverThrow) {
    GridMesh mesh(3, 10, [](double, double) { return 7.0; });
    Cpp_Contours c;
    Attributes();
    EXPECT_FALSE(c.SetUpContourValues(mesh.vertices, false));
    for (int i = 0; i < 2; ++i)
        EXPECT_NO_THROW(EXPECT_TRUE(c.Draw(mesh.vertices, mesh.triangles, false)));
    EXPECT_TRUE(c.Lines().empty());
    EXPECT_TRUE(dc.Records().empty());
    EXPECT_NO_THROW(c.DrawTriangle(*mesh.triangles.First()));
}

TEST_F(ContoursTest, FewerThanThreeVerticesDrawNothing) {
    Cpp_VertexList vertices;
    vertices.AddVertex(1, 0, 0, 1);
    vertices.AddVertex(2, 1, 0, 2);
    Cpp_TriangleList triangles;
    Cpp_Contours c;
    EXPECT_FALSE(c.Draw(vertices, triangles, false));
}

// A plane rising in x: every contour is a straight line from the bottom of the hull to its top.
TEST_F(ContoursTest, LinesOfAPlaneRunFromHullToHull) {
    GridMesh mesh(5, 10, [](double x, double) { return x; });
    Cpp_Contours c;
    ASSERT_TRUE(c.SetUpContourValues(mesh.vertices, false));
    EXPECT_DOUBLE_EQ(c.Interval(), 0.5);
    c.TraceContourLines(mesh.triangles);
    std::set<long> levels;
    for (const auto& line : c.Lines()) {
        const auto& p = line->Points();
        ASSERT_GE(p.size(), 2u);
        levels.insert(std::lround(line->Value() * 10));
        const double ylo = std::min(p.front().y, p.back().y),
                     yhi = std::max(p.front().y, p.back().y);
        EXPECT_NEAR(ylo, 0, 1e-6) << line->Value();
        EXPECT_NEAR(yhi, 10, 1e-6) << line->Value();
        for (const auto& q : p) EXPECT_NEAR(q.x, line->Value(), 1e-5);
    }
    EXPECT_EQ(levels.size(), 20u);  // 0.5, 1.0, ..., 10.0 (2 at a grid column: through vertices)
    EXPECT_EQ(c.Lines().size(), levels.size());
}

// A cone: the contours inside the hull close on themselves.
TEST_F(ContoursTest, LinesThatMissTheHullClose) {
    GridMesh mesh(20, 10, [](double x, double y) { return std::hypot(x - 5, y - 5); });
    Cpp_Contours c;
    ASSERT_TRUE(c.SetUpContourValues(mesh.vertices, false));
    c.TraceContourLines(mesh.triangles);
    int closed = 0;
    for (const auto& line : c.Lines()) {
        if (line->Value() > 4.5) continue;  // reaches the hull
        const auto& p = line->Points();
        ASSERT_GE(p.size(), 4u);
        EXPECT_NEAR(p.front().x, p.back().x, 1e-6);
        EXPECT_NEAR(p.front().y, p.back().y, 1e-6);
        for (const auto& q : p) EXPECT_NEAR(std::hypot(q.x - 5, q.y - 5), line->Value(), 0.1);
        ++closed;
    }
    EXPECT_GT(closed, 5);
}

TEST_F(ContoursTest, TracedLinesAreKeptUntilTheDataChange) {
    GridMesh mesh(6, 10, [](double x, double y) { return x + 2 * y; });
    Cpp_Contours c;
    Attributes();
    ASSERT_TRUE(c.Draw(mesh.vertices, mesh.triangles, false));
    ASSERT_TRUE(c.Draw(mesh.vertices, mesh.triangles, false));
    EXPECT_EQ(c.TraceCount(), 1);
    mesh.vertices.First()->SetFirstValue(-5);
    ASSERT_TRUE(c.Draw(mesh.vertices, mesh.triangles, false));
    EXPECT_EQ(c.TraceCount(), 2);
    c.DeleteContourLines();
    ASSERT_TRUE(c.Draw(mesh.vertices, mesh.triangles, false));
    EXPECT_EQ(c.TraceCount(), 3);
}

// One labelled vertical line: it is drawn in two pieces, the gap centred on the label, and the
// label draws its framed box and its text.
TEST_F(ContoursTest, LabelledLineLeavesAGapAroundItsLabel) {
    // Values 0 .. 100 over x in [0, 100]: contours every 5, labels every contour.
    GridMesh mesh(4, 100, [](double x, double) { return x; });
    Cpp_Contours c;
    Attributes();
    ASSERT_TRUE(c.Draw(mesh.vertices, mesh.triangles, false));
    ASSERT_FALSE(c.Labels().empty());
    // The line at 50 runs along a grid column at x = 50: find its label.
    const Cpp_ContourLabel* label = nullptr;
    for (const auto& l : c.Labels())
        if (l->Text() == "50") label = l.get();
    ASSERT_NE(label, nullptr);
    EXPECT_NEAR(label->X(), 50, 1e-4);
    EXPECT_DOUBLE_EQ(label->Angle(), 0.0);  // the chord of the gap is vertical
    // Pieces of that line: polylines at pixel x of 50, one above and one below the label.
    const int px = Cpp_Graphics::XToPixel(50);
    const int py = Cpp_Graphics::YToPixel(label->Y());
    std::vector<platform::DcRecord> pieces;
    for (const auto& r : dc.OfKind(DcRecordKind::Polyline))
        if (r.points.front().x == px && r.points.back().x == px) pieces.push_back(r);
    ASSERT_EQ(pieces.size(), 2u) << dc.Dump();
    int nearestAbove = 100000, nearestBelow = 100000;
    for (const auto& r : pieces)
        for (const auto& p : r.points) {
            if (p.y < py) nearestAbove = std::min(nearestAbove, py - p.y);
            if (p.y > py) nearestBelow = std::min(nearestBelow, p.y - py);
            EXPECT_NE(p.y, py);
        }
    EXPECT_GT(nearestAbove, 5);
    EXPECT_NEAR(nearestAbove, nearestBelow, 2);
    EXPECT_EQ(pieces[0].attributes.pen.color, s_ColorType(12, 7).RGBColor());

    dc.Clear();
    c.DrawLabels();
    EXPECT_EQ(dc.Count(DcRecordKind::Polygon), c.Labels().size());
    const auto texts = dc.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "50"), texts.end());
    for (const auto& r : dc.OfKind(DcRecordKind::Polygon))
        EXPECT_EQ(r.attributes.brush.color, dc.GetBkColor());
}

// Regression: contour value labels were drawn over each other and over material numbers. A
// label whose place is taken is left out and its line drawn whole; drawing a set again does not
// count its own earlier labels.
TEST_F(ContoursTest, ALabelWhosePlaceIsTakenIsLeftOut) {
    GridMesh mesh(4, 100, [](double x, double) { return x; });
    Attributes();
    auto texts = [](const Cpp_Contours& c) {
        std::vector<std::string> t;
        for (const auto& l : c.Labels()) t.push_back(l->Text());
        return t;
    };
    Cpp_Contours first, second;
    ASSERT_TRUE(first.Draw(mesh.vertices, mesh.triangles, false));
    const std::vector<std::string> labelled = texts(first);
    ASSERT_FALSE(labelled.empty());
    ASSERT_TRUE(second.Draw(mesh.vertices, mesh.triangles, false));
    EXPECT_TRUE(second.Labels().empty());  // every place was taken by the first set
    ASSERT_TRUE(first.Draw(mesh.vertices, mesh.triangles, false));
    EXPECT_EQ(texts(first), labelled);

    // A material number where the label "50" would stand.
    const auto at = std::find(labelled.begin(), labelled.end(), "50");
    ASSERT_NE(at, labelled.end());
    const Cpp_ContourLabel& fifty = *first.Labels()[static_cast<size_t>(at - labelled.begin())];
    const int px = Cpp_Graphics::XToPixel(fifty.X()), py = Cpp_Graphics::YToPixel(fifty.Y());
    label_areas::Clear();
    label_areas::Add({px - 2, py - 2, px + 2, py + 2}, &mesh);
    Cpp_Contours third;
    dc.Clear();
    ASSERT_TRUE(third.Draw(mesh.vertices, mesh.triangles, false));
    std::vector<std::string> expected = labelled;
    expected.erase(expected.begin() + (at - labelled.begin()));
    EXPECT_EQ(texts(third), expected);
    // The line at 50 is drawn whole: one piece from the bottom to the top of the mesh.
    size_t whole = 0;
    for (const auto& r : dc.OfKind(DcRecordKind::Polyline))
        if (r.points.front().x == px && r.points.back().x == px) ++whole;
    EXPECT_EQ(whole, 1u) << dc.Dump();
}

TEST_F(ContoursTest, PrintingDrawsTheSameLinesWithTheirGaps) {
    GridMesh mesh(4, 100, [](double x, double y) { return x + 0.5 * y; });
    Cpp_Contours c;
    Attributes();
    ASSERT_TRUE(c.Draw(mesh.vertices, mesh.triangles, false));
    c.DrawLabels();
    const std::string screen = dc.Dump();
    dc.Clear();
    Cpp_Graphics::SetOutputMode(Cpp_Graphics::kOutputPrinter);
    ASSERT_TRUE(c.Draw(mesh.vertices, mesh.triangles, false));
    c.DrawLabels();
    EXPECT_EQ(dc.Dump(), screen);
    EXPECT_FALSE(c.Labels().empty());
}

TEST_F(ContoursTest, LineShorterThanItsLabelIsLeftOut) {
    // A 1-unit square (5 pixels): no label of 20+ pixels fits, so nothing is drawn.
    GridMesh mesh(2, 1, [](double x, double) { return x; });
    Cpp_Contours c;
    Attributes();
    ASSERT_TRUE(c.Draw(mesh.vertices, mesh.triangles, false));
    EXPECT_FALSE(c.Lines().empty());
    EXPECT_TRUE(c.Labels().empty());
    EXPECT_EQ(dc.Count(DcRecordKind::Polyline) + dc.Count(DcRecordKind::PolyPolyline), 0u);
}

TEST_F(ContoursTest, LabelRectangleNeedsTheFont) {
    Cpp_ContourLabel label(10, 10, 0, 5, 2);
    try {
        label.SetLabelRectangle();
        FAIL();
    } catch (const Cpp_TextException& e) {
        EXPECT_EQ(e.Text(), "Cpp_ContourLabel::SetLabelRectangle - NULL Font");
    }
    Attributes();
    label.SetLabelRectangle();
    // Axis-aligned at angle 0: corners right-top, left-top, left-bottom, right-bottom.
    const auto& k = label.Corners();
    EXPECT_GT(k[0].x, 10);
    EXPECT_LT(k[1].x, 10);
    EXPECT_GT(k[0].y, 10);
    EXPECT_LT(k[2].y, 10);
    EXPECT_DOUBLE_EQ(k[0].x - 10, 10 - k[1].x);
}

TEST_F(ContoursTest, SegmentsInOneTriangleCrossItAtTheContourValues) {
    Cpp_VertexList vertices;
    Cpp_VERTEX* a = vertices.AddVertex(1, 0, 0, 0);
    Cpp_VERTEX* b = vertices.AddVertex(2, 0, 10, 0);
    Cpp_VERTEX* d = vertices.AddVertex(3, 10, 0, 10);
    Cpp_Triangle t(a, b, d);
    Cpp_Contours c;
    ASSERT_TRUE(c.SetUpContourValues(vertices, false));
    Attributes();
    c.DrawTriangle(t);
    // Values 0.5 .. 10 (the minimum is 0, so 0 itself is a contour along the edge a-b).
    const auto segments = dc.OfKind(DcRecordKind::Polyline);
    EXPECT_EQ(segments.size(), 21u);
    EXPECT_EQ(segments.front().points[0], Cpp_Graphics::WorldToPixel(0, 0));
    EXPECT_EQ(segments.front().points[1], Cpp_Graphics::WorldToPixel(0, 10));
}

TEST(ContourControlPoints, WorkingNodesAreReusedAndListsFreeTheirPoints) {
    Cpp_ContourControlPointList::InitWorkingList();
    for (int i = 0; i < 100; ++i) Cpp_ContourControlPointList::AppendWorkingPoint(i, i);
    const Cpp_ContourWorkingPoint* first = Cpp_ContourControlPointList::FirstWorkingPoint();
    Cpp_ContourControlPointList::ClearWorkingList();
    EXPECT_EQ(Cpp_ContourControlPointList::FirstWorkingPoint(), nullptr);
    for (int i = 0; i < 50; ++i) Cpp_ContourControlPointList::AppendWorkingPoint(i, -i);
    EXPECT_EQ(Cpp_ContourControlPointList::FirstWorkingPoint(), first);
    Cpp_ContourControlPointList::ReleaseWorkingNodes();

    // Regression: destroying a line that still holds points threw from its destructor.
    static_assert(std::is_nothrow_destructible_v<Cpp_ContourControlPointList>);
    auto line = std::make_unique<Cpp_ContourControlPointList>(5.0, false, true);
    line->AddPoint(1, 2);
    line->AddPoint(3, 4);
    EXPECT_NO_THROW(line.reset());
}

}  // namespace
