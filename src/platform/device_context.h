#pragma once
// The device context every drawing routine draws on. Plain types only, no toolkit types:
// the view, the printer, the clipboard picture and the tests' recording context implement it.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// A colour as 0x00BBGGRR (red in the low byte).
using ColorRef = std::uint32_t;
constexpr ColorRef MakeRgb(int r, int g, int b) {
    return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(ColorRef c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(ColorRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(ColorRef c) { return static_cast<int>((c >> 16) & 0xFF); }

struct DevicePoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const DevicePoint&, const DevicePoint&) = default;
};

struct DeviceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // The same rectangle with left <= right and top <= bottom.
    DeviceRect Normalized() const {
        return {left < right ? left : right, top < bottom ? top : bottom,
                left < right ? right : left, top < bottom ? bottom : top};
    }
    friend bool operator==(const DeviceRect&, const DeviceRect&) = default;
};

struct TextSize {
    int cx = 0;
    int cy = 0;
};

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Null };

struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;  // pixels; 0 draws one pixel wide
    ColorRef color = 0;
    friend bool operator==(const Pen&, const Pen&) = default;
};

enum class BrushKind { Solid, Hatch, Pattern, Hollow };
enum class HatchStyle { Horizontal, Vertical, FDiagonal, BDiagonal, Cross, DiagCross };

// A pattern brush is an 8 x 8 monochrome bitmap: row r in the low byte of rows[r], leftmost
// cell in bit 7. A set bit shows the background colour, a clear bit the text colour (ink).
struct Brush {
    BrushKind kind = BrushKind::Solid;
    ColorRef color = 0xFFFFFF;
    HatchStyle hatch = HatchStyle::Horizontal;
    std::uint16_t rows[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    friend bool operator==(const Brush&, const Brush&) = default;
};

struct Font {
    std::string face = "Arial";
    int height = 12;  // pixels; the character height
    int weight = 400;
    bool italic = false;
    bool underline = false;
    int escapement = 0;  // tenths of a degree, counter-clockwise
    friend bool operator==(const Font&, const Font&) = default;
};

struct TextMetrics {
    int height = 0;
    int ascent = 0;
    int descent = 0;
    int averageCharWidth = 0;
    int maxCharWidth = 0;
    int externalLeading = 0;
};

// Text alignment flags (combined): horizontal and vertical reference of the text point.
enum TextAlign : unsigned {
    AlignLeft = 0,
    AlignRight = 2,
    AlignCenter = 6,
    AlignTop = 0,
    AlignBottom = 8,
    AlignBaseline = 24,
};

enum class RasterOp { CopyPen, XorPen, NotXorPen };
enum class BackgroundMode { Transparent, Opaque };
enum class FillMode { Alternate, Winding };

class DeviceContext {
public:
    virtual ~DeviceContext() = default;

    // Drawing attributes; each setter returns the previous value.
    virtual Pen SetPen(const Pen& pen) = 0;
    virtual Brush SetBrush(const Brush& brush) = 0;
    virtual Font SetFont(const Font& font) = 0;
    virtual ColorRef SetTextColor(ColorRef color) = 0;
    virtual ColorRef SetBkColor(ColorRef color) = 0;
    virtual BackgroundMode SetBkMode(BackgroundMode mode) = 0;
    virtual RasterOp SetRop2(RasterOp op) = 0;
    virtual unsigned SetTextAlign(unsigned align) = 0;
    virtual FillMode SetPolyFillMode(FillMode mode) = 0;
    virtual Pen GetPen() const = 0;
    virtual Brush GetBrush() const = 0;
    virtual Font GetFont() const = 0;
    virtual RasterOp GetRop2() const = 0;
    virtual ColorRef GetTextColor() const = 0;
    virtual ColorRef GetBkColor() const = 0;
    virtual BackgroundMode GetBkMode() const = 0;
    virtual unsigned GetTextAlign() const = 0;
    virtual FillMode GetPolyFillMode() const = 0;
    virtual DevicePoint GetCurrentPosition() const = 0;

