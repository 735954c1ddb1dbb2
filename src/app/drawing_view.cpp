#include "app/drawing_view.h"

#include "editing/interpolation_value_edit.h"

#include "app/guarded_call.h"
#include "platform/qt/image_dc.h"

#include "app/draw_view.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

namespace app {

DrawingView::DrawingView(QWidget* parent) : QWidget(parent) {
    setObjectName("drawingView");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(200, 150);
    paintHandler_ = [this](platform::DeviceContext& dc) {
        DrawView(dc, window_.ClientRect(), &window_, false);
    };
}

platform::DeviceRect DrawingView::Window::ClientRect() const {
    return {0, 0, view_.width(), view_.height()};
}
int DrawingView::Window::PixelsPerInchX() const { return view_.logicalDpiX(); }
int DrawingView::Window::PixelsPerInchY() const { return view_.logicalDpiY(); }

namespace {

s_ViewInput InputRecord(const QPointF& position, Qt::MouseButtons buttons,
                        Qt::KeyboardModifiers modifiers) {
    s_ViewInput in;
    in.device = {static_cast<int>(position.x()), static_cast<int>(position.y())};
    Cpp_Graphics::PixelToWorldPoint(in.device.x, in.device.y, in.world.x, in.world.y);
    if (buttons & Qt::LeftButton) in.buttons |= MouseButtonLeft;
    if (buttons & Qt::RightButton) in.buttons |= MouseButtonRight;
    if (buttons & Qt::MiddleButton) in.buttons |= MouseButtonMiddle;
    in.shift = modifiers & Qt::ShiftModifier;
    in.control = modifiers & Qt::ControlModifier;
    in.alt = modifiers & Qt::AltModifier;
    return in;
}

// The virtual key of the keys the view input handles, 0 for the others.
int ViewKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Backspace: return ViewKeyBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter: return ViewKeyEnter;
    case Qt::Key_Escape: return ViewKeyEscape;
    case Qt::Key_Left: return ViewKeyArrowLeft;
    case Qt::Key_Up: return ViewKeyArrowUp;
    case Qt::Key_Right: return ViewKeyArrowRight;
    case Qt::Key_Down: return ViewKeyArrowDown;
    case Qt::Key_Delete: return ViewKeyDelete;
    default: return 0;
    }
}

}  // namespace

void DrawingView::SetInputHost(ViewInputHost* host, std::function<void()> documentModified) {
    input_ = host;
    documentModified_ = std::move(documentModified);
}

void DrawingView::LeftButtonDown(QMouseEvent* event) {
    GuardedCall("DrawingView::mousePressEvent", [&] {
        bool redraw = false;
        const s_ViewInput in = InputRecord(event->position(), event->buttons(), event->modifiers());
        const bool modified = ViewLButtonDown(*input_, in, redraw);
        if (modified && documentModified_) documentModified_();
        if (redraw) Redraw();
    });
}

void DrawingView::mousePressEvent(QMouseEvent* event) {
    if (!input_) return QWidget::mousePressEvent(event);
    event->accept();
    if (event->button() == Qt::LeftButton) {
        LeftButtonDown(event);
    } else if (event->button() == Qt::RightButton) {
        GuardedCall("DrawingView::mousePressEvent", [&] {
            bool redraw = false;
            const s_ViewInput in =
                InputRecord(event->position(), event->buttons(), event->modifiers());
            ViewRButtonDown(*input_, in, redraw);
            if (redraw) Redraw();
        });
    }
}

// The second press of a double click is a press like the first.
void DrawingView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!input_) return QWidget::mouseDoubleClickEvent(event);
    event->accept();
    if (event->button() == Qt::LeftButton) LeftButtonDown(event);
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event) {
    if (!input_) return QWidget::mouseReleaseEvent(event);
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    GuardedCall("DrawingView::mouseReleaseEvent", [&] {
        ViewLButtonUp(*input_,
                      InputRecord(event->position(), event->buttons(), event->modifiers()));
    });
}

