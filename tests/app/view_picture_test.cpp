// The view's picture on the real frame (offscreen) follows the data: a change of the data made
// with a tool is drawn whole at once, with everything that depends on it.

#include "app/drawing_view.h"
#include "editing/line_point_tools.h"
#include "editing/profile_tool.h"
#include "frame_on_example.h"
#include "graphics/graphics.h"
#include "model/data_set.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

class ViewPictureOnFrame : public testsupport::FrameOn<::testing::Test> {
protected:
    void SetUp() override {
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

}  // namespace
