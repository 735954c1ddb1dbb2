// Interpolation data on the recording device context: triangles, point symbols, contours with
// their labels and value labels under the display flags and in the layer order of the data
// set; triangle primitives; picking; tool tips and information pages.

#include "graphics/level_of_detail.h"
#include "graphics/line_styles.h"
#include "graphics/pick.h"
#include "model/data_set.h"
#include "model/porepressure_drawing_layers.h"
#include "porepressure/contours.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/interpolation_drawing.h"
#include "porepressure/piezometric_line.h"
#include "porepressure/pp_drawing_fixture.h"
#include "porepressure/triangulation_drawing.h"
#include "registry/data_set_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <utility>

namespace {

using platform::DcRecordKind;

class InterpolationDrawingTest : public PpDrawingFixture {
protected:
    void SetUp() override {
        PpDrawingFixture::SetUp();
        Cpp_DataSetDrawing::ResetRegistry();
    }
    void TearDown() override {
        Cpp_DataSetDrawing::ResetRegistry();
        PpDrawingFixture::TearDown();
    }
    // A stage-1 pressure data set on a 5 x 5 grid over [10, 90], pressure = 10 x.
    Cpp_InterpolationDataSet* Pressures(int kind = 1, int stage = 1) {
        Cpp_InterpolationData& d = *data.InterpolationData(stage);
        Cpp_InterpolationDataSet* set = nullptr;
        for (int i = 0; i < 5; ++i)
            for (int j = 0; j < 5; ++j)
                d.AddPointToDataSet(kind, 0, 10 + 20 * i, 10 + 20 * j, 200.0 * i, 0, 0, set);
        set->RebuildVertices();
        EXPECT_TRUE(set->Triangulate());
        set->ComputeBoundary();
        return set;
    }
    static bool HasText(const platform::RecordingDeviceContext& dc, const std::string& text) {
        const auto t = dc.Texts();
        return std::find(t.begin(), t.end(), text) != t.end();
    }
    // Label boxes: four-cornered polygons filled with the background colour.
    size_t LabelBoxes() const {
        size_t n = 0;
        for (const auto& r : dc.OfKind(DcRecordKind::Polygon))
            if (r.points.size() == 4 && r.attributes.brush.color == dc.GetBkColor()) ++n;
        return n;
    }
    Cpp_Kliven4DataSet data{1};
};

TEST_F(InterpolationDrawingTest, TrianglesOnlyUnderTheirFlagAndInTheKindColour) {
    Cpp_InterpolationDataSet* set = Pressures();
    DrawInterpolationFirstPass(data);
    EXPECT_EQ(dc.Count(DcRecordKind::PolyPolyline), 0u);  // triangles are off by default
    data.DisplayFlags().triangles[0] = true;
    DrawInterpolationFirstPass(data);
    const auto outlines = dc.OfKind(DcRecordKind::PolyPolyline);
    ASSERT_EQ(outlines.size(), 1u);
    EXPECT_EQ(outlines[0].lines.size(),
              static_cast<size_t>(set->GetTriangleList().CountTriangles()));
    EXPECT_EQ(outlines[0].lines[0].size(), 4u);  // closed outline
    EXPECT_EQ(outlines[0].attributes.pen.color, s_ColorType(6, 7).RGBColor());
    // The pressure points hidden: their triangles go too.
    dc.Clear();
    data.DisplayFlags().pressurePoints[0] = false;
    DrawInterpolationFirstPass(data);
    EXPECT_TRUE(dc.Records().empty());
}

// In the view's picture every edge is drawn once, as a two-point line, and an edge within one
// pixel not at all; a printed page keeps the closed outline of every triangle.
TEST_F(InterpolationDrawingTest, AtPixelDetailEachTriangleEdgeIsDrawnOnce) {
    Cpp_InterpolationDataSet* set = Pressures();  // 16 squares of two triangles each
    data.DisplayFlags().triangles[0] = true;
    std::set<std::pair<std::pair<int, int>, std::pair<int, int>>> unique;
    {
        Cpp_PixelDetail detail;
        DrawInterpolationFirstPass(data);
    }
    auto outlines = dc.OfKind(DcRecordKind::PolyPolyline);
    ASSERT_EQ(outlines.size(), 1u);
    for (const auto& line : outlines[0].lines) {
        ASSERT_EQ(line.size(), 2u);
        auto a = std::make_pair(line[0].x, line[0].y), b = std::make_pair(line[1].x, line[1].y);
        if (b < a) std::swap(a, b);
        EXPECT_TRUE(unique.insert({a, b}).second);
    }
    EXPECT_EQ(unique.size(), 5u * 4u * 2u + 16u);  // rows, columns and a diagonal per square
    dc.Clear();
    DrawInterpolationFirstPass(data);
    outlines = dc.OfKind(DcRecordKind::PolyPolyline);
    ASSERT_EQ(outlines.size(), 1u);
    EXPECT_EQ(outlines[0].lines.size(),
              static_cast<size_t>(set->GetTriangleList().CountTriangles()));

    // Zoomed far out, the whole set falls into a pixel or two: no edge of a pixel is sent.
    dc.Clear();
    for (int i = 0; i < 8; ++i) Cpp_Graphics::ZoomAtPixel(false, 10, 10);
    {
        Cpp_PixelDetail detail;
        DrawInterpolationFirstPass(data);
    }
    for (const auto& record : dc.OfKind(DcRecordKind::PolyPolyline))
        for (const auto& line : record.lines) EXPECT_FALSE(line[0] == line[1]);
}

TEST_F(InterpolationDrawingTest, TrianglesOutsideTheViewAreNotSent) {
    Pressures();
    data.DisplayFlags().triangles[0] = true;
    const platform::DevicePoint corner = Cpp_Graphics::WorldToPixel(10, 10);
    for (int i = 0; i < 6; ++i) Cpp_Graphics::ZoomAtPixel(true, corner.x, corner.y);
    DrawInterpolationFirstPass(data);
    const auto outlines = dc.OfKind(DcRecordKind::PolyPolyline);
    ASSERT_EQ(outlines.size(), 1u);
    EXPECT_LT(outlines[0].lines.size(), 8u);
}

TEST_F(InterpolationDrawingTest, PointsAndLabelledContoursOfAKind) {
    Pressures();
    DrawInterpolationPointsAndContours(data);
    // Symbol 12 of 25 points, then contours every 50 in the kind's colour with labels.
    const platform::ColorRef blue = s_ColorType(12, 7).RGBColor();
    size_t contourPieces = 0;
    for (const auto& r : dc.OfKind(DcRecordKind::Polyline))
        if (r.attributes.pen.color == blue && r.points.size() >= 2 &&
            r.points.front().x == r.points.back().x)
            ++contourPieces;
    EXPECT_GT(contourPieces, 10u);
    EXPECT_TRUE(HasText(dc, "400"));
    EXPECT_GE(LabelBoxes(), 10u);
    // Contours off: only the symbols remain.
    dc.Clear();
    data.DisplayFlags().contours[0] = false;
    DrawInterpolationPointsAndContours(data);
    EXPECT_TRUE(dc.Texts().empty());
    EXPECT_EQ(LabelBoxes(), 0u);
    EXPECT_EQ(dc.Count(DcRecordKind::Polygon), 25u);  // the filled diamonds of the points
}

TEST_F(InterpolationDrawingTest, DesignatedDataSetsOnly) {
    Cpp_InterpolationDataSet* set = Pressures();
    data.DisplayFlags().designatedMaterials[0] = true;
    set->SetDisplayed(false);
    DrawInterpolationPointsAndContours(data);
    EXPECT_TRUE(dc.Records().empty());
    set->SetDisplayed(true);
    DrawInterpolationPointsAndContours(data);
    EXPECT_FALSE(dc.Records().empty());
}

TEST_F(InterpolationDrawingTest, ValueLabelsOfTheVisiblePointsOnly) {
    Pressures();
    DrawInterpolationThirdPass(data);
    EXPECT_TRUE(dc.Texts().empty());  // off by default
    data.DisplayFlags().interpolationValues[0] = true;
    DrawInterpolationThirdPass(data);
    EXPECT_EQ(dc.Texts().size(), 25u);
    EXPECT_TRUE(HasText(dc, "800.00"));
    dc.Clear();
    FitSquare(0, 40, 0, 40);  // points at x and y of 10 and 30
    DrawInterpolationThirdPass(data);
    EXPECT_EQ(dc.Texts().size(), 4u);
    EXPECT_FALSE(HasText(dc, "800.00"));
}

// The registered layers draw interpolation triangles first, piezometric lines over them, then
// the interpolation points and contours, and the piezometric numbers last.
TEST_F(InterpolationDrawingTest, LayerOrderOfThePorePressureItems) {
    Pressures();
    data.DisplayFlags().triangles[0] = true;
    auto* line = data.PiezometricLines(1)->CreateLine(1, 62.4, "");
    line->AddTaggedPoint(1, 0, 50);
    line->AddTaggedPoint(2, 100, 55);
    RegisterPorePressureDrawing();
    RegisterPorePressureDrawing();  // once is enough
    ASSERT_TRUE(data.Draw(0, false, 0, 0, 1000, 800));
    EXPECT_TRUE(Cpp_DataSetDrawing::Reported().empty());
    const auto& r = dc.Records();
    auto index = [&](auto pred) { return std::find_if(r.begin(), r.end(), pred) - r.begin(); };
    const auto triangles =
        index([](const auto& x) { return x.kind == DcRecordKind::PolyPolyline; });
    const auto piezometric = index([](const auto& x) {
        return x.kind == DcRecordKind::Polyline &&
               x.points.front() == Cpp_Graphics::WorldToPixel(0, 50);
    });
    const auto contourText =
        index([](const auto& x) { return x.kind == DcRecordKind::Text && x.text == "400"; });
    const auto number =
        index([](const auto& x) { return x.kind == DcRecordKind::Text && x.text == "1"; });
    const auto end = static_cast<long>(r.size());
    ASSERT_LT(number, end) << dc.Dump();
    EXPECT_LT(triangles, piezometric);
    EXPECT_LT(piezometric, contourText);
    EXPECT_LT(contourText, number);
}

TEST_F(InterpolationDrawingTest, PickingPointsAndTriangles) {
    Cpp_InterpolationDataSet* set = Pressures();
    s_PickType pick{30.4, 49.7, 1.0};
    Cpp_VERTEX* v = HitTestInterpolationPoint(*set, pick);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->X(), 30);
    EXPECT_EQ(v->Y(), 50);
    EXPECT_TRUE(pick.found);
    // A nearer hit already held wins.
    s_PickType held{30.4, 49.7, 1.0, 1, 0.01};
    EXPECT_EQ(HitTestInterpolationPoint(*set, held), nullptr);
    s_PickType far{20, 20, 1.0};
    EXPECT_EQ(HitTestInterpolationPoint(*set, far), nullptr);
    Cpp_Triangle* t = HitTestInterpolationTriangle(*set, 21, 23);
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(t->Contains(21, 23));
    EXPECT_EQ(HitTestInterpolationTriangle(*set, 95, 50), nullptr);
}

