#include "platform/qt/painter_dc.h"

#include "platform/qt/image_dc.h"
#include "platform/qt/qt_text.h"

#include <QImage>
#include <QLine>
#include <QPaintDevice>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform::qt {

namespace {

Qt::BrushStyle HatchToQt(HatchStyle hatch) {
    switch (hatch) {
    case HatchStyle::Horizontal: return Qt::HorPattern;
    case HatchStyle::Vertical: return Qt::VerPattern;
    case HatchStyle::FDiagonal: return Qt::FDiagPattern;
    case HatchStyle::BDiagonal: return Qt::BDiagPattern;
    case HatchStyle::Cross: return Qt::CrossPattern;
    case HatchStyle::DiagCross: return Qt::DiagCrossPattern;
    }
    return Qt::HorPattern;
}

QPolygon& ToPolygon(QPolygon& polygon, const std::vector<DevicePoint>& points) {
    polygon.resize(static_cast<qsizetype>(points.size()));
    QPoint* out = polygon.data();
    for (const auto& p : points) *out++ = QPoint(p.x, p.y);
    return polygon;
}

// The angle of a point on the ellipse with half axes a and b about (cx, cy), as the parameter
// t of (cx + a cos t, cy - b sin t): the point where the ray from the centre through (x, y)
// meets the ellipse.
double EllipseParameter(double cx, double cy, double a, double b, double x, double y) {
    const double dx = (x - cx) / std::max(a, 1e-9);
    const double dy = (cy - y) / std::max(b, 1e-9);
    if (dx == 0 && dy == 0) return 0;
    return std::atan2(dy, dx);
}

}  // namespace

PainterDeviceContext::~PainterDeviceContext() { End(); }

bool PainterDeviceContext::Begin(QPaintDevice* device, const DeviceRect& page, int ppiX, int ppiY) {
    device_ = device;
    page_ = page;
    ppiX_ = ppiX > 0 ? ppiX : 96;
    ppiY_ = ppiY > 0 ? ppiY : 96;
    if (!painter_.begin(device)) return false;
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    dirty_ = ChangeAll;
    textPen_ = false;
    brushStale_ = true;
    brushOn_ = false;
    fontReady_ = false;
    metrics_.reset();
    return true;
}

void PainterDeviceContext::End() {
    image_ = nullptr;
    if (painter_.isActive()) painter_.end();
}

void PainterDeviceContext::SetDirectImage(QImage* image) {
    image_ = nullptr;
    if (!image || !painter_.isActive() || device_ != image) return;
    switch (image->format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        // The buffer the painter draws into (begin() has already detached the image).
        bits_ = image->bits();
        stride_ = image->bytesPerLine();
        image_ = image;
        break;
    default: break;
    }
}

void PainterDeviceContext::AttributesChanged(unsigned changes) {
    dirty_ |= changes;
    if (changes & (ChangeBrush | ChangeTextColor | ChangeBkColor)) brushStale_ = true;
    if (changes & ChangeTextColor) textPen_ = false;
    if (changes & (ChangeFont | ChangeRop)) {
        fontReady_ = false;
        metrics_.reset();
    }
}

