// The view's commands (zoom, views, grid, refresh, settings, help, the information window) and
// the frame's start-up after it is shown.

#include "app/draw_view.h"
#include "app/drawing_view.h"
#include "app/help_files.h"
#include "app/main_frame.h"
#include "app/palette_bar.h"
#include "app/preferences_startup.h"
#include "core/preferences.h"
#include "core/units.h"
#include "graphics/graphic_grid.h"
#include "graphics/views.h"
#include "model/data_check.h"
#include "model/data_sets.h"
#include "model/derived_data.h"
#include "platform/services.h"

#include <QAction>
#include <QMessageBox>

namespace app {

void MainFrame::InitialUpdate() {
    doc_.OnNewDocument();
    ResetToStageOne();
    view_->onCursorMoved = [this](double x, double y) { SetCursorPosition(x, y); };
    RegisterHelpFiles("Dravonet Help.chm", "KLIVEN4 Error Help.chm");
    LoadPreferences();
    InitializeView(view_->ViewWindow());
    palette_->RefreshFromDataSet();
    palette_->show();
    PlacePaletteBar();
    platform::InfoWindowService& info = platform::Services().InfoWindow();
    info.Initialize("KLIVEN Preprocessor", std::nullopt);
    RefreshRecentMenu();
    UpdateChecks();
    Cpp_Graphics::InvalidateScale();
    Redraw();
    Cpp_KlivenSettings::ChangeToDefaultDirectory();
}

void MainFrame::UpdateChecks() {
    if (QAction* a = Action(32963)) a->setChecked(Cpp_GraphicGrid::SnapOn());
    if (QAction* a = Action(32964)) a->setChecked(Cpp_GraphicGrid::DisplayPoints());
    if (QAction* a = Action(32965)) a->setChecked(Cpp_GraphicGrid::DisplayLines());
    if (QAction* a = Action(33063)) a->setChecked(palette_ && palette_->isVisible());
    if (QAction* a = Action(33073)) a->setChecked(platform::Services().InfoWindow().IsVisible());
}

bool MainFrame::OnViewCommand(int id) {
    switch (id) {
    case 33041:
    case 32826:
    case 32904:
        ZoomToExtents();
        Redraw();
        return true;
    case 33021:
    case 32898:
    case 32911:
    case 32916:
        Cpp_Graphics::InvalidateScale();
        Redraw();
        return true;
    case 33040:
        if (Cpp_Graphics::SetDisplayBounds(view_->ViewWindow(), GetUnitSystem()))
            Redraw();
        else
            NotAvailable("Set Display Bounds ...");
        return true;
    case 33043:
        if (!SetViewsDialog()) NotAvailable("Set View ...");
        return true;
    case 33044:
        ClearViews();
        return true;
    case 32962:
        if (Cpp_GraphicGrid::EditSettings())
            Redraw();
        else
            NotAvailable("Grid Settings ...");
        return true;
    case 32963:
        Cpp_GraphicGrid::ToggleSnap();
        return true;
    case 32964:
        Cpp_GraphicGrid::ToggleDisplayPoints();
        Redraw();
        return true;
    case 32965:
        Cpp_GraphicGrid::ToggleDisplayLines();
        Redraw();
        return true;
    case 32966:
        Cpp_GraphicGrid::IncreaseSpacing();
        Redraw();
        return true;
    case 32975:
        Cpp_GraphicGrid::DecreaseSpacing();
        Redraw();
        return true;
    case 32938:
        if (!Cpp_KlivenSettings::EditSettings()) NotAvailable("General");
        return true;
    case 33013:
    case 33018:
        if (!OpenHelpFile()) platform::Services().StatusLine().SetText("No help file.");
        return true;
    case 33073: {
        platform::InfoWindowService& info = platform::Services().InfoWindow();
        info.Show(!info.IsVisible());
        if (info.IsVisible()) info.Clear();
        return true;
    }
    case 32993:
        RecomputeSlopeAndCrackGeometry(*Cpp_Kliven4Data::CurrentDataSet());
        Redraw();
        return true;
    case 32996: {
        QString text;
        for (const std::string& line : SummaryLines(*Cpp_Kliven4Data::CurrentDataSet()))
            text += QString::fromStdString(line) + "\n";
        QMessageBox box(QMessageBox::Information, "Summary of Data", text, QMessageBox::Ok, this);
        box.setObjectName("summaryBox");
        box.exec();
        return true;
    }
    case 32934: {
        Cpp_Kliven4DataSet* dataSet = Cpp_Kliven4Data::CurrentDataSetOrNull();
        if (Cpp_DisplaySelections::EditDisplaySelections(dataSet ? &dataSet->DisplayFlags()
                                                                 : nullptr,
                                                         nullptr)) {
            palette_->RefreshFromDataSet();
            Redraw();
        } else {
            NotAvailable("Selections ...");
        }
        return true;
    }
    case 57664:
        QMessageBox::about(this, "About dravonet",
                           "Kliven Preprocessor Version 4.0.0.0\n\nThe pre-processor of the "
                           "KLIVEN slope-stability program.");
        return true;
    default:
        if (id >= 33032 && id <= 33037) {
            if (GoToView(id - 33031)) Redraw();
            return true;
        }
        return false;
    }
}

}  // namespace app
