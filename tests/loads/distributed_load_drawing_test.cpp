// Distributed-load diagrams with the recording context: the outer line at the scaled stress on
// the upper side of the surface, the arrows filling the diagram with their heads on the surface,
// the resultant diagram, the arrow scale, picking, the tool tip and the information page.

#include "graphics/prompts.h"
#include "load_drawing_fixture.h"
#include "loads/distributed_load_data.h"
#include "loads/distributed_load_drawing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using platform::DcRecordKind;

class DistributedLoadDrawingTest : public LoadDrawingFixture {
protected:
    void SetUp() override {
        LoadDrawingFixture::SetUp();
        data.InitForStage(1);
        // SI record: 9800 draws one world unit (50 px).
        Cpp_DistributedLoadData::SetLargestValue(9800.0);
        Cpp_DistributedLoadData::ComputeLoadScale(2);
    }
    Cpp_DistributedLoadData data;
};

TEST_F(DistributedLoadDrawingTest, ScaleValueNeedsLargestValueThenScale) {
    loads::ResetLoadScales();
    // Option 1 does not use the largest value, yet it is tested first.
    EXPECT_THROW(Cpp_DistributedLoadData::ScaleValue(1.0), Cpp_Graphics::Exc_LargestValueNotSet);
    Cpp_DistributedLoadData::SetLargestValue(10.0);
    EXPECT_THROW(Cpp_DistributedLoadData::ScaleValue(1.0), Cpp_Graphics::Exc_ScaleFactorNotSet);
    Cpp_DistributedLoadData::ComputeLoadScale(2);
    EXPECT_DOUBLE_EQ(Cpp_DistributedLoadData::ScaleValue(9800.0), 1.0);
    Cpp_DistributedLoadData::ComputeLoadScale(1);
    EXPECT_DOUBLE_EQ(Cpp_DistributedLoadData::ScaleValue(62.4), 1.0);
    EXPECT_FALSE(Cpp_DistributedLoadData::ScaleNeedsLargestValue(1));
}

TEST_F(DistributedLoadDrawingTest, NormalDiagramLiesAboveTheSurfaceWithArrowsOntoIt) {
    data.AddPoint(2, 5, 9800, 0);
    data.AddPoint(6, 5, 19600, 0);
    ASSERT_TRUE(data.DrawDiagrams(true, false));
    const Cpp_DistributedLoadPoint* p = data.GetFirstListItem();
    EXPECT_DOUBLE_EQ(p->normalDiagram[0].y, 6.0);
    EXPECT_DOUBLE_EQ(p->normalDiagram[1].y, 7.0);
    // 200 px long, spacing 24 px: n = 9, ten arrows; each head is a filled polygon.
    const auto heads = dc.OfKind(DcRecordKind::Polygon);
    ASSERT_EQ(heads.size(), 10u);
    EXPECT_EQ(heads.front().points.front(), Px(2, 5));  // the tip touches the surface
    EXPECT_EQ(heads.back().points.front(), Px(6, 5));
    EXPECT_EQ(heads.front().attributes.brush.color, platform::MakeRgb(0, 0, 128));
    const auto outlines = ClosedPolylines();
    ASSERT_EQ(outlines.size(), 1u);
    EXPECT_EQ(outlines[0].points, (std::vector<platform::DevicePoint>{Px(2, 5), Px(6, 5), Px(6, 7),
                                                                      Px(2, 6), Px(2, 5)}));
    EXPECT_EQ(outlines[0].attributes.pen.color, platform::MakeRgb(0, 0, 128));
}

TEST_F(DistributedLoadDrawingTest, PointsRightToLeftStillDrawAboveAndVerticalFollowsDirection) {
    data.AddPoint(6, 5, 9800, 0);
    data.AddPoint(2, 5, 9800, 0);
    data.AddPoint(2, 8, 9800, 0);  // rising vertical segment: left of it
    data.AddPoint(2, 6, 9800, 0);  // falling: right of it
    data.DrawDiagrams(true, false);
    const Cpp_DistributedLoadPoint* p = data.GetFirstListItem();
    EXPECT_DOUBLE_EQ(p->normalDiagram[0].y, 6.0);
    EXPECT_DOUBLE_EQ(p->normalDiagram[1].y, 6.0);
    p = p->NextPoint();
    EXPECT_NEAR(p->normalDiagram[0].x, 1.0, 1e-12);
    p = p->NextPoint();
    EXPECT_NEAR(p->normalDiagram[0].x, 3.0, 1e-12);
}

