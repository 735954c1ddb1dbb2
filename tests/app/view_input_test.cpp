// The drawing view's mouse, wheel and keys on the real frame (offscreen): Zoom Window from the
// menu with its cross-hair and box on the view's image, the wheel, the view menu at a right
// click, and an exception in any input reported while the program goes on.

#include "app/draw_view.h"
#include "app/drawing_view.h"
#include "app/main_frame.h"
#include "app/view_input_host.h"
#include "core/command_ids.h"
#include "core/cursor_mode.h"
#include "editing/cursor_modes.h"
#include "graphics/graphics.h"
#include "model/data_sets.h"
#include "support/fake_services.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace {

class ViewInputOnFrame : public ::testing::Test {
protected:
    void SetUp() override {
        frame.EnterSelectMode();
        app::InitializeView(view()->ViewWindow());
        frame.resize(800, 600);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        view()->repaint();
    }
    app::DrawingView* view() { return frame.View(); }

    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton
                                      : type == QEvent::MouseMove        ? Qt::NoButton
                                                                         : Qt::MouseButtons(button);
        QMouseEvent event(type, at, view()->mapToGlobal(at), button, held, modifiers);
        QApplication::sendEvent(view(), &event);
    }
    void Click(QPoint at) {
        Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton);
        Mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton);
    }
    void Wheel(QPoint at, int delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(at, view()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view(), &event);
    }
    std::string Status() { return fakes.statusLine.Text(); }

    testsupport::FakeServices fakes;
    app::MainFrame frame;
};

TEST_F(ViewInputOnFrame, ZoomWindowShowsTheCrosshairAndEscapeLeavesNoLine) {
    const QImage before = view()->Image().copy();
    Mouse(QEvent::MouseMove, {200, 150});
    frame.OnCommand(ID_ZOOM_WINDOW);
    EXPECT_EQ(GetCursorMode(), CursorModeZoomWindow);
    // The cross-hair runs through the whole view at the cursor.
    EXPECT_NE(view()->Image().pixel(5, 150), before.pixel(5, 150));
    EXPECT_NE(view()->Image().pixel(200, 5), before.pixel(200, 5));
    Mouse(QEvent::MouseMove, {260, 180});
    EXPECT_EQ(view()->Image().pixel(5, 150), before.pixel(5, 150));
    // A full repaint draws it again where it is.
    view()->Redraw();
    view()->repaint();
    EXPECT_NE(view()->Image().pixel(5, 180), before.pixel(5, 180));
    QTest::keyClick(view(), Qt::Key_Escape);
    EXPECT_EQ(GetCursorMode(), 0);
    EXPECT_EQ(view()->Image(), before);
}

TEST_F(ViewInputOnFrame, ZoomWindowBoxZoomsToItsCornersAndTheRedrawnViewShowsNoOutline) {
    frame.OnCommand(ID_TOOLBAR_ZOOM_IN);  // the tool bar's button
    Mouse(QEvent::MouseMove, {100, 100});
    Click({100, 100});
    Mouse(QEvent::MouseMove, {300, 250});
    const double x1 = Cpp_Graphics::PixelToX(100), x2 = Cpp_Graphics::PixelToX(300);
    const double y1 = Cpp_Graphics::PixelToY(250), y2 = Cpp_Graphics::PixelToY(100);
    Click({300, 250});
    EXPECT_EQ(GetCursorMode(), 0);
    const Cpp_Graphics::WorldRect w = Cpp_Graphics::GetWindow();
    EXPECT_DOUBLE_EQ(w.xmin, x1);
    EXPECT_DOUBLE_EQ(w.xmax, x2);
    EXPECT_DOUBLE_EQ(w.ymin, y1);
    EXPECT_DOUBLE_EQ(w.ymax, y2);
    view()->repaint();
    // No grey of the navigation pen is left anywhere on the corner rows.
    const QImage& image = view()->Image();
    for (int x = 0; x < image.width(); x += 7) {
        EXPECT_NE(image.pixel(x, 100), qRgb(95, 95, 95)) << x;
        EXPECT_NE(image.pixel(x, 250), qRgb(95, 95, 95)) << x;
    }
}