TEST_F(InterpolationDrawingTest, ToolTipsByKindAndHeadMode) {
    Cpp_InterpolationDataSet* set = Pressures();
    std::string text;
    int code = 0;
    double value = 0;
    ASSERT_TRUE(GetInterpolationToolTipText(*set, 20.37, 40, text, code, value));
    EXPECT_EQ(text, "U: 103.70");  // 103.7 rounded to the stress decimals (1)
    EXPECT_EQ(code, 3);
    EXPECT_FALSE(GetInterpolationToolTipText(*set, 5, 5, text, code, value));
    set->SetOptionFlag(true);
    ASSERT_TRUE(GetInterpolationToolTipText(*set, 20.37, 40, text, code, value));
    EXPECT_EQ(text.substr(0, 3), "H: ");
    // Strengths are rounded to the stress decimals like pressures; the other kinds are not.
    const struct {
        int kind;
        const char* text;
        int code;
    } kinds[] = {{2, "ru: 103.71", 4},
                 {3, "Su: 103.70", 5},
                 {5, "c/p: 103.71", 6},
                 {6, "Unit Wt.: 103.71", 7}};
    for (const auto& k : kinds) {
        Cpp_InterpolationDataSet* other = Pressures(k.kind);
        ASSERT_TRUE(GetInterpolationToolTipText(*other, 20.3711, 40, text, code, value));
        EXPECT_EQ(text, k.text);
        EXPECT_EQ(code, k.code);
    }
}