TEST_F(DistributedLoadDrawingTest, NormalAndShearTogetherDrawOneLeaningDiagramInNormalColour) {
    data.AddPoint(2, 5, 9800, 4900);
    data.AddPoint(6, 5, 9800, 4900);
    data.DrawDiagrams(true, true);
    const Cpp_DistributedLoadPoint* p = data.GetFirstListItem();
    EXPECT_DOUBLE_EQ(p->normalDiagram[0].x, 1.5);  // back along the segment by the shear
    EXPECT_DOUBLE_EQ(p->normalDiagram[0].y, 6.0);
    EXPECT_DOUBLE_EQ(p->shearDiagram[0].x, 2.0);  // the shear line is not drawn
    EXPECT_EQ(ClosedPolylines().size(), 1u);
    for (const auto& r : dc.Records())
        EXPECT_EQ(r.attributes.pen.color, platform::MakeRgb(0, 0, 128))
            << platform::KindName(r.kind);
}

TEST_F(DistributedLoadDrawingTest, ShearAloneUsesShearColourAndZeroSegmentsDrawNothing) {
    data.AddPoint(0, 5, 0, 0);
    data.AddPoint(2, 5, 0, 0);
    data.AddPoint(4, 5, 0, 9800);
    data.DrawDiagrams(false, true);
    const auto outlines = ClosedPolylines();
    ASSERT_EQ(outlines.size(), 1u);  // the first segment had both ends 0
    EXPECT_EQ(outlines[0].points[0], Px(2, 5));
    EXPECT_EQ(outlines[0].attributes.pen.color, platform::MakeRgb(255, 99, 1));
}

TEST_F(DistributedLoadDrawingTest, DiagramsOutOfSightDrawNothingButStayPickable) {
    data.AddPoint(100, 5, 9800, 0);
    data.AddPoint(104, 5, 9800, 0);
    data.DrawDiagrams(true, false);
    EXPECT_TRUE(dc.Records().empty());
    s_PickType pick{102, 6, 0.5};
    EXPECT_NE(data.HitTestDiagramLine(pick, true), nullptr);
}

TEST_F(DistributedLoadDrawingTest, ArrowCountFollowsTheScreenLengthOfTheSegment) {
    struct Case {
        double inches;
        size_t arrows;
    } cases[] = {{0.1, 3u}, {1.1, 6u}};
    for (const Case& c : cases) {
        dc.Clear();
        const double length = c.inches * 96 / 50.0;
        DrawDistributedLoadSegment(1, 1, 9800, 0, 1 + length, 1, 9800, 0, true, false, true, false,
                                   nullptr, nullptr);
        EXPECT_EQ(dc.Count(DcRecordKind::Polygon), c.arrows) << c.inches;
    }
}

// Regression: the arrow count of a segment far longer than the view was converted to int
// unchecked (it came out negative and the diagram had three arrows). The visible part keeps the
// hatch spacing of a short segment, and what lies beyond the view is not drawn.
TEST_F(DistributedLoadDrawingTest, ASegmentFarLongerThanTheViewKeepsItsArrowSpacing) {
    DrawDistributedLoadSegment(1, 1, 9800, 0, 1e9, 1, 9800, 0, true, false, true, false, nullptr,
                               nullptr);
    const auto arrows = dc.OfKind(DcRecordKind::Polygon);
    ASSERT_GT(arrows.size(), 5u);
    EXPECT_LT(arrows.size(), 1000u);
    const int spacing = arrows[1].points[0].x - arrows[0].points[0].x;
    EXPECT_NEAR(spacing, 24, 1);  // a quarter inch at 96 pixels per inch
    for (size_t i = 1; i < arrows.size(); ++i)
        EXPECT_NEAR(arrows[i].points[0].x - arrows[i - 1].points[0].x, spacing, 1) << i;
}

TEST_F(DistributedLoadDrawingTest, RubberBandSegmentDrawsPlainOrLeftOfAVerticalSegment) {
    ASSERT_TRUE(Cpp_DistributedLoadPoint::SetDrawingAttributes(
        s_LineWidthType(static_cast<short>(1)), s_ColorType(13, 7), 0.15, 0.25, true, false));
    DrawDistributedLoadSegment(1, 1, 0, 0, 3, 1, 0, 0, true, false, true, true, nullptr, nullptr);
    ASSERT_EQ(dc.Records().size(), 1u);
    EXPECT_EQ(dc.Records()[0].points, (std::vector<platform::DevicePoint>{Px(1, 1), Px(3, 1)}));
    s_tagTypePointXY normalLine[2], shearLine[2] = {{-1, -1}, {-1, -1}};
    // Falling vertical segment: the rubber band still draws on the left.
    DrawDistributedLoadSegment(5, 3, 9800, 0, 5, 1, 9800, 0, true, false, false, true, normalLine,
                               shearLine);
    Cpp_DistributedLoadPoint::ReleaseDrawingAttributes();
    EXPECT_NEAR(normalLine[0].x, 4.0, 1e-12);
    EXPECT_NEAR(normalLine[1].x, 4.0, 1e-12);
    EXPECT_EQ(shearLine[0].x, -1);
}

