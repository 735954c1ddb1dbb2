// The world-to-pixel mapping: one scale for both axes, the fit with the axis band and margin,
// zooming about a point, the clamp as a last guard and clipping in world coordinates.

#include "graphics/axes.h"
#include "graphics/graphics.h"
#include "graphics/graphics_fixture.h"
#include "platform/recording_dc.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class MappingTest : public GraphicsFixture {};

TEST_F(MappingTest, FitTakesTheSmallerScaleAndCentresTheOtherAxis) {
    FitSquare(0, 10, 0, 1);
    EXPECT_EQ(Cpp_Graphics::GetDrawingArea(), (platform::DeviceRect{33, 33, 533, 533}));
    EXPECT_DOUBLE_EQ(Cpp_Graphics::XScale(), 50.0);
    EXPECT_DOUBLE_EQ(Cpp_Graphics::YScale(), -50.0);
    double mn, mx;
    Cpp_Graphics::GetVisibleRange(mn, mx, false);
    EXPECT_DOUBLE_EQ(mn, -4.5);
    EXPECT_DOUBLE_EQ(mx, 5.5);
    // World (0, -4.5) is the bottom-left corner of the drawing area.
    EXPECT_EQ(Cpp_Graphics::WorldToPixel(0, -4.5), (platform::DevicePoint{33, 533}));
    EXPECT_FALSE(Cpp_Graphics::ScaleIsStale());
    // The axes were laid out on the same fit: frame = rectangle less the margin.
    EXPECT_EQ(Cpp_Axes::Frame(), (platform::DeviceRect{24, 24, 542, 542}));
}

TEST_F(MappingTest, FitOnlyWhenStaleAndSinglePointWindowKeepsMapping) {
    FitSquare(0, 10, 0, 10);
    const double s = Cpp_Graphics::XScale();
    EXPECT_FALSE(Cpp_Graphics::SetScaleToFit(2, 0, 1000, 1000, 0, 96, 96));  // not stale
    EXPECT_DOUBLE_EQ(Cpp_Graphics::XScale(), s);
    Cpp_Graphics::SetWindow(3, 3, 4, 4);
    Cpp_Graphics::InvalidateScale();
    EXPECT_FALSE(Cpp_Graphics::SetScaleToFit(2, 0, 566, 566, 0, 96, 96));
    EXPECT_FALSE(Cpp_Graphics::ScaleIsStale());
    EXPECT_DOUBLE_EQ(Cpp_Graphics::XScale(), s);
}

TEST_F(MappingTest, StaleDrawingAreaThrows) {
    Cpp_Graphics::InvalidateScale();
    EXPECT_THROW(Cpp_Graphics::GetDrawingArea(), Cpp_Graphics::Exc_ScaleFactorNotSet);
}

TEST_F(MappingTest, WheelZoomInTwiceAndOutTwiceRestores) {
    FitSquare(0, 100, 0, 100);
    const double s = Cpp_Graphics::XScale(), xo = Cpp_Graphics::XOffset(),
                 yo = Cpp_Graphics::YOffset();
    const auto vis = Cpp_Graphics::GetVisibleWindow();
    const double wx = Cpp_Graphics::PixelToX(200), wy = Cpp_Graphics::PixelToY(140);
    Cpp_Graphics::ZoomAtPixel(true, 200, 140);
    // The point under the cursor stays under it.
    EXPECT_NEAR(Cpp_Graphics::PixelToX(200), wx, 1e-9);
    EXPECT_NEAR(Cpp_Graphics::PixelToY(140), wy, 1e-9);
    Cpp_Graphics::ZoomAtPixel(true, 200, 140);
    EXPECT_DOUBLE_EQ(Cpp_Graphics::XScale(), 4 * s);
    Cpp_Graphics::ZoomAtPixel(false, 200, 140);
    Cpp_Graphics::ZoomAtPixel(false, 200, 140);
    EXPECT_NEAR(Cpp_Graphics::XScale(), s, 1e-12);
    EXPECT_NEAR(Cpp_Graphics::XOffset(), xo, 1e-9);
    EXPECT_NEAR(Cpp_Graphics::YOffset(), yo, 1e-9);
    const auto back = Cpp_Graphics::GetVisibleWindow();
    EXPECT_NEAR(back.xmin, vis.xmin, 1e-9);
    EXPECT_NEAR(back.ymax, vis.ymax, 1e-9);
}

TEST_F(MappingTest, ZoomInAtHalvesWindowAboutPointAndMarksStale) {
    Cpp_Graphics::SetWindow(0, 100, 0, 50);
    Cpp_Graphics::ZoomInAt(10, 10);
    EXPECT_EQ(Cpp_Graphics::GetWindow(), (Cpp_Graphics::WorldRect{-15, 35, -2.5, 22.5}));
    EXPECT_TRUE(Cpp_Graphics::ScaleIsStale());
    Cpp_Graphics::ZoomOutAt(10, 10);
    EXPECT_EQ(Cpp_Graphics::GetWindow(), (Cpp_Graphics::WorldRect{-40, 60, -15, 35}));
}

