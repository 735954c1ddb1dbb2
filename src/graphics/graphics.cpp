#include "graphics/graphics.h"

#include "core/text_exception.h"
#include "graphics/axes.h"
#include "graphics/label_areas.h"
#include "graphics/views.h"
#include "platform/message_box.h"
#include "platform/services.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

platform::DeviceContext* Cpp_Graphics::dc_ = nullptr;
Cpp_Graphics::ViewWindow* Cpp_Graphics::window_ = nullptr;
int Cpp_Graphics::outputMode_ = 0;
Cpp_Graphics::WorldRect Cpp_Graphics::data_;
Cpp_Graphics::WorldRect Cpp_Graphics::world_;
Cpp_Graphics::WorldRect Cpp_Graphics::visible_;
double Cpp_Graphics::xScale_ = 1.0;
double Cpp_Graphics::yScale_ = 1.0;
double Cpp_Graphics::xOffset_ = 0.0;
double Cpp_Graphics::yOffset_ = 0.0;
bool Cpp_Graphics::stale_ = false;
int Cpp_Graphics::explicitMode_ = 0;
double Cpp_Graphics::originX_ = 0.0;
double Cpp_Graphics::originY_ = 0.0;
platform::DeviceRect Cpp_Graphics::drawingArea_;
platform::DeviceRect Cpp_Graphics::pageRect_;
platform::DeviceRect Cpp_Graphics::clipRect_;
double Cpp_Graphics::zoomFactor_ = 2.0;
double Cpp_Graphics::screenMagnification_ = 1.0;
bool Cpp_Graphics::startup_ = false;
bool Cpp_Graphics::blackAndWhite_ = false;
std::vector<Cpp_Graphics::ScaleParticipant*> Cpp_Graphics::participants_;
Cpp_Graphics::SavedState Cpp_Graphics::saved_;

namespace {

// What a saved mapping keeps beyond the scales: the part of the world it shows and the state of
// its fit, so that the view shows after printing what it showed before (not the printer's
// extent, nor a grid laid out on it).
struct SavedView {
    Cpp_Graphics::WorldRect visible;
    bool stale = false;
    double originX = 0.0, originY = 0.0;
    platform::DeviceRect pageRect, clipRect;
};
SavedView g_savedView;

class CancellingBoundsDialog final : public Cpp_Graphics::WindowBoundsDialog {
public:
    bool Run(Cpp_Graphics::WindowBoundsRecord&) override { return false; }
};

class CancellingLargestValueDialog final : public Cpp_Graphics::LargestValueDialog {
public:
    bool Run(const std::string&, double&) override { return false; }
};

class NoScalingEditor final : public Cpp_Graphics::ScalingEditor {
public:
    bool Edit(int) override { return false; }
};

}  // namespace

DialogSlot<Cpp_Graphics::WindowBoundsDialog>& Cpp_Graphics::WindowBoundsDialogSlot() {
    static DialogSlot<WindowBoundsDialog> slot("window bounds dialog",
                                               std::make_unique<CancellingBoundsDialog>());
    return slot;
}

DialogSlot<Cpp_Graphics::LargestValueDialog>& Cpp_Graphics::LargestValueDialogSlot() {
    static DialogSlot<LargestValueDialog> slot("largest value dialog",
                                               std::make_unique<CancellingLargestValueDialog>());
    return slot;
}

DialogSlot<Cpp_Graphics::ScalingEditor>& Cpp_Graphics::ScalingEditorSlot() {
    static DialogSlot<ScalingEditor> slot("scaling editor", std::make_unique<NoScalingEditor>());
    return slot;
}

// The scale participants are registrations of the subsystems, not drawing state: they stay.
void Cpp_Graphics::Reset() {
    dc_ = nullptr;
    window_ = nullptr;
    WindowBoundsDialogSlot().Reset();
    LargestValueDialogSlot().Reset();
    ScalingEditorSlot().Reset();
    outputMode_ = 0;
    data_ = world_ = visible_ = WorldRect{};
    xScale_ = yScale_ = 1.0;
    xOffset_ = yOffset_ = 0.0;
    stale_ = false;
    explicitMode_ = 0;
    originX_ = originY_ = 0.0;
    drawingArea_ = pageRect_ = clipRect_ = platform::DeviceRect{};
    startup_ = false;
    blackAndWhite_ = false;
    saved_ = SavedState{};
    g_savedView = SavedView{};
    Cpp_Axes::Reset();
    label_areas::Clear();
}

