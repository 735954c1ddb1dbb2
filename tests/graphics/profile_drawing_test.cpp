// Drawing of the profile: region fills with colours and patterns, lines, labels.

#include "graphics/graphics_fixture.h"
#include "graphics/line_styles.h"
#include "graphics/palette.h"
#include "profile/profile_drawing.h"
#include "profile/profile_line.h"

#include <gtest/gtest.h>

namespace {

using platform::DcRecordKind;

class ProfileDrawingTest : public GraphicsFixture {
protected:
    void SetUp() override {
        GraphicsFixture::SetUp();
        Cpp_GraphicInit::InitializeLineStyles();
        FitSquare(0, 100, 0, 100);
        Cpp_ProfileLine* top = list.CreateLine(1, 1, "top");
        top->AddPoint(0, 80);
        top->AddPoint(100, 80);
        Cpp_ProfileLine* mid = list.CreateLine(2, 2, "middle");
        mid->AddPoint(0, 50);
        mid->AddPoint(100, 40);
        Cpp_ProfileLine* low = list.CreateLine(3, 3, "low");
        low->AddPoint(0, 20);
        low->AddPoint(100, 20);
    }
    void TearDown() override {
        SetMaterialAppearanceLookup(nullptr);
        GraphicsFixture::TearDown();
    }
    Cpp_ProfileLineList list;
};

TEST_F(ProfileDrawingTest, RegionsFilledWithTableColoursAndPatterns) {
    list.ProfileLineAt(1)->SetFillPattern(-2);  // the pattern table: material 2 -> pattern 2
    list.ProfileLineAt(2)->SetFillPattern(0);   // not filled
    ASSERT_TRUE(DrawMaterialRegions(list, 1, 0));
    const auto fills = dc.OfKind(DcRecordKind::FillPolygon);
    ASSERT_EQ(fills.size(), 2u);
    // Line 1: solid fill (pattern -1) in the colour-table entry of material 1 (palette 40).
    EXPECT_EQ(fills[0].attributes.brush.kind, platform::BrushKind::Solid);
    EXPECT_EQ(fills[0].attributes.brush.color, Cpp_WindowsPalette::RGBColor(40));
    EXPECT_EQ(fills[0].attributes.pen.style, platform::PenStyle::Null);
    // Line 2: pattern 2, the ink in the fill colour on white.
    EXPECT_EQ(fills[1].attributes.brush.kind, platform::BrushKind::Pattern);
    EXPECT_EQ(fills[1].attributes.brush.rows[0], 0xFF & ~0xDD);
    EXPECT_EQ(fills[1].attributes.textColor, Cpp_WindowsPalette::RGBColor(32));
    EXPECT_EQ(fills[1].attributes.bkColor, 0xFFFFFFu);
    // The region of line 1 runs from y 80 down to line 2.
    int ymin = 1 << 30, ymax = -(1 << 30);
    for (const auto& p : fills[0].points) {
        ymin = std::min(ymin, p.y);
        ymax = std::max(ymax, p.y);
    }
    EXPECT_EQ(ymin, Cpp_Graphics::YToPixel(80));
    EXPECT_EQ(ymax, Cpp_Graphics::YToPixel(40));
}

TEST_F(ProfileDrawingTest, MaterialColourAndPatternWin) {
    SetMaterialAppearanceLookup([](int material, s_MaterialAppearanceType& m) {
        if (material != 1) return false;
        m.hasOwnColour = true;
        m.colour = 0x00ABCDEF;
        m.fillPattern = 23;
        return true;
    });
    list.ProfileLineAt(0)->SetOwnColour(true, 0x111111);  // ignored: the material has a colour
    list.ProfileLineAt(1)->SetOwnColour(true, 0x222222);  // used: no material 2
    EXPECT_EQ(GetFillColour(*list.ProfileLineAt(0)), 0xABCDEFu);
    EXPECT_EQ(GetFillPattern(*list.ProfileLineAt(0)), 23);
    EXPECT_EQ(GetFillColour(*list.ProfileLineAt(1)), 0x222222u);
    EXPECT_EQ(GetFillColour(*list.ProfileLineAt(2)), Cpp_WindowsPalette::RGBColor(33));
}

TEST_F(ProfileDrawingTest, RegionsAreReusedAfterAPanAndFollowTheData) {
    DrawMaterialRegions(list, 1, 0);
    const auto first = dc.OfKind(DcRecordKind::FillPolygon).at(0).points;
    dc.Clear();
    Cpp_Graphics::ScrollPixels(10, 0);
    DrawMaterialRegions(list, 1, 0);
    const auto panned = dc.OfKind(DcRecordKind::FillPolygon).at(0).points;
    ASSERT_EQ(first.size(), panned.size());
    EXPECT_EQ(panned[0].x, first[0].x + 10);
    // A changed point is seen on the next paint.
    dc.Clear();
    list.ProfileLineAt(0)->FirstPoint()->SetY(90);
    DrawMaterialRegions(list, 1, 0);
    int ymin = 1 << 30;
    const auto changed = dc.OfKind(DcRecordKind::FillPolygon).at(0).points;
    for (const auto& p : changed) ymin = std::min(ymin, p.y);
    EXPECT_EQ(ymin, Cpp_Graphics::YToPixel(90));
}

TEST_F(ProfileDrawingTest, LinesPointsAndLabels) {
    DrawProfileLines(list);
    ASSERT_EQ(dc.Count(DcRecordKind::Polyline), 3u);
    EXPECT_EQ(dc.OfKind(DcRecordKind::Polyline)[0].attributes.pen.color,
              Cpp_WindowsPalette::RGBColor(9));
    dc.Clear();
    DrawProfilePoints(list);
    EXPECT_EQ(dc.Count(DcRecordKind::Ellipse), 6u);  // symbol 3: filled circles
    dc.Clear();
    DrawProfileLineNumbers(list);
    EXPECT_EQ(dc.Texts(), (std::vector<std::string>{"1", "2", "3"}));
    dc.Clear();
    list.PlaceMaterialLabels(0, 100, 0, 100);
    DrawMaterialNumbers(list);
    const auto texts = dc.Texts();
    EXPECT_FALSE(texts.empty());
    const Cpp_ProfileLine* line = list.ProfileLineAt(0);
    if (line->IsMaterialLabelPlaced()) {
        const auto f = line->MaterialLabelFrame();
        const auto p = Cpp_Graphics::WorldToPixel(line->MaterialLabelX(), line->MaterialLabelY());
        EXPECT_EQ(p.x - f.left, f.right - p.x);
    }
}

}  // namespace
