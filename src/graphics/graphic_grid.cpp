#include "graphics/graphic_grid.h"

#include "core/format_text.h"
#include "core/input_lines.h"
#include "core/text_exception.h"
#include "core/units.h"
#include "graphics/drawing_attributes.h"
#include "graphics/graphics.h"
#include "graphics/point_symbols.h"
#include "platform/services.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>

double Cpp_GraphicGrid::xSpacing_ = 20.0, Cpp_GraphicGrid::ySpacing_ = 20.0;
double Cpp_GraphicGrid::xReciprocal_ = 1.0 / 20.0, Cpp_GraphicGrid::yReciprocal_ = 1.0 / 20.0;
double Cpp_GraphicGrid::horizontalZero_ = 0.0, Cpp_GraphicGrid::verticalZero_ = 0.0;
int Cpp_GraphicGrid::pointsIncrement_ = 1;
int Cpp_GraphicGrid::linesIncrementX_ = 5, Cpp_GraphicGrid::linesIncrementY_ = 5;
bool Cpp_GraphicGrid::displayPoints_ = true, Cpp_GraphicGrid::displayLines_ = true,
     Cpp_GraphicGrid::snap_ = false;
bool Cpp_GraphicGrid::appDisplayPoints_ = false, Cpp_GraphicGrid::appDisplayLines_ = false,
     Cpp_GraphicGrid::appSnap_ = false;
Cpp_GraphicGrid::Defaults Cpp_GraphicGrid::defaults_[3] = {{1.0, 1, 5}, {0.25, 1, 4}, {1.0, 1, 5}};
bool Cpp_GraphicGrid::valid_ = false;
std::vector<int> Cpp_GraphicGrid::pointColumns_, Cpp_GraphicGrid::pointRows_,
    Cpp_GraphicGrid::verticalLines_, Cpp_GraphicGrid::horizontalLines_;
int Cpp_GraphicGrid::verticalTop_ = 0, Cpp_GraphicGrid::verticalBottom_ = 0,
    Cpp_GraphicGrid::horizontalLeft_ = 0, Cpp_GraphicGrid::horizontalRight_ = 0;

namespace {

class CancellingGridDialog final : public Cpp_GraphicGrid::SettingsDialog {
public:
    bool Run(s_GridSettingsType&) override { return false; }
};

}  // namespace

DialogSlot<Cpp_GraphicGrid::SettingsDialog>& Cpp_GraphicGrid::SettingsDialogSlot() {
    static DialogSlot<SettingsDialog> slot("grid settings dialog",
                                           std::make_unique<CancellingGridDialog>());
    return slot;
}

void Cpp_GraphicGrid::Reset() {
    SettingsDialogSlot().Reset();
    xSpacing_ = ySpacing_ = 20.0;
    xReciprocal_ = yReciprocal_ = 1.0 / 20.0;
    horizontalZero_ = verticalZero_ = 0.0;
    pointsIncrement_ = 1;
    linesIncrementX_ = linesIncrementY_ = 5;
    displayPoints_ = displayLines_ = true;
    snap_ = false;
    appDisplayPoints_ = appDisplayLines_ = appSnap_ = false;
    defaults_[0] = {1.0, 1, 5};
    defaults_[1] = {0.25, 1, 4};
    defaults_[2] = {1.0, 1, 5};
    FreeGridArrays();
}

namespace {

bool ValidSpacing(double s) { return std::isfinite(s) && s > 0.0; }

}  // namespace

void Cpp_GraphicGrid::SetSpacing(double spacing) {
    xSpacing_ = ySpacing_ = spacing;
    xReciprocal_ = yReciprocal_ = 1.0 / spacing;
    valid_ = false;
}

int Cpp_GraphicGrid::UnitIndex(int unitSystem) {
    if (unitSystem == 2) return 1;
    if (unitSystem == 3) return 2;
    return 0;
}

Cpp_GraphicGrid::Defaults Cpp_GraphicGrid::UnitDefaults(int unitSystem) {
    return defaults_[UnitIndex(unitSystem)];
}

