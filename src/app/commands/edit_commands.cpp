// The Edit menu: copying the drawing to the clipboard, deleting every construction line or
// circle, the triangulation commands on the selected interpolation data set, rescaling
// coordinates and renumbering lines by clicking; from the edit menu of a selected point the
// distance tool and the pressures at the point.

#include "app/commands/command_table.h"
#include "app/draw_view.h"
#include "app/drawing_view.h"
#include "app/main_frame.h"
#include "editing/construction_items.h"
#include "editing/point_distances.h"
#include "editing/renumber_lines.h"
#include "editing/rescale_coordinates.h"
#include "editing/selection_commands.h"
#include "editing/selection_list.h"
#include "graphics/graphics.h"
#include "graphics/print_page.h"
#include "model/data_sets.h"
#include "platform/services.h"

namespace app {

namespace {

void CopyView(MainFrame& frame) {
    DrawingView& view = *frame.View();
    const int ppi = view.logicalDpiX();
    const bool ok = CopyDrawingToClipboard(
        view.width(), view.height(), ppi,
        [&view](platform::DeviceContext& dc, const platform::DeviceRect& rect) {
            Cpp_Graphics::InvalidateScale();
            DrawView(dc, rect, view.ViewWindow(), false);
        });
    Cpp_Graphics::InvalidateScale();
    frame.Redraw();
    platform::Services().StatusLine().SetText(ok ? "The drawing was copied to the clipboard."
                                                 : "The drawing could not be copied.");
}

// The construction items change: no selected record may point at them any more.
void ForgetSelections() {
    GetCurrentSelection().Clear();
    GetPickList().Clear();
    Cpp_SelectionList::NoteModelChange();
}

}  // namespace

void AddEditCommands(CommandTable& table) {
    table.Add(ID_EDIT_COPY, CopyView);
    table.Add(ID_DELETE_ALL_CONSTRUCTION_LINES, [](MainFrame& f) {
        ForgetSelections();
        DeleteAllConstructionLines();
        f.Redraw();
    });
    table.Add(ID_DELETE_ALL_CONSTRUCTION_CIRCLES, [](MainFrame& f) {
        ForgetSelections();
        DeleteAllConstructionCircles();
        f.Redraw();
    });
    table.Add(ID_RETRIANGULATE, [](MainFrame& f) {
        if (RetriangulateSelection(GetCurrentSelection())) f.Redraw();
    });
    table.Add(ID_RESCALE_COORDINATES, [](MainFrame&) { RescaleCoordinates::Start(); });
    table.Add(ID_RENUMBER_PROFILE_LINES, [](MainFrame&) {
        RenumberLines::Start(Cpp_Kliven4Data::CurrentDataSet(), RenumberLines::ProfileLines);
    });
    table.Add(ID_RENUMBER_REINFORCEMENT_LINES, [](MainFrame&) {
        RenumberLines::Start(Cpp_Kliven4Data::CurrentDataSet(), RenumberLines::ReinforcementLines);
    });
    // Measuring from the selected point, and the pressures at it.
    table.Add(ID_COMPUTE_DISTANCE, [](MainFrame&) { StartComputeDistance(); });
    table.Add(ID_COMPUTE_OVERBURDEN_AT_SELECTION,
              [](MainFrame&) { ComputeOverburdenPressureOfSelection(); });
    table.Add(ID_COMPUTE_PORE_PRESSURE_AT_SELECTION,
              [](MainFrame&) { ComputePoreWaterPressureOfSelection(); });
    table.Add(ID_RENUMBER_PIEZOMETRIC_LINES, [](MainFrame&) {
        RenumberLines::Start(Cpp_Kliven4Data::CurrentDataSet(), RenumberLines::PiezometricLines);
    });
}

}  // namespace app