platform::DeviceContext* Cpp_Graphics::SetCurrentDC(platform::DeviceContext* dc) {
    if (dc != dc_) label_areas::Clear();  // the areas belong to one drawing
    return std::exchange(dc_, dc);
}

// ---------------------------------------------------------------------------------------------
// Fitting

bool Cpp_Graphics::RecomputeArrowScales(int unitSystem) {
    bool ok = true;
    for (ScaleParticipant* p : participants_) {
        if (!p->RecomputeScale(unitSystem)) ok = false;
    }
    return ok;
}

void Cpp_Graphics::AddScaleParticipant(ScaleParticipant* participant) {
    if (participant &&
        std::find(participants_.begin(), participants_.end(), participant) == participants_.end())
        participants_.push_back(participant);
}

bool Cpp_Graphics::SetScaleToFit(int unitSystem, double left, double right, double bottom,
                                 double top, int ppiX, int ppiY) {
    const bool axes = Cpp_Axes::AxesShown();
    if (!stale_) {
        if (axes) {
            platform::DeviceRect r{static_cast<int>(left), static_cast<int>(top),
                                   static_cast<int>(right), static_cast<int>(bottom)};
            Cpp_Axes::ComputeAxesLayout(r, ppiX, ppiY, xOffset_, xScale_, yOffset_, yScale_);
        }
        return false;
    }
    if (world_.xmin == world_.xmax && world_.ymin == world_.ymax) {
        stale_ = false;
        return false;
    }
    int l, r, t, b;
    if (axes) {
        const int mx = static_cast<int>(Cpp_Axes::AxisMarginInches() * ppiX);
        const int my = static_cast<int>(Cpp_Axes::AxisMarginInches() * ppiY);
        l = static_cast<int>(left + mx);
        r = static_cast<int>(right - mx);
        t = static_cast<int>(top + my);
        b = static_cast<int>(bottom - my);
    } else {
        l = static_cast<int>(left);
        r = static_cast<int>(right);
        t = static_cast<int>(top);
        b = static_cast<int>(bottom);
    }
    const int gx = static_cast<int>(0.1 * ppiX);
    const int gy = static_cast<int>(0.1 * ppiY);
    drawingArea_ = {l + gx, t + gy, r - gx, b - gy};
    const double W = drawingArea_.Width();
    const double H = drawingArea_.Height();
    if (W <= 0 || H <= 0) return false;  // no room to draw in; stay stale

    const double dx = world_.xmax - world_.xmin;
    const double dy = world_.ymax - world_.ymin;
    double s;
    bool fromX;
    if (dx == 0) {
        s = H / dy;
        fromX = false;
    } else if (dy == 0) {
        s = W / dx;
        fromX = true;
    } else {
        const double sx = W / dx;
        const double sy = H / dy;
        fromX = sy >= sx;
        s = fromX ? sx : sy;
    }
    s = std::fabs(s);
    if (fromX) {
        visible_.xmin = std::min(world_.xmin, world_.xmax);
        visible_.xmax = std::max(world_.xmin, world_.xmax);
        visible_.ymin = (world_.ymin + world_.ymax) / 2 - (H / s) / 2;
        visible_.ymax = visible_.ymin + H / s;
    } else {
        visible_.ymin = std::min(world_.ymin, world_.ymax);
        visible_.ymax = std::max(world_.ymin, world_.ymax);
        visible_.xmin = (world_.xmin + world_.xmax) / 2 - (W / s) / 2;
        visible_.xmax = visible_.xmin + W / s;
    }
    xScale_ = s;
    yScale_ = -s;
    xOffset_ = drawingArea_.left - visible_.xmin * s;
    yOffset_ = drawingArea_.bottom + visible_.ymin * s;
    originX_ = visible_.xmin;
    originY_ = visible_.ymin;
    if (axes) {
        platform::DeviceRect rect{static_cast<int>(left), static_cast<int>(top),
                                  static_cast<int>(right), static_cast<int>(bottom)};
        Cpp_Axes::ComputeAxesLayout(rect, ppiX, ppiY, xOffset_, xScale_, yOffset_, yScale_);
    }
    if (RecomputeArrowScales(unitSystem)) {
        stale_ = false;
        return true;
    }
    return false;
}

