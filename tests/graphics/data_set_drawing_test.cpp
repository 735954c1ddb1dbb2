// The data set drawn in its layer order; a failing layer is skipped and reported once.

#include "core/text_exception.h"
#include "graphics/graphics_fixture.h"
#include "model/data_set.h"
#include "registry/data_set_drawing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_calls;

void Fills(Cpp_Kliven4DataSet&, const s_DrawContextType& c) {
    g_calls.push_back("fills");
    c.dc->FillPolygon({{0, 0}, {10, 0}, {10, 10}});
}
void Lines(Cpp_Kliven4DataSet&, const s_DrawContextType& c) {
    g_calls.push_back("lines");
    c.dc->Polyline({{0, 0}, {10, 10}});
}
void Labels(Cpp_Kliven4DataSet&, const s_DrawContextType& c) {
    g_calls.push_back("labels");
    c.dc->TextOut(1, 1, "3");
}
void Broken(Cpp_Kliven4DataSet&, const s_DrawContextType& c) {
    g_calls.push_back("broken");
    c.dc->SetPen({platform::PenStyle::Dash, 7, 0x123456});
    throw Cpp_TextException("EXCEPTION: Cpp_Line::DrawLine");
}
void Crack(Cpp_Kliven4DataSet&, const s_DrawContextType&) {
    g_calls.push_back("crack");
    throw 42;
}

class DataSetDrawingTest : public GraphicsFixture {
protected:
    void SetUp() override {
        GraphicsFixture::SetUp();
        Cpp_DataSetDrawing::ResetRegistry();
        g_calls.clear();
    }
    void TearDown() override {
        Cpp_DataSetDrawing::ResetRegistry();
        GraphicsFixture::TearDown();
    }
};

TEST_F(DataSetDrawingTest, FillsBeforeLinesBeforeLabels) {
    // Registered out of order, drawn in layer order.
    Cpp_DataSetDrawing::Register(e_DrawLayer::ProfileLabels, "labels", &Labels);
    Cpp_DataSetDrawing::Register(e_DrawLayer::ProfileLines, "lines", &Lines);
    Cpp_DataSetDrawing::Register(e_DrawLayer::MaterialRegions, "fills", &Fills);
    Cpp_DataSetDrawing::Register(e_DrawLayer::MaterialRegions, "fills", &Fills);  // once
    Cpp_Kliven4DataSet ds(1);
    EXPECT_TRUE(ds.Draw(0, true, 10, 20, 300, 200));
    EXPECT_EQ(g_calls, (std::vector<std::string>{"fills", "lines", "labels"}));
    const auto& r = dc.Records();
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0].kind, platform::DcRecordKind::FillPolygon);
    EXPECT_EQ(r[1].kind, platform::DcRecordKind::Polyline);
    EXPECT_EQ(r[2].kind, platform::DcRecordKind::Text);
    // Clipped to the rectangle.
    EXPECT_EQ(r[2].attributes.clip.kind, platform::ClipKind::Rect);
    EXPECT_EQ(r[2].attributes.clip.rect, (platform::DeviceRect{10, 20, 300, 200}));
}

// Regression: drawing never throws out of the paint entry: a stale item is skipped, reported
// once in the listing, and the rest of the drawing completes with the state restored.
TEST_F(DataSetDrawingTest, FailingLayerIsSkippedAndReportedOnce) {
    Cpp_DataSetDrawing::Register(e_DrawLayer::ProfileLines, "profile lines", &Broken);
    Cpp_DataSetDrawing::Register(e_DrawLayer::Crack, "crack", &Crack);
    Cpp_DataSetDrawing::Register(e_DrawLayer::ProfileLabels, "labels", &Labels);
    Cpp_Kliven4DataSet ds(1);
    const platform::Pen pen = dc.GetPen();
    EXPECT_NO_THROW(ds.Draw(0, false, 0, 0, 100, 100));
    EXPECT_NO_THROW(ds.Draw(0, false, 0, 0, 100, 100));
    EXPECT_EQ(g_calls,
              (std::vector<std::string>{"broken", "crack", "labels", "broken", "crack", "labels"}));
    EXPECT_EQ(Cpp_DataSetDrawing::Reported(), (std::vector<std::string>{"profile lines", "crack"}));
    EXPECT_EQ(dc.OfKind(platform::DcRecordKind::Text).size(), 2u);
    EXPECT_EQ(dc.GetPen(), pen);
}

TEST_F(DataSetDrawingTest, DisplayOptionsOfTheDataSet) {
    Cpp_Kliven4DataSet ds(1);
    EXPECT_TRUE(ds.DisplayFlags().materialFill);
    EXPECT_TRUE(ds.SetDisplayOption(5, false));
    EXPECT_FALSE(ds.DisplayFlags().materialFill);
    EXPECT_FALSE(ds.SetDisplayOption(41, false));
}

}  // namespace
