// Display options: each option switches exactly its flag; defaults, palette and the sheet.

#include "registry/display_selections.h"

#include <gtest/gtest.h>

#include <cstring>

#include "model/data_sets.h"
#include "porepressure/interpolation_data.h"

namespace {

class DisplaySelectionsTest : public ::testing::Test {
protected:
    void SetUp() override { Cpp_DisplaySelections::Reset(); }
    void TearDown() override { Cpp_DisplaySelections::Reset(); }
};

bool SameBytes(const s_DisplayFlagsType& a, const s_DisplayFlagsType& b) { return a == b; }

TEST_F(DisplaySelectionsTest, EachOptionSwitchesExactlyItsFlag) {
    for (int option = 2; option < kNumberOfDisplayOptions; ++option) {
        s_DisplayFlagsType flags;
        const s_DisplayFlagsType before = flags;
        bool value = false;
        ASSERT_TRUE(Cpp_DisplaySelections::GetDisplayOption(flags, option, value));
        ASSERT_TRUE(Cpp_DisplaySelections::SetDisplayOption(flags, option, !value));
        EXPECT_FALSE(SameBytes(flags, before)) << option;
        // Exactly one option changed its reading.
        for (int other = 2; other < kNumberOfDisplayOptions; ++other) {
            bool a = false, b = false;
            Cpp_DisplaySelections::GetDisplayOption(flags, other, a);
            Cpp_DisplaySelections::GetDisplayOption(before, other, b);
            EXPECT_EQ(a != b, other == option) << option << " changed " << other;
        }
    }
    s_DisplayFlagsType flags;
    Cpp_DisplaySelections::SetDisplayOption(flags, 14, false);
    EXPECT_TRUE(flags.pressurePoints[0]);
    EXPECT_FALSE(flags.pressurePoints[1]);
    EXPECT_FALSE(Cpp_DisplaySelections::SetDisplayOption(flags, 41, true));
    EXPECT_FALSE(Cpp_DisplaySelections::SetDisplayOption(flags, -1, true));
}

TEST_F(DisplaySelectionsTest, DefaultsRefuseConstructionOptions) {
    EXPECT_FALSE(Cpp_DisplaySelections::SetDefaultDisplayOption(0, false));
    EXPECT_FALSE(Cpp_DisplaySelections::SetDefaultDisplayOption(1, false));
    EXPECT_FALSE(Cpp_DisplaySelections::SetDefaultDisplayOption(41, false));
    EXPECT_TRUE(Cpp_DisplaySelections::SetDefaultDisplayOption(38, false));
    EXPECT_FALSE(Cpp_DisplaySelections::Defaults().searchGrid);
}

TEST_F(DisplaySelectionsTest, PaletteWithoutADataSet) {
    Cpp_DisplaySelections::PaletteStates states;
    Cpp_DisplaySelections::UpdatePaletteBarChecks(states);
    EXPECT_TRUE(states[2]);
    const s_DisplayFlagsType defaults = Cpp_DisplaySelections::Defaults();
    // Toggling without a data set changes only the button.
    EXPECT_FALSE(Cpp_DisplaySelections::TogglePaletteButton(states, 2, nullptr));
    EXPECT_FALSE(states[2]);
    EXPECT_TRUE(Cpp_DisplaySelections::Defaults() == defaults);
    // All off without a data set: defaults of 2 to 38 off; 39, 40 and construction untouched.
    Cpp_DisplaySelections::SetAllPaletteButtons(states, false, nullptr);
    bool v = true;
    for (int option = 2; option <= 38; ++option) {
        Cpp_DisplaySelections::GetDisplayOption(Cpp_DisplaySelections::Defaults(), option, v);
        EXPECT_FALSE(v) << option;
    }
    EXPECT_TRUE(Cpp_DisplaySelections::Defaults().slopeGeometry[0]);
    EXPECT_TRUE(Cpp_DisplaySelections::Defaults().slopeGeometry[1]);
    EXPECT_TRUE(Cpp_DisplaySelections::Construction().lines);
}

TEST_F(DisplaySelectionsTest, PaletteWithADataSet) {
    Cpp_DisplaySelections::PaletteStates states;
    Cpp_DisplaySelections::UpdatePaletteBarChecks(states);
    s_DisplayFlagsType flags;
    EXPECT_TRUE(Cpp_DisplaySelections::TogglePaletteButton(states, 14, &flags));
    EXPECT_FALSE(flags.pressurePoints[1]);
    EXPECT_TRUE(flags.pressurePoints[0]);
    Cpp_DisplaySelections::SetAllPaletteButtons(states, false, &flags);
    EXPECT_FALSE(flags.profileLines);
    EXPECT_FALSE(flags.contours[0]);  // all off also hides the further interpolation items
    EXPECT_TRUE(flags.slopeGeometry[0]);
}

s_DisplaySheetData g_seen;
bool g_answer = true;
class ScriptedSheet final : public Cpp_DisplaySelections::Sheet {
public:
    bool Run(s_DisplaySheetData& data) override {
        g_seen = data;
        data.flags.profilePoints = false;
        data.flags.materialFill = false;  // the sheet has no box for it; never stored
        if (!data.rows.empty()) data.rows[0].display = true;
        return g_answer;
    }
};

// Regression: OK in the display selections leaves the material-fill flag as it was.
TEST_F(DisplaySelectionsTest, SheetKeepsMaterialFill) {
    ScriptedSheet sheet;
    Cpp_DisplaySelections::SheetSlot().Set(&sheet);
    s_DisplayFlagsType flags;
    std::vector<InterpolationDisplayType> rows{{1, 2, false}};
    g_answer = true;
    ASSERT_TRUE(Cpp_DisplaySelections::EditDisplaySelections(&flags, &rows));
    EXPECT_TRUE(flags.materialFill);
    EXPECT_FALSE(flags.profilePoints);
    EXPECT_TRUE(rows[0].display);
    g_answer = false;
    s_DisplayFlagsType untouched;
    EXPECT_FALSE(Cpp_DisplaySelections::EditDisplaySelections(&untouched, nullptr));
    EXPECT_TRUE(untouched.profilePoints);
    // Without a data set the sheet edits the defaults.
    g_answer = true;
    ASSERT_TRUE(Cpp_DisplaySelections::EditDisplaySelections(nullptr, nullptr));
    EXPECT_FALSE(Cpp_DisplaySelections::Defaults().profilePoints);
    EXPECT_TRUE(Cpp_DisplaySelections::Defaults().materialFill);
    Cpp_DisplaySelections::SheetSlot().Reset();
}

// The "Selections ..." opener: one row per stage-1 interpolation set reaches the sheet, and
// the display choices go back to the sets after OK only.
class FlippingSheet final : public Cpp_DisplaySelections::Sheet {
public:
    bool answer = true;
    std::vector<InterpolationDisplayType> seen;
    bool Run(s_DisplaySheetData& data) override {
        seen = data.rows;
        for (auto& row : data.rows) row.display = !row.display;
        data.flags.profilePoints = false;
        return answer;
    }
};

TEST_F(DisplaySelectionsTest, DataSetRowsReachTheSheetAndComeBackOnOk) {
    Cpp_Kliven4Data::DeleteAllDataSets();
    Cpp_Kliven4DataSet* ds = Cpp_Kliven4Data::NewDataSet(1, false);
    Cpp_InterpolationData& stage1 = *ds->InterpolationData(1);
    Cpp_InterpolationDataSet* first = stage1.CreateDataSet(3, 1);
    Cpp_InterpolationDataSet* second = stage1.CreateDataSet(3, 4);
    second->SetDisplayed(false);
    ds->InterpolationData(2)->CreateDataSet(3, 7);  // stage 2 has no rows
    FlippingSheet sheet;
    Cpp_DisplaySelections::SheetSlot().Set(&sheet);

    sheet.answer = false;
    EXPECT_FALSE(Cpp_Kliven4Data::EditDisplaySelections());
    ASSERT_EQ(sheet.seen.size(), 2u);
    EXPECT_EQ(sheet.seen[0].first, 3);
    EXPECT_EQ(sheet.seen[0].second, 1);
    EXPECT_TRUE(sheet.seen[0].display);
    EXPECT_EQ(sheet.seen[1].first, 3);
    EXPECT_EQ(sheet.seen[1].second, 4);
    EXPECT_FALSE(sheet.seen[1].display);
    EXPECT_TRUE(first->IsDisplayed());  // Cancel: nothing back
    EXPECT_FALSE(second->IsDisplayed());
    EXPECT_TRUE(ds->DisplayFlags().profilePoints);

    sheet.answer = true;
    EXPECT_TRUE(Cpp_Kliven4Data::EditDisplaySelections());
    EXPECT_FALSE(first->IsDisplayed());
    EXPECT_TRUE(second->IsDisplayed());
    EXPECT_FALSE(ds->DisplayFlags().profilePoints);
    EXPECT_TRUE(ds->InterpolationData(2)->FindDataSet(3, 7)->IsDisplayed());

    Cpp_DisplaySelections::SheetSlot().Reset();
    Cpp_Kliven4Data::DeleteAllDataSets();
}

}  // namespace