TEST_F(InterpolationDrawingTest, NoTriangleIsPickedInADataSetOfTwoPoints) {
    Cpp_InterpolationData& d = *data.InterpolationData(1);
    Cpp_InterpolationDataSet* set = nullptr;
    d.AddPointToDataSet(1, 0, 10, 10, 1, 0, 0, set);
    d.AddPointToDataSet(1, 0, 20, 10, 2, 0, 0, set);
    set->RebuildVertices();
    set->Triangulate();
    set->ComputeBoundary();
    EXPECT_EQ(HitTestInterpolationTriangle(*set, 15, 10), nullptr);
    s_PickType pick{19.5, 10.2, 1.0};
    EXPECT_NE(HitTestInterpolationPoint(*set, pick), nullptr);
    DrawInterpolationPointsAndContours(data);  // two points: symbols, no contours
    EXPECT_EQ(dc.Count(DcRecordKind::Polygon), 2u);
}

TEST_F(InterpolationDrawingTest, InformationOnATriangleAndAPoint) {
    Cpp_InterpolationDataSet* set = Pressures();
    auto& info = fakes.infoWindow;
    info.Initialize("Information", std::nullopt);
    Cpp_Triangle* t = set->GetTriangleList().First();
    ASSERT_TRUE(AddInterpolationInformation(info, *set, nullptr, t));
    std::string page = info.Dump();
    EXPECT_EQ(page.find("Selected pressure interpolation triangle\n"), 0u) << page;
    EXPECT_NE(page.find("Used for any/all materials\n"), std::string::npos);
    EXPECT_NE(page.find("Vertex 3 - X: "), std::string::npos);
    EXPECT_NE(page.find(", Pressure: "), std::string::npos);
    EXPECT_NE(page.find("Interpolation points\n"), std::string::npos);
    EXPECT_NE(page.find(", X: 90.000000, Y: 90.000000, Pressure: 800.0\n"), std::string::npos)
        << page;
    EXPECT_NE(page.find("  Pt: 25, X: "), std::string::npos);

    Cpp_VERTEX* v = set->GetVertexList().First();
    while (v && !(v->X() == 10 && v->Y() == 10)) v = v->Next();
    ASSERT_NE(v, nullptr);
    ASSERT_TRUE(AddInterpolationInformation(info, *set, v, nullptr));
    page = info.Dump();
    EXPECT_EQ(page.find("Selected pressure interpolation point\n"), 0u) << page;
    EXPECT_NE(page.find("\nX: 10.000000, Y: 10.000000, Pressure: 0.0\n"), std::string::npos)
        << page;
    EXPECT_NE(page.find(", X: 10.000000, Y: 10.000000, Pressure: 0.0 - Selected point\n"),
              std::string::npos)
        << page;
}