bool Cpp_Graphics::SetWindowCoordinates(ViewWindow* window, double xmin, double xmax, double ymin,
                                        double ymax, int unitSystem) {
    if (xmin == xmax) return false;
    if (explicitMode_ == 1 && ymin == ymax) return false;
    if (!std::isfinite(xmin) || !std::isfinite(xmax) || !std::isfinite(ymin) ||
        !std::isfinite(ymax))
        return false;
    if (xmin > xmax) std::swap(xmin, xmax);
    if (ymin > ymax) std::swap(ymin, ymax);
    int ppiX = 96, ppiY = 96;
    platform::DeviceRect r{0, 0, 1000, 1000};
    if (window) {
        ppiX = static_cast<int>(window->PixelsPerInchX() * screenMagnification_);
        ppiY = static_cast<int>(window->PixelsPerInchY() * screenMagnification_);
        r = window->ClientRect();
    }
    if (Cpp_Axes::AxesShown()) {
        const double m = Cpp_Axes::AxisMarginInches();
        r.left = static_cast<int>(r.left + m * ppiX);
        r.bottom = static_cast<int>(r.bottom - m * ppiY);
        r.right = static_cast<int>(r.right - m * ppiX);
        r.top = static_cast<int>(r.top + m * ppiY);
    }
    if (r.Width() <= 0 || r.Height() <= 0) return false;
    world_ = {xmin, xmax, ymin, ymax};
    drawingArea_ = r;
    double s;
    if (explicitMode_ == 0) {
        s = static_cast<double>(r.right - r.left) / (xmax - xmin);
        world_.ymax = ymin + (r.bottom - r.top) / s;
    } else if (explicitMode_ == 1) {
        s = static_cast<double>(r.bottom - r.top) / (ymax - ymin);
        world_.xmax = xmin + (r.right - r.left) / s;
    } else {
        return false;
    }
    xScale_ = s;
    yScale_ = -s;
    visible_ = world_;
    originX_ = world_.xmin;
    originY_ = world_.ymin;
    xOffset_ = r.left - s * world_.xmin;
    yOffset_ = r.bottom + s * world_.ymin;
    if (RecomputeArrowScales(unitSystem)) {
        stale_ = false;
        return true;
    }
    return false;
}

bool Cpp_Graphics::SetDisplayBounds(ViewWindow* window, int unitSystem) {
    WindowBoundsRecord record{world_.xmin, world_.xmax, world_.ymin, world_.ymax, explicitMode_};
    for (;;) {
        if (!WindowBoundsDialogSlot().Get().Run(record)) return false;
        const bool equal =
            record.mode == 1 ? record.ymin == record.ymax : record.xmin == record.xmax;
        if (!equal) break;
        platform::MessageBoxRequest box;
        box.caption = "Window Bounds";
        box.text = record.mode == 1 ? "The minimum and maximum y values must differ."
                                    : "The minimum and maximum x values must differ.";
        box.icon = platform::BoxIcon::Exclamation;
        platform::Services().MessageBoxes().Show(box);
    }
    if (record.xmin > record.xmax) std::swap(record.xmin, record.xmax);
    if (record.ymin > record.ymax) std::swap(record.ymin, record.ymax);
    explicitMode_ = record.mode;
    SetWindowCoordinates(window, record.xmin, record.xmax, record.ymin, record.ymax, unitSystem);
    return true;
}

bool Cpp_Graphics::GetLargestValueForScaling(int kind, double& value) {
    const char* label = nullptr;
    switch (kind) {
    case 2: label = "Largest value for distributed load"; break;
    case 3: label = "Largest value for line load"; break;
    case 4: label = "Largest value for reinforcement force"; break;
    default: return false;
    }
    double v = value;
    if (!LargestValueDialogSlot().Get().Run(label, v)) return false;
    value = v;
    return true;
}

