// The View and Window menus and the tool bar's zoom buttons: the tool bar, the status bar, the
// information window and the "Show" palette shown or hidden; display bounds, refresh, zoom and
// the six stored views.

#include "app/commands/command_table.h"
#include "app/draw_view.h"
#include "app/drawing_view.h"
#include "app/main_frame.h"
#include "app/palette_bar.h"
#include "core/dialog_slot.h"
#include "core/units.h"
#include "editing/interpolation_tool.h"
#include "editing/selection_information.h"
#include "editing/selection_list.h"
#include "editing/view_input.h"
#include "editing/view_navigation.h"
#include "graphics/graphics.h"
#include "graphics/views.h"
#include "platform/services.h"

#include <QStatusBar>
#include <QToolBar>

namespace app {

namespace {

void ToggleInformationWindow(MainFrame&) {
    ToggleInformationWindowForSelection(GetCurrentSelection());
}

void Refresh(MainFrame& frame) {
    Cpp_Graphics::InvalidateScale();
    frame.Redraw();
}

// Zoom Window starts at the last cursor pixel in the view.
void ZoomWindow(MainFrame&) {
    int x = 0, y = 0;
    GetZoomAnchor(x, y);
    StartZoomWindow(x, y);
}

void ZoomAll(MainFrame& frame) {
    ZoomToExtents();
    frame.Redraw();
}

}  // namespace

void AddWindowCommands(CommandTable& table) {
    table.Add(
        ID_VIEW_TOOLBAR,
        [](MainFrame& f) { f.MainToolBar()->setVisible(f.MainToolBar()->isHidden()); }, {},
        [](const MainFrame& f) { return !f.MainToolBar()->isHidden(); });
    table.Add(
        ID_VIEW_STATUS_BAR,
        [](MainFrame& f) { f.statusBar()->setVisible(f.statusBar()->isHidden()); }, {},
        [](const MainFrame& f) { return !f.statusBar()->isHidden(); });
    table.Add(ID_DATA_INFORMATION_WINDOW, ToggleInformationWindow, {},
              [](const MainFrame&) { return platform::Services().InfoWindow().IsVisible(); });
    table.Add(
        ID_DISPLAY_SELECTION_PALETTE,
        [](MainFrame& f) { f.PaletteBar()->setVisible(!f.PaletteBar()->isVisible()); }, {},
        [](const MainFrame& f) { return f.PaletteBar() && f.PaletteBar()->isVisible(); });

    table.Add(ID_SET_DISPLAY_BOUNDS, [](MainFrame& f) {
        if (RunDialogCommand(Cpp_Graphics::WindowBoundsDialogSlot(), [&] {
                return Cpp_Graphics::SetDisplayBounds(f.View()->ViewWindow(), GetUnitSystem());
            }))
            f.Redraw();
    });
    for (int id : {ID_REFRESH, ID_REDRAW, ID_INTERPOLATION_REDRAW, ID_INTERPOLATION_EDIT_HEADS})
        table.Add(id, Refresh);
    // The interpolation tools' menu: the value labels on or off; "Show Coordinates" does
    // nothing and stays disabled.
    table.Add(
        ID_SHOW_POINT_VALUES,
        [](MainFrame& f) {
            Cpp_InterpolationTool::ToggleShowPointValues();
            f.Redraw();
        },
        {}, [](const MainFrame&) { return Cpp_InterpolationTool::ShowPointValues(); });
    table.Add(ID_SHOW_COORDINATES, DoNothing, [](const MainFrame&) { return false; });
    for (int id : {ID_ZOOM_ALL, ID_POPUP_ZOOM_ALL, ID_TOOLBAR_ZOOM_ALL}) table.Add(id, ZoomAll);
    for (int id : {ID_ZOOM_WINDOW, ID_TOOLBAR_ZOOM_IN, ID_POPUP_ZOOM_WINDOW})
        table.Add(id, ZoomWindow);
    table.Add(ID_SET_VIEW,
              [](MainFrame&) { RunDialogCommand(SetViewsDialogSlot(), &SetViewsDialog); });
    table.Add(ID_RESET_ALL_VIEWS, [](MainFrame&) { ClearViews(); });
    for (int n = 1; n <= ID_VIEW_6 - ID_VIEW_1 + 1; ++n)
        table.Add(ID_VIEW_1 + n - 1, [n](MainFrame& f) {
            if (GoToView(n)) f.Redraw();
        });
}

}  // namespace app