TEST_F(DistributedLoadDrawingTest, SegmentWithoutSuccessorThrows) {
    data.AddPoint(1, 1, 1, 1);
    EXPECT_THROW(data.GetFirstListItem()->DrawSegment(true, false, true, true),
                 Cpp_DistributedLoadPoint::Exc_NotAValidSegment);
}

TEST_F(DistributedLoadDrawingTest, StageTwoAndSymbolsAndErasingDiagram) {
    Cpp_DistributedLoadData stage2;
    stage2.InitForStage(2);
    stage2.AddPoint(1, 1, 9800, 0);
    stage2.AddPoint(3, 1, 9800, 0);
    stage2.DrawPointSymbols();
    stage2.DrawDiagrams(true, false);
    for (const auto& r : dc.Records())
        EXPECT_EQ(r.attributes.pen.color, platform::MakeRgb(0, 255, 255))
            << platform::KindName(r.kind);
    dc.Clear();
    dc.SetBkColor(platform::MakeRgb(1, 2, 3));
    Cpp_DistributedLoadData::DrawSegmentDiagram(dc, {1, 1, 9800, 0}, {3, 1, 9800, 0}, 2, true,
                                                false, false);
    ASSERT_FALSE(dc.Records().empty());
    for (const auto& r : dc.Records())
        EXPECT_EQ(r.attributes.pen.color, platform::MakeRgb(1, 2, 3));
}

TEST_F(DistributedLoadDrawingTest, HitTestsRankByDistanceAndRefuseThePickRadius) {
    data.AddPoint(0, 0, 9800, 0);
    data.AddPoint(0, 0, 9800, 0);  // coincident ends: skipped, number 1 used up
    data.AddPoint(4, 0, 9800, 0);
    data.AddPoint(4, 4, 9800, 0);
    data.DrawDiagrams(true, false);
    s_PickType pick{2, 0.3, 0.5};
    Cpp_DistributedLoadPoint* hit = data.HitTestSegment(pick);
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(pick.segmentNumber, 2);
    EXPECT_DOUBLE_EQ(pick.bestDistanceSquared, 0.09);
    s_PickType atRadius{2, 0.5, 0.5};
    EXPECT_EQ(data.HitTestSegment(atRadius), nullptr);
    // The diagram line of segment 2 lies at y = 1.
    s_PickType onDiagram{2, 0.9, 0.5};
    EXPECT_EQ(data.HitTestDiagramLine(onDiagram, true), hit);
    s_PickType onShear{2, 0.9, 0.5};
    EXPECT_EQ(data.HitTestDiagramLine(onShear, false), nullptr);
    // A nearer hit found before is kept.
    s_PickType held{2, 0.3, 0.5};
    held.found = 1;
    held.bestDistanceSquared = 0.01;
    EXPECT_EQ(data.HitTestSegment(held), nullptr);
}

TEST_F(DistributedLoadDrawingTest, SelectionFiltersPerStage) {
    Cpp_DistributedLoadData::SetSelectionFilters(2, true, false, true, false);
    EXPECT_TRUE(Cpp_DistributedLoadData::GetSelectionFilterA(2));
    EXPECT_FALSE(Cpp_DistributedLoadData::GetSelectionFilterD(2));
    EXPECT_TRUE(Cpp_DistributedLoadData::GetSelectionFilterB(2));
    EXPECT_FALSE(Cpp_DistributedLoadData::GetSelectionFilterC(2));
    EXPECT_TRUE(Cpp_DistributedLoadData::GetSelectionFilterD(1));
    Cpp_DistributedLoadData::SetSelectionFilters(2, true, true, true, true);
}

TEST_F(DistributedLoadDrawingTest, LabelsAreTwoLinesAtEachPoint) {
    data.AddPoint(2, 5, 1, 0);
    data.DrawPointLabels();
    EXPECT_EQ(dc.Texts(), (std::vector<std::string>{"X:2.00", "Y:5.00"}));
}