bool Cpp_Graphics::EditScalingForSelection(int selectionType) {
    switch (selectionType) {
    case 36:
    case 38:
    case 39:
    case 62:
    case 64:
    case 98:
    case 100:
    case 102:
    case 104: break;
    default: return false;
    }
    if (!ScalingEditorSlot().Get().Edit(selectionType)) return false;
    stale_ = true;
    return true;
}

void Cpp_Graphics::SetWindow(double xmin, double xmax, double ymin, double ymax) {
    world_ = {xmin, xmax, ymin, ymax};
}

void Cpp_Graphics::SetWindowFromPixels(int px1, int py1, int px2, int py2) {
    world_ = {PixelToX(px1), PixelToX(px2), PixelToY(py1), PixelToY(py2)};
}

void Cpp_Graphics::WindowToDataExtents() {
    world_ = data_;
    stale_ = true;
}

// ---------------------------------------------------------------------------------------------
// Data extents and visible window

void Cpp_Graphics::SetDataRangeX(double min, double max) {
    data_.xmin = min;
    data_.xmax = max;
}

void Cpp_Graphics::SetDataRangeY(double min, double max) {
    data_.ymin = min;
    data_.ymax = max;
}

void Cpp_Graphics::ExtendDataRange(double x, double y) {
    ExtendDataRangeAxis(x, true);
    ExtendDataRangeAxis(y, false);
}

void Cpp_Graphics::ExtendDataRangeAxis(double value, bool isX) {
    double& mn = isX ? data_.xmin : data_.ymin;
    double& mx = isX ? data_.xmax : data_.ymax;
    if (value < mn)
        mn = value;
    else if (value > mx)
        mx = value;
}

void Cpp_Graphics::GetDataRange(double& min, double& max, bool isX) {
    min = isX ? data_.xmin : data_.ymin;
    max = isX ? data_.xmax : data_.ymax;
}

void Cpp_Graphics::GetDataExtents(double& xmin, double& xmax, double& ymin, double& ymax) {
    xmin = data_.xmin;
    xmax = data_.xmax;
    ymin = data_.ymin;
    ymax = data_.ymax;
}

void Cpp_Graphics::GetVisibleRange(double& min, double& max, bool isX) {
    min = isX ? visible_.xmin : visible_.ymin;
    max = isX ? visible_.xmax : visible_.ymax;
}

bool Cpp_Graphics::IsVisible(double x, double y) {
    return x >= visible_.xmin && x <= visible_.xmax && y >= visible_.ymin && y <= visible_.ymax;
}

platform::DeviceRect Cpp_Graphics::GetDrawingArea() {
    if (stale_) throw Exc_ScaleFactorNotSet();
    return drawingArea_;
}

void Cpp_Graphics::SetPrintRects(int left, int top, int right, int bottom) {
    pageRect_ = {left, top, right, bottom};
    clipRect_ = {drawingArea_.left, drawingArea_.top, drawingArea_.right,
                 std::min(bottom, drawingArea_.bottom)};
}

// ---------------------------------------------------------------------------------------------
// Conversions

namespace {

int ClampPixel(double v) {
    if (!(v > -Cpp_Graphics::kPixelClamp)) return -Cpp_Graphics::kPixelClamp;  // also NaN
    if (v > Cpp_Graphics::kPixelClamp) return Cpp_Graphics::kPixelClamp;
    return static_cast<int>(v);
}

}  // namespace

int Cpp_Graphics::XToPixel(double x) { return ClampPixel(xScale_ * x + xOffset_); }
int Cpp_Graphics::YToPixel(double y) { return ClampPixel(yScale_ * y + yOffset_); }

platform::DevicePoint Cpp_Graphics::WorldToPixel(double x, double y) {
    return {XToPixel(x), YToPixel(y)};
}

double Cpp_Graphics::PixelToX(double px) { return (px - xOffset_) / xScale_; }
double Cpp_Graphics::PixelToY(double py) { return (py - yOffset_) / yScale_; }

void Cpp_Graphics::PixelToWorldPoint(double px, double py, double& x, double& y) {
    x = PixelToX(px);
    y = PixelToY(py);
}

