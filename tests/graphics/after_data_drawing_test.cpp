// What the painting draws after the data set: the four steps in their fixed order whatever the
// order of registration, construction items before the snap grid and in every output mode, the
// other steps after the grid and on the screen only.

#include "graphics/graphic_grid.h"
#include "graphics/graphics_fixture.h"
#include "model/view_painting.h"
#include "registry/view_preparations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::DcRecordKind;

struct Drawn {
    std::string step;
    size_t recordsBefore;
    int outputMode;
};
std::vector<Drawn> g_drawn;

template <int Step>
void Draw(platform::DeviceContext& dc, Cpp_Kliven4DataSet*) {
    static const char* const names[] = {"construction", "selection", "navigation", "tool"};
    auto& rec = static_cast<platform::RecordingDeviceContext&>(dc);
    g_drawn.push_back({names[Step], rec.Records().size(), Cpp_Graphics::OutputMode()});
    dc.SetPixel(1, 1, 0);
}

void Throwing(platform::DeviceContext&, Cpp_Kliven4DataSet*) { throw 1; }

class AfterDataDrawingTest : public GraphicsFixture {
protected:
    void SetUp() override {
        GraphicsFixture::SetUp();
        g_drawn.clear();
        InitializeViewDrawing();
        // Registered in the reverse order, the tool step twice, and one that fails.
        Register(e_AfterDataStep::ToolFeedback, &Draw<3>);
        Register(e_AfterDataStep::ToolFeedback, &Draw<3>);
        Register(e_AfterDataStep::NavigationFigures, &Throwing);
        Register(e_AfterDataStep::NavigationFigures, &Draw<2>);
        Register(e_AfterDataStep::SelectionMarks, &Draw<1>);
        Register(e_AfterDataStep::ConstructionItems, &Draw<0>);
    }
    void TearDown() override {
        for (auto [step, drawing] : registered_) UnregisterAfterDataDrawing(step, drawing);
        GraphicsFixture::TearDown();
    }
    void Register(e_AfterDataStep step, AfterDataDrawing drawing) {
        RegisterAfterDataDrawing(step, drawing);
        registered_.push_back({step, drawing});
    }
    std::vector<std::pair<e_AfterDataStep, AfterDataDrawing>> registered_;
};

TEST_F(AfterDataDrawingTest, StepsRunInTheirOrderAroundTheSnapGrid) {
    s_GridSettingsType s;
    s.spacing = 100;
    s.pointsIncrement = 1;
    s.linesIncrement = 5;
    ASSERT_TRUE(Cpp_GraphicGrid::ApplySettings(s));
    PaintProblemView(dc, {0, 0, 600, 600}, nullptr, Cpp_Graphics::kOutputScreen, 1);
    ASSERT_EQ(g_drawn.size(), 4u);
    std::vector<std::string> steps;
    for (const auto& d : g_drawn) steps.push_back(d.step);
    EXPECT_EQ(steps, (std::vector<std::string>{"construction", "selection", "navigation", "tool"}));
    // The grid's points lie between the construction items and the selection marks.
    const auto& records = dc.Records();
    size_t grid = records.size();
    for (size_t i = 0; i < records.size(); ++i)
        if (records[i].kind == DcRecordKind::Points) grid = i;
    ASSERT_LT(grid, records.size());
    EXPECT_LT(g_drawn[0].recordsBefore, grid);
    EXPECT_GT(g_drawn[1].recordsBefore, grid);
    for (const auto& d : g_drawn) EXPECT_EQ(d.outputMode, Cpp_Graphics::kOutputScreen);
}

TEST_F(AfterDataDrawingTest, PrinterGetsOnlyTheConstructionItems) {
    PaintProblemView(dc, {0, 0, 600, 600}, nullptr, Cpp_Graphics::kOutputPrinter, 1);
    ASSERT_EQ(g_drawn.size(), 1u);
    EXPECT_EQ(g_drawn[0].step, "construction");
    EXPECT_EQ(g_drawn[0].outputMode, Cpp_Graphics::kOutputPrinter);
}

TEST_F(AfterDataDrawingTest, UnregisteredDrawingNoLongerRuns) {
    UnregisterAfterDataDrawing(e_AfterDataStep::SelectionMarks, &Draw<1>);
    PaintProblemView(dc, {0, 0, 600, 600}, nullptr, Cpp_Graphics::kOutputScreen, 1);
    ASSERT_EQ(g_drawn.size(), 3u);
    EXPECT_EQ(g_drawn[1].step, "navigation");
}

}  // namespace
