#include "app/drawing_view.h"

#include "app/guarded_call.h"
#include "platform/qt/image_dc.h"

#include "app/draw_view.h"

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

void DrawingView::mouseMoveEvent(QMouseEvent* event) {
    GuardedCall("DrawingView::mouseMoveEvent", [&] {
        double x = 0, y = 0;
        Cpp_Graphics::PixelToWorldPoint(event->position().x(), event->position().y(), x, y);
        if (onCursorMoved) onCursorMoved(x, y);
    });
}

void DrawingView::wheelEvent(QWheelEvent* event) {
    GuardedCall("DrawingView::wheelEvent", [&] {
        const int delta = event->angleDelta().y();
        if (delta == 0) return;
        Cpp_Graphics::ZoomAtPixel(delta > 0, event->position().x(), event->position().y());
        Redraw();
        event->accept();
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
