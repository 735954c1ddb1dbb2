// The Edit menu: copying the drawing to the clipboard; the construction-line, triangulation,
// rescaling and renumbering commands are not there yet.

#include "app/commands/command_table.h"
#include "app/draw_view.h"
#include "app/drawing_view.h"
#include "app/main_frame.h"
#include "graphics/graphics.h"
#include "graphics/print_page.h"
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

}  // namespace

void AddEditCommands(CommandTable& table) {
    table.Add(ID_EDIT_COPY, CopyView);
    for (int id :
         {ID_DELETE_ALL_CONSTRUCTION_LINES, ID_DELETE_ALL_CONSTRUCTION_CIRCLES, ID_RETRIANGULATE,
          ID_DELETE_TRIANGLES_OUTSIDE_MATERIAL, ID_RESCALE_COORDINATES, ID_RENUMBER_PROFILE_LINES,
          ID_RENUMBER_REINFORCEMENT_LINES, ID_RENUMBER_PIEZOMETRIC_LINES})
        table.Add(id, NotAvailableYet(id));
}

}  // namespace app