void Cpp_GraphicGrid::InitializeGridSettings() {
    const int unitSystem = GetUnitSystem();
    if (unitSystem > 3)
        throw Cpp_TextException("EXCEPTION: Cpp_GraphicGrid::InitializeGridSettings");
    displayPoints_ = appDisplayPoints_;
    displayLines_ = appDisplayLines_;
    snap_ = appSnap_;
    horizontalZero_ = verticalZero_ = 0.0;
    const Defaults& d = defaults_[UnitIndex(unitSystem)];
    SetSpacing(ValidSpacing(d.spacing) ? d.spacing : 1.0);
    pointsIncrement_ = d.pointsIncrement;
    linesIncrementX_ = linesIncrementY_ = d.linesIncrement;
}

void Cpp_GraphicGrid::ExchangeSettings(bool load) {
    static const char* const kSection = "GRAPHICS GRID";
    static const char* const kSpacing[3] = {"Grid Spacing English", "Grid Spacing SI",
                                            "Grid Spacing Other"};
    static const char* const kPoints[3] = {"Points Display Increment English",
                                           "Points Display Increment SI",
                                           "Points Display Increment Other"};
    static const char* const kLines[3] = {"Lines Display Increment English",
                                          "Lines Display Increment SI",
                                          "Lines Display Increment Other"};
    platform::ProfileService& profile = platform::Services().Profile();
    if (load) {
        for (int i = 0; i < 3; ++i) {
            if (auto v = profile.GetDouble(kSection, kSpacing[i]); v && ValidSpacing(*v))
                defaults_[i].spacing = *v;
        }
        for (int i = 0; i < 3; ++i)
            if (auto v = profile.GetInt(kSection, kPoints[i]); v && *v >= 1)
                defaults_[i].pointsIncrement = *v;
        for (int i = 0; i < 3; ++i)
            if (auto v = profile.GetInt(kSection, kLines[i]); v && *v >= 1)
                defaults_[i].linesIncrement = *v;
        if (auto v = profile.GetInt(kSection, "Display Grid Points")) appDisplayPoints_ = *v != 0;
        if (auto v = profile.GetInt(kSection, "Display Grid Lines")) appDisplayLines_ = *v != 0;
        if (auto v = profile.GetInt(kSection, "Grid Snap")) appSnap_ = *v != 0;
        return;
    }
    for (int i = 0; i < 3; ++i) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.6f", defaults_[i].spacing);
        profile.SetString(kSection, kSpacing[i], buffer);
    }
    for (int i = 0; i < 3; ++i) profile.SetInt(kSection, kPoints[i], defaults_[i].pointsIncrement);
    for (int i = 0; i < 3; ++i) profile.SetInt(kSection, kLines[i], defaults_[i].linesIncrement);
    profile.SetInt(kSection, "Display Grid Points", appDisplayPoints_ ? 1 : 0);
    profile.SetInt(kSection, "Display Grid Lines", appDisplayLines_ ? 1 : 0);
    profile.SetInt(kSection, "Grid Snap", appSnap_ ? 1 : 0);
}

s_GridSettingsType Cpp_GraphicGrid::CurrentSettings() {
    s_GridSettingsType s;
    s.spacing = xSpacing_;
    s.horizontalZero = horizontalZero_;
    s.verticalZero = verticalZero_;
    s.pointsIncrement = pointsIncrement_;
    s.linesIncrement = linesIncrementY_;
    s.displayPoints = displayPoints_;
    s.displayLines = displayLines_;
    s.snap = snap_;
    s.applyToApplication = false;
    return s;
}

