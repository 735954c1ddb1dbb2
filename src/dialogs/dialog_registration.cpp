#include "dialogs/dialog_registration.h"

#include "analysis/analysis_dialogs.h"
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
#include "dialogs/line_editing_windows.h"
#include "dialogs/line_value_dialogs.h"
#include "dialogs/interpolation_list_dialog.h"
#include "dialogs/line_family_grid_dialog.h"
#include "dialogs/line_list_dialogs.h"
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

// Where each model-owned dialog interface lives; a window built for one of them is made in
// Windows and registered below, one line each. Until then its slot keeps the stand-in and the
// command that opens it says "... is not available yet.".
//
//   Cpp_Graphics::WindowBoundsDialogSlot()      graphics/graphics.h      window bounds (registered)
//   Cpp_Graphics::LargestValueDialogSlot()      graphics/graphics.h      largest load value
//   (registered)
//   Cpp_Graphics::ScalingEditorSlot()           graphics/graphics.h      (the loads register it)
//   Cpp_GraphicGrid::SettingsDialogSlot()       graphics/graphic_grid.h  grid settings (registered)
//   SetViewsDialogSlot()                        graphics/views.h         "Set View ..."
//   (registered)
//   Cpp_DisplaySelections::SheetSlot()          registry/display_selections.h  "Selections ..."
//   Cpp_KlivenSettings::SettingsSheetSlot()     core/preferences.h       settings sheet
//   UnitsSelectionDialogSlot()                  core/units.h             "Units Selection"
//   (registered)
//   MaterialGridDialogSlot()                    profile/material_properties.h  material table
//   (registered)
//   MaterialDialogSlot()                        profile/material_properties.h  one material
//   (registered)
//   SaveMultistageWarningSlot()                 model/writer.h           "Save Multi-Stage Data?"
//   (registered)
//   AnalysisMainDialogsSlot()                   analysis/analysis_dialogs.h  main analysis dialog
//   (registered)
//   CircleInputDialogsSlot()                    analysis/analysis_dialogs.h  circle input
//   FixedGridSearchSheetSlot()                  analysis/analysis_dialogs.h  fixed-grid sheet
//   RadiusDefinitionsDialogSlot()               analysis/analysis_dialogs.h  varying radii
//   NoncircularSearchDialogSlot()               analysis/analysis_dialogs.h  noncircular search
//   (registered)
//   OptionalDataSheetSlot()                     analysis/optional_data_sheet.h  optional
//   analysis data (registered)
//   ReinforcementGenerationDialogsSlot()        loads/generation_dialogs.h
//   NoncircularPointsTableSlot()                analysis/analysis_dialogs.h  noncircular points
//   ReinforcementGenerationDialogsSlot()        loads/generation_dialogs.h  "Choose an X value"
//   (registered)
//   NailGeogridDialogsSlot()                    loads/nail_geogrid_dialogs.h  nail and geogrid data
//   (registered)
//   SimpleXYLineGridDialogSlot()                graphics/line_table_dialogs.h  x-y line table
//   (registered)
//   LineFamilyGridDialogSlot()                  graphics/line_table_dialogs.h  profile,
//   piezometric and reinforcement line tables (registered)
//   LoadTableDialogsSlot()                      loads/load_table_dialogs.h  load tables
//   (registered)
//   InterpolationGridDialogSlot()               porepressure/interpolation_table_dialog.h
//   interpolation point table (registered)
//   loads::LoadScalingDialogSlot()              loads/load_drawing_support.h  load scaling
//   (registered)
//   HeadingDialogSlot()                         model/heading.h          heading (registered)
//   TextLineDialogsSlot()                       core/text_line_dialogs.h summary, information
//   (registered)
//   OtherDataDialogSlot()                       model/data_set.h         "Other Input Data"
//   (registered)
//   PointStressDialogsSlot()                    model/point_stress_dialogs.h  point stresses
//   ToolOptionDialogsSlot()                     core/tool_option_dialogs.h  tool options
//   (registered)
//   SelectionOptionsDialogSlot()                editing/selection_commands.h  "Selection
//   Options" (registered)
//   (registered)
//   RescaleDialogSlot()                         editing/rescale_coordinates.h  (registered)
//   DistanceDialogsSlot()                       editing/point_distances.h  (registered)
//   ProfileLineListDialogSlot()                 profile/profile_list_dialog.h  profile lines,
//   style 1 (registered)
//   PiezometricLineListDialogSlot()             porepressure/piezometric_list_dialog.h
//   piezometric lines, style 1 (registered)
//   DuplicateLineDialogSlot()                   graphics/line_list.h  "Resolve Duplicate Line"
//   (registered)
//   LineEditingDialogsSlot()                    editing/line_editing_dialogs.h  length, slope,
//   move distance, value, split information (registered)
//   LoadListDialogsSlot()                       loads/load_list_dialogs.h  distributed and line
//   loads, reinforcement lines, style 1 (registered)
//   InterpolationListDialogSlot()               porepressure/interpolation_table_dialog.h
//   interpolation points, style 1 (registered)
//   AnalysisListDialogsSlot()                   analysis/analysis_dialogs.h  noncircular search
//   and slip surface points, style 1 (registered)

