#pragma once
// The drawing view: everything is drawn through the device context into an image the size of
// the view (white background), which the view then shows. Selection marks, rubber bands and
// tool feedback are drawn in XOR into the same image between paints (DrawOverlay), so drawing
// one twice erases it; only the touched rectangle is shown again.

#include "editing/view_input.h"
#include "graphics/graphics.h"
#include "platform/device_context.h"

#include <QImage>
#include <QWidget>
#include <functional>

namespace app {

class DrawingView : public QWidget {
    Q_OBJECT
public:
    explicit DrawingView(QWidget* parent = nullptr);

    // What a paint draws after the white background (the whole problem, later).
    using PaintHandler = std::function<void(platform::DeviceContext&)>;
    void SetPaintHandler(PaintHandler handler) { paintHandler_ = std::move(handler); }

    // Draws onto what is shown now, without a full repaint (rubber bands, marks): the device
    // context starts in the XOR raster mode and is clipped to `touched` (client pixels), and
    // only that rectangle of the widget is updated. A picture waiting for its repaint is
    // rendered first, so the drawing lands on what the next paint shows. False when the
    // drawing failed (reported as any failed call) or `touched` misses the view.
    bool DrawOverlay(const platform::DeviceRect& touched, const Cpp_Graphics::OverlayDrawing& draw);

    // Redraws the whole image now (next time the view is painted, otherwise).
    void Redraw();

    // The interpolation display message: the interpolation tool's value labels shown or not,
    // and the view drawn again.
    void OnInterpolationDisplayMessage(bool showValues);

    // The image last shown.
    const QImage& Image() const { return image_; }

    // The view as the drawing state sees it: client rectangle and resolution.
    Cpp_Graphics::ViewWindow* ViewWindow() { return &window_; }

    // Called with the world point under the cursor when the mouse moves (without an input host).
    std::function<void(double x, double y)> onCursorMoved;

    // Where the mouse and the keys go (the frame's), and what a click that changed the
    // document calls. Without a host the view only reports the cursor and zooms by the wheel.
    void SetInputHost(ViewInputHost* host, std::function<void()> documentModified);
    ViewInputHost* InputHost() const { return input_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    class Window final : public Cpp_Graphics::ViewWindow {
    public:
        explicit Window(DrawingView& view) : view_(view) {}
        platform::DeviceRect ClientRect() const override;
        int PixelsPerInchX() const override;
        int PixelsPerInchY() const override;
        bool DrawOverlay(const platform::DeviceRect& touched,
                         const Cpp_Graphics::OverlayDrawing& draw) override {
            return view_.DrawOverlay(touched, draw);
        }

    private:
        DrawingView& view_;
    };
    void RenderImage();
    void LeftButtonDown(QMouseEvent* event);
    ViewInputHost* input_ = nullptr;
    std::function<void()> documentModified_;
    Window window_{*this};
    PaintHandler paintHandler_;
    QImage image_;
    bool stale_ = true;
};

}  // namespace app
