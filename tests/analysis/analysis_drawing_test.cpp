// Drawing of the analysis items with the recording device context: the trial arc between its end
// points (the whole circle when they are not this circle's), dashed arcs, the floating search
// area, fixed grids, radius items and shift markers, under their display flags.

#include <cmath>
#include <numbers>
#include <sstream>

#include "analysis/analysis_computation_data.h"
#include "analysis/analysis_drawing.h"
#include "analysis/circle.h"
#include "core/text_exception.h"
#include "graphics/drawing_attributes.h"
#include "graphics/dxf_output.h"
#include "graphics/graphics_fixture.h"
#include "graphics/line_styles.h"
#include "graphics/palette.h"
#include "model/analysis_layers.h"
#include "model/data_set.h"
#include "registry/data_set_drawing.h"

namespace {

using platform::DcRecordKind;
using A = Cpp_AnalysisComputationData;

class AnalysisDrawingTest : public GraphicsFixture {
protected:
    void SetUp() override {
        GraphicsFixture::SetUp();
        Cpp_WindowsPalette::Create();
        Cpp_GraphicInit::InitializeLineStyles();
        FitSquare(0, 100, 0, 100);  // 5 pixels per unit
        ds.ResetForNewData();
        a().SetDataDefined(true);
    }
    A& a() { return *ds.AnalysisComputationData(); }
    void IndividualCircle(double x, double y, double r) {
        a().SetMode(A::kIndividual);
        a().SetCircleCenter(x, y);
        a().SetRadiusOption(0);
        a().SetRadius(r);
    }
    static platform::DevicePoint Px(double x, double y) { return Cpp_Graphics::WorldToPixel(x, y); }