bool Cpp_GraphicGrid::ApplySettings(const s_GridSettingsType& s) {
    if (!ValidSpacing(s.spacing) || s.pointsIncrement < 1 || s.linesIncrement < 1 ||
        !std::isfinite(s.horizontalZero) || !std::isfinite(s.verticalZero)) {
        platform::MessageBoxRequest box;
        box.caption = "Grid Settings";
        box.text = "The grid spacing must be greater than zero and the display increments at "
                   "least 1.";
        box.icon = platform::BoxIcon::Exclamation;
        platform::Services().MessageBoxes().Show(box);
        return false;
    }
    SetSpacing(s.spacing);
    horizontalZero_ = s.horizontalZero;
    verticalZero_ = s.verticalZero;
    pointsIncrement_ = s.pointsIncrement;
    linesIncrementX_ = linesIncrementY_ = s.linesIncrement;
    displayPoints_ = s.displayPoints;
    displayLines_ = s.displayLines;
    snap_ = s.snap;
    if (s.applyToApplication) {
        appDisplayPoints_ = s.displayPoints;
        appDisplayLines_ = s.displayLines;
        appSnap_ = s.snap;
        const int unitSystem = GetUnitSystem();
        if (unitSystem >= 0 && unitSystem <= 3) {
            Defaults& d = defaults_[UnitIndex(unitSystem)];
            d.pointsIncrement = s.pointsIncrement;
            d.spacing = s.spacing;
            d.linesIncrement = s.linesIncrement;
        }
        ExchangeSettings(false);
        platform::Services().Profile().Flush();
    }
    return true;
}

bool Cpp_GraphicGrid::EditSettings() {
    s_GridSettingsType s = CurrentSettings();
    for (;;) {
        if (!SettingsDialogSlot().Get().Run(s)) return false;
        if (ApplySettings(s)) return true;
    }
}

void Cpp_GraphicGrid::IncreaseSpacing() {
    const double s = xSpacing_ * 2.0;
    if (ValidSpacing(s)) SetSpacing(s);
}

void Cpp_GraphicGrid::DecreaseSpacing() {
    const double s = xSpacing_ * 0.5;
    if (ValidSpacing(s)) SetSpacing(s);
}

namespace {

// The multiplier that leaves at most 1000 positions over the range with the given step.
double Multiplier(double range, double step) {
    const double n = std::trunc(range / step + 1.0);
    if (!(n > Cpp_GraphicGrid::kMaximumPositions)) return 1.0;
    double m = std::max(2.0, std::floor(range / (step * Cpp_GraphicGrid::kMaximumPositions)));
    // A few steps at most either way; at magnitudes where m + 1 == m the factor step keeps the
    // search finite.
    for (int i = 0;
         i < 8 && m > 2.0 &&
         std::trunc(range / (step * (m - 1.0)) + 1.0) <= Cpp_GraphicGrid::kMaximumPositions;
         ++i)
        m -= 1.0;
    for (int i = 0;
         i < 64 && std::trunc(range / (step * m) + 1.0) > Cpp_GraphicGrid::kMaximumPositions; ++i)
        m = std::max(m + 1.0, m * 1.001);
    return m;
}

// The first position at or after mn - tol that lies a whole number of steps from the grid zero,
// so that drawn points and lines sit where snapping puts points, whatever the window.
double FirstPosition(double zero, double mn, double tol, double step) {
    return zero + std::ceil((mn - zero - tol) / step) * step;
}

}  // namespace