// The triangle primitives and the triangle information.
class TriangleDrawingTest : public PpDrawingFixture {};

TEST_F(TriangleDrawingTest, StyledEdgesRunFromTheLowerToTheHigherNumber) {
    Cpp_GraphicInit::InitializeLineStyles();
    Cpp_VERTEX a(1, 10, 10, 0), b(2, 50, 10, 0), c(3, 10, 50, 0), d(4, 50, 50, 0);
    Cpp_Triangle first(&a, &b, &c), second(&d, &c, &b);
    TriangulationDrawOptions options;
    options.triangleLineType = 2;
    ASSERT_TRUE(Cpp_TriangleDrawing::BeginDrawing(options));
    Cpp_TriangleDrawing::Draw(first);
    const std::string one = dc.Dump();
    dc.Clear();
    Cpp_TriangleDrawing::Draw(second);
    Cpp_TriangleDrawing::EndDrawing();
    // The shared edge b-c is drawn from b (2) to c (3) in both triangles.
    const auto from = Cpp_Graphics::WorldToPixel(50, 10);
    bool found = false;
    for (const auto& r : dc.Records())
        for (const auto& l : r.kind == DcRecordKind::PolyPolyline
                                 ? r.lines
                                 : std::vector<std::vector<platform::DevicePoint>>{r.points})
            if (!l.empty() && l.front() == from && l.back().x < from.x) found = true;
    EXPECT_TRUE(found) << dc.Dump();
    EXPECT_NE(one, "");
}

TEST_F(TriangleDrawingTest, EraseFillsInTheBackgroundAndNothingWithoutAPen) {
    Cpp_VERTEX a(1, 10, 10, 0), b(2, 50, 10, 0), c(3, 10, 50, 0);
    Cpp_Triangle t(&a, &b, &c);
    Cpp_TriangleDrawing::Draw(t);
    EXPECT_TRUE(dc.Records().empty());
    Cpp_TriangleDrawing::Erase(t);
    const auto fills = dc.OfKind(DcRecordKind::Polygon);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].attributes.brush.color, dc.GetBkColor());
    EXPECT_EQ(fills[0].attributes.pen.color, dc.GetBkColor());
    Cpp_Graphics::SetOutputMode(Cpp_Graphics::kOutputDxf);
    dc.Clear();
    Cpp_TriangleDrawing::Erase(t);
    EXPECT_TRUE(dc.Records().empty());
}