TEST_F(MappingTest, FarPointsClampAtTheLastGuard) {
    FitSquare(0, 10, 0, 10);
    EXPECT_EQ(Cpp_Graphics::XToPixel(1e9), 32000);
    EXPECT_EQ(Cpp_Graphics::XToPixel(-1e9), -32000);
    EXPECT_EQ(Cpp_Graphics::YToPixel(1e9), -32000);
    EXPECT_EQ(Cpp_Graphics::XToPixel(std::nan("")), -32000);
}

// Regression: clamping each coordinate bends a line that leaves the view at high zoom. The
// polyline is clipped in world coordinates first, so the drawn part keeps its direction.
TEST_F(MappingTest, LineLeavingViewAtHighZoomKeepsItsDirection) {
    FitSquare(0, 10, 0, 10);
    for (int i = 0; i < 12; ++i) Cpp_Graphics::ZoomAtPixel(true, 283, 283);
    const double x0 = Cpp_Graphics::PixelToX(283), y0 = Cpp_Graphics::PixelToY(283);
    // A line through the centre with slope 0.3, running far outside the view on both sides.
    std::vector<double> xs{x0 - 1000, x0 + 1000}, ys{y0 - 300, y0 + 300};
    const auto runs = Cpp_Graphics::WorldPolylineToPixels(xs, ys);
    ASSERT_EQ(runs.size(), 1u);
    ASSERT_EQ(runs[0].size(), 2u);
    const auto a = runs[0][0], b = runs[0][1];
    EXPECT_LT(std::abs(a.x), 32000);
    EXPECT_LT(std::abs(b.x), 32000);
    const double slope = -static_cast<double>(b.y - a.y) / (b.x - a.x);
    EXPECT_NEAR(slope, 0.3, 0.01);
    // The run covers the page (1000 x 800 of the recording context) and a little more.
    EXPECT_LE(std::min(a.x, b.x), 0);
    EXPECT_GE(std::max(a.x, b.x), 1000);
}

TEST_F(MappingTest, PolylineOutsideTheViewGivesNothingAndCutsRuns) {
    FitSquare(0, 10, 0, 10);
    std::vector<double> xs{1, 2, 1e6, 3, 4}, ys{1, 2, 2, 2, 1};
    const auto runs = Cpp_Graphics::WorldPolylineToPixels(xs, ys);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].front(), Cpp_Graphics::WorldToPixel(1, 1));
    EXPECT_EQ(runs[1].back(), Cpp_Graphics::WorldToPixel(4, 1));
    EXPECT_TRUE(Cpp_Graphics::WorldPolylineToPixels({1e6, 2e6}, {0, 0}).empty());
}

TEST_F(MappingTest, ExplicitWindowModesFillTheClientArea) {
    FakeWindow window({0, 0, 548, 348}, 96);  // 500 x 300 inside the axis margin
    EXPECT_FALSE(Cpp_Graphics::SetWindowCoordinates(&window, 5, 5, 0, 10, 2));
    Cpp_Graphics::SetExplicitWindowMode(1);
    EXPECT_FALSE(Cpp_Graphics::SetWindowCoordinates(&window, 5, 5, 0, 10, 2));
    EXPECT_FALSE(Cpp_Graphics::SetWindowCoordinates(&window, 0, 10, 4, 4, 2));

    Cpp_Graphics::SetExplicitWindowMode(0);
    ASSERT_TRUE(Cpp_Graphics::SetWindowCoordinates(&window, 0, 100, 0, 1, 2));
    EXPECT_DOUBLE_EQ(Cpp_Graphics::XScale(), 5.0);
    EXPECT_DOUBLE_EQ(Cpp_Graphics::GetWindow().ymax, 60.0);
    Cpp_Graphics::SetExplicitWindowMode(1);
    ASSERT_TRUE(Cpp_Graphics::SetWindowCoordinates(&window, 0, 1, 0, 30, 2));
    EXPECT_DOUBLE_EQ(Cpp_Graphics::XScale(), 10.0);
    EXPECT_DOUBLE_EQ(Cpp_Graphics::GetWindow().xmax, 50.0);
    // Reversed bounds are swapped.
    ASSERT_TRUE(Cpp_Graphics::SetWindowCoordinates(&window, 1, 0, 30, 0, 2));
    EXPECT_DOUBLE_EQ(Cpp_Graphics::GetWindow().xmin, 0.0);
    EXPECT_DOUBLE_EQ(Cpp_Graphics::GetWindow().ymin, 0.0);
    EXPECT_DOUBLE_EQ(Cpp_Graphics::XScale(), 10.0);
}

// Answers the queued records in turn; with the queue empty it is cancelled.
class ScriptedBoundsDialog final : public Cpp_Graphics::WindowBoundsDialog {
public:
    std::vector<Cpp_Graphics::WindowBoundsRecord> answers;
    bool Run(Cpp_Graphics::WindowBoundsRecord& r) override {
        if (answers.empty()) return false;
        r = answers.front();
        answers.erase(answers.begin());
        return true;
    }
};

