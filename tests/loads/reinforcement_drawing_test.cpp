// Reinforcement force bands with the recording context: the corners at the scaled force on the
// side of the normal, averaged normals at bends, fills under outlines, the force scale, picking
// of diagram edges, the tool tip and the information page.

#include "load_drawing_fixture.h"
#include "loads/reinforcement_line.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using platform::DcRecordKind;

class ReinforcementDrawingTest : public LoadDrawingFixture {
protected:
    void SetUp() override {
        LoadDrawingFixture::SetUp();
        // English {4, 0.5}: the largest force 100 draws 36 px, 0.72 world units.
        Cpp_ReinforcementLineList::SetLargestForce(100.0);
        Cpp_ReinforcementLineList::ComputeForceScale(1);
    }
    Cpp_ReinforcementLine* Line(std::vector<std::array<double, 4>> points) {
        Cpp_ReinforcementLine* line = list.AddEmptyLine();
        for (const auto& p : points) line->AddPoint(p[0], p[1], p[2], p[3]);
        return line;
    }
    bool DrawLongitudinal() {
        double a, b, c, d;
        return list.DrawForces(true, a, b, c, d);
    }
    Cpp_ReinforcementLineList list;
};

TEST_F(ReinforcementDrawingTest, PositiveForceLiesAboveWhicheverWayTheLineRuns) {
    Cpp_ReinforcementLine* ltr = Line({{1, 1, 100, 0}, {3, 1, 100, 0}});
    Cpp_ReinforcementLine* rtl = Line({{3, 4, 100, 0}, {1, 4, 100, 0}});
    Cpp_ReinforcementLine* up = Line({{6, 1, 100, 0}, {6, 3, 100, 0}});
    Cpp_ReinforcementLine* down = Line({{8, 3, 100, 0}, {8, 1, 100, 0}});
    ASSERT_TRUE(DrawLongitudinal());
    EXPECT_NEAR(ltr->FirstReinforcementPoint()->longitudinalCornerHere.y, 1.72, 1e-12);
    EXPECT_NEAR(rtl->FirstReinforcementPoint()->longitudinalCornerHere.y, 4.72, 1e-12);
    EXPECT_NEAR(up->FirstReinforcementPoint()->longitudinalCornerHere.x, 5.28, 1e-12);
    EXPECT_NEAR(down->FirstReinforcementPoint()->longitudinalCornerNext.x, 8.72, 1e-12);
    // Fills first (pattern 26 in palette 14 on white), then the outlines.
    const auto& records = dc.Records();
    ASSERT_EQ(dc.Count(DcRecordKind::FillPolygon), 4u);
    ASSERT_EQ(ClosedPolylines().size(), 4u);
    EXPECT_EQ(records.front().kind, DcRecordKind::FillPolygon);
    EXPECT_EQ(records.back().kind, DcRecordKind::Polyline);
    const auto fill = dc.OfKind(DcRecordKind::FillPolygon)[0];
    EXPECT_EQ(fill.attributes.brush.kind, platform::BrushKind::Pattern);
    EXPECT_EQ(fill.attributes.textColor, Cpp_WindowsPalette::RGBColor(14));
    EXPECT_EQ(fill.attributes.bkColor, platform::MakeRgb(255, 255, 255));
}

