// Text blocks: placement by position code, alignment, frames; axes drawing; arrows; prompts.

#include "core/string_table.h"
#include "editing/tool_table.h"
#include "graphics/axes.h"
#include "graphics/drawing_attributes.h"
#include "graphics/graphic_string.h"
#include "graphics/graphics_fixture.h"
#include "graphics/prompts.h"
#include "graphics/vector_arrow.h"

#include <gtest/gtest.h>

namespace {

using platform::DcRecordKind;

class TextBlockTest : public GraphicsFixture {
protected:
    void SetUp() override {
        GraphicsFixture::SetUp();
        // 10 points at 96 ppi: a 13 pixel font, ascent 10, descent 3, 6 pixels a character.
        font = s_FontType("Arial", 10);
    }
    void TearDown() override {
        Cpp_GraphicString::ReleaseDrawingAttributes();
        GraphicsFixture::TearDown();
    }
    s_FontType font;
};

TEST_F(TextBlockTest, EmptyBlockDrawsNothing) {
    Cpp_GraphicString::SetCentredAttributes(font, 1, true, s_ColorType(1, 7), "");
    Cpp_GraphicString block;
    EXPECT_FALSE(block.Draw(10, 10));
    EXPECT_TRUE(dc.Records().empty());
}

TEST_F(TextBlockTest, PlacementByPositionCode) {
    Cpp_GraphicString::SetDrawingAttributes(font, 8, 5, 2, 0, false, s_ColorType(4, 1), "");
    Cpp_GraphicString block;
    block.AddString("ABCDEFG");  // 42 pixels wide
    s_TextFrameType frame;
    ASSERT_TRUE(block.DrawAt(100, 100, frame));
    // Below the point: L = 100 - 21, B = 100 + 10 + 5, T = 105.
    EXPECT_EQ(frame.left, 79);
    EXPECT_EQ(frame.right, 121);
    EXPECT_EQ(frame.bottom, 115);
    EXPECT_EQ(frame.top, 105);
    const auto t = dc.OfKind(DcRecordKind::Text).at(0);
    EXPECT_EQ(t.points[0], (platform::DevicePoint{79, 105}));
    EXPECT_EQ(t.attributes.textColor, platform::MakeRgb(255, 0, 0));

    const struct {
        int code;
        platform::DevicePoint topLeft;
    } cases[] = {{1, {53, 85}}, {3, {105, 85}}, {5, {79, 95}}, {6, {105, 95}}, {7, {53, 105}}};
    for (const auto& c : cases) {
        dc.Clear();
        ASSERT_TRUE(Cpp_GraphicString::SetPosition(c.code));
        block.Draw(100, 100);
        EXPECT_EQ(dc.OfKind(DcRecordKind::Text).at(0).points[0], c.topLeft) << c.code;
    }
    EXPECT_FALSE(Cpp_GraphicString::SetPosition(10));
    EXPECT_EQ(Cpp_GraphicString::Position(), 7);
}

TEST_F(TextBlockTest, RightAlignmentAndFrames) {
    Cpp_GraphicString::SetDrawingAttributes(font, 5, 0, 3, 1, true, s_ColorType(1, 7), "");
    Cpp_GraphicString block;
    block.AddString("ABCDE");       // 30
    block.AddString("ABCDEFGHIJ");  // 60: wait, 10 chars * 6 = 60
    block.Draw(200, 200);
    const auto texts = dc.OfKind(DcRecordKind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].points[0].x - texts[1].points[0].x, 30);
    EXPECT_EQ(texts[1].points[0].y - texts[0].points[0].y, 13);
    EXPECT_EQ(dc.Count(DcRecordKind::FillRect), 1u);  // background fill before the text
    EXPECT_EQ(dc.Count(DcRecordKind::Polyline), 1u);  // rectangle outline after it
    EXPECT_EQ(dc.Records().front().kind, DcRecordKind::FillRect);
    EXPECT_EQ(dc.Records().back().kind, DcRecordKind::Polyline);
}

TEST_F(TextBlockTest, NineLinesThrowAndLongLinesAreCut) {
    Cpp_GraphicString block;
    for (int i = 0; i < 8; ++i) block.AddString("x");
    EXPECT_THROW(block.AddString("x"), Cpp_GraphicString::Exc_TooManyStrings);
    block.Clear();
    block.AddString(std::string(100, 'a'));
    EXPECT_EQ(block.GetString(1).size(), 65u);
    EXPECT_EQ(block.GetString(0), "");
    EXPECT_EQ(block.GetString(2), "");
}

TEST_F(TextBlockTest, TurnedTextForVerticalAxes) {
    font.font.escapement = 900;
    Cpp_GraphicString::SetDrawingAttributes(font, 4, 5, 2, 0, false, s_ColorType(1, 7), "");
    Cpp_GraphicString block;
    block.AddString("ABCDEFG");
    s_TextFrameType frame;
    block.DrawFramed(100, 100, frame);
    // Code 4: L = x - ascent - gap, Y = y + W / 2.
    EXPECT_EQ(dc.OfKind(DcRecordKind::Text).at(0).points[0], (platform::DevicePoint{85, 121}));
}