TEST_F(DistributedLoadDrawingTest, ToolTipAndInformationPageTexts) {
    EXPECT_EQ(Cpp_DistributedLoadData::ShowValuesToolTip(1.5, 2, 100, -3.25),
              "X: 1.500000  Y: 2.000000\nNormal: 100.0\nShear: -3.2");
    std::string shown;
    ASSERT_TRUE(GetToolTipText(shown));
    EXPECT_EQ(shown.substr(0, 5), "X: 1.");

    data.AddPoint(0, 0, 10, 1);
    data.AddPoint(4, 0, 20, 2);
    data.AddPoint(8, 0, 30, 3);
    Cpp_DistributedLoadPoint* second = data.GetFirstListItem()->NextPoint();
    ASSERT_TRUE(data.AddInformation(fakes.infoWindow, 37, second, true));
    EXPECT_EQ(
        fakes.infoWindow.Dump(),
        "Distributed load segment selected (Stage 1 data)\n"
        "First point - X: 4.000000 , Y: 0.000000, Normal stress: 20.0, Shear stress: 2.0\n"
        "Second point - X: 8.000000 , Y: 0.000000, Normal stress: 30.0, Shear stress: 3.0\n"
        "Distributed load points:\n"
        "  X: 0.000000 , Y: 0.000000, Normal stress: 10.0, Shear stress: 1.0 \n"
        "  X: 4.000000 , Y: 0.000000, Normal stress: 20.0, Shear stress: 2.0  - First point selected\n"
        "  X: 8.000000 , Y: 0.000000, Normal stress: 30.0, Shear stress: 3.0  - Second point selected\n");
    ASSERT_TRUE(data.AddInformation(fakes.infoWindow, 36, second, false));
    const auto top = fakes.infoWindow.Children(platform::kInfoRoot);
    ASSERT_EQ(top.size(), 4u);
    EXPECT_EQ(top[0].text, "Distributed load point selected");
    EXPECT_EQ(top[1].text, "X: 4.000000 , Y: 0.000000");
    EXPECT_EQ(top[2].text, "Normal stress: 20.0, Shear stress: 2.0");
    fakes.infoWindow.initialized = false;
    fakes.infoWindow.lines.clear();
    EXPECT_TRUE(data.AddInformation(fakes.infoWindow, 36, second, false));
    EXPECT_TRUE(fakes.infoWindow.lines.empty());
}

TEST_F(DistributedLoadDrawingTest, ScaleDialogAndProfileSettings) {
    fakes.loadScaling.answers.push_back(platform::LoadScaling{4, 2.0});
    ASSERT_TRUE(Cpp_DistributedLoadData::ScaleDialog());
    ASSERT_EQ(fakes.loadScaling.requests.size(), 1u);
    EXPECT_EQ(fakes.loadScaling.requests[0].type, 2);
    EXPECT_EQ(fakes.loadScaling.requests[0].title, "Distributed Load Scale");
    EXPECT_EQ(fakes.loadScaling.requests[0].current, (platform::LoadScaling{1, 62.4}));
    EXPECT_TRUE(Cpp_DistributedLoadData::ScaleNeedsLargestValue(1));
    // Cancelled: nothing changes.
    EXPECT_FALSE(Cpp_DistributedLoadData::ScaleDialog());

    data.showShearStress = false;
    Cpp_DistributedLoadData::ReadWriteProfileSettings(&data, nullptr, false);
    auto value = [&](const std::string& key) {
        return fakes.profile.values.at({"DISTRIBUTED LOAD", key});
    };
    EXPECT_EQ(value("Display Shear Stress 1"), "0");
    EXPECT_EQ(value("Display Shear Stress 2"), "1");
    EXPECT_EQ(value("Distributed Load English Scale"), "4 2.000000");
    EXPECT_EQ(value("Distributed Load SI Scale"), "1 9800.000000");
    fakes.profile.values[{"DISTRIBUTED LOAD", "Display Points 2"}] = "0";
    Cpp_DistributedLoadData::ReadWriteProfileSettings(nullptr, nullptr, true);
    bool points, normal, shear;
    Cpp_DistributedLoadData::GetDefaultDisplayFlags(2, points, normal, shear);
    EXPECT_FALSE(points);
    Cpp_DistributedLoadData::SetDefaultDisplayFlags(1, true, true, true);
    Cpp_DistributedLoadData::SetDefaultDisplayFlags(2, true, true, true);
}

TEST_F(DistributedLoadDrawingTest, EnsureLoadScaleAsksForTheLargestValueOnlyWhenNeeded) {
    loads::ResetLoadScales();
    EXPECT_TRUE(data.EnsureLoadScale());  // option 1: nothing asked
    loads::DistributedLoadScale().records[0] = {4, 1.0};
    loads::ResetLoadScales();
    loads::DistributedLoadScale().records[0] = {4, 1.0};
    EXPECT_FALSE(data.EnsureLoadScale());  // no dialog registered: cancelled
    struct Largest final : Cpp_Graphics::LargestValueDialog {
        bool Run(const std::string&, double& v) override {
            EXPECT_DOUBLE_EQ(v, 1000.0);
            v = 500.0;
            return true;
        }
    } largest;
    Cpp_Graphics::LargestValueDialogSlot().Set(&largest);
    EXPECT_TRUE(data.EnsureLoadScale());
    Cpp_Graphics::LargestValueDialogSlot().Reset();
    // 72 px per 500 units at 50 px per unit.
    EXPECT_NEAR(Cpp_DistributedLoadData::ScaleValue(500.0), 72.0 / 50.0, 1e-12);
}

}  // namespace
