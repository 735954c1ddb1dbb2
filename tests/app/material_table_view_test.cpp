// The material property table on the real view (offscreen): Display > Material Property Table
// shows it on the view's image and hides it again, and the mouse drags it, held past the drag
// delay, to a new place; the document is then modified.

#include "app/draw_view.h"
#include "app/drawing_view.h"
#include "core/command_ids.h"
#include "core/cursor_mode.h"
#include "dialogs/status_text.h"
#include "editing/cursor_modes.h"
#include "frame_on_example.h"
#include "model/data_set.h"
#include "profile/material_properties.h"

#include <QMouseEvent>

namespace {

class MaterialTableOnView : public testsupport::FrameOnExample {
protected:
    void SetUp() override {
        OpenExample("layered_embankment.preinput-kliven");
        frame.EnterSelectMode();
        app::InitializeView(view()->ViewWindow());
        frame.resize(1000, 700);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    }
    app::DrawingView* view() { return frame.View(); }
    void Repaint() {
        view()->Redraw();
        view()->repaint();
    }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        const Qt::MouseButton button =
            type == QEvent::MouseMove ? Qt::NoButton : Qt::MouseButton::LeftButton;
        QMouseEvent event(type, at, view()->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(view(), &event);
    }
    bool DragPromptShown() {
        const dialogs::CmStatusText* prompt = frame.PromptWindow();
        return prompt->isVisible() && prompt->Text().contains("Drag the material property table");
    }
    Cpp_MaterialTableLayout& Table() { return DataSet().MaterialData().TableLayout(1); }
    QRect Box() {
        const Cpp_MaterialTableLayout& t = Table();
        if (t.ColumnLines().empty() || t.RowLines().empty()) return {};
        return QRect(QPoint(t.ColumnLines().front(), t.RowLines().front()),
                     QPoint(t.ColumnLines().back(), t.RowLines().back()));
    }
    // Pixels of the box that differ between two images.
    static int Differing(const QImage& a, const QImage& b, const QRect& box) {
        int n = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y)) ++n;
        return n;
    }
};

TEST_F(MaterialTableOnView, TheTableShowsOnTheViewAndAHeldDragMovesIt) {
    Repaint();
    const QImage without = view()->Image().copy();
    // Display > Material Property Table shows the table of the current stage and is checked.
    QAction* show = frame.Action(ID_MATERIAL_PROPERTY_TABLE);
    ASSERT_NE(show, nullptr);
    show->trigger();
    EXPECT_TRUE(DataSet().DisplayFlags().materialTable[0]);
    EXPECT_TRUE(show->isChecked());
    Repaint();
    const QRect box = Box();
    ASSERT_FALSE(box.isEmpty());
    ASSERT_TRUE(view()->rect().contains(box)) << box.left() << " " << box.top();
    EXPECT_GT(Differing(without, view()->Image(), box), box.width() * box.height() / 20);

    const QImage with = view()->Image().copy();
    const QPoint press = box.center();
    const QPoint drop = press + QPoint(-300, 250);
    Mouse(QEvent::MouseButtonPress, press, Qt::LeftButton);
    QTest::qWait(300);  // past the drag delay
    Mouse(QEvent::MouseMove, press + QPoint(-5, 5), Qt::LeftButton);
    ASSERT_EQ(GetCursorMode(), CursorModeMaterialTableDrag);
    // The outline starts on the table's border, and a repaint during the drag keeps it.
    const QPoint onOutline(box.left(), box.center().y());
    EXPECT_NE(view()->Image().pixel(onOutline), with.pixel(onOutline));
    Repaint();
    EXPECT_NE(view()->Image().pixel(onOutline), with.pixel(onOutline));
    EXPECT_TRUE(DragPromptShown());
    Mouse(QEvent::MouseMove, drop, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, drop, Qt::NoButton);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    // The drag's prompt gives the status line back to the select mode.
    EXPECT_FALSE(DragPromptShown());
    EXPECT_TRUE(Table().IsAnchored());
    EXPECT_TRUE(frame.Doc().IsModified());
    Repaint();
    EXPECT_EQ(Box(), box.translated(drop - press));
    // Where it stood the drawing shows again.
    const QRect uncovered = box.intersected(Box()).isEmpty() ? box : QRect();
    ASSERT_FALSE(uncovered.isEmpty());
    EXPECT_EQ(Differing(without, view()->Image(), uncovered), 0);

    // The command hides it again.
    show->trigger();
    EXPECT_FALSE(DataSet().DisplayFlags().materialTable[0]);
    EXPECT_FALSE(show->isChecked());
    Repaint();
    EXPECT_EQ(Differing(without, view()->Image(), box), 0);
}

// Escape during the drag leaves the table where it was and the prompt to the select mode.
TEST_F(MaterialTableOnView, EscapeLeavesTheTableWhereItWas) {
    frame.Action(ID_MATERIAL_PROPERTY_TABLE)->trigger();
    Repaint();
    const QRect box = Box();
    ASSERT_FALSE(box.isEmpty());
    const QPoint press = box.center();
    Mouse(QEvent::MouseButtonPress, press, Qt::LeftButton);
    QTest::qWait(300);  // past the drag delay
    Mouse(QEvent::MouseMove, press + QPoint(-40, 30), Qt::LeftButton);
    ASSERT_EQ(GetCursorMode(), CursorModeMaterialTableDrag);
    EXPECT_TRUE(DragPromptShown());
    QTest::keyClick(view(), Qt::Key_Escape);
    EXPECT_EQ(GetCursorMode(), CursorModeNone);
    EXPECT_FALSE(DragPromptShown());
    Mouse(QEvent::MouseButtonRelease, press + QPoint(-40, 30), Qt::NoButton);
    Repaint();
    EXPECT_EQ(Box(), box);
}

}  // namespace
