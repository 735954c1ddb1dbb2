#include "app/drawing_view.h"

#include "editing/interpolation_value_edit.h"

#include "app/guarded_call.h"
#include "platform/qt/image_dc.h"
#include "platform/services.h"

#include "app/draw_view.h"
#include "core/units.h"
#include "graphics/axes.h"
#include "graphics/level_of_detail.h"
#include "graphics/views.h"
#include "model/data_sets.h"
#include "model/view_layers.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>
#include <cstdlib>

namespace app {

namespace {

// The given layers of the current data set on the screen (DrawView in parts).
void DrawLayers(platform::DeviceContext& dc, const platform::DeviceRect& rect,
                Cpp_Graphics::ViewWindow* window, e_ViewLayers layers) {
    if (!ViewInitialized()) return;
    Cpp_Graphics::SetWindowPointer(window);
    PaintProblemViewLayers(dc, rect, Cpp_Kliven4Data::CurrentDataSetOrNull(),
                           Cpp_Graphics::kOutputScreen, GetUnitSystem(), layers);
}

}  // namespace

DrawingView::DrawingView(QWidget* parent) : QWidget(parent) {
    setObjectName("drawingView");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(200, 150);
    paintHandler_ = [this](platform::DeviceContext& dc) {
        DrawLayers(dc, paintRect_, &window_, e_ViewLayers::Data);
    };
    marksHandler_ = [this](platform::DeviceContext& dc) {
        DrawLayers(dc, window_.ClientRect(), &window_, e_ViewLayers::Marks);
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
        const bool modified = ViewLButtonUp(
            *input_, InputRecord(event->position(), event->buttons(), event->modifiers()));
        if (modified && documentModified_) documentModified_();
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
            KeepShownWindow();
            Redraw();
            return;
        }
        s_ViewInput in = InputRecord(event->position(), event->buttons(), event->modifiers());
        in.wheelSteps = delta > 0 ? 1 : -1;
        ViewMouseWheel(*input_, in);
        KeepShownWindow();
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

DrawingView::Transform DrawingView::CurrentTransform() {
    return {Cpp_Graphics::XScale(), Cpp_Graphics::YScale(), Cpp_Graphics::XOffset(),
            Cpp_Graphics::YOffset()};
}

void DrawingView::RenderPicture(const QRect& area) {
    const QRect r = area & rect();
    if (r.isEmpty()) return;
    // The area is drawn into an image of its own size on the mapping moved by its corner, so
    // that the drawing leaves out everything outside it; dense figures at the detail a pixel
    // shows.
    QImage part(r.size(), QImage::Format_RGB32);
    part.fill(Qt::white);
    s_ViewRecordType whole;
    Cpp_Graphics::GetViewRecord(whole);
    const bool strip = r != rect();
    const auto setMapping = [](const s_ViewRecordType& v, double dx, double dy) {
        Cpp_Graphics::SetScaleState(v.world[0], v.world[1], v.world[2], v.world[3],
                                    v.mapping[0] - dx, v.mapping[1], v.mapping[2] - dy,
                                    v.mapping[3], v.visible[0], v.visible[1], v.visible[2],
                                    v.visible[3]);
    };
    if (strip) setMapping(whole, r.left(), r.top());
    paintRect_ = {-r.left(), -r.top(), width() - r.left(), height() - r.top()};
    {
        platform::qt::ImageDeviceContext dc(part, logicalDpiX(), logicalDpiY());
        Cpp_PixelDetail detail;
        if (paintHandler_) {
            GuardedCall("DrawingView::paintEvent", [&] { paintHandler_(dc); });
        }
    }
    paintRect_ = window_.ClientRect();
    if (!strip) {
        picture_ = std::move(part);
        return;
    }
    // A strip is drawn only on a fitted mapping: the whole view's comes back, and the axes are
    // laid out for the whole view again.
    setMapping(whole, 0, 0);
    FitAxes();
    QPainter painter(&picture_);
    painter.drawImage(r.topLeft(), part);
}

void DrawingView::FitAxes() {
    const platform::DeviceRect client = window_.ClientRect();
    const int ppiX = static_cast<int>(logicalDpiX() * Cpp_Graphics::ScreenMagnification());
    const int ppiY = static_cast<int>(logicalDpiY() * Cpp_Graphics::ScreenMagnification());
    Cpp_Graphics::SetScaleToFit(GetUnitSystem(), client.left, client.right, client.bottom,
                                client.top, ppiX, ppiY);
    Cpp_Graphics::SetPrintRects(client.left, client.top, client.right, client.bottom);
}

bool DrawingView::ShowScaledPicture() {
    if (exactPending_ || picture_.size() != size() || Cpp_Graphics::ScaleIsStale()) return false;
    const Transform now = CurrentTransform();
    const double r = now.xScale / pictureTransform_.xScale;
    if ((r != 2.0 && r != 0.5) || now.yScale / pictureTransform_.yScale != r) return false;
    // The pixel p of the kept picture shows the world point the mapping now puts at
    // r (p - old offset) + new offset.
    QImage scaled(size(), QImage::Format_RGB32);
    scaled.fill(Qt::white);
    {
        QPainter painter(&scaled);
        painter.translate(now.xOffset - r * pictureTransform_.xOffset,
                          now.yOffset - r * pictureTransform_.yOffset);
        painter.scale(r, r);
        painter.drawImage(0, 0, picture_);
    }
    picture_ = std::move(scaled);
    pictureTransform_ = now;
    pictureStale_ = false;
    exactPending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (!exactPending_) return;
        exactPending_ = false;
        Redraw();
    });
    return true;
}

