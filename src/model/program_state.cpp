#include "model/program_state.h"

#include "analysis/analysis_state.h"
#include "core/cursor_mode.h"
#include "core/data_error_output.h"
#include "core/dialog_slot.h"
#include "core/echo_writer.h"
#include "core/file_io.h"
#include "core/kliven4_messages.h"
#include "core/message_boxes.h"
#include "core/output_table.h"
#include "core/preferences.h"
#include "core/units.h"
#include "graphics/data_entry_options.h"
#include "graphics/dxf_output.h"
#include "graphics/graphic_grid.h"
#include "graphics/graphic_string.h"
#include "graphics/graphics.h"
#include "graphics/point_symbols.h"
#include "graphics/print_header_footer.h"
#include "graphics/prompts.h"
#include "graphics/vector_arrow.h"
#include "graphics/views.h"
#include "loads/loads_state.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/load_drawing_layers.h"
#include "platform/services.h"
#include "porepressure/porepressure_state.h"
#include "profile/profile_state.h"
#include "registry/data_set_drawing.h"
#include "registry/display_selections.h"

#include <vector>

namespace {

// Each subsystem's part, lowest layer first.

void ResetCoreState() {
    Cpp_FileIO::ResetForTests();
    Cpp_DataErrorOutput::ResetForTests();
    SetOutputFile(nullptr);
    Cpp_OutputTable::SetFileOnly(nullptr);
    Cpp_OutputTable::ClearTitles();
    Cpp_KLIVEN4Messages::Clear();
    ResetCursorModeState();
    ResetPointDrawingState();
    Cpp_KlivenSettings::Reset();
    ResetUnits();
    SetMainWindowExists(false);
    platform::Services().Reset();
    ResetDialogSlots();
}

void ResetGraphicsState() {
    Cpp_Graphics::Reset();
    Cpp_GraphicGrid::Reset();
    Cpp_GraphicString::Reset();
    Cpp_Vector::Reset();
    Cpp_PrintHeaderFooter::Reset();
    Cpp_DxfFileOutput::Close();
    Cpp_DxfFileOutput::SetStage(1);
    ResetViews();
    ResetPrompts();
    ResetDataEntryOptions();
}

void ResetSubsystemState() {
    ResetProfileState();
    ResetPorePressureState();
    ResetLoadsState();
    ResetAnalysisState();
}

void ResetDataSetState() {
    Cpp_Kliven4Data::DeleteAllDataSets();
    Cpp_Kliven4DataSet::SetCurrentStage(1);
    Cpp_Kliven4DataSet::SetOlderFormat(false);
    Cpp_Kliven4DataSet::SetGraphicsOutputFlag(true);
    Cpp_Kliven4DataSet::SetDataEntryDialogStyle(2);
    Cpp_DisplaySelections::Reset();
    Cpp_DataSetDrawing::ClearReported();
    ResetLoadScaleMaxima();
}

}  // namespace

namespace {
std::vector<void (*)()>& UpperResets() {
    static std::vector<void (*)()> resets;
    return resets;
}
}  // namespace

void AddProgramStateReset(void (*reset)()) { UpperResets().push_back(reset); }

void ResetProgramState() {
    for (auto* reset : UpperResets()) reset();
    // The data sets go first: their destructors may still reach the lower state.
    ResetDataSetState();
    ResetSubsystemState();
    ResetGraphicsState();
    ResetCoreState();
}
