// Zoom Window, pan and the cross-hair: what is drawn in XOR (so that each outline is erased by
// drawing it again), the world window after the second corner, and the cursor texts of the
// zoom steps.

#include "core/string_table.h"
#include "editing/cursor_modes.h"
#include "editing/view_input_fixture.h"

#include <array>
#include <map>

namespace {

using platform::DcRecordKind;
using platform::DevicePoint;

// Segments as (x1, y1, x2, y2), the smaller end first.
using Segments = std::map<std::array<int, 4>, int>;

// What is on the screen after XOR drawing: every segment drawn an odd number of times.
Segments Shown(const platform::RecordingDeviceContext& dc) {
    Segments count;
    const auto add = [&](DevicePoint a, DevicePoint b) {
        std::array<int, 4> key{a.x, a.y, b.x, b.y};
        if (std::pair(b.x, b.y) < std::pair(a.x, a.y)) key = {b.x, b.y, a.x, a.y};
        count[key] ^= 1;
    };
    for (const platform::DcRecord& r : dc.Records()) {
        EXPECT_EQ(r.attributes.rop, platform::RasterOp::XorPen);
        EXPECT_EQ(r.attributes.pen.color, kNavigationPenColor);
        EXPECT_EQ(r.attributes.pen.width, 1);
        for (std::size_t i = 1; i < r.points.size(); ++i) add(r.points[i - 1], r.points[i]);
    }
    std::erase_if(count, [](const auto& entry) { return entry.second == 0; });
    return count;
}

Segments Crosshair(int x, int y) { return {{{0, y, 400, y}, 1}, {{x, 0, x, 300}, 1}}; }

class ViewNavigationTest : public ViewInputTest {};

TEST_F(ViewNavigationTest, ZoomWindowDrawsTheCrosshairThenTheBoxAndZoomsToTheBox) {
    ASSERT_TRUE(StartZoomWindow(50, 60));
    EXPECT_EQ(GetCursorMode(), CursorModeZoomWindow);
    EXPECT_EQ(Shown(host.overlay), Crosshair(50, 60));
    Move(70, 80);
    EXPECT_EQ(Shown(host.overlay), Crosshair(70, 80));
    Click(100, 50);  // first corner: the cross-hair goes, the box waits for a move
    Release(100, 50);
    EXPECT_EQ(GetCursorMode(), CursorModeZoomBox);
    EXPECT_TRUE(Shown(host.overlay).empty());
    Move(150, 90);
    Move(300, 250);
    const Segments box{{{100, 50, 300, 50}, 1},
                       {{300, 50, 300, 250}, 1},
                       {{100, 250, 300, 250}, 1},
                       {{100, 50, 100, 250}, 1}};
    EXPECT_EQ(Shown(host.overlay), box);
    // The second corner is the last move's, not the click's.
    Click(310, 260);
    EXPECT_EQ(GetCursorMode(), 0);
    EXPECT_TRUE(Shown(host.overlay).empty());
    EXPECT_EQ(host.invalidated, 1);
    const Cpp_Graphics::WorldRect w = Cpp_Graphics::GetWindow();
    EXPECT_DOUBLE_EQ(w.xmin, 100);
    EXPECT_DOUBLE_EQ(w.xmax, 300);
    EXPECT_DOUBLE_EQ(w.ymin, 50);
    EXPECT_DOUBLE_EQ(w.ymax, 250);
    EXPECT_TRUE(Cpp_Graphics::ScaleIsStale());
}

TEST_F(ViewNavigationTest, EscapeOrRightButtonLeavesNoOutlineAndNoZoom) {
    struct Case {
        const char* what;
        bool box;          // after the first corner
        bool rightButton;  // else Escape
    };
    const Case cases[] = {{"cross-hair, Escape", false, false},
                          {"cross-hair, right button", false, true},
                          {"box, Escape", true, false},
                          {"box, right button", true, true}};
    for (const Case& c : cases) {
        SetUp();
        host.overlay.Clear();
        StartZoomWindow(10, 10);
        Move(40, 40);
        if (c.box) {
            Click(40, 40);
            Move(90, 120);
        }
        if (c.rightButton)
            Right(90, 120);
        else
            Key(ViewKeyEscape);
        EXPECT_EQ(GetCursorMode(), 0) << c.what;
        EXPECT_TRUE(Shown(host.overlay).empty()) << c.what;
        EXPECT_DOUBLE_EQ(Cpp_Graphics::GetWindow().xmax, 400) << c.what;
    }
}

// A box without width or height would make a window of no size: the view stays as it was.
TEST_F(ViewNavigationTest, AZoomBoxWithoutWidthOrHeightLeavesTheWindow) {
    const std::pair<s_PixelPoint, s_PixelPoint> boxes[] = {
        {{100, 50}, {100, 50}}, {{100, 50}, {100, 200}}, {{100, 50}, {250, 50}}};
    for (const auto& [first, second] : boxes) {
        StartZoomWindow(first.x, first.y);
        Click(first.x, first.y);
        if (second.x != first.x || second.y != first.y) Move(second.x, second.y);
        Click(second.x, second.y);
        EXPECT_EQ(GetCursorMode(), 0);
        EXPECT_TRUE(Shown(host.overlay).empty());
        const Cpp_Graphics::WorldRect w = Cpp_Graphics::GetWindow();
        EXPECT_DOUBLE_EQ(w.xmin, 0);
        EXPECT_DOUBLE_EQ(w.xmax, 400);
        EXPECT_DOUBLE_EQ(w.ymin, 0);
        EXPECT_DOUBLE_EQ(w.ymax, 300);
        EXPECT_EQ(host.invalidated, 0);
    }
    // Corners in any order give the ordered box.
    EXPECT_TRUE(ZoomToPixelBox(300, 250, 100, 50));
    const Cpp_Graphics::WorldRect w = Cpp_Graphics::GetWindow();
    EXPECT_DOUBLE_EQ(w.xmin, 100);
    EXPECT_DOUBLE_EQ(w.ymax, 250);
}

TEST_F(ViewNavigationTest, PanMovesTheWindowByTheDraggedVector) {
    // Nothing starts a pan; here a paint shows its cross-hair.
    const auto startPanAt = [this](int x, int y) {
        SetCursorMode(CursorModePanStart);
        SetRubberBandStart(x, y);
        SetRubberBandEnd(x, y);
        host.DrawOverlay(host.ClientRect(),
                         [](platform::DeviceContext& dc) { RepaintNavigation(dc); });
    };
    startPanAt(90, 90);
    Move(100, 100);
    Click(100, 100);
    EXPECT_EQ(GetCursorMode(), CursorModePanEnd);
    Move(130, 80);
    Segments shown = Crosshair(130, 80);
    shown[{100, 100, 130, 80}] = 1;
    EXPECT_EQ(Shown(host.overlay), shown);
    Click(0, 0);
    EXPECT_EQ(GetCursorMode(), 0);
    EXPECT_TRUE(Shown(host.overlay).empty());
    // The drawing follows the mouse: 30 right and 20 up on the screen.
    const Cpp_Graphics::WorldRect w = Cpp_Graphics::GetWindow();
    EXPECT_DOUBLE_EQ(w.xmin, -30);
    EXPECT_DOUBLE_EQ(w.ymin, -20);
    // Right button while panning erases both.
    startPanAt(10, 10);
    Click(10, 10);
    Move(20, 30);
    Right(20, 30);
    EXPECT_EQ(GetCursorMode(), 0);
    EXPECT_TRUE(Shown(host.overlay).empty());
}

TEST_F(ViewNavigationTest, RepaintDrawsTheOutlineOfTheStepAgain) {
    StartZoomWindow(50, 60);
    platform::RecordingDeviceContext paint;
    RepaintNavigation(paint);
    EXPECT_EQ(Shown(paint), Crosshair(50, 60));
    Click(50, 60);
    paint.Clear();
    RepaintNavigation(paint);
    EXPECT_TRUE(paint.Records().empty());  // no box before the first move
    Move(80, 90);
    RepaintNavigation(paint);
    EXPECT_EQ(Shown(paint).size(), 4u);
    EraseRubberBand(2);
    paint.Clear();
    RepaintNavigation(paint);
    EXPECT_TRUE(paint.Records().empty());
}

TEST_F(ViewNavigationTest, ZoomStepsLoadTheirCursorTextsAndModeZeroRestoresIt) {
    FillStringTable({{510, "Set  first corner of \"zoom\" box."},
                     {511, "Set second corner of \"zoom\" box"},
                     {512, "Click in window to \"zoom\" in."}});
    SetCursorModeHooks(NavigationCursorModeHooks());
    LoadCursorText(512, false);
    StartZoomWindow(5, 5);
    EXPECT_EQ(GetCursorText(), "Set  first corner of \"zoom\" box.");
    Click(5, 5);
    EXPECT_EQ(GetCursorText(), "Set second corner of \"zoom\" box");
    Key(ViewKeyEscape);
    EXPECT_EQ(GetCursorText(), "Click in window to \"zoom\" in.");
    LoadCursorText(999, true);  // an id the table lacks changes nothing
    EXPECT_EQ(GetCursorText(), "Click in window to \"zoom\" in.");
}

}  // namespace