namespace dialogs {

namespace {

// The windows registered in the slots, owned here for the life of the main frame. Register sets
// each slot to its window and Unregister resets the same slots (the loads' scaling editor, which
// is no window, stays as the loads registered it).
struct Windows {
    explicit Windows(QWidget* mainWindow)
        : loadScaling(mainWindow), settings(mainWindow), display(mainWindow),
          gridSettings(mainWindow), windowBounds(mainWindow), materialGrid(mainWindow),
          material(mainWindow), multistageWarning(mainWindow), heading(mainWindow),
          textLines(mainWindow), otherData(mainWindow), pointStresses(mainWindow),
          xyLineTable(mainWindow), analysisMain(mainWindow), setViews(mainWindow),
          largestValue(mainWindow), unitsSelection(mainWindow), loadTables(mainWindow),
          interpolationTable(mainWindow), circleInputs(mainWindow), fixedGridSheet(mainWindow),
          radiusDefinitions(mainWindow), noncircularSearch(mainWindow), toolOptions(mainWindow),
          selectionOptions(mainWindow), generation(mainWindow), rescale(mainWindow),
          distances(mainWindow), profileList(mainWindow), piezometricList(mainWindow),
          nailGeogrid(mainWindow), lineFamilyTable(mainWindow), duplicateLine(mainWindow), lineEditing(mainWindow),
          optionalData(mainWindow), loadLists(mainWindow), interpolationList(mainWindow),
          analysisLists(mainWindow) {}
    void Register() {
        loads::LoadScalingDialogSlot().Set(&loadScaling);
        Cpp_KlivenSettings::SettingsSheetSlot().Set(&settings);
        Cpp_DisplaySelections::SheetSlot().Set(&display);
        Cpp_GraphicGrid::SettingsDialogSlot().Set(&gridSettings);
        Cpp_Graphics::WindowBoundsDialogSlot().Set(&windowBounds);
        MaterialGridDialogSlot().Set(&materialGrid);
        MaterialDialogSlot().Set(&material);
        SaveMultistageWarningSlot().Set(&multistageWarning);
        HeadingDialogSlot().Set(&heading);
        TextLineDialogsSlot().Set(&textLines);
        OtherDataDialogSlot().Set(&otherData);
        PointStressDialogsSlot().Set(&pointStresses);
        SimpleXYLineGridDialogSlot().Set(&xyLineTable);
        AnalysisMainDialogsSlot().Set(&analysisMain);
        SetViewsDialogSlot().Set(&setViews);
        Cpp_Graphics::LargestValueDialogSlot().Set(&largestValue);
        UnitsSelectionDialogSlot().Set(&unitsSelection);
        LoadTableDialogsSlot().Set(&loadTables);
        InterpolationGridDialogSlot().Set(&interpolationTable);
        CircleInputDialogsSlot().Set(&circleInputs);
        FixedGridSearchSheetSlot().Set(&fixedGridSheet);
        RadiusDefinitionsDialogSlot().Set(&radiusDefinitions);
        NoncircularSearchDialogSlot().Set(&noncircularSearch);
        ToolOptionDialogsSlot().Set(&toolOptions);
        SelectionOptionsDialogSlot().Set(&selectionOptions);
        ReinforcementGenerationDialogsSlot().Set(&generation);
        RescaleDialogSlot().Set(&rescale);
        DistanceDialogsSlot().Set(&distances);
        ProfileLineListDialogSlot().Set(&profileList);
        PiezometricLineListDialogSlot().Set(&piezometricList);
        NailGeogridDialogsSlot().Set(&nailGeogrid);
        LineFamilyGridDialogSlot().Set(&lineFamilyTable);
        DuplicateLineDialogSlot().Set(&duplicateLine);
        LineEditingDialogsSlot().Set(&lineEditing);
        OptionalDataSheetSlot().Set(&optionalData);
        LoadListDialogsSlot().Set(&loadLists);
        InterpolationListDialogSlot().Set(&interpolationList);
        AnalysisListDialogsSlot().Set(&analysisLists);
    }
    void Unregister() {
        loads::LoadScalingDialogSlot().Reset();
        Cpp_KlivenSettings::SettingsSheetSlot().Reset();
        Cpp_DisplaySelections::SheetSlot().Reset();
        Cpp_GraphicGrid::SettingsDialogSlot().Reset();
        Cpp_Graphics::WindowBoundsDialogSlot().Reset();
        MaterialGridDialogSlot().Reset();
        MaterialDialogSlot().Reset();
        SaveMultistageWarningSlot().Reset();
        HeadingDialogSlot().Reset();
        TextLineDialogsSlot().Reset();
        OtherDataDialogSlot().Reset();
        PointStressDialogsSlot().Reset();
        SimpleXYLineGridDialogSlot().Reset();
        AnalysisMainDialogsSlot().Reset();
        SetViewsDialogSlot().Reset();
        Cpp_Graphics::LargestValueDialogSlot().Reset();
        UnitsSelectionDialogSlot().Reset();
        LoadTableDialogsSlot().Reset();
        InterpolationGridDialogSlot().Reset();
        CircleInputDialogsSlot().Reset();
        FixedGridSearchSheetSlot().Reset();
        RadiusDefinitionsDialogSlot().Reset();
        NoncircularSearchDialogSlot().Reset();
        ToolOptionDialogsSlot().Reset();
        SelectionOptionsDialogSlot().Reset();
        ReinforcementGenerationDialogsSlot().Reset();
        RescaleDialogSlot().Reset();
        DistanceDialogsSlot().Reset();
        ProfileLineListDialogSlot().Reset();
        PiezometricLineListDialogSlot().Reset();
        NailGeogridDialogsSlot().Reset();
        LineFamilyGridDialogSlot().Reset();
        DuplicateLineDialogSlot().Reset();
        LineEditingDialogsSlot().Reset();
        OptionalDataSheetSlot().Reset();
        LoadListDialogsSlot().Reset();
        InterpolationListDialogSlot().Reset();
        AnalysisListDialogsSlot().Reset();
    }