class AxesDrawingTest : public GraphicsFixture {};

TEST_F(AxesDrawingTest, BandTicksAndNumbers) {
    FitSquare(0, 100, 0, 100);
    Cpp_Axes::DrawAxes(dc, 0, 0, 566, 566);
    // The band: four grey rectangles first.
    const auto fills = dc.OfKind(DcRecordKind::FillRect);
    ASSERT_EQ(fills.size(), 4u);
    for (const auto& f : fills) EXPECT_EQ(f.color, 0xC8C8C8u);
    // Numbers: every major value on the bottom and top axes, turned ones left and right.
    const auto texts = dc.Texts();
    const auto xt = Cpp_Axes::XTicks();
    EXPECT_GT(xt.step, 0);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "0"), texts.end());
    int turned = 0;
    for (const auto& r : dc.OfKind(DcRecordKind::Text))
        if (r.attributes.font.escapement == 900) ++turned;
    EXPECT_GT(turned, 0);
    EXPECT_EQ(turned % 2, 0);
    // All the axis lines and ticks in one call.
    EXPECT_EQ(dc.Count(DcRecordKind::PolyPolyline), 1u);
}

TEST_F(AxesDrawingTest, FractionalStepsGetDecimals) {
    FitSquare(0, 1, 0, 1);
    Cpp_Axes::DrawAxes(dc, 0, 0, 566, 566);
    const auto texts = dc.Texts();
    // Steps below one are numbered with the decimals they need, never "-0".
    for (const auto& t : texts) EXPECT_NE(t, "-0");
    EXPECT_NE(std::find(texts.begin(), texts.end(), "1"), texts.end());
}

TEST_F(AxesDrawingTest, ArrowHeadIsLimitedToHalfTheLength) {
    FitSquare(0, 100, 0, 100);  // 5 pixels per unit
    Cpp_Vector::SetDrawingAttributes(0.2, 0, true, true, 1, 1, 0, s_ColorType(1, 7), "");
    // 8 pixels long: head depth min(19, 4) = 4.
    const double x0 = 50, y0 = 50;
    Cpp_Vector arrow(x0, y0, x0 - 1.6, y0);
    arrow.DrawOnDC(dc);
    const auto polys = dc.OfKind(DcRecordKind::Polygon);
    ASSERT_EQ(polys.size(), 1u);
    const auto tip = Cpp_Graphics::WorldToPixel(x0, y0);
    EXPECT_EQ(polys[0].points[0], tip);
    EXPECT_EQ(polys[0].points[1].x, tip.x - 4);
    // Zero length draws nothing.
    dc.Clear();
    Cpp_Vector(1, 1, 1, 1).DrawOnDC(dc);
    EXPECT_TRUE(dc.Records().empty());
}

class PromptsTest : public GraphicsFixture {
protected:
    void SetUp() override {
        GraphicsFixture::SetUp();
        FillStringTable({{1309, "Right-click for edit options"},
                         {1311, "Left-click to enter first point on new profile line"}});
    }
    void TearDown() override {
        ResetStringTable();
        ResetPrompts();
        GraphicsFixture::TearDown();
    }
};

TEST_F(PromptsTest, StatusTextsAndToolTips) {
    SetStatusText(true, "old");
    SetStatusTextFromId(true, 99999);
    EXPECT_EQ(GetStatusText(), "old");
    EXPECT_EQ(GetStatusTextId(), -1);
    SetStatusTextWithSuffix(true, 1309, "Profile line 3");
    EXPECT_EQ(GetStatusText(), "Profile line 3 - Right-click for edit options");
    EXPECT_EQ(GetStatusTextId(), 1309);
    EXPECT_EQ(fakes.statusLine.Text(), "Profile line 3 - Right-click for edit options");
    SetStatusTextWithSuffix(true, 1309, "");
    EXPECT_EQ(GetStatusText(), "Right-click for edit options");
    for (int mode : {4, 11}) {
        SetToolPrompt(true, mode, {});
        EXPECT_EQ(GetStatusText(), "");
    }
    SetToolPrompt(true, 6, {});
    EXPECT_EQ(GetStatusText(), "Left-click to enter first point on new profile line");
    EXPECT_EQ(GetStatusTextId(), 1311);
    s_ToolPromptContext picked;
    picked.itemPicked = true;
    picked.pickedPrompt = "Point 3";
    picked.pickedType = 9;
    SetToolPrompt(true, 1, picked);
    EXPECT_EQ(GetStatusText(), "Point 3 - Right-click for edit options; Press enter key to "
                               "change point values.");

    SetCoordinateToolTip(12.25, -6, 2);
    std::string tip;
    ASSERT_TRUE(GetToolTipText(tip));
    EXPECT_EQ(tip, "X: 12.25 , Y: -6.00");
    ClearToolTip();
    EXPECT_FALSE(GetToolTipText(tip));
    SetToolTipFromId(4242);
    ASSERT_TRUE(GetToolTipText(tip));
    EXPECT_EQ(tip, "Tool tip resource missing");
    EXPECT_EQ(GetToolTipId(), 4242);
}

}  // namespace