double Cpp_Graphics::PixelsToWorldLength(double d) { return std::fabs(d / xScale_); }
double Cpp_Graphics::PixelsToWorldLengthX(double n) { return n / xScale_; }
double Cpp_Graphics::PixelsToWorldLengthY(double n) { return n / yScale_; }
int Cpp_Graphics::WorldLengthToPixelsX(double d) { return ClampPixel(std::fabs(xScale_ * d)); }
int Cpp_Graphics::WorldLengthToPixelsY(double d) { return ClampPixel(std::fabs(yScale_ * d)); }

double Cpp_Graphics::InchesToPixels(double inches) {
    if (!dc_) throw Exc_NULLDeviceContext();
    return dc_->PixelsPerInchX() * inches;
}

double Cpp_Graphics::InchesToPixelsOnDC(const platform::DeviceContext& dc, double inches) {
    return dc.PixelsPerInchX() * inches;
}

double Cpp_Graphics::InchesToWorldLength(double inches) {
    if (!dc_) throw Exc_NULLDeviceContext();
    return dc_->PixelsPerInchX() * inches / xScale_;
}

double Cpp_Graphics::MillimetresToPixels(const platform::DeviceContext& dc, double mm) {
    return dc.PixelsPerInchX() * mm / 25.40005;
}

double Cpp_Graphics::PixelsToInches(double n) {
    if (!dc_) throw Exc_NULLDeviceContext();
    return n / PixelsPerInch(dc_, true);
}

int Cpp_Graphics::PixelsPerInch(const platform::DeviceContext* dc, bool horizontal) {
    if (!dc) return DisplayPixelsToDisplayInches(horizontal);
    const int ppi = horizontal ? dc->PixelsPerInchX() : dc->PixelsPerInchY();
    if (dc->IsPrinting()) return ppi;
    return static_cast<int>(ppi * screenMagnification_);
}

int Cpp_Graphics::DisplayPixelsToDisplayInches(bool horizontal) {
    if (!window_)
        throw Cpp_TextException(
            "EXCEPTION: Cpp_Graphics::DisplayPixelsToDisplayInches - NULL CWnd Pointer");
    const int ppi = horizontal ? window_->PixelsPerInchX() : window_->PixelsPerInchY();
    if (ppi <= 0)
        throw Cpp_TextException(
            "EXCEPTION: Cpp_Graphics::DisplayPixelsToDisplayInches - NULL Device Context");
    return static_cast<int>(ppi * screenMagnification_);
}

// ---------------------------------------------------------------------------------------------
// Clipping in world coordinates

Cpp_Graphics::WorldRect Cpp_Graphics::ClipBox() {
    platform::DeviceRect r = dc_ ? dc_->PageRect() : drawingArea_;
    if (r.Width() <= 0 || r.Height() <= 0) r = drawingArea_;
    const double l = r.left - kClipPadPixels, rt = r.right + kClipPadPixels;
    const double t = r.top - kClipPadPixels, b = r.bottom + kClipPadPixels;
    double x1 = PixelToX(l), x2 = PixelToX(rt), y1 = PixelToY(t), y2 = PixelToY(b);
    return {std::min(x1, x2), std::max(x1, x2), std::min(y1, y2), std::max(y1, y2)};
}

bool Cpp_Graphics::ClipSegment(const WorldRect& box, double& x1, double& y1, double& x2, double& y2,
                               double* t0out, double* t1out) {
    // Liang-Barsky.
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0.0, t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - box.xmin, box.xmax - x1, y1 - box.ymin, box.ymax - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t1) return false;
            if (t > t0) t0 = t;
        } else {
            if (t < t0) return false;
            if (t < t1) t1 = t;
        }
    }
    const double ox = x1, oy = y1;
    if (t1 < 1.0) {
        x2 = ox + t1 * dx;
        y2 = oy + t1 * dy;
    }
    if (t0 > 0.0) {
        x1 = ox + t0 * dx;
        y1 = oy + t0 * dy;
    }
    if (t0out) *t0out = t0;
    if (t1out) *t1out = t1;
    return true;
}