// Regression: the "Window Bounds" values are validated: equal bounds are refused with a
// message and asked again; reversed ones are swapped.
TEST_F(MappingTest, WindowBoundsDialogValidatesItsValues) {
    ScriptedBoundsDialog dialog;
    dialog.answers = {{4, 4, 0, 10, 0}, {10, 0, 20, 5, 0}};
    Cpp_Graphics::WindowBoundsDialogSlot().Set(&dialog);
    FakeWindow window({0, 0, 548, 348}, 96);
    EXPECT_TRUE(Cpp_Graphics::SetDisplayBounds(&window, 2));
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.requests[0].caption, "Window Bounds");
    EXPECT_DOUBLE_EQ(Cpp_Graphics::GetWindow().xmin, 0.0);
    EXPECT_DOUBLE_EQ(Cpp_Graphics::GetWindow().xmax, 10.0);
    EXPECT_DOUBLE_EQ(Cpp_Graphics::GetWindow().ymin, 5.0);
    EXPECT_DOUBLE_EQ(Cpp_Graphics::XScale(), 50.0);
    // Cancel changes nothing.
    EXPECT_FALSE(Cpp_Graphics::SetDisplayBounds(&window, 2));
    EXPECT_DOUBLE_EQ(Cpp_Graphics::XScale(), 50.0);
}

TEST_F(MappingTest, ConversionsNeedADeviceContext) {
    Cpp_Graphics::SetCurrentDC(nullptr);
    EXPECT_THROW(Cpp_Graphics::InchesToPixels(1), Cpp_Graphics::Exc_NULLDeviceContext);
    EXPECT_THROW(Cpp_Graphics::PixelsToInches(1), Cpp_Graphics::Exc_NULLDeviceContext);
    platform::RecordingDeviceContext printer;
    printer.SetPixelsPerInch(600, 600);
    Cpp_Graphics::SetCurrentDC(&printer);
    EXPECT_DOUBLE_EQ(Cpp_Graphics::InchesToPixels(0.5), 300.0);
    EXPECT_NEAR(Cpp_Graphics::MillimetresToPixels(printer, 25.40005), 600.0, 1e-9);
    Cpp_Graphics::SetCurrentDC(nullptr);
}

TEST_F(MappingTest, PanAndScrollMoveTheView) {
    FitSquare(0, 10, 0, 10);
    const auto vis = Cpp_Graphics::GetVisibleWindow();
    Cpp_Graphics::ScrollPixels(50, -50);
    const auto moved = Cpp_Graphics::GetVisibleWindow();
    EXPECT_DOUBLE_EQ(moved.xmin, vis.xmin - 1.0);
    EXPECT_DOUBLE_EQ(moved.ymin, vis.ymin - 1.0);
    EXPECT_NEAR(moved.xmax - moved.xmin, vis.xmax - vis.xmin, 1e-12);
    Cpp_Graphics::PanWindow(5, 5, 2, 1);
    EXPECT_EQ(Cpp_Graphics::GetWindow(), (Cpp_Graphics::WorldRect{3, 13, 4, 14}));
}

TEST_F(MappingTest, SaveAndRestoreScaleState) {
    FitSquare(0, 10, 0, 10);
    const double s = Cpp_Graphics::XScale();
    Cpp_Graphics::SaveScaleState();
    FitSquare(0, 1, 0, 1);
    Cpp_Graphics::RestoreScaleState();
    EXPECT_DOUBLE_EQ(Cpp_Graphics::XScale(), s);
    EXPECT_EQ(Cpp_Graphics::GetWindow(), (Cpp_Graphics::WorldRect{0, 10, 0, 10}));
}

}  // namespace

namespace {

class ScriptedLargest final : public Cpp_Graphics::LargestValueDialog {
public:
    bool Run(const std::string& label, double& value) override {
        if (label != "Largest value for line load") return false;
        value = 250.0;
        return true;
    }
};
class ScriptedScaling final : public Cpp_Graphics::ScalingEditor {
public:
    bool changed = false;
    bool Edit(int) override { return changed; }
};

TEST_F(MappingTest, ArrowScalingDialogs) {
    double v = 10;
    EXPECT_FALSE(Cpp_Graphics::GetLargestValueForScaling(3, v));  // no dialog registered
    ScriptedLargest largest;
    Cpp_Graphics::LargestValueDialogSlot().Set(&largest);
    EXPECT_FALSE(Cpp_Graphics::GetLargestValueForScaling(5, v));
    EXPECT_FALSE(Cpp_Graphics::GetLargestValueForScaling(2, v));  // cancelled
    EXPECT_EQ(v, 10.0);
    EXPECT_TRUE(Cpp_Graphics::GetLargestValueForScaling(3, v));
    EXPECT_EQ(v, 250.0);
    ScriptedScaling scaling;
    Cpp_Graphics::ScalingEditorSlot().Set(&scaling);
    scaling.changed = true;
    EXPECT_FALSE(Cpp_Graphics::EditScalingForSelection(37));
    EXPECT_FALSE(Cpp_Graphics::ScaleIsStale());
    EXPECT_TRUE(Cpp_Graphics::EditScalingForSelection(64));
    EXPECT_TRUE(Cpp_Graphics::ScaleIsStale());
}

}  // namespace