TEST_F(ViewInputOnFrame, ControlWheelZoomsAtTheCursorAndThePlainWheelScrolls) {
    Cpp_Kliven4Data::CurrentDataSet();  // scrolling needs a data set
    const double scale = Cpp_Graphics::XScale();
    const double x = Cpp_Graphics::PixelToX(250), y = Cpp_Graphics::PixelToY(120);
    Wheel({250, 120}, 120, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(Cpp_Graphics::XScale(), 2 * scale);
    EXPECT_DOUBLE_EQ(Cpp_Graphics::PixelToX(250), x);
    EXPECT_DOUBLE_EQ(Cpp_Graphics::PixelToY(120), y);
    // A notch scrolls a tenth of the area inside the axes, not of the whole view.
    const int marginX = static_cast<int>(0.25 * view()->logicalDpiX());
    const int marginY = static_cast<int>(0.25 * view()->logicalDpiY());
    const int lineX = (view()->width() - 2 * marginX) / 10;
    const int lineY = (view()->height() - 2 * marginY) / 10;
    const double yOffset = Cpp_Graphics::YOffset(), xOffset = Cpp_Graphics::XOffset();
    Wheel({250, 120}, -120, Qt::NoModifier);
    EXPECT_DOUBLE_EQ(Cpp_Graphics::XScale(), 2 * scale);         // no zoom any more
    EXPECT_DOUBLE_EQ(Cpp_Graphics::YOffset(), yOffset - lineY);  // one line down
    EXPECT_DOUBLE_EQ(Cpp_Graphics::XOffset(), xOffset);
    Wheel({250, 120}, 120, Qt::ShiftModifier);
    EXPECT_DOUBLE_EQ(Cpp_Graphics::XOffset(), xOffset - lineX);  // one line to the right
    // A refit of the same view (Refresh) keeps what the wheel made of it.
    const double shownX = Cpp_Graphics::PixelToX(250), shownY = Cpp_Graphics::PixelToY(120);
    frame.OnCommand(ID_REFRESH);
    view()->repaint();
    EXPECT_NEAR(Cpp_Graphics::XScale(), 2 * scale, 1e-9 * scale);
    EXPECT_NEAR(Cpp_Graphics::XToPixel(shownX), 250, 1);
    EXPECT_NEAR(Cpp_Graphics::YToPixel(shownY), 120, 1);
    // Without a data set the wheel does not scroll.
    Cpp_Kliven4Data::DeleteAllDataSets();
    const double xNow = Cpp_Graphics::XOffset(), yNow = Cpp_Graphics::YOffset();
    Wheel({250, 120}, -120, Qt::NoModifier);
    EXPECT_DOUBLE_EQ(Cpp_Graphics::XOffset(), xNow);
    EXPECT_DOUBLE_EQ(Cpp_Graphics::YOffset(), yNow);
}

// Regression: every bar that appeared or went refitted the drawing, so the same world point
// jumped by up to 50 pixels between two clicks, and a wheel zoom was lost. The view keeps its
// scale, and the world point at its centre stays at the centre.
TEST_F(ViewInputOnFrame, BarsAndResizingKeepTheScaleAndTheCentre) {
    Wheel({250, 120}, 120, Qt::ControlModifier);  // a wheel zoom off the centre
    view()->repaint();
    struct Step {
        const char* what;
        std::function<void()> act;
    } steps[] = {
        {"the profile bar appears", [&] { frame.OnCommand(ID_ENTER_PROFILE_LINES); }},
        {"the bar goes", [&] { frame.OnCommand(ID_SELECT_ITEMS); }},
        {"the window is resized", [&] { frame.resize(700, 520); }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        const QSize size = view()->size();
        const double scale = Cpp_Graphics::XScale();
        const double cx = Cpp_Graphics::PixelToX(size.width() / 2.0);
        const double cy = Cpp_Graphics::PixelToY(size.height() / 2.0);
        step.act();
        QApplication::processEvents();
        view()->repaint();
        EXPECT_NE(view()->size(), size);
        EXPECT_NEAR(Cpp_Graphics::XScale(), scale, 1e-9 * scale);
        EXPECT_NEAR(Cpp_Graphics::XToPixel(cx), view()->width() / 2.0, 1.0);
        EXPECT_NEAR(Cpp_Graphics::YToPixel(cy), view()->height() / 2.0, 1.0);
    }
}

TEST_F(ViewInputOnFrame, RightClickShowsTheViewMenuAndItsZoomWindowStartsTheCrosshair) {
    QStringList texts;
    QPoint shownAt;
    auto* timer = new QTimer(&frame);
    QObject::connect(timer, &QTimer::timeout, [&, timer] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        timer->stop();
        shownAt = menu->pos();
        for (QAction* action : menu->actions()) texts << action->text();
        menu->setActiveAction(menu->actions().at(2));
        QTest::keyClick(menu, Qt::Key_Return);
    });
    timer->start(10);
    Mouse(QEvent::MouseButtonPress, {40, 60}, Qt::RightButton);
    Mouse(QEvent::MouseButtonRelease, {40, 60}, Qt::RightButton);
    EXPECT_EQ(texts, (QStringList{"Redraw", "Zoom All", "Zoom Window"}));
    EXPECT_EQ(shownAt, view()->mapToGlobal(QPoint(44, 65)));
    EXPECT_EQ(GetCursorMode(), CursorModeZoomWindow);
    QTest::keyClick(view(), Qt::Key_Escape);
}

// Whatever an input function throws is reported on the status line and the next input works.
TEST_F(ViewInputOnFrame, AnExceptionInAnyInputIsReportedAndTheProgramGoesOn) {
    frame.ViewInput().clock = []() -> std::int64_t { throw std::runtime_error("no clock"); };
    Click({50, 50});
    EXPECT_EQ(Status(), "Unexpected error: no clock");

    std::int64_t now = 0;
    frame.ViewInput().clock = [&] { return now; };
    Mouse(QEvent::MouseButtonPress, {50, 50}, Qt::LeftButton);
    frame.ViewInput().clock = []() -> std::int64_t { throw std::runtime_error("clock gone"); };
    Mouse(QEvent::MouseMove, {90, 90});
    EXPECT_EQ(Status(), "Unexpected error: clock gone");
    frame.ViewInput().clock = [&] { return now; };
    Mouse(QEvent::MouseButtonRelease, {90, 90}, Qt::LeftButton);

    // Leaving a step for cursor mode 0 fails: by the view's Escape, the bars' Escape and Enter.
    s_CursorModeHooks hooks;
    int throws = 0;
    hooks.restorePromptText = [&] {
        ++throws;
        throw std::runtime_error("prompt " + std::to_string(throws));
    };
    SetCursorModeHooks(hooks);
    SetCursorMode(CursorModeZoomIn);
    QTest::keyClick(view(), Qt::Key_Escape);
    EXPECT_EQ(Status(), "Unexpected error: prompt 1");
    SetCursorMode(CursorModeZoomIn);
    frame.OnToolBarEscapeKey(false);
    EXPECT_EQ(Status(), "Unexpected error: prompt 2");
    SetCursorMode(CursorModeZoomOut);
    frame.OnToolBarEnterKey();
    EXPECT_EQ(Status(), "Unexpected error: prompt 3");
    SetCursorModeHooks({});

    // And the view still answers.
    SetCursorMode(0);
    frame.OnCommand(ID_ZOOM_WINDOW);
    EXPECT_EQ(GetCursorMode(), CursorModeZoomWindow);
    QTest::keyClick(view(), Qt::Key_Escape);
    EXPECT_EQ(GetCursorMode(), 0);
}

}  // namespace
