#include "app/drawing_view.h"

#include "app/guarded_call.h"
#include "platform/qt/image_dc.h"

#include <QPaintEvent>
#include <QPainter>

namespace app {

DrawingView::DrawingView(QWidget* parent) : QWidget(parent) {
    setObjectName("drawingView");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(200, 150);
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

void DrawingView::DrawOverlay(const std::function<void(platform::DeviceContext&)>& draw) {
    GuardedCall("DrawingView::DrawOverlay", [&] {
        if (stale_ || image_.size() != size()) RenderImage();
        {
            platform::qt::ImageDeviceContext dc(image_, logicalDpiX(), logicalDpiY());
            draw(dc);
        }
        update();
    });
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
    QWidget::resizeEvent(event);
}

}  // namespace app
