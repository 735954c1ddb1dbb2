// Preferences at start-up: what "Save Preferences" writes is read back at the next start,
// the display and scale settings of the loads and reinforcement included.

#include "app/preferences_startup.h"
#include "core/units.h"
#include "loads/reinforcement_line.h"
#include "model/data_sets.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

namespace {

TEST(Preferences, SavedDisplayAndScaleKeysAreReadBackAtStartUp) {
    testsupport::FakeServices fakes;
    Cpp_Kliven4Data::DeleteAllDataSets();
    Cpp_ReinforcementLineList::SetDefaultDisplayFlags(false, true, false, true);
    SetUnitSystem(2);
    ASSERT_TRUE(app::SavePreferences());
    EXPECT_EQ(fakes.profile.values.count({"REINFORCEMENT", "Display Lines"}), 1u);
    EXPECT_EQ(fakes.profile.values.count({"REINFORCEMENT", "Reinforcement Force SI Scale"}), 1u);
    EXPECT_EQ(fakes.profile.values.count({"REINFORCEMENT", "Distributed Load SI Scale"}), 0u);

    // The next start.
    Cpp_ReinforcementLineList::SetDefaultDisplayFlags(true, true, true, true);
    SetUnitSystem(1);
    ASSERT_TRUE(app::LoadPreferences());
    bool lines = true, points = false, longitudinal = true, transverse = false;
    Cpp_ReinforcementLineList::GetDefaultDisplayFlags(lines, points, longitudinal, transverse);
    EXPECT_FALSE(lines);
    EXPECT_TRUE(points);
    EXPECT_FALSE(longitudinal);
    EXPECT_TRUE(transverse);
    EXPECT_EQ(GetUnitSystem(), 2);
    Cpp_ReinforcementLineList::SetDefaultDisplayFlags(true, true, true, true);
    SetUnitSystem(1);
}

}  // namespace
