#pragma once
// The drawing view: everything is drawn through the device context into an image the size of
// the view (white background), which the view then shows. The view keeps the picture of the
// data (axes, data set, construction items, grid) between paints; a paint copies it and draws the
// selection marks, navigation figures and tool feedback over the copy. Redraw draws the data
// again (every change of the data, of the display selections or of the mapping comes with one);
// a zoom by the wheel shows
// the kept picture scaled at once and the exact drawing right after. Rubber bands and outlines
// are drawn in XOR into the shown image between paints (DrawOverlay), so drawing one twice
// erases it; only the touched rectangle is shown again.

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

    // What a paint draws after the white background: the picture of the data, which the view
    // keeps. A handler set here draws the whole picture (no marks are drawn over it).
    using PaintHandler = std::function<void(platform::DeviceContext&)>;
    void SetPaintHandler(PaintHandler handler) {
        paintHandler_ = std::move(handler);
        marksHandler_ = nullptr;
        Redraw();
    }

    // Draws onto what is shown now, without a full repaint (rubber bands, marks): the device
    // context starts in the XOR raster mode and is clipped to `touched` (client pixels), and
    // only that rectangle of the widget is updated. A picture waiting for its repaint is
    // rendered first, so the drawing lands on what the next paint shows. False when the
    // drawing failed (reported as any failed call) or `touched` misses the view.
    bool DrawOverlay(const platform::DeviceRect& touched, const Cpp_Graphics::OverlayDrawing& draw);
    // Draws a change of the data on the kept picture (copy raster mode, clipped to where the
    // data are drawn), and shows again the pixels the drawing answers, with the marks over
    // them. False, calling nothing, when the picture is not up to date (it is drawn again whole
    // at the next paint anyway).
    bool DrawOnPicture(const Cpp_Graphics::PictureDrawing& draw);
    // The kept picture of the data.
    const QImage& Picture() const { return picture_; }

    // Draws the whole picture again, data included, at the next paint.
    void Redraw();
    // Moves what the view shows by dx, dy pixels (the world moves with the picture) and draws
    // the picture again.
    void ScrollBy(int dx, int dy);

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
        bool DrawOnPicture(const Cpp_Graphics::PictureDrawing& draw) override {
            return view_.DrawOnPicture(draw);
        }

    private:
        DrawingView& view_;
    };
    // The scales and offsets of the mapping.
    struct Transform {
        double xScale = 0, yScale = 0, xOffset = 0, yOffset = 0;
        friend bool operator==(const Transform&, const Transform&) = default;
    };
    static Transform CurrentTransform();
    void RenderImage();
    // The data layers drawn into the kept picture, within area (client pixels).
    void RenderPicture(const QRect& area);
    // The kept picture scaled to the mapping when the wheel zoomed it since it was drawn; false
    // (nothing done) otherwise.
    bool ShowScaledPicture();
    // The axes laid out for the whole view on the current mapping.
    void FitAxes();
    void LeftButtonDown(QMouseEvent* event);
    ViewInputHost* input_ = nullptr;
    std::function<void()> documentModified_;
    Window window_{*this};
    PaintHandler paintHandler_;
    PaintHandler marksHandler_;
    platform::DeviceRect paintRect_;  // the client rectangle, moved while a strip is drawn
    QImage picture_;                  // the data layers as last drawn
    Transform pictureTransform_;      // the mapping they were drawn with
    bool pictureStale_ = true;
    bool exactPending_ = false;  // a scaled picture is shown; the exact one follows
    QImage image_;
    bool stale_ = true;
};

}  // namespace app