    // Lines and shapes (pixel coordinates). A line leaves out its last pixel; Rectangle and
    // Ellipse leave out the right and bottom edges of their box.
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void Polyline(const std::vector<DevicePoint>& points) = 0;
    // Several unconnected polylines in one call (dashes, grid crosses).
    virtual void PolyPolyline(const std::vector<std::vector<DevicePoint>>& lines) = 0;
    // Many unconnected two-point lines in one call (a triangle mesh): ends[2i] to ends[2i + 1].
    // Drawn as PolyPolyline draws them.
    virtual void Segments(const std::vector<DevicePoint>& ends) {
        std::vector<std::vector<DevicePoint>> lines;
        lines.reserve(ends.size() / 2);
        for (std::size_t i = 0; i + 1 < ends.size(); i += 2)
            lines.push_back({ends[i], ends[i + 1]});
        PolyPolyline(lines);
    }
    // Lines so many that each covers only a few pixels (a dense mesh drawn at the detail a
    // pixel shows), in a thin solid pen: a context over an image may set the pixels itself, a
    // pixel across the run of a line off where Segments would put it. Segments elsewhere.
    virtual void DenseSegments(const std::vector<DevicePoint>& ends) { Segments(ends); }
    // One figure at many places (point symbols): draw(dc, x, y) draws it about (x, y), within
    // `reach` pixels of it in every direction, with the attributes selected now, and puts the
    // same pixels, moved, wherever it is drawn. A context over an image may draw it once and
    // copy its pixels; the others draw it at each place in turn.
    using FigureDrawing = std::function<void(DeviceContext&, int x, int y)>;
    virtual void DrawRepeated(const std::vector<DevicePoint>& at, int reach,
                              const FigureDrawing& draw) {
        (void)reach;
        for (const DevicePoint& p : at) draw(*this, p.x, p.y);
    }
    // A closed polygon: filled with the brush in the fill mode, outlined with the pen.
    virtual void Polygon(const std::vector<DevicePoint>& points) = 0;
    // The inside of a polygon filled with the brush alone, no outline (a region fill).
    virtual void FillPolygon(const std::vector<DevicePoint>& points) = 0;
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    // FillRect, SetPixel and DrawPoints put their colour on the pixels whatever the raster
    // operation (as a plain fill does); every other primitive follows it.
    virtual void FillRect(const DeviceRect& rect, ColorRef color) = 0;
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    // Counter-clockwise arc of the ellipse in the bounding box, from the ray through start to
    // the ray through end.
    virtual void Arc(const DeviceRect& box, DevicePoint start, DevicePoint end) = 0;
    virtual void SetPixel(int x, int y, ColorRef color) = 0;
    // Many points of one colour and size in one call (the snap grid).
    virtual void DrawPoints(const std::vector<DevicePoint>& points, ColorRef color, int size) = 0;

    // Text.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual TextSize GetTextExtent(const std::string& text) const = 0;
    virtual TextMetrics GetTextMetrics() const = 0;

    // Clipping. A new clip replaces the previous one; corners may come in either order.
    virtual void SetClipRect(const DeviceRect& rect) = 0;
    // Clips to the inside of a closed path (alternate fill rule).
    virtual void SetClipPath(const std::vector<DevicePoint>& path) = 0;
    virtual void ClearClip() = 0;
    virtual DeviceRect GetClipBox() const = 0;

    // Device.
    virtual int PixelsPerInchX() const = 0;
    virtual int PixelsPerInchY() const = 0;
    virtual DeviceRect PageRect() const = 0;  // the whole drawable surface in pixels
    // The whole sheet in pixels, relative to the drawable origin: on a printer the left and top
    // are minus the physical offsets of the printable area. Screens answer the page rectangle.
    virtual DeviceRect PhysicalPageRect() const { return PageRect(); }
    virtual bool IsPrinting() const = 0;

    // Save and restore the whole state (attributes and clip).
    virtual void Save() = 0;
    virtual void Restore() = 0;
};

// Saves the state on construction and restores it on destruction.
class ScopedDcState {
public:
    explicit ScopedDcState(DeviceContext& dc) : dc_(dc) { dc_.Save(); }
    ~ScopedDcState() { dc_.Restore(); }
    ScopedDcState(const ScopedDcState&) = delete;
    ScopedDcState& operator=(const ScopedDcState&) = delete;

private:
    DeviceContext& dc_;
};

}  // namespace platform