    Cpp_Kliven4DataSet ds{1};
};

TEST_F(AnalysisDrawingTest, ArcRunsBetweenEndPointsOnlyWhenTheyBelongToTheCircle) {
    IndividualCircle(50, 50, 20);
    a().SetRadiusDefinitionFromTool({30, 50}, {50, 30});
    ASSERT_TRUE(DrawSlipSurface(a()));
    auto arcs = dc.OfKind(DcRecordKind::Arc);
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(arcs[0].points[0], Px(30, 50));
    EXPECT_EQ(arcs[0].points[1], Px(50, 30));
    EXPECT_EQ(arcs[0].rect,
              (platform::DeviceRect{Px(30, 70).x, Px(30, 70).y, Px(70, 30).x, Px(70, 30).y}));

    // The circle moved; the stored points are those of the old one: the whole circle.
    dc.Clear();
    a().SetCircleCenter(55, 50);
    ASSERT_TRUE(DrawSlipSurface(a()));
    arcs = dc.OfKind(DcRecordKind::Arc);
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(arcs[0].points[0], arcs[0].points[1]);

    // Radius 0: nothing at all.
    dc.Clear();
    a().SetRadius(0);
    EXPECT_FALSE(DrawSlipSurface(a()));
    EXPECT_FALSE(DrawCenter(a()));
    EXPECT_TRUE(dc.Records().empty());
}

TEST_F(AnalysisDrawingTest, DashedArcIsWalkedThroughPositiveXAndAcrossFlatStretches) {
    ASSERT_GT(Cpp_GraphicInit::LineStyle(2).count, 0);
    const Cpp_Circle c(50, 50, 40);
    ASSERT_TRUE(
        Cpp_Circle::CreateArcPen(s_LineWidthType(static_cast<short>(0)), 2, s_ColorType(3, 7), ""));
    // From 350 to 10 degrees: across the positive x direction.
    const double d = std::numbers::pi / 18.0;
    const s_tagTypePointXY p1{50 + 40 * std::cos(-d / 2), 50 + 40 * std::sin(-d / 2)};
    const s_tagTypePointXY p2{50 + 40 * std::cos(d / 2), 50 + 40 * std::sin(d / 2)};
    ASSERT_TRUE(c.DrawArc(p1, p2));
    auto arcs = dc.OfKind(DcRecordKind::Arc);
    ASSERT_GE(arcs.size(), 2u);
    for (const auto& r : arcs) EXPECT_GE(r.points[0].x, Px(89, 0).x) << "pieces stay near 0 deg";
    EXPECT_EQ(arcs.front().points[0], Px(p1.x, p1.y));

    // The top of a large circle is nearly level: each dash moves less than a pixel in y, and
    // the dashes still show.
    dc.Clear();
    const Cpp_Circle big(50, -350, 400);
    const double h = std::numbers::pi / 2;
    ASSERT_TRUE(big.DrawArc({50 + 400 * std::cos(h - 0.03), -350 + 400 * std::sin(h - 0.03)},
                            {50 + 400 * std::cos(h + 0.03), -350 + 400 * std::sin(h + 0.03)}));
    arcs = dc.OfKind(DcRecordKind::Arc);
    EXPECT_GE(arcs.size(), 2u);
    for (const auto& r : arcs) EXPECT_LE(std::abs(r.points[0].y - r.points[1].y), 1);
    Cpp_Circle::DeleteArcPen();
    EXPECT_THROW(c.DrawArc(p1, p2), Cpp_TextException);
}

TEST_F(AnalysisDrawingTest, FloatingSearchAreaAndItsDisplayFlag) {
    Cpp_DataSetDrawing::ResetRegistry();
    RegisterAnalysisDrawing();
    a().SetMode(A::kSearchType1);
    a().SetStartCenter(50, 50);
    a().SetMinimumGridSpacing(1.0);
    a().SetRadiusOption(1);
    a().SetThroughPoint(50, 10);
    ds.Draw(0, false, 0, 0, 566, 566);
    // Twelve lines of the search area (30 and 1 units either side), a symbol at the fixed point
    // and one at the centre, an arc for the whole circle.
    int lines = 0;
    for (const auto& r : dc.OfKind(DcRecordKind::PolyPolyline)) lines += int(r.lines.size());
    for (const auto& r : dc.OfKind(DcRecordKind::Polyline)) lines += r.points.size() == 2;
    EXPECT_GE(lines, 12);
    EXPECT_EQ(dc.OfKind(DcRecordKind::Arc).size(), 1u);
    EXPECT_TRUE(Cpp_DataSetDrawing::Reported().empty());

    dc.Clear();
    ds.SetDisplayOption(38, false);  // search grid
    ds.SetDisplayOption(36, false);  // slip surface
    ds.Draw(0, false, 0, 0, 566, 566);
    EXPECT_TRUE(dc.OfKind(DcRecordKind::Arc).empty());
    EXPECT_FALSE(a().GetDisplaySearchGrid());
    Cpp_DataSetDrawing::ResetRegistry();
}

TEST_F(AnalysisDrawingTest, FixedGridAsLineHasTicksAcrossIt) {
    Cpp_FixedSearchGrid g;
    g.Clear();
    g.SetLine(true);
    g.SetCounts(3, 3);
    g.SetCorner(1, 10, 10);
    g.SetCorner(2, 50, 10);
    ASSERT_TRUE(DrawFixedSearchGrid(g, s_LinePenType{}));
    std::vector<platform::DcRecord> ticks;
    for (const auto& r : dc.OfKind(DcRecordKind::Polyline))
        if (r.points.size() == 2 && r.points[0].x == r.points[1].x) ticks.push_back(r);
    ASSERT_EQ(ticks.size(), 3u);
    EXPECT_EQ(ticks[1].points[0].x, Px(30, 10).x);
    EXPECT_EQ(std::abs(ticks[1].points[0].y - ticks[1].points[1].y), 8);

    // A quadrilateral of 3 by 2 points: 3 + 2 grid lines.
    dc.Clear();
    g.SetLine(false);
    g.SetCounts(3, 2);
    g.SetCorner(3, 50, 40);
    g.SetCorner(4, 10, 40);
    ASSERT_TRUE(DrawFixedSearchGrid(g, s_LinePenType{}));
    int lines = 0;
    for (const auto& r : dc.OfKind(DcRecordKind::PolyPolyline)) lines += int(r.lines.size());
    lines += int(dc.OfKind(DcRecordKind::Polyline).size());
    EXPECT_EQ(lines, 5);
}

TEST_F(AnalysisDrawingTest, RadiusArrowAndTangentLine) {
    IndividualCircle(50, 60, 20);
    ASSERT_TRUE(DrawRadiusItems(a()));
    EXPECT_FALSE(dc.Records().empty());
    bool reachesTip = false;
    for (const auto& r : dc.Records())
        for (const auto& p : r.points) reachesTip |= p == Px(50, 40);
    EXPECT_TRUE(reachesTip);

    dc.Clear();
    a().SetRadiusOption(2);
    a().GetTangentLine()->ChangeOption(Cpp_TangentLine::kHorizontal);
    a().GetTangentLine()->SetElevation(30);
    ASSERT_TRUE(DrawRadiusItems(a()));
    bool across = false;
    for (const auto& r : dc.Records())
        for (const auto& line : r.kind == DcRecordKind::PolyPolyline
                                    ? r.lines
                                    : std::vector<std::vector<platform::DevicePoint>>{r.points})
            if (line.size() == 2 && line[0].y == Px(0, 30).y && line[1].y == Px(0, 30).y)
                across = true;
    EXPECT_TRUE(across);
}

TEST_F(AnalysisDrawingTest, ShiftMarkersOnAVerticalSegmentAndFixedPoints) {
    a().SetCircular(false);
    a().SetMode(A::kSearchType1);
    auto& s = a().GetNoncircularPointList();
    s.AddPoint(10, 50, 0, false, false);  // fixed end: triangle
    s.AddPoint(30, 30, 0, true, true);    // computed direction, next segment vertical
    s.AddPoint(30, 20, 0, true, true);
    s.AddPoint(60, 20, 0, true, true);  // moveable end: nothing
    EXPECT_TRUE(std::isfinite(SurfaceNormalDirection(s, 2)));
    EXPECT_TRUE(std::isfinite(SurfaceNormalDirection(s, 1)));
    ASSERT_TRUE(DrawNoncircularSearchPoints(a()));
    int triangles = 0;
    for (const auto& r : dc.OfKind(DcRecordKind::Polyline))
        if (r.points.size() == 4 && r.points[0] == Px(10, 50)) ++triangles;
    EXPECT_EQ(triangles, 1);
    // A horizontal run: the marker stands straight up and down.
    Cpp_NoncircularShearSurface flat;
    flat.AddPoint(0, 0, 0, true, true);
    flat.AddPoint(10, 0, 0, true, true);
    flat.AddPoint(20, 0, 0, true, true);
    EXPECT_NEAR(std::fabs(SurfaceNormalDirection(flat, 1)), std::numbers::pi / 2, 1e-12);
}

TEST_F(AnalysisDrawingTest, HighlightsAreDrawnInXorAndOnlyOnTheScreen) {
    a().SetMode(A::kSearchType1);
    a().SetStartCenter(50, 50);
    a().SetMinimumGridSpacing(0.5);
    ASSERT_TRUE(DrawSelectedItemA(a(), dc));
    ASSERT_FALSE(dc.Records().empty());
    for (const auto& r : dc.Records())
        EXPECT_EQ(r.attributes.rop, platform::RasterOp::XorPen) << platform::KindName(r.kind);

    dc.Clear();
    a().SetMode(A::kSearchType2);
    Cpp_FixedSearchGrid& g = a().GetFixedSearchGrid();
    g.SetCorner(1, 10, 10);
    g.SetCorner(2, 40, 10);
    g.SetCorner(3, 40, 30);
    g.SetCorner(4, 10, 30);
    ASSERT_TRUE(DrawSelectedItemA(a(), dc));
    const auto fills = dc.OfKind(DcRecordKind::FillPolygon);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].points.size(), 4u);
    EXPECT_EQ(fills[0].attributes.rop, platform::RasterOp::XorPen);
    EXPECT_EQ(fills[0].attributes.brush.kind, platform::BrushKind::Pattern);

    IndividualCircle(50, 50, 20);
    a().SetRadiusDefinitionFromTool({30, 50}, {50, 30});
    dc.Clear();
    EXPECT_TRUE(DrawSelectedItemB(a(), dc));
    EXPECT_FALSE(dc.Records().empty());
    dc.Clear();
    Cpp_Graphics::SetOutputMode(Cpp_Graphics::kOutputPrinter);
    EXPECT_FALSE(DrawSelectedItemB(a(), dc));
    EXPECT_TRUE(dc.Records().empty());
}

TEST_F(AnalysisDrawingTest, ExchangeFileGetsOneArcOnItsLayer) {
    std::ostringstream out;
    Cpp_DxfFileOutput::Open(&out);
    Cpp_Graphics::SetOutputMode(Cpp_Graphics::kOutputDxf);
    IndividualCircle(50, 50, 20);
    a().SetRadiusDefinitionFromTool({30, 50}, {50, 30});
    EXPECT_TRUE(DrawSlipSurface(a()));
    Cpp_DxfFileOutput::Close();
    const std::string text = out.str();
    EXPECT_NE(text.find("ARC"), std::string::npos);
    EXPECT_NE(text.find("Initial_Slip_Surface_Line"), std::string::npos) << text;
    EXPECT_NE(text.find("180"), std::string::npos) << "start angle in degrees: " << text;
    EXPECT_NE(text.find("270"), std::string::npos) << text;
    EXPECT_TRUE(dc.Records().empty());
}

}  // namespace
