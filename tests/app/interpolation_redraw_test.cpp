// Interpolation points added with the tool, deleted and moved on the real frame (offscreen):
// only the triangles and points that change are drawn on the view's kept picture, which then
// shows what a full redraw of the same data shows; with contours shown the view is drawn again
// whole.

#include "app/draw_view.h"
#include "app/drawing_view.h"
#include "core/command_ids.h"
#include "editing/interpolation_tool.h"
#include "frame_on_example.h"
#include "graphics/graphics.h"
#include "model/data_set.h"
#include "porepressure/interpolation_data.h"

#include <QApplication>
#include <QMouseEvent>

#include <functional>
#include <string>

namespace {

// Pixels that differ between two pictures of one size.
int Differing(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++n;
    return n;
}

class InterpolationRedraw : public testsupport::FrameOn<::testing::Test> {
public:
    void SetUp() override {
        app::InitializeView(view()->ViewWindow());
        frame.resize(900, 650);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        Cpp_Kliven4DataSet& data = *Cpp_Kliven4Data::CurrentDataSet();
        s_DisplayFlagsType& flags = data.DisplayFlags();
        flags.triangles[0] = true;
        flags.contours[0] = false;
        flags.interpolationValues[0] = false;
        // A grid of pressures, a little shaken so that no four points share a circle.
        Cpp_InterpolationData& pressures = *data.InterpolationData(1);
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j < 5; ++j) {
                const double x = 10 + 16 * i + (j % 3) * 1.7, y = 10 + 18 * j + (i % 2) * 2.3;
                pressures.AddPointToDataSet(1, 0, x, y, x + y, 0, 0, set);
            }
        set->RebuildVertices();
        ASSERT_TRUE(set->Triangulate());
        set->ComputeBoundary();
        Cpp_Graphics::SetWindow(0, 110, 0, 110);
        Cpp_Graphics::InvalidateScale();
        frame.OnCommand(ID_ENTER_PRESSURE_INTERPOLATION_POINTS);
        Redrawn();
    }
    app::DrawingView* view() { return frame.View(); }

    void Click(double x, double y) {
        const QPoint at(Cpp_Graphics::XToPixel(x), Cpp_Graphics::YToPixel(y));
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons held =
                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
            QMouseEvent event(type, at, view()->mapToGlobal(at), Qt::LeftButton, held,
                              Qt::NoModifier);
            QApplication::sendEvent(view(), &event);
        }
    }
    Cpp_VERTEX* VertexNear(double x, double y) {
        Cpp_VERTEX* best = nullptr;
        for (Cpp_VERTEX* v = set->GetVertexList().First(); v; v = v->Next())
            if (!best || v->DistanceTo(x, y) < best->DistanceTo(x, y)) best = v;
        return best;
    }
    // What the view shows now, and what a full redraw of the same data shows.
    QImage Shown() {
        view()->repaint();
        return view()->Image().copy();
    }
    QImage Redrawn() {
        view()->Redraw();
        view()->repaint();
        return view()->Image().copy();
    }

    Cpp_InterpolationDataSet* set = nullptr;
    double shift = 0.0;  // of the clicks of a second round
};

struct s_Edit {
    const char* name;
    std::function<void(InterpolationRedraw&)> run;
};

TEST_F(InterpolationRedraw, AddedDeletedAndMovedPointsAreDrawnInPlaceAsAFullRedrawDrawsThem) {
    const s_Edit edits[] = {
        {"a click inside a triangle",
         [](InterpolationRedraw& t) { t.Click(41.3 + t.shift, 47.9); }},
        {"a click outside the points",
         [](InterpolationRedraw& t) { t.Click(104.0, 60.0 + t.shift); }},
        {"a click below the points", [](InterpolationRedraw& t) { t.Click(55.0 + t.shift, 3.0); }},
        {"an inner point deleted",
         [](InterpolationRedraw& t) {
             ASSERT_TRUE(Cpp_InterpolationTool::DeletePoint(*t.set, t.VertexNear(45, 46)));
         }},
        {"a corner point deleted",
         [](InterpolationRedraw& t) {
             ASSERT_TRUE(Cpp_InterpolationTool::DeletePoint(*t.set, t.VertexNear(10, 10)));
         }},
        {"an inner point moved a little",
         [](InterpolationRedraw& t) {
             Cpp_VERTEX* v = t.VertexNear(60, 30);
             ASSERT_TRUE(Cpp_InterpolationTool::MovePoint(*t.set, v, v->X() + 2.0, v->Y() - 1.5));
         }},
    };
    // With the triangles shown, and with the point symbols alone.
    for (const bool triangles : {true, false})
        for (const s_Edit& edit : edits) {
            SCOPED_TRACE(std::string(edit.name) + (triangles ? "" : ", triangles hidden"));
            Cpp_Kliven4Data::CurrentDataSet()->DisplayFlags().triangles[0] = triangles;
            shift = triangles ? 0.0 : 4.0;
            Redrawn();
            const QImage before = Shown();
            edit.run(*this);
            EXPECT_TRUE(Cpp_InterpolationTool::DrawnInPlace());
            const QImage inPlace = Shown();
            EXPECT_NE(inPlace, before);
            const QImage full = Redrawn();
            EXPECT_EQ(Differing(inPlace, full), 0);
        }
}

// Contours are traced lines over the whole set: a point added draws the view again whole.
TEST_F(InterpolationRedraw, WithContoursShownAnAddedPointDrawsTheViewAgainWhole) {
    Cpp_Kliven4Data::CurrentDataSet()->DisplayFlags().contours[0] = true;
    Redrawn();
    const int points = set->CountPoints();
    Click(41.3, 47.9);
    EXPECT_EQ(set->CountPoints(), points + 1);
    EXPECT_FALSE(Cpp_InterpolationTool::DrawnInPlace());
    const QImage shown = Shown();
    EXPECT_EQ(shown, Redrawn());
}

}  // namespace
