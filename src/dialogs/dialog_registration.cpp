#include "dialogs/dialog_registration.h"

#include "analysis/analysis_dialogs.h"
#include "core/dialog_slot.h"
#include "core/preferences.h"
#include "dialogs/analysis_list_dialogs.h"
#include "dialogs/analysis_main_dialog.h"
#include "dialogs/choice_dialogs.h"
#include "dialogs/choose_x_dialog.h"
#include "dialogs/circle_dialogs.h"
#include "dialogs/display_sheet.h"
#include "dialogs/distance_dialogs.h"
#include "dialogs/fixed_grid_sheet.h"
#include "dialogs/grid_settings_dialog.h"
#include "dialogs/interpolation_grid_dialog.h"
#include "dialogs/interpolation_list_dialog.h"
#include "dialogs/line_editing_windows.h"
#include "dialogs/line_family_grid_dialog.h"
#include "dialogs/line_list_dialogs.h"
#include "dialogs/line_value_dialogs.h"
#include "dialogs/load_list_dialogs.h"
#include "dialogs/load_scaling_dialog.h"
#include "dialogs/load_table_dialogs.h"
#include "dialogs/material_dialog.h"
#include "dialogs/nail_geogrid_windows.h"
#include "dialogs/noncircular_search_dialog.h"
#include "dialogs/optional_analysis_sheet.h"
#include "dialogs/point_stress_dialogs.h"
#include "dialogs/radius_criteria.h"
#include "dialogs/rescale_dialog.h"
#include "dialogs/settings_sheet.h"
#include "dialogs/text_dialogs.h"
#include "dialogs/title_width.h"
#include "dialogs/tool_option_dialogs.h"
#include "dialogs/view_units_dialogs.h"
#include "dialogs/window_bounds_dialog.h"
#include "dialogs/xy_line_grid_dialog.h"
#include "graphics/graphic_grid.h"
#include "graphics/graphics.h"
#include "graphics/line_table_dialogs.h"
#include "loads/load_drawing_support.h"
#include "loads/load_list_dialogs.h"
#include "loads/load_table_dialogs.h"
#include "model/data_set.h"
#include "model/heading.h"
#include "model/writer.h"
#include "porepressure/interpolation_table_dialog.h"

#include <memory>
#include <vector>

// Model code opens its dialogs through interfaces held in dialog slots (core/dialog_slot.h);
// the windows that fill them are made here, one line each.

namespace dialogs {

namespace {

// The windows registered in the dialog slots, owned here for the life of the main frame. When
// it goes, every slot it set returns to its stand-in before the windows are deleted, the last
// made first. (The loads' scaling editor, which is no window, stays as the loads registered it.)
class Windows {
public:
    explicit Windows(QWidget* mainWindow) : mainWindow_(mainWindow) {}
    ~Windows() {
        for (DialogSlotBase* slot : slots_) slot->Reset();
        while (!owned_.empty()) owned_.pop_back();
    }
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    // Makes a Window on the main window and registers it in its slot.
    template <class Window, class Interface>
    void Add(DialogSlot<Interface>& slot) {
        auto window = std::make_shared<Window>(mainWindow_);
        slot.Set(window.get());
        slots_.push_back(&slot);
        owned_.push_back(std::move(window));
    }

private:
    QWidget* mainWindow_;
    std::vector<DialogSlotBase*> slots_;
    std::vector<std::shared_ptr<void>> owned_;
};

void AddWindows(Windows& windows) {
    windows.Add<QtLoadScaling>(loads::LoadScalingDialogSlot());
    windows.Add<QtSettingsSheet>(Cpp_KlivenSettings::SettingsSheetSlot());
    windows.Add<QtDisplaySheet>(Cpp_DisplaySelections::SheetSlot());
    windows.Add<QtGridSettings>(Cpp_GraphicGrid::SettingsDialogSlot());
    windows.Add<QtWindowBounds>(Cpp_Graphics::WindowBoundsDialogSlot());
    windows.Add<QtMaterialGrid>(MaterialGridDialogSlot());
    windows.Add<QtMaterialSingle>(MaterialDialogSlot());
    windows.Add<QtSaveMultistageWarning>(SaveMultistageWarningSlot());
    windows.Add<QtHeadingDialog>(HeadingDialogSlot());
    windows.Add<QtTextLineDialogs>(TextLineDialogsSlot());
    windows.Add<QtOtherDataDialog>(OtherDataDialogSlot());
    windows.Add<QtPointStressDialogs>(PointStressDialogsSlot());
    windows.Add<QtSimpleXYLineGrid>(SimpleXYLineGridDialogSlot());
    windows.Add<QtAnalysisMainDialogs>(AnalysisMainDialogsSlot());
    windows.Add<QtSetViews>(SetViewsDialogSlot());
    windows.Add<QtLargestValue>(Cpp_Graphics::LargestValueDialogSlot());
    windows.Add<QtUnitsSelection>(UnitsSelectionDialogSlot());
    windows.Add<QtLoadTableDialogs>(LoadTableDialogsSlot());
    windows.Add<QtInterpolationGrid>(InterpolationGridDialogSlot());
    windows.Add<QtCircleInputDialogs>(CircleInputDialogsSlot());
    windows.Add<QtFixedGridSearchSheet>(FixedGridSearchSheetSlot());
    windows.Add<QtRadiusDefinitionsDialog>(RadiusDefinitionsDialogSlot());
    windows.Add<QtNoncircularSearchDialog>(NoncircularSearchDialogSlot());
    windows.Add<QtToolOptionDialogs>(ToolOptionDialogsSlot());
    windows.Add<QtSelectionOptions>(SelectionOptionsDialogSlot());
    windows.Add<QtReinforcementGenerationDialogs>(ReinforcementGenerationDialogsSlot());
    windows.Add<QtRescaleDialog>(RescaleDialogSlot());
    windows.Add<QtDistanceDialogs>(DistanceDialogsSlot());
    windows.Add<QtProfileLineList>(ProfileLineListDialogSlot());
    windows.Add<QtPiezometricLineList>(PiezometricLineListDialogSlot());
    windows.Add<QtNailGeogridDialogs>(NailGeogridDialogsSlot());
    windows.Add<QtLineFamilyGrid>(LineFamilyGridDialogSlot());
    windows.Add<QtDuplicateLineDialog>(DuplicateLineDialogSlot());
    windows.Add<QtLineEditingDialogs>(LineEditingDialogsSlot());
    windows.Add<QtOptionalDataSheet>(OptionalDataSheetSlot());
    windows.Add<QtLoadLists>(LoadListDialogsSlot());
    windows.Add<QtInterpolationList>(InterpolationListDialogSlot());
    windows.Add<QtAnalysisLists>(AnalysisListDialogsSlot());
}

std::unique_ptr<Windows>& Registered() {
    static std::unique_ptr<Windows> windows;
    return windows;
}

}  // namespace

void RegisterDialogWindows(QWidget* mainWindow) {
    KeepDialogTitlesWhole();
    UnregisterDialogWindows();
    Registered() = std::make_unique<Windows>(mainWindow);
    AddWindows(*Registered());
}

void UnregisterDialogWindows() { Registered().reset(); }

}  // namespace dialogs