TEST_F(ReinforcementDrawingTest, BendAveragesTheNormalsAndZeroForcesDrawNothing) {
    Cpp_ReinforcementLine* bend = Line({{1, 1, 100, 0}, {3, 1, 100, 0}, {3, 3, 100, 0}});
    Cpp_ReinforcementLine* zero = Line({{5, 5, 0, 0}, {7, 5, 0, 0}, {9, 5, 0, 100}});
    zero->FirstReinforcementPoint()->longitudinalCornerHere = {-1, -1};
    DrawLongitudinal();
    const Cpp_ReinforcementPoint* corner = bend->FirstReinforcementPoint();
    const double dx = corner->longitudinalCornerNext.x - 3,
                 dy = corner->longitudinalCornerNext.y - 1;
    EXPECT_NEAR(std::hypot(dx, dy), 0.72 * std::sqrt(0.5), 1e-12);
    EXPECT_EQ(zero->FirstReinforcementPoint()->longitudinalCornerHere.x, -1);
    // Bend: two bands; the zero line only its second segment, a triangle whose corners are on
    // the line at both ends (transverse force 100 draws nothing longitudinally).
    EXPECT_EQ(ClosedPolylines().size(), 2u);
    dc.Clear();
    double a, b, c, d;
    list.DrawForces(false, a, b, c, d);
    const auto outlines = ClosedPolylines();
    ASSERT_EQ(outlines.size(), 1u);
    EXPECT_EQ(outlines[0].points[0], Px(7, 5));
    EXPECT_EQ(outlines[0].points[3], Px(7, 5));  // the corner of the zero end sits on the line
    // Extents over every segment drawn or not: the bend's box too.
    EXPECT_DOUBLE_EQ(a, 1.0);
    EXPECT_DOUBLE_EQ(b, 9.0);
    EXPECT_NEAR(d, 5.72, 1e-12);
}

TEST_F(ReinforcementDrawingTest, ScaleOptionsLargestZeroAndUnitSystems) {
    EXPECT_NEAR(Cpp_ReinforcementLineList::ScaleForce(100), 0.72, 1e-12);
    loads::ReinforcementForceScale().records[0].value = 1.0;
    Cpp_ReinforcementLineList::ComputeForceScale(1);
    EXPECT_NEAR(Cpp_ReinforcementLineList::ScaleForce(100), 1.44, 1e-12);
    Cpp_ReinforcementLineList::ComputeForceScale(2);  // {5, 1.0}: one centimetre
    EXPECT_NEAR(Cpp_ReinforcementLineList::ScaleForce(100), 72 * 10 / 25.40005 / 50, 1e-12);
    Cpp_ReinforcementLineList::SetLargestForce(0.0);
    Cpp_ReinforcementLineList::ComputeForceScale(1);
    EXPECT_EQ(Cpp_ReinforcementLineList::ScaleForce(100), 0.0);
    EXPECT_TRUE(Cpp_ReinforcementLineList::NeedsLargestForce(3));
    loads::ResetLoadScales();
    EXPECT_THROW(Cpp_ReinforcementLineList::ScaleForce(1), Cpp_Graphics::Exc_LargestValueNotSet);
    fakes.loadScaling.answers.push_back(platform::LoadScaling{3, 2.0});
    EXPECT_TRUE(Cpp_ReinforcementLineList::ScaleDialog());
    EXPECT_EQ(fakes.loadScaling.requests.at(0).type, 4);
    EXPECT_EQ(fakes.loadScaling.requests.at(0).title, "Reinforcement Force Scale");
    EXPECT_EQ(loads::ReinforcementForceScale().records[0].kind, 3);
}

TEST_F(ReinforcementDrawingTest, PickingUsesTheCornersLastDrawn) {
    Line({{1, 1, 100, 0}, {1, 1, 100, 0}, {3, 1, 100, 0}});
    Cpp_ReinforcementLine* second = Line({{1, 3, 100, 0}, {3, 3, 100, 0}});
    DrawLongitudinal();
    s_PickType pick{2, 3.7, 0.1};
    Cpp_ReinforcementLine* found = nullptr;
    EXPECT_EQ(list.HitTestDiagram(pick, true, &found), second->FirstReinforcementPoint());
    EXPECT_EQ(found, second);
    // The forces change; the old corners still answer until the next drawing.
    second->FirstReinforcementPoint()->longitudinalForce = 0;
    s_PickType again{2, 3.7, 0.1};
    EXPECT_NE(list.HitTestDiagram(again, true, nullptr), nullptr);
    // A point repeated on the same spot neither tilts the next band nor is picked itself.
    s_PickType onZeroLength{1, 1.72, 0.1};
    Cpp_ReinforcementPoint* hit = list.HitTestDiagram(onZeroLength, true, nullptr);
    EXPECT_EQ(onZeroLength.segmentNumber, 2);  // the coincident first segment is skipped
    EXPECT_NE(hit, nullptr);
    s_PickType transverse{2, 3.7, 0.1};
    EXPECT_EQ(list.HitTestDiagram(transverse, false, nullptr), nullptr);
}