    QtLoadScaling loadScaling;
    QtSettingsSheet settings;
    QtDisplaySheet display;
    QtGridSettings gridSettings;
    QtWindowBounds windowBounds;
    QtMaterialGrid materialGrid;
    QtMaterialSingle material;
    QtSaveMultistageWarning multistageWarning;
    QtHeadingDialog heading;
    QtTextLineDialogs textLines;
    QtOtherDataDialog otherData;
    QtPointStressDialogs pointStresses;
    QtSimpleXYLineGrid xyLineTable;
    QtAnalysisMainDialogs analysisMain;
    QtSetViews setViews;
    QtLargestValue largestValue;
    QtUnitsSelection unitsSelection;
    QtLoadTableDialogs loadTables;
    QtInterpolationGrid interpolationTable;
    QtCircleInputDialogs circleInputs;
    QtFixedGridSearchSheet fixedGridSheet;
    QtRadiusDefinitionsDialog radiusDefinitions;
    QtNoncircularSearchDialog noncircularSearch;
    QtToolOptionDialogs toolOptions;
    QtSelectionOptions selectionOptions;
    QtReinforcementGenerationDialogs generation;
    QtRescaleDialog rescale;
    QtDistanceDialogs distances;
    QtProfileLineList profileList;
    QtPiezometricLineList piezometricList;
    QtNailGeogridDialogs nailGeogrid;
    QtLineFamilyGrid lineFamilyTable;
    QtDuplicateLineDialog duplicateLine;
    QtLineEditingDialogs lineEditing;
    QtOptionalDataSheet optionalData;
    QtLoadLists loadLists;
    QtInterpolationList interpolationList;
    QtAnalysisLists analysisLists;
};

std::unique_ptr<Windows>& Registered() {
    static std::unique_ptr<Windows> windows;
    return windows;
}

}  // namespace

void RegisterDialogWindows(QWidget* mainWindow) {
    KeepDialogTitlesWhole();
    UnregisterDialogWindows();
    Registered() = std::make_unique<Windows>(mainWindow);
    Registered()->Register();
}

void UnregisterDialogWindows() {
    if (!Registered()) return;
    Registered()->Unregister();
    Registered().reset();
}

}  // namespace dialogs
