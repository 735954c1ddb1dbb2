#pragma once
// The device context over a QPainter, shared by the view (QImage), the printer (QPrinter) and
// the clipboard picture. Drawing follows the conventions of the drawing code: a line leaves
// out its last pixel, rectangles and ellipses leave out their right and bottom edges, dashed
// lines and hatches show the background colour in opaque mode, pattern brushes show their ink
// cells in the text colour and the rest in the background colour, and XOR really combines the
// pen or brush colour with the pixels (so the same drawing twice leaves the image unchanged).
// Antialiasing is off: every pixel is either drawn or not.

#include "platform/dc_state.h"

#include <QBrush>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <cstdint>
#include <optional>
#include <vector>

class QImage;
class QPaintDevice;

namespace platform::qt {

class PainterDeviceContext : public DeviceContextState {
public:
    ~PainterDeviceContext() override;

    void LineTo(int x, int y) override;
    void Polyline(const std::vector<DevicePoint>& points) override;
    void PolyPolyline(const std::vector<std::vector<DevicePoint>>& lines) override;
    void Segments(const std::vector<DevicePoint>& ends) override;
    void DenseSegments(const std::vector<DevicePoint>& ends) override;
    void DrawRepeated(const std::vector<DevicePoint>& at, int reach,
                      const FigureDrawing& draw) override;
    void Polygon(const std::vector<DevicePoint>& points) override;
    void FillPolygon(const std::vector<DevicePoint>& points) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void FillRect(const DeviceRect& rect, ColorRef color) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Arc(const DeviceRect& box, DevicePoint start, DevicePoint end) override;
    void SetPixel(int x, int y, ColorRef color) override;
    void DrawPoints(const std::vector<DevicePoint>& points, ColorRef color, int size) override;
    void TextOut(int x, int y, const std::string& text) override;
    TextSize GetTextExtent(const std::string& text) const override;
    TextMetrics GetTextMetrics() const override;

    int PixelsPerInchX() const override { return ppiX_; }
    int PixelsPerInchY() const override { return ppiY_; }
    DeviceRect PageRect() const override { return page_; }
    bool IsPrinting() const override { return false; }

    // The painter, for a caller that must draw what the interface does not offer.
    QPainter& Painter() { return painter_; }

    // The Qt forms of the model's attributes.
    static QColor ToQColor(ColorRef color);
    static QFont ToQFont(const Font& font);

protected:
    PainterDeviceContext() = default;
    // Starts painting on the device; the page is the drawable surface in device pixels.
    bool Begin(QPaintDevice* device, const DeviceRect& page, int ppiX, int ppiY);
    void End();
    void AttributesChanged(unsigned changes) override;
    // The image being painted (RGB32 or ARGB32 formats): small ellipses in a solid pen and a
    // solid or hollow brush are then written straight into its pixels, as QPainter draws them.
    void SetDirectImage(QImage* image);

private:
    void ApplyCommon();  // clip, raster operation, background
    void ApplyStroke();  // and the pen
    void ApplyFill();    // pen and brush
    void ApplyComposition();
    void ApplyClip();
    QPen MakePen() const;
    QBrush MakeBrush() const;
    const QFontMetrics& Metrics() const;

    // The pixels QPainter draws for an ellipse of one size, pen and brush, as runs of one
    // colour relative to the top left corner of the ellipse's box.
    struct EllipseRun {
        std::int16_t y, x0, x1;  // x1 excluded
        std::uint32_t pixel;
    };
    struct EllipseShape {
        int width = 0, height = 0;
        Pen pen;
        Brush brush;
        BackgroundMode bkMode = BackgroundMode::Opaque;
        ColorRef bkColor = 0;
        bool usable = false;  // every pixel either fully drawn or left alone
        std::vector<EllipseRun> runs;
    };
    bool DrawEllipseDirect(const DeviceRect& r);
    // True when a figure in the current attributes puts the same pixels wherever it is drawn
    // and they can be written straight into the image: a copy on the image, no transform, a
    // thin solid pen and a solid or hollow brush, no clip path.
    bool CanCopyFigures() const;
    // The rectangle of the image that drawing may touch (the page within the clip rectangle).
    DeviceRect Writable() const;
    const EllipseShape& ShapeOf(int width, int height);

    QPainter painter_;
    QPaintDevice* device_ = nullptr;
    DeviceRect page_;
    int ppiX_ = 96;
    int ppiY_ = 96;

    unsigned dirty_ = ChangeAll;
    bool brushStale_ = true;
    bool brushOn_ = false;
    bool textPen_ = false;      // the painter's pen is the text colour (not the pen)
    std::vector<QLine> lines_;  // reused for every run of segments
    QPolygon polygon_;  // reused for every polygon and polyline  // the painter holds the brush
                        // (else no brush)
    QPen pen_;
    QBrush brush_;
    mutable std::optional<QFontMetrics> metrics_;
    QFont qfont_;
    bool fontReady_ = false;
    QImage* image_ = nullptr;  // the image written directly, if any
    uchar* bits_ = nullptr;
    qsizetype stride_ = 0;
    std::vector<EllipseShape> shapes_;
};

}  // namespace platform::qt
