// The view's picture on the real frame (offscreen): a change of the data made with a tool is
// drawn whole at once, with everything that depends on it; a wheel zoom shows the kept picture
// scaled and the exact one right after; XOR figures over the kept picture erase when drawn twice.

#include "app/draw_view.h"
#include "app/drawing_view.h"
#include "editing/line_point_tools.h"
#include "editing/profile_tool.h"
#include "frame_on_example.h"
#include "graphics/graphics.h"
#include "model/data_set.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>

namespace {

// Pixels of the area that differ between two pictures, and those that are not white.
int Differing(const QImage& a, const QImage& b, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++n;
    return n;
}
class ViewPictureOnFrame : public testsupport::FrameOn<::testing::Test> {
protected:
    void SetUp() override {
        app::InitializeView(view()->ViewWindow());
        OpenExample("embankment.preinput-kliven");
        frame.EnterSelectMode();
        frame.resize(900, 650);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        view()->Redraw();
        view()->repaint();
    }
    app::DrawingView* view() { return frame.View(); }

    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
        QMouseEvent event(type, at, view()->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(view(), &event);
    }
    void Wheel(QPoint at, int delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(at, view()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view(), &event);
    }
    // What a full redraw of the view shows now.
    QImage Redrawn() {
        view()->Redraw();
        view()->repaint();
        return view()->Image().copy();
    }
};

// A profile point dropped after a drag moves the material fills, the slope and its hatch with
// it at once: the view shows what a full redraw shows.
TEST_F(ViewPictureOnFrame, ADroppedProfilePointIsDrawnWithEverythingThatDependsOnIt) {
    Cpp_Kliven4DataSet& data = *Cpp_Kliven4Data::CurrentDataSet();
    ASSERT_FALSE(data.ProfileLines().IsEmpty());
    Cpp_Line* line = data.ProfileLines().LineAt(0);
    Cpp_PointXY* point = line->FirstPoint()->Next();
    ASSERT_NE(point, nullptr);
    const QImage before = view()->Image().copy();
    const double x = point->X(), y = point->Y();
    const QPoint from(Cpp_Graphics::XToPixel(point->X()), Cpp_Graphics::YToPixel(point->Y()));
    const QPoint to = from + QPoint(25, -40);
    ASSERT_TRUE(Cpp_LineTool::StartDragPoint(line, LINEKIND_PROFILE, from.x(), from.y(), point,
                                             Cpp_ProfileTool::GetDisplayAttributes()));
    Mouse(QEvent::MouseMove, to);
    Mouse(QEvent::MouseButtonPress, to, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton);
    EXPECT_GT(point->X(), x);
    EXPECT_GT(point->Y(), y);
    view()->repaint();
    const QImage dropped = view()->Image().copy();
    EXPECT_NE(dropped, before);
    EXPECT_EQ(dropped, Redrawn());
}

TEST_F(ViewPictureOnFrame, AWheelZoomShowsThePictureScaledAndTheExactOneRightAfter) {
    const QImage before = view()->Image().copy();
    Wheel({450, 320}, 120, Qt::ControlModifier);
    view()->repaint();
    const QImage scaled = view()->Image().copy();
    EXPECT_NE(scaled, before);
    QApplication::processEvents();
    view()->repaint();
    const QImage exact = view()->Image().copy();
    EXPECT_EQ(exact, Redrawn());
    const QRect inside(80, 80, view()->width() - 160, view()->height() - 160);
    EXPECT_LT(Differing(scaled, exact, inside), inside.width() * inside.height() / 4);
}

// Rubber bands and outlines are inverted on the picture shown: drawn twice over the kept picture
// they leave it as it was.
TEST_F(ViewPictureOnFrame, AnXorFigureDrawnTwiceOverTheKeptPictureErases) {
    view()->repaint();
    const QImage before = view()->Image().copy();
    const auto band = [](platform::DeviceContext& dc) {
        dc.SetPen({platform::PenStyle::Solid, 1, 0x808080});
        dc.Polyline({{100, 100}, {400, 100}, {400, 300}, {100, 300}, {100, 100}});
    };
    ASSERT_TRUE(view()->DrawOverlay({90, 90, 410, 310}, band));
    EXPECT_NE(view()->Image(), before);
    ASSERT_TRUE(view()->DrawOverlay({90, 90, 410, 310}, band));
    EXPECT_EQ(view()->Image(), before);
}

}  // namespace