std::vector<std::vector<platform::DevicePoint>>
Cpp_Graphics::WorldPolylineToPixels(const std::vector<double>& xs, const std::vector<double>& ys) {
    std::vector<std::vector<platform::DevicePoint>> runs;
    const size_t n = std::min(xs.size(), ys.size());
    if (n < 2) return runs;
    const WorldRect box = ClipBox();
    std::vector<platform::DevicePoint> current;
    for (size_t i = 0; i + 1 < n; ++i) {
        double x1 = xs[i], y1 = ys[i], x2 = xs[i + 1], y2 = ys[i + 1];
        double t0 = 0, t1 = 1;
        if (!ClipSegment(box, x1, y1, x2, y2, &t0, &t1)) {
            if (current.size() >= 2) runs.push_back(std::move(current));
            current.clear();
            continue;
        }
        const platform::DevicePoint a = WorldToPixel(x1, y1);
        const platform::DevicePoint b = WorldToPixel(x2, y2);
        if (t0 > 0.0 || current.empty()) {
            if (current.size() >= 2) runs.push_back(std::move(current));
            current.clear();
            current.push_back(a);
        }
        if (!(current.back() == b) || current.size() == 1) current.push_back(b);
        if (t1 < 1.0) {
            runs.push_back(std::move(current));
            current.clear();
        }
    }
    if (current.size() >= 2) runs.push_back(std::move(current));
    return runs;
}

