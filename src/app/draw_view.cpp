#include "app/draw_view.h"

#include "app/exception_report.h"
#include "core/units.h"
#include "editing/construction_items.h"
#include "graphics/axes.h"
#include "graphics/graphic_grid.h"
#include "graphics/palette.h"
#include "graphics/print_header_footer.h"
#include "loads/distributed_load_data.h"
#include "loads/geogrid_data.h"
#include "loads/line_load.h"
#include "loads/nail_data.h"
#include "loads/reinforcement_line.h"
#include "model/data_sets.h"
#include "model/view_painting.h"

#include <algorithm>
#include <vector>

namespace app {

namespace {
bool initialized = false;
}  // namespace

bool ExtentsOfAllDataSets(Cpp_Graphics::WorldRect& r) {
    return Cpp_Kliven4Data::ExtentsOfAllDataSets(r.xmin, r.xmax, r.ymin, r.ymax);
}

void RefreshLargestValues() {
    Cpp_DistributedLoadData::SetLargestValue(Cpp_Kliven4Data::MaximumDistributedLoad());
    Cpp_LineLoadList::SetLargestForce(Cpp_Kliven4Data::MaximumLineLoad());
    Cpp_ReinforcementLineList::SetLargestForce(Cpp_Kliven4Data::MaximumReinforcementForce());
}

namespace {

// Widens the extents by a source that has some; the first source starts them.
void Merge(bool& have, Cpp_Graphics::WorldRect& r, double xmin, double xmax, double ymin,
           double ymax) {
    if (!have) {
        r = {xmin, xmax, ymin, ymax};
        have = true;
        return;
    }
    r.xmin = std::min(r.xmin, xmin);
    r.xmax = std::max(r.xmax, xmax);
    r.ymin = std::min(r.ymin, ymin);
    r.ymax = std::max(r.ymax, ymax);
}

// The rectangle the mapping fits the world window into: the client rectangle less the axis band
// (when the axes are shown) and a tenth of an inch on every side.
platform::DeviceRect FittedArea(const platform::DeviceRect& client, int ppiX, int ppiY) {
    int l = client.left, r = client.right, t = client.top, b = client.bottom;
    if (Cpp_Axes::AxesShown()) {
        const int mx = static_cast<int>(Cpp_Axes::AxisMarginInches() * ppiX);
        const int my = static_cast<int>(Cpp_Axes::AxisMarginInches() * ppiY);
        l += mx, r -= mx, t += my, b -= my;
    }
    const int gx = static_cast<int>(0.1 * ppiX);
    const int gy = static_cast<int>(0.1 * ppiY);
    return {l + gx, t + gy, r - gx, b - gy};
}

// The client rectangle less the axis band: the area a scroll step is a tenth of.
platform::DeviceRect InnerArea(const Cpp_Graphics::ViewWindow& window) {
    platform::DeviceRect r = window.ClientRect();
    if (Cpp_Axes::AxesShown()) {
        const int mx = static_cast<int>(Cpp_Axes::AxisMarginInches() * window.PixelsPerInchX());
        const int my = static_cast<int>(Cpp_Axes::AxisMarginInches() * window.PixelsPerInchY());
        r = {r.left + mx, r.top + my, r.right - mx, r.bottom - my};
    }
    return r;
}

}  // namespace

void ZoomToExtents() {
    RefreshLargestValues();
    Cpp_Graphics::WorldRect extents;
    bool have = ExtentsOfAllDataSets(extents);
    double a = 0, b = 0, c = 0, d = 0;
    for (const auto& line : GetConstructionLineList().Lines())
        if (line->GetExtents(a, b, c, d)) Merge(have, extents, a, b, c, d);
    if (Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSetOrNull()) {
        if (dataSet->SoilNails()->GetBounds(a, b, c, d)) Merge(have, extents, a, b, c, d);
        if (dataSet->Geogrids()->GetBounds(a, b, c, d)) Merge(have, extents, a, b, c, d);
    }
    if (have) {
        ::ZoomToExtents(extents.xmin, extents.xmax, extents.ymin, extents.ymax);
        return;
    }
    // Without data the previous extents stay; empty extents would leave nothing to show.
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    Cpp_Graphics::GetDataExtents(xmin, xmax, ymin, ymax);
    if (xmin < xmax || ymin < ymax)
        Cpp_Graphics::WindowToDataExtents();
    else
        Cpp_Graphics::InvalidateScale();
}

void KeepScaleAndCentre(const Cpp_Graphics::ViewWindow& window) {
    const double s = Cpp_Graphics::XScale();
    if (Cpp_Graphics::ScaleIsStale() || !(s > 0)) {
        Cpp_Graphics::InvalidateScale();
        return;
    }
    const platform::DeviceRect area =
        FittedArea(window.ClientRect(), window.PixelsPerInchX(), window.PixelsPerInchY());
    if (area.Width() <= 0 || area.Height() <= 0) return;  // no room: the next size refits
    const Cpp_Graphics::WorldRect shown = Cpp_Graphics::GetVisibleWindow();
    const double cx = (shown.xmin + shown.xmax) / 2;
    const double cy = (shown.ymin + shown.ymax) / 2;
    const double halfW = area.Width() / s / 2;
    const double halfH = area.Height() / s / 2;
    Cpp_Graphics::SetWindow(cx - halfW, cx + halfW, cy - halfH, cy + halfH);
    Cpp_Graphics::InvalidateScale();
}

void KeepShownWindow() {
    if (Cpp_Graphics::ScaleIsStale() || !(Cpp_Graphics::XScale() > 0)) return;
    const Cpp_Graphics::WorldRect shown = Cpp_Graphics::GetVisibleWindow();
    Cpp_Graphics::SetWindow(shown.xmin, shown.xmax, shown.ymin, shown.ymax);
}

bool GetScrollLimits(double& xLow, double& xHigh, double& yLow, double& yHigh) {
    if (!Cpp_Kliven4Data::CurrentDataSetOrNull()) return false;
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    Cpp_Graphics::GetDataExtents(xmin, xmax, ymin, ymax);
    const Cpp_Graphics::WorldRect shown = Cpp_Graphics::GetVisibleWindow();
    xLow = std::min(xmin, shown.xmin);
    xHigh = std::max(xmax, shown.xmax);
    yLow = std::min(ymin, shown.ymin);
    yHigh = std::max(ymax, shown.ymax);
    return true;
}

bool GetVisibleWindowSize(double& width, double& height) {
    if (!Cpp_Kliven4Data::CurrentDataSetOrNull()) return false;
    const Cpp_Graphics::WorldRect shown = Cpp_Graphics::GetVisibleWindow();
    width = shown.xmax - shown.xmin;
    height = shown.ymax - shown.ymin;
    return true;
}

bool ScrollView(const Cpp_Graphics::ViewWindow& window, int position, int horizontal,
                int vertical) {
    double xLow = 0, xHigh = 0, yLow = 0, yHigh = 0, width = 0, height = 0;
    if (!GetScrollLimits(xLow, xHigh, yLow, yHigh) || !GetVisibleWindowSize(width, height))
        return false;
    const platform::DeviceRect inner = InnerArea(window);
    const double f = std::clamp(position / static_cast<double>(kScrollLimit), 0.0, 1.0);
    const Cpp_Graphics::WorldRect shown = Cpp_Graphics::GetVisibleWindow();
    const double s = Cpp_Graphics::XScale();
    const auto step = [&](int code, int size, double toTarget) {
        switch (code) {
        case 0: return size / 10;
        case 1: return -(size / 10);
        case 2: return size;
        case 3: return -size;
        case 5: return static_cast<int>(toTarget * s);
        default: return 0;
        }
    };
    const int dx =
        step(horizontal, inner.Width(), shown.xmin - (xLow + f * (xHigh - width - xLow)));
    int dy = 0;
    if (dx == 0)
        dy =
            step(vertical, inner.Height(), (yLow + (1 - f) * (yHigh - height - yLow)) - shown.ymin);
    if (dx == 0 && dy == 0) return false;
    Cpp_Graphics::ScrollPixels(dx, dy);
    KeepShownWindow();
    return true;
}

bool DrawView(platform::DeviceContext& dc, const platform::DeviceRect& rect,
              Cpp_Graphics::ViewWindow* window, bool printing) {
    if (!initialized) return false;
    try {
        Cpp_Graphics::SetWindowPointer(window);
        PaintProblemView(dc, rect, Cpp_Kliven4Data::CurrentDataSetOrNull(),
                         printing ? Cpp_Graphics::kOutputPrinter : Cpp_Graphics::kOutputScreen,
                         GetUnitSystem());
        return true;
    } catch (...) {
        ReportEntryPointException("DrawView");
        return false;
    }
}

void InitializeView(Cpp_Graphics::ViewWindow* window) {
    Cpp_Graphics::SetWindowPointer(window);
    InitializeViewDrawing();
    if (!Cpp_Graphics::StartupFlag()) {
        Cpp_Graphics::SetDataRangeX(0, 1000);
        Cpp_Graphics::SetDataRangeY(0, 1000);
    }
    initialized = true;
}

bool ViewInitialized() { return initialized; }

void ResetView() { initialized = false; }

}  // namespace app