bool Cpp_GraphicGrid::ComputeGridPositions(int, int, int, int) {
    const Cpp_Graphics::WorldRect v = Cpp_Graphics::GetVisibleWindow();
    pointColumns_.clear();
    pointRows_.clear();
    verticalLines_.clear();
    horizontalLines_.clear();
    const double xr = v.xmax - v.xmin, yr = v.ymax - v.ymin;
    if (!ValidSpacing(xSpacing_) || !ValidSpacing(ySpacing_) || !(xr > 0) || !(yr > 0) ||
        !std::isfinite(xr) || !std::isfinite(yr)) {
        valid_ = true;  // nothing to draw
        return true;
    }
    const double tol = 1e-6 * std::sqrt(xr * xr + yr * yr);
    const double p = std::max(1, pointsIncrement_);

    if (displayPoints_) {
        const double nx = std::trunc(xr / (p * xSpacing_) + 1.0);
        const double ny = std::trunc(yr / (p * ySpacing_) + 1.0);
        const double sx = xSpacing_ * Multiplier(xr, p * xSpacing_) * p;
        const double sy = ySpacing_ * Multiplier(yr, p * ySpacing_) * p;
        const double x0 = FirstPosition(horizontalZero_, v.xmin, tol, sx);
        const double y0 = FirstPosition(verticalZero_, v.ymin, tol, sy);
        for (int i = 0; i < kMaximumPositions && i < nx; ++i) {
            const double x = x0 + i * sx;
            if (!(x < v.xmax)) break;
            pointColumns_.push_back(Cpp_Graphics::XToPixel(x));
        }
        for (int i = 0; i < kMaximumPositions && i < ny; ++i) {
            const double y = y0 + i * sy;
            if (!(y < v.ymax)) break;
            pointRows_.push_back(Cpp_Graphics::YToPixel(y));
        }
    }
    if (displayLines_) {
        const double lx = std::max(1, linesIncrementX_), ly = std::max(1, linesIncrementY_);
        const double nx = std::trunc(xr / (lx * xSpacing_) + 1.0);
        const double ny = std::trunc(yr / (ly * ySpacing_) + 1.0);
        const double sx = xSpacing_ * Multiplier(xr, lx * xSpacing_) * lx;
        const double sy = ySpacing_ * Multiplier(yr, ly * ySpacing_) * ly;
        double x0 = FirstPosition(horizontalZero_, v.xmin, tol, sx);
        double y0 = FirstPosition(verticalZero_, v.ymin, tol, sy);
        if (std::fabs(x0 - v.xmin) <= 1e-6 * xr) x0 += sx;
        if (std::fabs(y0 - v.ymin) <= 1e-6 * yr) y0 += sy;
        for (int i = 0; i < kMaximumPositions && i < nx; ++i) {
            const double x = x0 + i * sx;
            if (!(x <= v.xmax + 1e-6 * xr)) break;
            verticalLines_.push_back(Cpp_Graphics::XToPixel(x));
        }
        for (int i = 0; i < kMaximumPositions && i < ny; ++i) {
            const double y = y0 + i * sy;
            if (!(y <= v.ymax + 1e-6 * yr)) break;
            horizontalLines_.push_back(Cpp_Graphics::YToPixel(y));
        }
        verticalTop_ = Cpp_Graphics::YToPixel(v.ymin) - 1;
        verticalBottom_ = Cpp_Graphics::YToPixel(v.ymax);
        horizontalLeft_ = Cpp_Graphics::XToPixel(v.xmin) + 1;
        horizontalRight_ = Cpp_Graphics::XToPixel(v.xmax);
    }
    valid_ = true;
    return true;
}

bool Cpp_GraphicGrid::DrawGrid() {
    if (!valid_) return false;
    platform::DeviceContext* dcp = Cpp_Graphics::GetCurrentDC();
    if (!dcp) return false;
    platform::DeviceContext& dc = *dcp;
    if (!pointColumns_.empty() && !pointRows_.empty()) {
        std::vector<platform::DevicePoint> points;
        points.reserve(pointColumns_.size() * pointRows_.size());
        for (int y : pointRows_)
            for (int x : pointColumns_) points.push_back({x, y});
        dc.DrawPoints(points, 0x808080, 3);
    }
    if (!verticalLines_.empty() || !horizontalLines_.empty()) {
        std::vector<std::vector<platform::DevicePoint>> lines;
        lines.reserve(verticalLines_.size() + horizontalLines_.size());
        for (int x : verticalLines_) lines.push_back({{x, verticalTop_}, {x, verticalBottom_}});
        for (int y : horizontalLines_)
            lines.push_back({{horizontalLeft_, y}, {horizontalRight_, y}});
        platform::ScopedDcState state(dc);
        dc.SetPen({platform::PenStyle::Dot, 1, 0xC0C0C0});
        dc.PolyPolyline(lines);
    }
    if (Cpp_Graphics::IsVisible(0.0, 0.0)) {
        s_SymbolAttributesType a;
        a.markerSize = s_MarkerSizeType(static_cast<short>(10));
        a.penWidth = s_LineWidthType(static_cast<short>(1));
        a.style = 1;
        a.colour = s_ColorType::FromRGB(0x0000FF);
        a.backgroundFill = dc.GetBkColor();
        SetupPointPens(dc, a);
        DrawSymbol(dc, 0.0, 0.0);
        DeletePointPens();
    }
    return true;
}