TEST_F(ReinforcementDrawingTest, LinesAndPointsInPaletteColourFourteen) {
    Line({{1, 1, 0, 0}, {3, 1, 0, 0}});
    EXPECT_TRUE(list.Draw());
    EXPECT_TRUE(list.DrawPoints());
    ASSERT_FALSE(dc.Records().empty());
    EXPECT_EQ(dc.Records().front().attributes.pen.color, Cpp_WindowsPalette::RGBColor(14));
    s_DrawAttributesType a;
    Cpp_ReinforcementLineList::GetDisplayAttributes(a);
    EXPECT_EQ(a.symbolStyle, 6);
    EXPECT_EQ(a.lineColour.paletteIndex, 14);
}

TEST_F(ReinforcementDrawingTest, InformationPageAndToolTip) {
    Cpp_ReinforcementLine* line = Line({{1, 1, 100, 5}, {4, 5, 50, 0}});
    line->SetDescription("Anchor");
    EXPECT_EQ(Cpp_ReinforcementLineList::TooltipText(1, 1, 100, 5),
              "X: 1.000000  Y: 1.000000\nLong: 100\nTrans: 5");
    const Cpp_ReinforcementPoint* p = line->FirstReinforcementPoint();
    ASSERT_TRUE(line->AddInformation(fakes.infoWindow, p, 98));
    EXPECT_EQ(fakes.infoWindow.Dump(),
              "Selected reinforcement point\n"
              "Line description: Anchor\n"
              "X: 1.000000 , Y: 1.000000\n"
              "Longitudinal force:  100\n"
              "Transverse force:  5\n"
              "Forces applied to sides of slice AND slip surface\n"
              "Reinforcement line coordinates\n"
              "  X: 1.000000 , Y: 1.000000, Long. force: 100, Trans. force: 5 - Selected point\n"
              "  X: 4.000000 , Y: 5.000000, Long. force: 50, Trans. force: 0\n");
    line->SetForceOption(2);
    ASSERT_TRUE(line->AddInformation(fakes.infoWindow, p, 102));
    const auto top = fakes.infoWindow.Children(platform::kInfoRoot);
    ASSERT_EQ(top.size(), 7u);
    EXPECT_EQ(top[0].text, "Selected reinforcement line segment");
    EXPECT_EQ(top[2].text,
              "First point - X: 1.000000 , Y: 1.000000, Long. force: 100.000000, Trans. force: "
              "5.000000");
    EXPECT_EQ(top[4].text, "Forces applied to slip surface ONLY");
    EXPECT_EQ(top[5].label, "Segment");
    EXPECT_FALSE(line->AddInformation(fakes.infoWindow, p, 17));
    line->SetForceOption(7);
    line->ClearDescription();
    ASSERT_TRUE(line->AddInformation(fakes.infoWindow, p, 98));
    EXPECT_EQ(fakes.infoWindow.Children(platform::kInfoRoot)[1].text, "Line description: ?????");
}

TEST_F(ReinforcementDrawingTest, PreferencesUseTheirOwnSection) {
    list.displayPoints = false;
    Cpp_ReinforcementLineList::SavePreferences(&list, false);
    EXPECT_EQ((fakes.profile.values.at({"REINFORCEMENT", "Display Points"})), "0");
    EXPECT_EQ((fakes.profile.values.at({"REINFORCEMENT", "Reinforcement Force SI Scale"})),
              "5 1.000000");
}

}  // namespace
