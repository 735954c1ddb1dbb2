// The reset of the program-wide state that the tests' listener runs after every test.

#include "model/program_state.h"

#include "analysis/analysis_computation_data.h"
#include "core/cursor_mode.h"
#include "core/file_io.h"
#include "core/preferences.h"
#include "core/units.h"
#include "graphics/graphics.h"
#include "loads/line_load.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "profile/crack.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

namespace {

// Everything a test or a user session may leave behind comes back to the start, in every layer,
// while what the subsystems registered stays.
TEST(ProgramState, TheResetReturnsEveryLayerToItsStart) {
    testsupport::FakeMessageBoxes boxes;
    platform::Services().SetMessageBoxes(&boxes);
    platform::Services().Profile().SetString("Settings", "Default Directory", "/tmp");
    Cpp_FileIO::SetInputFileName("/a/slope.preinput-kliven");
    SetUnitSystem(UnitSystemSI);
    s_KlivenSettingsValues values = Cpp_KlivenSettings::Values();
    values.textFontSize = 14;
    Cpp_KlivenSettings::SetValues(values);
    SetCursorMode(42);
    SetRubberBandStart(3, 4);
    Cpp_Graphics::SetWindow(0, 10, 0, 10);
    Cpp_Crack::SetPickFilter(false, false);
    Cpp_LineLoadList::SetSelectionFilters(false, false);
    Cpp_AnalysisComputationData::SetSelectionFilters(false, false, false, false, false);
    Cpp_Kliven4Data::NewDataSet(3, false);
    Cpp_Kliven4DataSet::SetCurrentStage(2);
    Cpp_Kliven4DataSet::SetOlderFormat(true);
    Cpp_Kliven4DataSet::SetDataEntryDialogStyle(1);

    ResetProgramState();

    EXPECT_NE(&platform::Services().MessageBoxes(),
              static_cast<platform::MessageBoxService*>(&boxes));
    EXPECT_FALSE(platform::Services().Profile().GetString("Settings", "Default Directory"));
    EXPECT_TRUE(Cpp_FileIO::GetInputFileName().empty());
    EXPECT_EQ(GetUnitSystem(), UnitSystemEnglish);
    EXPECT_EQ(Cpp_KlivenSettings::Values().textFontSize, s_KlivenSettingsValues{}.textFontSize);
    EXPECT_EQ(GetCursorMode(), 0);
    EXPECT_EQ(GetRubberBandStart().x, 0);
    EXPECT_EQ(Cpp_Graphics::GetWindow(), Cpp_Graphics::WorldRect{});
    EXPECT_TRUE(Cpp_Crack::GetCrackPointsPickable());
    EXPECT_TRUE(Cpp_Crack::GetCrackSegmentsPickable());
    EXPECT_TRUE(Cpp_LineLoadList::GetSelectionFilter(1));
    EXPECT_TRUE(Cpp_LineLoadList::GetSelectionFilter(2));
    EXPECT_TRUE(Cpp_AnalysisComputationData::GetSelectionFilterA());
    EXPECT_TRUE(Cpp_AnalysisComputationData::GetSelectionFilterD());
    EXPECT_EQ(Cpp_Kliven4Data::NumberOfDataSets(), 0);
    EXPECT_EQ(Cpp_Kliven4DataSet::CurrentStage(), 1);
    EXPECT_FALSE(Cpp_Kliven4DataSet::IsOlderFormat());
    EXPECT_EQ(Cpp_Kliven4DataSet::DataEntryDialogStyle(), 2);
}

}  // namespace
