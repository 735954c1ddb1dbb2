#include "model/view_painting.h"

#include "model/analysis_layers.h"

#include "graphics/axes.h"
#include "graphics/graphic_grid.h"
#include "graphics/graphics.h"
#include "graphics/line_styles.h"
#include "graphics/palette.h"
#include "graphics/print_header_footer.h"
#include "model/data_set.h"
#include "model/exception_report.h"
#include "model/load_drawing_layers.h"
#include "model/subsystem_registration.h"
#include "model/view_layers.h"
#include "registry/view_preparations.h"

#include <algorithm>

void InitializeViewDrawing() {
    RegisterDrawingLayers();
    Cpp_WindowsPalette::Create();
    Cpp_GraphicInit::InitializeLineStyles();
    Cpp_PrintHeaderFooter::InitializeDefaults();
    try {
        Cpp_GraphicGrid::ExchangeSettings(true);
        Cpp_GraphicGrid::InitializeGridSettings();
    } catch (...) {}
    if (!Cpp_Graphics::StartupFlag()) {
        Cpp_Graphics::SetWindow(0, 1000, 0, 1000);
        Cpp_Graphics::InvalidateScale();
    }
}

void PaintProblemViewLayers(platform::DeviceContext& dc, const platform::DeviceRect& rect,
                            Cpp_Kliven4DataSet* dataSet, int outputMode, int unitSystem,
                            e_ViewLayers layers) {
    Cpp_ScopedGraphicsDC current(dc, outputMode);
    try {
        if (Cpp_GraphicInit::StyleCount() == 0) Cpp_GraphicInit::InitializeLineStyles();
        const int ppiX = Cpp_Graphics::PixelsPerInch(&dc, true);
        const int ppiY = Cpp_Graphics::PixelsPerInch(&dc, false);
        Cpp_Graphics::SetScaleToFit(unitSystem, rect.left, rect.right, rect.bottom, rect.top, ppiX,
                                    ppiY);
        Cpp_Graphics::SetPrintRects(rect.left, rect.top, rect.right, rect.bottom);
        if (Cpp_Graphics::ScaleIsStale()) return;
        const bool screen = outputMode == Cpp_Graphics::kOutputScreen;
        if (layers != e_ViewLayers::Marks) {
            if (screen)
                Cpp_GraphicGrid::ComputeGridPositions(rect.left, rect.top, rect.right, rect.bottom);
            if (dataSet) RunViewPreparations(*dataSet);
            if (Cpp_Axes::AxesShown())
                Cpp_Axes::DrawAxes(dc, rect.left, rect.top, rect.right, rect.bottom);
            const platform::DeviceRect frame = Cpp_Axes::AxesShown() ? Cpp_Axes::Frame() : rect;
            if (dataSet)
                dataSet->Draw(Cpp_Graphics::VisibleYMin(), true, frame.left, frame.top, frame.right,
                              frame.bottom);
            {
                platform::ScopedDcState state(dc);
                RunAfterDataDrawings(e_AfterDataStep::ConstructionItems, dc, dataSet);
            }
            if (screen) {
                platform::ScopedDcState state(dc);
                dc.SetClipRect(frame);
                Cpp_GraphicGrid::DrawGrid();
            }
        }
        if (screen && layers != e_ViewLayers::Data) {
            for (e_AfterDataStep step :
                 {e_AfterDataStep::SelectionMarks, e_AfterDataStep::NavigationFigures,
                  e_AfterDataStep::ToolFeedback}) {
                platform::ScopedDcState state(dc);
                RunAfterDataDrawings(step, dc, dataSet);
            }
        }
    } catch (...) {
        // What was drawn stays; the failure is reported like that of any entry point.
        ReportEntryPointException("DrawView");
    }
}

void PaintProblemView(platform::DeviceContext& dc, const platform::DeviceRect& rect,
                      Cpp_Kliven4DataSet* dataSet, int outputMode, int unitSystem) {
    PaintProblemViewLayers(dc, rect, dataSet, outputMode, unitSystem, e_ViewLayers::All);
}

void ZoomToExtents(double xmin, double xmax, double ymin, double ymax) {
    Cpp_Graphics::SetDataRangeX(xmin, xmax);
    Cpp_Graphics::SetDataRangeY(ymin, ymax);
    UpdateLoadScaleMaxima();
    UpdateSliceScaleMaxima();
    Cpp_Graphics::WindowToDataExtents();
}