std::vector<platform::DevicePoint>
Cpp_Graphics::WorldPolygonToPixels(const std::vector<double>& xs, const std::vector<double>& ys) {
    struct P {
        double x, y;
    };
    const size_t n = std::min(xs.size(), ys.size());
    std::vector<platform::DevicePoint> out;
    if (n < 3) return out;
    const WorldRect box = ClipBox();
    std::vector<P> poly(n), next;
    bool inside = true;
    for (size_t i = 0; i < n; ++i) {
        poly[i] = {xs[i], ys[i]};
        if (xs[i] < box.xmin || xs[i] > box.xmax || ys[i] < box.ymin || ys[i] > box.ymax)
            inside = false;
    }
    if (!inside) {
        // Clip against each edge of the box in turn.
        for (int edge = 0; edge < 4 && !poly.empty(); ++edge) {
            auto in = [&](const P& p) {
                switch (edge) {
                case 0: return p.x >= box.xmin;
                case 1: return p.x <= box.xmax;
                case 2: return p.y >= box.ymin;
                default: return p.y <= box.ymax;
                }
            };
            auto cross = [&](const P& a, const P& b) {
                double t;
                switch (edge) {
                case 0: t = (box.xmin - a.x) / (b.x - a.x); break;
                case 1: t = (box.xmax - a.x) / (b.x - a.x); break;
                case 2: t = (box.ymin - a.y) / (b.y - a.y); break;
                default: t = (box.ymax - a.y) / (b.y - a.y); break;
                }
                return P{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
            };
            next.clear();
            for (size_t i = 0; i < poly.size(); ++i) {
                const P& cur = poly[i];
                const P& prev = poly[(i + poly.size() - 1) % poly.size()];
                const bool ci = in(cur), pi = in(prev);
                if (ci) {
                    if (!pi) next.push_back(cross(prev, cur));
                    next.push_back(cur);
                } else if (pi) {
                    next.push_back(cross(prev, cur));
                }
            }
            poly.swap(next);
        }
        if (poly.size() < 3) return out;
    }
    out.reserve(poly.size());
    for (const P& p : poly) {
        const platform::DevicePoint d = WorldToPixel(p.x, p.y);
        if (out.empty() || !(out.back() == d)) out.push_back(d);
    }
    if (out.size() > 1 && out.front() == out.back()) out.pop_back();
    if (out.size() < 3) out.clear();
    return out;
}

// ---------------------------------------------------------------------------------------------
// Navigation

void Cpp_Graphics::ZoomInAt(double x, double y) {
    const double w = (world_.xmax - world_.xmin) / zoomFactor_ / 2;
    const double h = (world_.ymax - world_.ymin) / zoomFactor_ / 2;
    world_ = {x - w, x + w, y - h, y + h};
    stale_ = true;
}

void Cpp_Graphics::ZoomOutAt(double x, double y) {
    const double w = (world_.xmax - world_.xmin) * zoomFactor_ / 2;
    const double h = (world_.ymax - world_.ymin) * zoomFactor_ / 2;
    world_ = {x - w, x + w, y - h, y + h};
    stale_ = true;
}

void Cpp_Graphics::ZoomAtPixel(bool zoomIn, double px, double py) {
    const double x0 = PixelToX(px);
    const double y0 = PixelToY(py);
    const double f = zoomIn ? 2.0 : 0.5;
    xScale_ *= f;
    yScale_ *= f;
    xOffset_ = px - xScale_ * x0;
    yOffset_ = py - yScale_ * y0;
    visible_.xmin = x0 - (x0 - visible_.xmin) / f;
    visible_.xmax = x0 + (visible_.xmax - x0) / f;
    visible_.ymin = y0 - (y0 - visible_.ymin) / f;
    visible_.ymax = y0 + (visible_.ymax - y0) / f;
}

void Cpp_Graphics::PanWindow(double x1, double y1, double x2, double y2) {
    const double dx = x1 - x2, dy = y1 - y2;
    world_.xmin += dx;
    world_.xmax += dx;
    world_.ymin += dy;
    world_.ymax += dy;
    stale_ = true;
}

void Cpp_Graphics::ScrollPixels(int dx, int dy) {
    if (dx != 0) {
        xOffset_ += dx;
        const double w = visible_.xmax - visible_.xmin;
        visible_.xmin -= dx / xScale_;
        visible_.xmax = visible_.xmin + w;
    }
    if (dy != 0) {
        yOffset_ += dy;
        const double h = visible_.ymax - visible_.ymin;
        visible_.ymin -= dy / yScale_;
        visible_.ymax = visible_.ymin + h;
    }
}

void Cpp_Graphics::SaveScaleState() {
    saved_ = {drawingArea_, world_, xScale_, yScale_, xOffset_, yOffset_};
    g_savedView = {visible_, stale_, originX_, originY_, pageRect_, clipRect_};
    for (ScaleParticipant* p : participants_) p->SaveScale();
}

void Cpp_Graphics::RestoreScaleState() {
    drawingArea_ = saved_.drawingArea;
    world_ = saved_.world;
    xScale_ = saved_.xScale;
    yScale_ = saved_.yScale;
    xOffset_ = saved_.xOffset;
    yOffset_ = saved_.yOffset;
    visible_ = g_savedView.visible;
    stale_ = g_savedView.stale;
    originX_ = g_savedView.originX;
    originY_ = g_savedView.originY;
    pageRect_ = g_savedView.pageRect;
    clipRect_ = g_savedView.clipRect;
    for (ScaleParticipant* p : participants_) p->RestoreScale();
}

void Cpp_Graphics::GetViewRecord(s_ViewRecordType& view) {
    view.world[0] = world_.xmin;
    view.world[1] = world_.xmax;
    view.world[2] = world_.ymin;
    view.world[3] = world_.ymax;
    view.mapping[0] = xOffset_;
    view.mapping[1] = xScale_;
    view.mapping[2] = yOffset_;
    view.mapping[3] = yScale_;
    view.visible[0] = visible_.xmin;
    view.visible[1] = visible_.xmax;
    view.visible[2] = visible_.ymin;
    view.visible[3] = visible_.ymax;
}

void Cpp_Graphics::SetScaleState(double xmin, double xmax, double ymin, double ymax, double xOffset,
                                 double xScale, double yOffset, double yScale, double visXmin,
                                 double visXmax, double visYmin, double visYmax) {
    world_ = {xmin, xmax, ymin, ymax};
    xOffset_ = xOffset;
    xScale_ = xScale;
    yOffset_ = yOffset;
    yScale_ = yScale;
    visible_ = {visXmin, visXmax, visYmin, visYmax};
}

bool Cpp_Graphics::DrawOnPicture(const PictureDrawing& draw) {
    if (!window_ || !draw) return false;
    return window_->DrawOnPicture([&](platform::DeviceContext& dc) {
        Cpp_ScopedGraphicsDC current(dc, kOutputScreen);
        return draw(dc);
    });
}

bool Cpp_Graphics::DrawOnView(const platform::DeviceRect& touched, const OverlayDrawing& draw) {
    if (!window_ || !draw) return false;
    return window_->DrawOverlay(touched, [&](platform::DeviceContext& dc) {
        Cpp_ScopedGraphicsDC current(dc, kOutputScreen);
        draw(dc);
    });
}