TEST_F(TriangleDrawingTest, CircumcircleAndCentroidLines) {
    Cpp_VERTEX a(1, 0, 0, 0), b(2, 2, 0, 0), c(3, 0, 2, 0), d(4, 4, 0, 0);
    Cpp_Triangle t(&a, &c, &b);
    EXPECT_EQ(TriangleCircumcircleAndCentroidLines(t),
              (std::vector<std::string>{"Centroid at X = 0.6667, Y = 0.6667",
                                        "Circumcircle center at - X = 1.0000, Y = 1.0000",
                                        "Circumcircle radius = 1.4142"}));
    Cpp_Triangle flat(&a, &b, &d);
    EXPECT_EQ(
        TriangleCircumcircleAndCentroidLines(flat),
        (std::vector<std::string>{"Circumcircle has an infinite radius - cannot be computed."}));
}

TEST_F(TriangleDrawingTest, LabelledVertexGetsItsSymbolAndValue) {
    Cpp_VERTEX v(1, 20, 20, 12.345);
    TriangulationDrawOptions options;
    options.vertexSymbol = 4;
    ASSERT_TRUE(SetupVertexPens(options, false));
    ASSERT_TRUE(SetupVertexLabelText(options, 8, false));
    DrawVertexLabelled(v);
    ReleaseVertexLabelText();
    EndVertexDrawing();
    EXPECT_EQ(dc.Texts(), (std::vector<std::string>{"12.35"}));
    const auto text = dc.OfKind(DcRecordKind::Text).at(0);
    const auto p = Cpp_Graphics::WorldToPixel(20, 20);
    EXPECT_EQ(text.points[0].x, p.x + 6);  // gap (int)(8 * 0.5 + 2)
    EXPECT_EQ(dc.Count(DcRecordKind::Polyline), 1u);
}

// The step-by-step redraw: with every switch off nothing changes but the erase of the triangles
// around a deleted vertex; with the switches on the changed triangles, their labelled vertices
// and their contour segments are drawn.
TEST_F(TriangleDrawingTest, StepByStepRedrawFollowsItsSwitches) {
    Cpp_VertexList vertices;
    Cpp_VERTEX* a = vertices.AddVertex(1, 10, 10, 0);
    Cpp_VERTEX* b = vertices.AddVertex(2, 10, 50, 0);
    Cpp_VERTEX* c = vertices.AddVertex(3, 50, 10, 10);
    Cpp_VERTEX* d = vertices.AddVertex(4, 50, 50, 10);
    Cpp_Triangle t1(a, b, c), t2(b, d, c);
    Cpp_Contours contours;
    ASSERT_TRUE(contours.SetUpContourValues(vertices, false));
    ASSERT_TRUE(Cpp_Contours::SetDrawingAttributes(s_FontType("Arial", 8), 2, s_ColorType(12, 7),
                                                   s_LineWidthType(static_cast<short>(1)),
                                                   s_LineWidthType(static_cast<short>(3)), ""));
    TriangulationDrawOptions off;
    Cpp_TriangulationRedraw::BeforeSplitOnEdge(off, t1, &t2, 2, 3);
    Cpp_TriangulationRedraw::BeforeSwap(off, t1, t2, *b, *c);
    Cpp_TriangulationRedraw::AfterChange(off, {&t1, &t2}, a, &contours);
    EXPECT_TRUE(dc.Records().empty());
    Cpp_TriangulationRedraw::BeforeDeleteVertex(off, {&t1, &t2}, true);
    EXPECT_EQ(dc.Count(DcRecordKind::Polygon), 4u);  // a boundary vertex: erased twice

    dc.Clear();
    TriangulationDrawOptions on = off;
    on.on = on.triangles = on.vertices = 1;
    Cpp_TriangulationRedraw::BeforeSplitOnEdge(on, t1, &t2, 2, 3);
    ASSERT_EQ(dc.Count(DcRecordKind::Polyline), 1u);  // only the edge, in the background colour
    EXPECT_EQ(dc.Records()[0].attributes.pen.color, dc.GetBkColor());
    on.contours = 1;
    dc.Clear();
    Cpp_TriangulationRedraw::BeforeSplitOnEdge(on, t1, &t2, 2, 3);
    EXPECT_EQ(dc.Count(DcRecordKind::Polygon), 2u);

    dc.Clear();
    ASSERT_TRUE(Cpp_TriangleDrawing::BeginDrawing(on));
    ASSERT_TRUE(SetupVertexPens(on, false));
    ASSERT_TRUE(SetupVertexLabelText(on, 6, false));
    Cpp_TriangulationRedraw::AfterChange(on, {&t1, &t2}, nullptr, &contours);
    ReleaseVertexLabelText();
    EndVertexDrawing();
    Cpp_TriangleDrawing::EndDrawing();
    Cpp_Contours::ReleaseDrawingAttributes();
    EXPECT_EQ(dc.Texts().size(), 6u);  // three labelled vertices of each triangle
    size_t outlines = 0, segments = 0;
    for (const auto& r : dc.OfKind(DcRecordKind::Polyline)) {
        if (r.points.size() == 4) ++outlines;
        if (r.points.size() == 2 && r.attributes.pen.color == s_ColorType(12, 7).RGBColor())
            ++segments;
    }
    EXPECT_EQ(outlines, 2u);
    EXPECT_GE(segments, 10u);  // contour values 0.5 .. 10 cross both triangles
}