void DrawingView::mouseMoveEvent(QMouseEvent* event) {
    GuardedCall("DrawingView::mouseMoveEvent", [&] {
        if (input_) {
            ViewMouseMove(*input_,
                          InputRecord(event->position(), event->buttons(), event->modifiers()));
            return;
        }
        double x = 0, y = 0;
        Cpp_Graphics::PixelToWorldPoint(event->position().x(), event->position().y(), x, y);
        if (onCursorMoved) onCursorMoved(x, y);
    });
}

void DrawingView::wheelEvent(QWheelEvent* event) {
    event->accept();
    GuardedCall("DrawingView::wheelEvent", [&] {
        const QPoint angle = event->angleDelta();
        const int delta = angle.y() != 0 ? angle.y() : angle.x();
        if (delta == 0) return;
        if (!input_) {
            Cpp_Graphics::ZoomAtPixel(delta > 0, event->position().x(), event->position().y());
            Redraw();
            return;
        }
        s_ViewInput in = InputRecord(event->position(), event->buttons(), event->modifiers());
        in.wheelSteps = delta > 0 ? 1 : -1;
        ViewMouseWheel(*input_, in);
    });
}

void DrawingView::keyPressEvent(QKeyEvent* event) {
    const int key = ViewKey(event->key());
    if (!input_ || key == 0) return QWidget::keyPressEvent(event);
    event->accept();
    GuardedCall("DrawingView::keyPressEvent", [&] {
        bool redraw = false;
        ViewKeyDown(*input_, key, event->modifiers() & Qt::ShiftModifier, redraw);
        if (redraw) Redraw();
    });
}

// The right button is handled at its press; the menu key opens the menu of a right click at
// the cursor.
void DrawingView::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (!input_ || event->reason() == QContextMenuEvent::Mouse) return;
    GuardedCall("DrawingView::contextMenuEvent", [&] {
        bool redraw = false;
        const QPoint at = rect().contains(mapFromGlobal(QCursor::pos()))
                              ? mapFromGlobal(QCursor::pos())
                              : event->pos();
        ViewRButtonDown(*input_, InputRecord(at, Qt::RightButton, event->modifiers()), redraw);
        if (redraw) Redraw();
    });
}

void DrawingView::RenderImage() {
    const QSize size = this->size().expandedTo(QSize(1, 1));
    if (image_.size() != size) image_ = QImage(size, QImage::Format_RGB32);
    image_.fill(Qt::white);
    stale_ = false;
    platform::qt::ImageDeviceContext dc(image_, logicalDpiX(), logicalDpiY());
    if (paintHandler_) {
        GuardedCall("DrawingView::paintEvent", [&] { paintHandler_(dc); });
    }
}

void DrawingView::OnInterpolationDisplayMessage(bool showValues) {
    GuardedCall("DrawingView::OnInterpolationDisplayMessage", [&] {
        RedrawInterpolationDisplay(showValues);
        Redraw();
    });
}

void DrawingView::Redraw() {
    stale_ = true;
    update();
}

bool DrawingView::DrawOverlay(const platform::DeviceRect& touched,
                              const Cpp_Graphics::OverlayDrawing& draw) {
    bool drawn = false;
    GuardedCall("DrawingView::DrawOverlay", [&] {
        const platform::DeviceRect t = touched.Normalized();
        const QRect area = QRect(t.left, t.top, t.Width(), t.Height()) & rect();
        if (area.isEmpty() || !draw) return;
        if (stale_ || image_.size() != size()) RenderImage();
        {
            platform::qt::ImageDeviceContext dc(image_, logicalDpiX(), logicalDpiY());
            dc.SetClipRect({area.left(), area.top(), area.right() + 1, area.bottom() + 1});
            dc.SetRop2(platform::RasterOp::XorPen);
            draw(dc);
        }
        update(area);
        drawn = true;
    });
    return drawn;
}

void DrawingView::paintEvent(QPaintEvent* event) {
    GuardedCall("DrawingView::paintEvent", [&] {
        if (stale_ || image_.size() != size()) RenderImage();
        QPainter painter(this);
        painter.drawImage(event->rect(), image_, event->rect());
    });
}

void DrawingView::resizeEvent(QResizeEvent* event) {
    stale_ = true;
    Cpp_Graphics::InvalidateScale();
    QWidget::resizeEvent(event);
}

}  // namespace app