void DrawingView::RenderImage() {
    const QSize size = this->size().expandedTo(QSize(1, 1));
    if (picture_.size() != size) pictureStale_ = true;
    if (pictureStale_ && !ShowScaledPicture()) {
        exactPending_ = false;
        picture_ = QImage(size, QImage::Format_RGB32);
        RenderPicture(rect());
        pictureTransform_ = CurrentTransform();
        pictureStale_ = false;
    }
    image_ = picture_.copy();
    stale_ = false;
    if (marksHandler_) {
        platform::qt::ImageDeviceContext dc(image_, logicalDpiX(), logicalDpiY());
        GuardedCall("DrawingView::paintEvent", [&] { marksHandler_(dc); });
    }
}

void DrawingView::OnInterpolationDisplayMessage(bool showValues) {
    GuardedCall("DrawingView::OnInterpolationDisplayMessage", [&] {
        RedrawInterpolationDisplay(showValues);
        Redraw();
    });
}

void DrawingView::Redraw() {
    pictureStale_ = true;
    stale_ = true;
    update();
}

void DrawingView::ScrollBy(int dx, int dy) {
    if (dx == 0 && dy == 0) return;
    Cpp_Graphics::ScrollPixels(dx, dy);
    Redraw();
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

bool DrawingView::DrawOnPicture(const Cpp_Graphics::PictureDrawing& draw) {
    if (!draw || pictureStale_ || exactPending_ || picture_.isNull() || picture_.size() != size() ||
        Cpp_Graphics::ScaleIsStale() || !(CurrentTransform() == pictureTransform_))
        return false;
    platform::DeviceRect touched;
    {
        platform::qt::ImageDeviceContext dc(picture_, logicalDpiX(), logicalDpiY());
        // The data are drawn within the axes' frame when the axes are shown.
        dc.SetClipRect(Cpp_Axes::AxesShown() ? Cpp_Axes::Frame() : window_.ClientRect());
        Cpp_PixelDetail detail;
        touched = draw(dc).Normalized();
    }
    const QRect area = QRect(touched.left, touched.top, touched.Width(), touched.Height()) & rect();
    if (area.isEmpty() || stale_ || image_.size() != picture_.size()) return true;
    // The marks go over the changed part of the picture as over the whole at a paint.
    {
        QPainter painter(&image_);
        painter.drawImage(area.topLeft(), picture_, area);
    }
    if (marksHandler_) {
        platform::qt::ImageDeviceContext dc(image_, logicalDpiX(), logicalDpiY());
        dc.SetClipRect({area.left(), area.top(), area.right() + 1, area.bottom() + 1});
        GuardedCall("DrawingView::paintEvent", [&] { marksHandler_(dc); });
    }
    update(area);
    return true;
}

void DrawingView::paintEvent(QPaintEvent* event) {
    GuardedCall("DrawingView::paintEvent", [&] {
        // While a long task runs (a file being read) the data are half made: the picture shown
        // last stays until the task ends.
        const bool taskRunning = platform::Services().Progress().IsActive() && !image_.isNull();
        if (!taskRunning && (stale_ || image_.size() != size())) RenderImage();
        QPainter painter(this);
        painter.drawImage(event->rect(), image_, event->rect());
    });
}

// A bar that appears or goes, or a resized window, keeps the scale and the centre.
void DrawingView::resizeEvent(QResizeEvent* event) {
    Redraw();
    KeepScaleAndCentre(window_);
    QWidget::resizeEvent(event);
}

}  // namespace app