QColor PainterDeviceContext::ToQColor(ColorRef color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

QFont PainterDeviceContext::ToQFont(const Font& font) {
    QFont f(QString::fromStdString(font.face));
    f.setPixelSize(std::max(1, std::abs(font.height)));
    f.setWeight(
        static_cast<QFont::Weight>(std::clamp(font.weight <= 0 ? 400 : font.weight, 1, 1000)));
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    return f;
}

QPen PainterDeviceContext::MakePen() const {
    const Pen& p = state_.pen;
    if (p.style == PenStyle::Null) return QPen(Qt::NoPen);
    QPen pen(ToQColor(p.color));
    const bool cosmetic = p.width <= 1;
    pen.setWidth(cosmetic ? 0 : p.width);
    // A thin line leaves out its last pixel, as the drawing code expects when it joins lines
    // (and a rubber band drawn twice in XOR leaves no stray corner pixels).
    pen.setCapStyle(cosmetic ? Qt::FlatCap : Qt::RoundCap);
    pen.setJoinStyle(cosmetic ? Qt::MiterJoin : Qt::RoundJoin);
    switch (p.style) {
    case PenStyle::Dash: pen.setDashPattern({18, 6}); break;
    case PenStyle::Dot: pen.setDashPattern({3, 3}); break;
    case PenStyle::DashDot: pen.setDashPattern({9, 6, 3, 6}); break;
    case PenStyle::DashDotDot: pen.setDashPattern({9, 3, 3, 3, 3, 3}); break;
    default: break;
    }
    return pen;
}

QBrush PainterDeviceContext::MakeBrush() const {
    const Brush& b = state_.brush;
    switch (b.kind) {
    case BrushKind::Solid: return QBrush(ToQColor(b.color));
    case BrushKind::Hatch: return QBrush(ToQColor(b.color), HatchToQt(b.hatch));
    case BrushKind::Pattern: {
        QImage tile(8, 8, QImage::Format_RGB32);
        const QRgb ink = ToQColor(state_.textColor).rgb();
        const QRgb background = ToQColor(state_.bkColor).rgb();
        for (int row = 0; row < 8; ++row) {
            auto* line = reinterpret_cast<QRgb*>(tile.scanLine(row));
            for (int col = 0; col < 8; ++col)
                line[col] = (b.rows[row] & (0x80 >> col)) ? background : ink;
        }
        return QBrush(tile);
    }
    case BrushKind::Hollow: return QBrush(Qt::NoBrush);
    }
    return QBrush(Qt::NoBrush);
}

void PainterDeviceContext::ApplyComposition() {
    switch (state_.rop) {
    case RasterOp::CopyPen:
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        break;
    case RasterOp::XorPen:
        painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    case RasterOp::NotXorPen:
        painter_.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        break;
    }
}

void PainterDeviceContext::ApplyClip() {
    const DcClip& clip = state_.clip;
    switch (clip.kind) {
    case ClipKind::None: painter_.setClipping(false); break;
    case ClipKind::Rect:
        painter_.setClipRect(
            QRect(clip.rect.left, clip.rect.top, clip.rect.Width(), clip.rect.Height()),
            Qt::ReplaceClip);
        break;
    case ClipKind::Path: {
        QPolygon polygon;
        QPainterPath path;
        path.addPolygon(ToPolygon(polygon, clip.path));
        path.closeSubpath();
        path.setFillRule(Qt::OddEvenFill);
        painter_.setClipPath(path, Qt::ReplaceClip);
        break;
    }
    }
}

void PainterDeviceContext::ApplyCommon() {
    if (!(dirty_ & (ChangeClip | ChangeRop | ChangeBkColor | ChangeBkMode))) return;
    if (dirty_ & ChangeClip) ApplyClip();
    if (dirty_ & ChangeRop) ApplyComposition();
    if (dirty_ & (ChangeBkColor | ChangeBkMode)) {
        painter_.setBackground(QBrush(ToQColor(state_.bkColor)));
        painter_.setBackgroundMode(state_.bkMode == BackgroundMode::Opaque ? Qt::OpaqueMode
                                                                           : Qt::TransparentMode);
    }
    dirty_ &= ~(ChangeClip | ChangeRop | ChangeBkColor | ChangeBkMode);
}

void PainterDeviceContext::ApplyStroke() {
    if (!dirty_) return;
    ApplyCommon();
    if (dirty_ & ChangePen) {
        pen_ = MakePen();
        painter_.setPen(pen_);
        textPen_ = false;
        dirty_ &= ~ChangePen;
    }
}

void PainterDeviceContext::ApplyFill() {
    ApplyStroke();
    if (brushStale_) {
        brush_ = MakeBrush();
        brushStale_ = false;
        brushOn_ = false;
    }
    if (!brushOn_) {
        painter_.setBrush(brush_);
        brushOn_ = true;
    }
}

void PainterDeviceContext::LineTo(int x, int y) {
    ApplyStroke();
    painter_.drawLine(QLine(state_.position.x, state_.position.y, x, y));
    state_.position = {x, y};
}

void PainterDeviceContext::Polyline(const std::vector<DevicePoint>& points) {
    if (points.size() < 2) return;
    ApplyStroke();
    painter_.drawPolyline(ToPolygon(polygon_, points));
}

// Runs of two-point lines (triangle edges, hatch strokes) go to the painter in one call each.
void PainterDeviceContext::PolyPolyline(const std::vector<std::vector<DevicePoint>>& lines) {
    ApplyStroke();
    std::vector<QLine> segments;
    const auto flush = [&] {
        if (!segments.empty())
            painter_.drawLines(segments.data(), static_cast<int>(segments.size()));
        segments.clear();
    };
    for (const auto& line : lines) {
        if (line.size() == 2) {
            segments.emplace_back(line[0].x, line[0].y, line[1].x, line[1].y);
        } else if (line.size() > 2) {
            flush();
            painter_.drawPolyline(ToPolygon(polygon_, line));
        }
    }
    flush();
}

void PainterDeviceContext::Segments(const std::vector<DevicePoint>& ends) {
    if (ends.size() < 2) return;
    ApplyStroke();
    lines_.clear();
    lines_.reserve(ends.size() / 2);
    for (std::size_t i = 0; i + 1 < ends.size(); i += 2)
        lines_.emplace_back(ends[i].x, ends[i].y, ends[i + 1].x, ends[i + 1].y);
    painter_.drawLines(lines_.data(), static_cast<int>(lines_.size()));
}

// Each line inside the writable area is stepped along its longer axis from its lower end, one
// pixel per step, leaving out the pixel of its upper end as QPainter does; the other coordinate
// is carried in 16.16 fixed point. Lines reaching beyond the area go to the painter.
void PainterDeviceContext::DenseSegments(const std::vector<DevicePoint>& ends) {
    const bool direct = CanCopyFigures() && state_.pen.style == PenStyle::Solid;
    if (!direct) {
        Segments(ends);
        return;
    }
    ApplyStroke();
    const DeviceRect w = Writable();
    const QRgb ink = ToQColor(state_.pen.color).rgb();
    std::vector<DevicePoint> rest;
    const auto plot = [&](int x, int y) { reinterpret_cast<QRgb*>(bits_ + y * stride_)[x] = ink; };
    const auto inside = [&](const DevicePoint& p) {
        return p.x >= w.left && p.x < w.right && p.y >= w.top && p.y < w.bottom;
    };
    for (std::size_t i = 0; i + 1 < ends.size(); i += 2) {
        DevicePoint a = ends[i], b = ends[i + 1];
        if (a == b || !inside(a) || !inside(b)) {
            rest.push_back(a);
            rest.push_back(b);
            continue;
        }
        const int dx = b.x - a.x, dy = b.y - a.y;
        if (std::abs(dx) < std::abs(dy)) {
            if (dy < 0) std::swap(a, b);
            const int step =
                static_cast<int>((static_cast<std::int64_t>(b.x - a.x) << 16) / (b.y - a.y));
            int x = (a.x << 16) + (b.x > a.x ? 0x4000 : 0);
            for (int y = a.y; y < b.y; ++y, x += step) plot(x >> 16, y);
        } else {
            if (dx < 0) std::swap(a, b);
            const int step =
                static_cast<int>((static_cast<std::int64_t>(b.y - a.y) << 16) / (b.x - a.x));
            int y = (a.y << 16) + (b.y > a.y ? 0x4000 : 0);
            for (int x = a.x; x < b.x; ++x, y += step) plot(x, y >> 16);
        }
    }
    if (!rest.empty()) Segments(rest);
}

bool PainterDeviceContext::CanCopyFigures() const {
    if (!image_ || state_.rop != RasterOp::CopyPen || state_.clip.kind == ClipKind::Path)
        return false;
    if (painter_.deviceTransform().type() != QTransform::TxNone || painter_.opacity() != 1.0 ||
        painter_.testRenderHint(QPainter::Antialiasing))
        return false;
    if (state_.pen.style != PenStyle::Solid && state_.pen.style != PenStyle::Null) return false;
    // A wide pen is outlined by the stroker, whose pixels may shift with the position.
    if (state_.pen.width > 1) return false;
    return state_.brush.kind == BrushKind::Solid || state_.brush.kind == BrushKind::Hollow;
}

DeviceRect PainterDeviceContext::Writable() const {
    DeviceRect inside = page_;
    if (state_.clip.kind == ClipKind::Rect) {
        const DeviceRect c = state_.clip.rect.Normalized();
        inside = {std::max(inside.left, c.left), std::max(inside.top, c.top),
                  std::min(inside.right, c.right), std::min(inside.bottom, c.bottom)};
    }
    if (image_) {
        inside = {std::max(inside.left, 0), std::max(inside.top, 0),
                  std::min(inside.right, image_->width()),
                  std::min(inside.bottom, image_->height())};
    }
    return inside;
}

// The figure is drawn once by QPainter on a transparent tile in the current attributes, and its
// pixels are copied to each place (clipped to the page and the clip rectangle): QPainter puts
// the same pixels at every whole-pixel position. Anything else is drawn place by place.
void PainterDeviceContext::DrawRepeated(const std::vector<DevicePoint>& at, int reach,
                                        const FigureDrawing& draw) {
    constexpr int kLargest = 64;
    if (at.size() < 2 || reach < 0 || reach > kLargest || !CanCopyFigures()) {
        DeviceContext::DrawRepeated(at, reach, draw);
        return;
    }
    const int margin = 2;
    const int centre = reach + margin;
    const int size = 2 * centre + 1;
    QImage tile(size, size, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    {
        ImageDeviceContext figure(tile, ppiX_, ppiY_);
        figure.SetPen(state_.pen);
        figure.SetBrush(state_.brush);
        figure.SetTextColor(state_.textColor);
        figure.SetBkColor(state_.bkColor);
        figure.SetBkMode(state_.bkMode);
        figure.SetPolyFillMode(state_.fillMode);
        figure.SetFont(state_.font);
        figure.SetTextAlign(state_.textAlign);
        draw(figure, centre, centre);
    }
    struct Run {
        int y, x0, x1;  // relative to the figure's place; x1 excluded
        QRgb pixel;
    };
    std::vector<Run> runs;
    for (int y = 0; y < size; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(tile.constScanLine(y));
        for (int x = 0; x < size;) {
            const QRgb pixel = line[x];
            const int alpha = qAlpha(pixel);
            if (alpha == 0) {
                ++x;
                continue;
            }
            // Blended pixels are not a plain copy; ink in the margin: the reach was too short.
            if (alpha != 255 || y < margin || x < margin || y >= size - margin) {
                DeviceContext::DrawRepeated(at, reach, draw);
                return;
            }
            int end = x + 1;
            while (end < size && line[end] == pixel) ++end;
            if (end > size - margin) {
                DeviceContext::DrawRepeated(at, reach, draw);
                return;
            }
            runs.push_back({y - centre, x - centre, end - centre, pixel | 0xFF000000u});
            x = end;
        }
    }
    ApplyStroke();  // the painter's pending state, so that what it drew before stays in order
    const DeviceRect w = Writable();
    for (const DevicePoint& p : at) {
        for (const Run& run : runs) {
            const int y = p.y + run.y;
            if (y < w.top || y >= w.bottom) continue;
            const int x0 = std::max(p.x + run.x0, w.left), x1 = std::min(p.x + run.x1, w.right);
            if (x0 >= x1) continue;
            auto* line = reinterpret_cast<QRgb*>(bits_ + y * stride_);
            std::fill(line + x0, line + x1, run.pixel);
        }
    }
}

void PainterDeviceContext::Polygon(const std::vector<DevicePoint>& points) {
    if (points.size() < 2) return;
    ApplyFill();
    painter_.drawPolygon(ToPolygon(polygon_, points),
                         state_.fillMode == FillMode::Winding ? Qt::WindingFill : Qt::OddEvenFill);
}

void PainterDeviceContext::FillPolygon(const std::vector<DevicePoint>& points) {
    if (points.size() < 3) return;
    ApplyFill();
    painter_.setPen(Qt::NoPen);
    dirty_ |= ChangePen;
    textPen_ = false;
    painter_.drawPolygon(ToPolygon(polygon_, points),
                         state_.fillMode == FillMode::Winding ? Qt::WindingFill : Qt::OddEvenFill);
}

void PainterDeviceContext::Rectangle(int left, int top, int right, int bottom) {
    const DeviceRect r = DeviceRect{left, top, right, bottom}.Normalized();
    if (r.Width() < 1 || r.Height() < 1) return;
    ApplyFill();
    painter_.drawRect(QRect(r.left, r.top, r.Width() - 1, r.Height() - 1));
}

void PainterDeviceContext::FillRect(const DeviceRect& rect, ColorRef color) {
    const DeviceRect r = rect.Normalized();
    ApplyStroke();
    // A plain fill of a rectangle copies the colour whatever the raster operation.
    if (state_.rop != RasterOp::CopyPen)
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.fillRect(QRect(r.left, r.top, r.Width(), r.Height()), ToQColor(color));
    if (state_.rop != RasterOp::CopyPen) ApplyComposition();
}

const PainterDeviceContext::EllipseShape& PainterDeviceContext::ShapeOf(int width, int height) {
    for (const auto& shape : shapes_)
        if (shape.width == width && shape.height == height && shape.pen == state_.pen &&
            shape.brush == state_.brush && shape.bkMode == state_.bkMode &&
            shape.bkColor == state_.bkColor)
            return shape;
    if (shapes_.size() >= 32) shapes_.clear();
    EllipseShape& shape = shapes_.emplace_back();
    shape.width = width;
    shape.height = height;
    shape.pen = state_.pen;
    shape.brush = state_.brush;
    shape.bkMode = state_.bkMode;
    shape.bkColor = state_.bkColor;
    // Drawn once by QPainter on a transparent tile, with a margin for the pen, in the painter
    // state of the view (QPainter outlines an ellipse differently in the two background modes).
    const int margin = 2;
    QImage tile(width + 2 * margin, height + 2 * margin, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    {
        QPainter painter(&tile);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.setBackground(QBrush(ToQColor(state_.bkColor)));
        painter.setBackgroundMode(state_.bkMode == BackgroundMode::Opaque ? Qt::OpaqueMode
                                                                          : Qt::TransparentMode);
        painter.setPen(MakePen());
        painter.setBrush(MakeBrush());
        painter.drawEllipse(QRect(margin, margin, width - 1, height - 1));
    }
    shape.usable = true;
    for (int y = 0; y < tile.height() && shape.usable; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(tile.constScanLine(y));
        for (int x = 0; x < tile.width();) {
            const QRgb pixel = line[x];
            const int alpha = qAlpha(pixel);
            if (alpha == 0) {
                ++x;
                continue;
            }
            if (alpha != 255 || y < 1 || x < 1 || y + 1 >= tile.height()) {
                shape.usable = false;  // not a plain copy, or the margin was too small
                break;
            }
            int end = x + 1;
            while (end < tile.width() && line[end] == pixel) ++end;
            if (end >= tile.width()) {
                shape.usable = false;
                break;
            }
            shape.runs.push_back({static_cast<std::int16_t>(y - margin),
                                  static_cast<std::int16_t>(x - margin),
                                  static_cast<std::int16_t>(end - margin), pixel});
            x = end;
        }
    }
    if (!shape.usable) shape.runs.clear();
    return shape;
}

// A small ellipse in a thin solid pen and a solid or hollow brush, copied over the pixels, wholly
// inside the image and the clip rectangle: QPainter draws the same pixels wherever the box
// lies, so they are drawn once for each size, pen and brush and then copied.
bool PainterDeviceContext::DrawEllipseDirect(const DeviceRect& r) {
    constexpr int kLargest = 64;
    if (!image_ || r.Width() > kLargest || r.Height() > kLargest) return false;
    if (state_.rop != RasterOp::CopyPen) return false;
    // Only as set by Begin (a caller may have changed the painter itself).
    if (painter_.deviceTransform().type() != QTransform::TxNone || painter_.opacity() != 1.0 ||
        painter_.testRenderHint(QPainter::Antialiasing))
        return false;
    if (state_.pen.style != PenStyle::Solid && state_.pen.style != PenStyle::Null) return false;
    // A wide pen is outlined by the stroker, whose pixels may shift with the position.
    if (state_.pen.width > 1) return false;
    if (state_.brush.kind != BrushKind::Solid && state_.brush.kind != BrushKind::Hollow)
        return false;
    DeviceRect inside = page_;
    if (state_.clip.kind == ClipKind::Path) return false;
    if (state_.clip.kind == ClipKind::Rect) {
        const DeviceRect& c = state_.clip.rect;
        inside = {std::max(inside.left, c.left), std::max(inside.top, c.top),
                  std::min(inside.right, c.right), std::min(inside.bottom, c.bottom)};
    }
    const int margin = 1;
    if (r.left - margin < inside.left || r.top - margin < inside.top ||
        r.right + margin > inside.right || r.bottom + margin > inside.bottom)
        return false;
    const EllipseShape& shape = ShapeOf(r.Width(), r.Height());
    if (!shape.usable) return false;
    for (const EllipseRun& run : shape.runs) {
        auto* line = reinterpret_cast<QRgb*>(bits_ + (r.top + run.y) * stride_) + r.left;
        std::fill(line + run.x0, line + run.x1, run.pixel);
    }
    return true;
}

void PainterDeviceContext::Ellipse(int left, int top, int right, int bottom) {
    const DeviceRect r = DeviceRect{left, top, right, bottom}.Normalized();
    if (r.Width() < 1 || r.Height() < 1) return;
    if (DrawEllipseDirect(r)) return;
    ApplyFill();
    painter_.drawEllipse(QRect(r.left, r.top, r.Width() - 1, r.Height() - 1));
}

void PainterDeviceContext::Arc(const DeviceRect& box, DevicePoint start, DevicePoint end) {
    const DeviceRect r = box.Normalized();
    const double a = (r.Width() - 1) / 2.0;
    const double b = (r.Height() - 1) / 2.0;
    if (a <= 0 && b <= 0) return;
    const double cx = r.left + a;
    const double cy = r.top + b;
    const double t0 = EllipseParameter(cx, cy, a, b, start.x, start.y);
    const double t1 = EllipseParameter(cx, cy, a, b, end.x, end.y);
    constexpr double kTwoPi = 2 * std::numbers::pi;
    double span = t1 - t0;
    while (span <= 1e-12) span += kTwoPi;  // counter-clockwise; equal rays: the whole ellipse
    // Chords short enough that they stay within a quarter pixel of the curve.
    const double radius = std::max({a, b, 1.0});
    const int steps =
        std::clamp(static_cast<int>(std::ceil(span * std::sqrt(radius * 2))), 4, 8192);
    QPolygonF polygon;
    polygon.reserve(steps + 1);
    for (int i = 0; i <= steps; ++i) {
        const double t = t0 + span * i / steps;
        polygon << QPointF(cx + a * std::cos(t) + 0.5, cy - b * std::sin(t) + 0.5);
    }
    ApplyStroke();
    painter_.drawPolyline(polygon);
}

void PainterDeviceContext::SetPixel(int x, int y, ColorRef color) {
    FillRect({x, y, x + 1, y + 1}, color);
}

void PainterDeviceContext::DrawPoints(const std::vector<DevicePoint>& points, ColorRef color,
                                      int size) {
    ApplyStroke();
    if (state_.rop != RasterOp::CopyPen)
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QColor qcolor = ToQColor(color);
    const int s = std::max(1, size);
    const int half = s / 2;
    for (const auto& p : points) painter_.fillRect(QRect(p.x - half, p.y - half, s, s), qcolor);
    if (state_.rop != RasterOp::CopyPen) ApplyComposition();
}

const QFontMetrics& PainterDeviceContext::Metrics() const {
    if (!metrics_) {
        auto& self = const_cast<PainterDeviceContext&>(*this);
        self.qfont_ = ToQFont(state_.font);
        // In XOR every pixel must be either ink or not, or a second drawing would not erase.
        if (state_.rop != RasterOp::CopyPen) self.qfont_.setStyleStrategy(QFont::NoAntialias);
        self.fontReady_ = false;
        metrics_.emplace(qfont_, device_);
    }
    return *metrics_;
}

void PainterDeviceContext::TextOut(int x, int y, const std::string& text) {
    if (text.empty()) return;
    const QFontMetrics& fm = Metrics();
    ApplyCommon();
    if (!fontReady_) {
        painter_.setFont(qfont_);
        fontReady_ = true;
    }
    const QString s = ToQString(text);
    const unsigned horizontal = state_.textAlign & AlignCenter;
    const bool opaque = state_.bkMode == BackgroundMode::Opaque;
    // The width only when the alignment or the background needs it.
    const int width = (horizontal != AlignLeft || opaque) ? fm.horizontalAdvance(s) : 0;
    const int ascent = fm.ascent();
    const int descent = fm.descent();
    int dx = 0;
    switch (horizontal) {
    case AlignCenter: dx = -width / 2; break;
    case AlignRight: dx = -width; break;
    default: break;
    }
    int baseline = ascent;  // top
    switch (state_.textAlign & AlignBaseline) {
    case AlignBaseline: baseline = 0; break;
    case AlignBottom: baseline = -descent; break;
    default: break;
    }
    if (!textPen_) {
        painter_.setPen(ToQColor(state_.textColor));
        textPen_ = true;
        dirty_ |= ChangePen;
    }
    const int escapement = state_.font.escapement;
    QPoint origin(x + dx, y + baseline);
    if (escapement != 0) {
        painter_.save();
        painter_.translate(x, y);
        painter_.rotate(-escapement / 10.0);
        origin = QPoint(dx, baseline);
    }
    if (opaque)
        painter_.fillRect(QRect(origin.x(), origin.y() - ascent, width, ascent + descent),
                          ToQColor(state_.bkColor));

    painter_.drawText(origin, s);
    if (escapement != 0) painter_.restore();
}

TextSize PainterDeviceContext::GetTextExtent(const std::string& text) const {
    const QFontMetrics& fm = Metrics();
    return {fm.horizontalAdvance(ToQString(text)), fm.ascent() + fm.descent()};
}

TextMetrics PainterDeviceContext::GetTextMetrics() const {
    const QFontMetrics& fm = Metrics();
    TextMetrics m;
    m.ascent = fm.ascent();
    m.descent = fm.descent();
    m.height = m.ascent + m.descent;
    m.averageCharWidth = fm.averageCharWidth();
    m.maxCharWidth = fm.maxWidth();
    m.externalLeading = std::max(0, fm.leading());
    return m;
}

}  // namespace platform::qt
