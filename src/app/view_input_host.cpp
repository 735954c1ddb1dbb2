#include "app/view_input_host.h"

#include "app/data_change.h"
#include "app/draw_view.h"
#include "app/drawing_view.h"
#include "app/main_frame.h"
#include "editing/tool_dialog_bars.h"
#include "graphics/graphics.h"

#include <QCursor>
#include <QMenu>
#include <QToolTip>
#include <algorithm>
#include <chrono>

namespace app {

namespace {

void FillMenu(QMenu& qmenu, const MenuList& menu) {
    for (const s_MenuEntry& entry : menu) {
        if (entry.id == 0 && entry.text.empty()) {
            qmenu.addSeparator();
        } else if (entry.id == 0) {
            QMenu* sub = qmenu.addMenu(QString::fromStdString(entry.text));
            sub->setEnabled(entry.enabled);
            FillMenu(*sub, entry.subMenu);
        } else {
            QAction* action = qmenu.addAction(QString::fromStdString(entry.text));
            action->setData(entry.id);
            action->setEnabled(entry.enabled);
            if (entry.checked) {
                action->setCheckable(true);
                action->setChecked(true);
            }
        }
    }
}

}  // namespace

FrameViewInput::FrameViewInput(MainFrame& frame, DrawingView& view) : frame_(frame), view_(view) {}

int FrameViewInput::EditMode() const { return frame_.GetEditMode(); }

int FrameViewInput::PickKindIndex() const { return TheToolBars().editingMain.GetComboSelection(); }

bool FrameViewInput::WheelEditingOn() const { return TheToolBars().editingMain.IsWheelEditingOn(); }

bool FrameViewInput::ConstructionPointSnapOn() const {
    return TheToolBars().editingMain.IsConstructionPointSnapOn();
}
void FrameViewInput::EnterSelectMode() { frame_.EnterSelectMode(); }
void FrameViewInput::HideCurrentToolBar() { frame_.HideCurrentToolBar(); }
void FrameViewInput::ShowCursorPosition(double x, double y) { frame_.SetCursorPosition(x, y); }

void FrameViewInput::SetLongForceText(bool shown, const std::string& text) {
    frame_.SetLongForceText(shown, text);
}

void FrameViewInput::SetToolTip(const std::string& text) {
    const QString tip = QString::fromStdString(text);
    if (view_.toolTip() == tip) return;
    view_.setToolTip(tip);
    // A tip on show follows the cursor's text at once.
    if (QToolTip::isVisible()) {
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(QCursor::pos(), tip, &view_);
    }
}

void FrameViewInput::RunCommand(int id) { frame_.OnCommand(id); }

// Every change of the data is drawn: the view draws its picture again, with whatever depends on
// the changed data (material fills, slope hatch, crack lines, loads).
void FrameViewInput::DataChanged(int kind) {
    frame_.Doc().SetModifiedFlag(true);
    RefreshAfterDataChange(kind);
    view_.Redraw();
}
void FrameViewInput::DataChangedDrawn(int kind) {
    frame_.Doc().SetModifiedFlag(true);
    RefreshAfterDataChange(kind);
}
void FrameViewInput::InvalidateView() { view_.Redraw(); }
void FrameViewInput::UpdateView() { view_.repaint(); }

// One line of the scroll codes: right or down for a positive horizontal step, up for a
// positive vertical one.
bool FrameViewInput::ScrollView(int horizontal, int vertical) {
    constexpr int kNone = 255;
    const int h = horizontal > 0 ? 1 : horizontal < 0 ? 0 : kNone;
    const int v = vertical > 0 ? 0 : vertical < 0 ? 1 : kNone;
    if (!app::ScrollView(*view_.ViewWindow(), 0, h, v)) return false;
    view_.Redraw();
    return true;
}

// The overlay's device context is the current one, for the screen, while the tool draws: point
// symbols and text draw only on a screen or printer context.
void FrameViewInput::DrawOverlay(const platform::DeviceRect& touched,
                                 const std::function<void(platform::DeviceContext&)>& draw) {
    if (!draw) return;
    view_.DrawOverlay(touched, [&draw](platform::DeviceContext& dc) {
        Cpp_ScopedGraphicsDC current(dc, Cpp_Graphics::kOutputScreen);
        draw(dc);
    });
}

platform::DeviceRect FrameViewInput::ClientRect() const {
    return {0, 0, view_.width(), view_.height()};
}

s_PixelPoint FrameViewInput::ScreenTopLeft() const {
    const QPoint corner = view_.mapToGlobal(QPoint(0, 0));
    return {corner.x(), corner.y()};
}

int FrameViewInput::TrackMenu(const MenuList& menu, s_PixelPoint screen) {
    QMenu qmenu(&view_);
    qmenu.setObjectName("viewPopupMenu");
    FillMenu(qmenu, menu);
    QAction* chosen = qmenu.exec(QPoint(screen.x, screen.y));
    return chosen ? chosen->data().toInt() : 0;
}

std::int64_t FrameViewInput::Milliseconds() const {
    if (clock) return clock();
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace app