// In the view's picture a point symbol covered by one already drawn (its centre within the same
// half-symbol cell) is left out; a printed page or the clipboard picture gets every symbol.
TEST_F(TriangleDrawingTest, CoveredPointSymbolsAreLeftOutOnlyAtPixelDetail) {
    Cpp_VertexList vertices;
    vertices.AddVertex(1, 20, 20, 1.0);
    vertices.AddVertex(2, 60, 60, 2.0);
    vertices.AddVertex(3, 20.02, 20.01, 3.0);  // a tenth of a pixel from the first
    vertices.AddVertex(4, 80, 80, 4.0);
    TriangulationDrawOptions options;
    options.vertexSymbol = 4;
    const auto drawn = [&](bool pixelDetail) {
        dc.Clear();
        EXPECT_TRUE(SetupVertexPens(options, false));
        {
            std::optional<Cpp_PixelDetail> detail;
            if (pixelDetail) detail.emplace();
            EXPECT_EQ(DrawingAtPixelDetail(), pixelDetail);
            DrawAllVertices(vertices);
        }
        EndVertexDrawing();
        return dc.Count(DcRecordKind::Polyline);  // one a symbol
    };
    EXPECT_EQ(drawn(false), 4u);
    EXPECT_EQ(drawn(true), 3u);
    EXPECT_FALSE(DrawingAtPixelDetail());
}

TEST_F(TriangleDrawingTest, CrowdedValueLabelsAreThinned) {
    Cpp_VertexList vertices;
    vertices.AddVertex(1, 20, 20, 1.5);
    vertices.AddVertex(2, 20.2, 20.1, 2.5);  // one pixel away: its label would cover the first
    vertices.AddVertex(3, 60, 60, 3.5);
    TriangulationDrawOptions options;
    ASSERT_TRUE(SetupVertexLabelText(options, 8, false));
    DrawAllVertexValues(vertices, false);
    ReleaseVertexLabelText();
    EXPECT_EQ(dc.Texts(), (std::vector<std::string>{"1.50", "3.50"}));
}

}  // namespace

#include "core/file_io.h"
#include "model/data_sets.h"
#include "model/read_input_file.h"
#include "support/test_support.h"

#include <filesystem>

namespace {

// The sample problem with interpolated pressures shows its points, contours and labels.
TEST_F(InterpolationDrawingTest, ExampleWithInterpolatedPressuresDrawsItsContours) {
    testsupport::TempDir dir;
    const auto copy = dir.Path() / "interpolated_pressures.preinput-kliven";
    std::filesystem::copy_file(
        testsupport::ExamplesDir() / "interpolated_pressures.preinput-kliven", copy);
    ASSERT_TRUE(ReadInputDataFile(nullptr, copy));
    Cpp_Kliven4DataSet& read = *Cpp_Kliven4Data::CurrentDataSet();
    ASSERT_TRUE(read.PrepareInterpolationData(nullptr));
    ASSERT_EQ(read.InterpolationData(1)->CountPoints(1), 36);
    FitSquare(0, 160, 0, 160);
    DrawInterpolationPointsAndContours(read);
    DrawPiezometricPointsAndLines(read);
    EXPECT_GT(LabelBoxes(), 3u) << dc.Dump();
    EXPECT_EQ(dc.Count(DcRecordKind::Polygon) - LabelBoxes(), 36u);  // the point symbols
    Cpp_Kliven4Data::DeleteAllDataSets();
    Cpp_FileIO::ResetForTests();
}

}  // namespace
