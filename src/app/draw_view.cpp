#include "app/draw_view.h"

#include "app/exception_report.h"
#include "core/units.h"
#include "graphics/axes.h"
#include "graphics/graphic_grid.h"
#include "graphics/palette.h"
#include "graphics/print_header_footer.h"
#include "loads/distributed_load_data.h"
#include "loads/line_load.h"
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

void ZoomToExtents() {
    RefreshLargestValues();
    Cpp_Graphics::WorldRect extents;
    if (ExtentsOfAllDataSets(extents)) {
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

bool SetUpViewMapping(platform::DeviceContext& dc, const platform::DeviceRect& rect,
                      Cpp_Graphics::ViewWindow* window, bool printing) {
    Cpp_Graphics::SetOutputMode(printing ? Cpp_Graphics::kOutputPrinter
                                         : Cpp_Graphics::kOutputScreen);
    Cpp_Graphics::SetWindowPointer(window);
    Cpp_Graphics::SetScaleToFit(GetUnitSystem(), rect.left, rect.right, rect.bottom, rect.top,
                                dc.PixelsPerInchX(), dc.PixelsPerInchY());
    Cpp_Graphics::SetPrintRects(rect.left, rect.top, rect.right, rect.bottom);
    Cpp_GraphicGrid::ComputeGridPositions(rect.left, rect.top, rect.right, rect.bottom);
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