namespace {

double Near(double t) {
    const double f = std::floor(t);
    return (t - f > 0.5) ? f + 1.0 : f;
}

}  // namespace

bool Cpp_GraphicGrid::SnapToGrid(double& x, double& y, bool force) {
    if (!snap_ && !force) return false;
    if (!ValidSpacing(xSpacing_) || !ValidSpacing(ySpacing_)) return false;
    x = xSpacing_ * Near((x - horizontalZero_) * xReciprocal_) + horizontalZero_;
    y = ySpacing_ * Near((y - verticalZero_) * yReciprocal_) + verticalZero_;
    return true;
}

void Cpp_GraphicGrid::WriteKLIVEN4InputDataFile(std::ostream& out) {
    // Whole lines however wide the numbers, so that a far grid zero still reads back.
    out << "GRId settings follow -\n";
    out << FormatText("%20.10f = Grid spacing\n", xSpacing_);
    out << FormatText("%20.10f = Horizontal grid zero\n", horizontalZero_);
    out << FormatText("%20.10f = Vertical grid zero\n", verticalZero_);
    out << FormatText("%10d = Points display increment\n", pointsIncrement_);
    out << FormatText("%10d = Lines display increment\n", linesIncrementY_);
    out << (displayPoints_ ? "1 = Display points\n" : "0 = Do not display points\n");
    out << (displayLines_ ? "1 = Display lines\n" : "0 = Do not display lines\n");
    out << (snap_ ? "1 = Snap\n" : "0 = Do not snap\n");
}

bool Cpp_GraphicGrid::ReadInput(std::FILE* file) {
    const double previousSpacing = xSpacing_;
    SetSpacing(1.0);
    horizontalZero_ = verticalZero_ = 0.0;
    pointsIncrement_ = 1;
    linesIncrementX_ = 1;
    linesIncrementY_ = 5;
    displayPoints_ = displayLines_ = snap_ = false;
    bool spacingRefused = false;
    for (int line = 0; line < 8; ++line) {
        s_InputLineType rec;
        rec.maxValues = 0;
        if (!ReadNumberLine(file, rec) || rec.numValues != 1) {
            if (spacingRefused) SetSpacing(previousSpacing);
            return false;
        }
        const double v = rec.values[0];
        switch (line) {
        case 0:
            if (ValidSpacing(v)) {
                SetSpacing(v);
            } else {
                spacingRefused = true;
                SetSpacing(previousSpacing);
            }
            break;
        case 1: horizontalZero_ = v; break;
        case 2: verticalZero_ = v; break;
        case 3: {
            const int n = static_cast<int>(std::fmax(-1e9, std::fmin(1e9, v)));
            pointsIncrement_ = n >= 1 ? n : 1;
            break;
        }
        case 4: {
            const int n = static_cast<int>(std::fmax(-1e9, std::fmin(1e9, v)));
            linesIncrementX_ = linesIncrementY_ = n >= 1 ? n : 1;
            break;
        }
        case 5: displayPoints_ = v == 1.0; break;
        case 6: displayLines_ = v == 1.0; break;
        case 7: snap_ = v == 1.0; break;
        }
    }
    return !spacingRefused;
}

void Cpp_GraphicGrid::FreeGridArrays() {
    pointColumns_.clear();
    pointRows_.clear();
    verticalLines_.clear();
    horizontalLines_.clear();
    pointColumns_.shrink_to_fit();
    pointRows_.shrink_to_fit();
    verticalLines_.shrink_to_fit();
    horizontalLines_.shrink_to_fit();
    valid_ = false;
}
