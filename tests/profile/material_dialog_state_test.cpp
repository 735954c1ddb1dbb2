#include <gtest/gtest.h>

#include <functional>

#include "core/preferences.h"
#include "core/string_table.h"
#include "profile/material_dialog_state.h"
#include "support/fake_services.h"

namespace {

using platform::BoxButtons;
using platform::BoxIcon;
using platform::BoxResult;
using State = MaterialDialogState;

DialogMaterialData Entry(int number, const std::function<void(Cpp_MaterialStageData&)>& fill = {}) {
    DialogMaterialData entry;
    entry.number = number;
    entry.record.SetUnitWeight(120.0);
    entry.record.GetShearStrengthRecord().SetStrengthOption(1);
    entry.record.GetShearStrengthRecord().SetParameters({{100.0, 30.0}});
    entry.record.GetPorePressureRecord().SetOption(2);
    if (fill) fill(entry.record);
    return entry;
}

std::vector<std::string> Row(std::initializer_list<const char*> cells) {
    return {cells.begin(), cells.end()};
}

class MaterialDialogStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        Cpp_KlivenSettings::Reset();
        FillStringTable({{5150, "Material Property Error"},
                         {15160, "Error: Unit weight is negative - Unit weights must be either "
                                 "positive or zero."},
                         {15161, "Insufficient data to define lateral variation in unit weight."},
                         {15165, "Noticer: Unit weight is zero.  Zero is allowed, do you wish the "
                                 "unit weight to be zero?"}});
    }
    void TearDown() override { ResetStringTable(); }

    std::unique_ptr<State> Open(std::vector<DialogMaterialData> entries, int stage = 1,
                                std::vector<std::pair<int, int>> pairs = {}) {
        auto state = std::make_unique<State>(stage, false, std::move(entries), std::move(pairs));
        EXPECT_TRUE(state->Initialize());
        return state;
    }
    // Picks a strength option by its code, as the combo would.
    static void Pick(State& state, int code) {
        state.Fields().strengthIndex = state.FindComboIndexOfOption(code);
        ASSERT_GE(state.Fields().strengthIndex, 0) << code;
        state.StrengthOptionChanged();
    }
    std::vector<std::string> Boxes() const { return services.messageBoxes.Texts(); }

    testsupport::FakeServices services;
};

TEST_F(MaterialDialogStateTest, EachStageOffersItsStrengthOptionsInOrderAndOtherStagesNone) {
    const std::vector<std::string> stage1 = {
        "Conventional linear Mohr-Coulomb envelope",
        "Linear increase in undrained strength with depth below profile line",
        "Linear increase in undrained strength with depth below a horizontal datum",
        "Constant c/p ratio",
        "Anisotropic shear strength",
        "General nonlinear Mohr failure envelope",
        "Interpolate values of undrained strength, Su",
        "Very strong material (infinite strength)"};
    auto stage2 = stage1;
    stage2.insert(stage2.end() - 1, {"Two-stage shear strength - Linear strength envelopes",
                                     "Two-stage shear strength - Nonlinear strength envelopes"});
    EXPECT_EQ(Open({}, 1)->StrengthOptionTexts(), stage1);
    EXPECT_EQ(Open({}, 1)->OptionCodes(), (std::vector<int>{1, 2, 3, 4, 5, 7, 9, 13}));
    EXPECT_EQ(Open({}, 2)->StrengthOptionTexts(), stage2);
    EXPECT_EQ(Open({}, 2)->OptionCodes(), (std::vector<int>{1, 2, 3, 4, 5, 7, 9, 11, 12, 13}));
    State third(3, false, {});
    EXPECT_FALSE(third.Initialize());
    EXPECT_TRUE(third.StrengthOptionTexts().empty());
    EXPECT_EQ(State::PorePressureOptionTexts(),
              (std::vector<std::string>{
                  "No (zero) pore pressure", "Constant pore water pressure throughout material",
                  "Constant pore pressure coefficient (r-sub-u)", "Piezometric line",
                  "Interpolated from values of pore pressure",
                  "Interpolated from values of pore pressure coefficient (r-sub-u)"}));
}

TEST_F(MaterialDialogStateTest, EachStrengthOptionLabelsItsFieldsAndShowsItsTables) {
    struct Case {
        int code;
        std::array<std::string, 4> labels;
        bool first, second;
    } cases[] = {
        {1, {"Cohesion:", "Friction angle (degrees):", "", ""}, false, false},
        {3,
         {"Reference (datum) elevation:", "Shear strength at reference elevation (datum):",
          "Rate of strength increase with depth below datum:", ""},
         false,
         false},
        {4,
         {"\"c/p\" ratio:", "\"Intercept\" strength (c-zero)",
          "Minimum value of shear strength:", "Maxmum value of shear strength:"},
         false,
         false},
        {5, {"", "", "", ""}, true, false},
        {7, {"", "", "", ""}, true, false},
        {11,
         {"Intercept (d) of Kc = 1 envelope:", "Slope (\"psi\") of Kc = 1 envelope - degrees:",
          "Intercept (d) of Kc = Kf envelope:", "Slope (\"psi\") of Kc = Kf envelope - degrees:"},
         false,
         false},
        {12, {"", "", "", ""}, true, true},
        {13, {"", "", "", ""}, false, false},
    };
    auto state = Open({Entry(1)}, 2);
    for (const auto& c : cases) {
        Pick(*state, c.code);
        EXPECT_EQ(state->Controls().strengthLabels, c.labels) << c.code;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(state->Controls().strengthShown[i], !c.labels[i].empty()) << c.code;
        EXPECT_EQ(state->Table(State::FirstStrengthTable).shown, c.first) << c.code;
        EXPECT_EQ(state->Table(State::SecondStrengthTable).shown, c.second) << c.code;
        EXPECT_EQ(state->Controls().displayGraphsEnabled, c.first) << c.code;
    }
}

TEST_F(MaterialDialogStateTest, UndrainedOptionsForceNoPorePressureAndCOverPEnablesItAgain) {
    auto state = Open({Entry(1, [](auto& r) { r.GetPorePressureRecord().SetOption(4); })});
    EXPECT_EQ(state->Fields().porePressureIndex, 2);
    EXPECT_TRUE(state->Controls().valueShown);
    EXPECT_EQ(state->Controls().valueLabel, "Pore water pressure coefficient (r-sub-u):");
    Pick(*state, 2);
    EXPECT_EQ(state->Fields().porePressureIndex, 0);
    EXPECT_FALSE(state->Controls().porePressureEnabled);
    EXPECT_FALSE(state->Controls().negativeEnabled);
    EXPECT_FALSE(state->Controls().valueShown);
    Pick(*state, 4);
    EXPECT_EQ(state->Fields().porePressureIndex, 0);
    EXPECT_TRUE(state->Controls().porePressureEnabled);
    state->Fields().porePressureIndex = 3;
    state->PorePressureOptionChanged();
    EXPECT_TRUE(state->Controls().lineShown);
    EXPECT_EQ(state->Controls().lineLabel, "Piezometric line number:");
    EXPECT_TRUE(state->Controls().negativeShown && state->Controls().negativeEnabled);
}

TEST_F(MaterialDialogStateTest, NegativePressuresAreAllowedByTheValueOrByTheCheckBox) {
    struct Case {
        int index;
        double value;
        bool box;
        bool allowed;
    } cases[] = {{1, -5.0, false, true}, {1, 5.0, true, false},  {2, -0.1, false, true},
                 {3, 0.0, true, true},   {3, 0.0, false, false}, {4, 0.0, true, true},
                 {0, -5.0, true, false}};
    for (const auto& c : cases) {
        auto state = Open({Entry(1)});
        state->Fields().porePressureIndex = c.index;
        state->Fields().porePressureValue = c.value;
        state->Fields().negativeAllowed = c.box;
        state->Fields().piezometricLine = 2;
        ASSERT_TRUE(state->Ok());
        const auto& p = state->Entries()[0].record.GetPorePressureRecord();
        EXPECT_EQ(p.GetOption(), c.index + 2);
        EXPECT_EQ(p.GetNegativeAllowed(), c.allowed) << c.index << " " << c.value;
        EXPECT_FALSE(p.HasLimitingValue());
        if (c.index == 1) {
            EXPECT_EQ(p.GetValue(), c.value);
        }
        if (c.index == 3) {
            EXPECT_EQ(p.GetPiezometricLineNumber(), 2);
        }
    }
}

TEST_F(MaterialDialogStateTest, ScalarStrengthsGoBackIntoTheRecordTheyCameFrom) {
    Cpp_ShearStrength datum;
    datum.SetStrengthOption(3);
    datum.SetParameters({{500.0, 20.0, 100.0}});  // strength, rate, reference elevation
    Cpp_ShearStrength twoStage;
    twoStage.SetStrengthOption(11);
    twoStage.SetParameters({{1.0, 20.0, 2.0, 25.0}});
    for (const auto& strength : {datum, twoStage}) {
        auto state = Open({Entry(1, [&](auto& r) { r.GetShearStrengthRecord() = strength; })}, 2);
        if (strength.Option() == 3) {
            EXPECT_EQ(state->Fields().strength, (std::array<double, 4>{100.0, 500.0, 20.0, 0.0}));
        }
        ASSERT_TRUE(state->Ok());
        EXPECT_EQ(state->Entries()[0].record.GetShearStrengthRecord(), strength);
    }
}

TEST_F(MaterialDialogStateTest, ABadUnitWeightIsRefusedAndZeroIsAskedOncePerStore) {
    auto state = Open({Entry(1)});
    state->Fields().unitWeight = -1.0;
    EXPECT_FALSE(state->Ok());
    ASSERT_EQ(services.messageBoxes.requests.size(), 1u);
    const auto& error = services.messageBoxes.requests[0];
    EXPECT_EQ(error.caption, "Material Property Error");
    EXPECT_EQ(error.text,
              "Error: Unit weight is negative - Unit weights must be either positive or zero.");
    EXPECT_EQ(error.icon, BoxIcon::Stop);
    EXPECT_EQ(state->Entries()[0].record.GetConstantUnitWeight(), 120.0);

    state->Fields().unitWeight = 0.0;
    services.messageBoxes.answers = {BoxResult::No};
    EXPECT_FALSE(state->Ok());
    services.messageBoxes.answers = {BoxResult::Yes};
    EXPECT_TRUE(state->Ok());
    ASSERT_EQ(services.messageBoxes.requests.size(), 3u);
    for (int i : {1, 2}) {
        EXPECT_EQ(services.messageBoxes.requests[i].text,
                  "Noticer: Unit weight is zero.  Zero is allowed, do you wish the unit weight to "
                  "be zero?");
        EXPECT_EQ(services.messageBoxes.requests[i].buttons, BoxButtons::YesNo);
    }
    EXPECT_EQ(state->Entries()[0].record.GetConstantUnitWeight(), 0.0);
}

TEST_F(MaterialDialogStateTest, ALateralUnitWeightTableHoldsOneToTwentyFiveRowsSortedByX) {
    auto state = Open({Entry(1)});
    state->Fields().variableUnitWeight = true;
    state->VariableUnitWeightChanged();
    auto& table = state->Table(State::UnitWeightTable);
    EXPECT_TRUE(table.shown);
    EXPECT_FALSE(state->Controls().unitWeightEnabled);
    EXPECT_EQ(table.titles, (std::vector<std::string>{"Item", "X", "Unit Weight"}));
    EXPECT_EQ(table.rows, std::vector<std::vector<std::string>>(5, {"", ""}));

    const std::string insufficient =
        "Insufficient data to define lateral variation in unit weight.";
    EXPECT_FALSE(state->Ok());
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Not enough values (rows of data): 0 values "
                                                 "entered, minimum number required = 1",
                                                 insufficient}));
    table.rows.clear();
    for (int i = 26; i >= 1; --i) table.rows.push_back({std::to_string(i), "100"});
    services.messageBoxes.requests.clear();
    EXPECT_FALSE(state->Ok());
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Too many values (rows of data): 26 values "
                                                 "entered, maximum number allowed = 25",
                                                 insufficient}));
    EXPECT_EQ(services.messageBoxes.requests[1].buttons, BoxButtons::OkCancel);
    table.rows.erase(table.rows.begin());
    ASSERT_TRUE(state->Ok());
    const auto points = state->Entries()[0].record.GetLateralUnitWeights();
    ASSERT_EQ(points.size(), 25u);
    EXPECT_EQ(points.front().x, 1.0);
    EXPECT_EQ(points.back().x, 25.0);
    EXPECT_EQ(state->Entries()[0].record.GetUnitWeightOption(), 2);

    // Shown again: the 25 pairs fill 25 rows, none empty below them.
    auto again = Open(state->Entries());
    EXPECT_TRUE(again->Fields().variableUnitWeight);
    EXPECT_EQ(again->Table(State::UnitWeightTable).rows.size(), 25u);
    EXPECT_EQ(again->Table(State::UnitWeightTable).rows[0], Row({"1.000000", "100.00"}));
}

TEST_F(MaterialDialogStateTest, StrengthTablesOpenWithTheirRowsAndStoreTheirPoints) {
    // Without points: anisotropic 6 empty rows, nonlinear and two-stage 5.
    struct Case {
        int code;
        size_t rows;
    } empty[] = {{5, 6}, {7, 5}, {12, 5}};
    for (const auto& c : empty) {
        auto state = Open({Entry(1)}, 2);
        Pick(*state, c.code);
        EXPECT_EQ(state->Table(State::FirstStrengthTable).rows.size(), c.rows) << c.code;
    }

    auto state = Open({Entry(1)});
    Pick(*state, 5);
    auto& table = state->Table(State::FirstStrengthTable);
    table.rows = {Row({"60", "10", "30"}), Row({"0", "20", "25"}), Row({"30", "15", "28"}),
                  Row({"", "", ""})};
    ASSERT_TRUE(state->Ok());
    const auto points =
        state->Entries()[0].record.GetShearStrengthRecord().GetAnisotropicParameters();
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].angle, 0.0);
    EXPECT_NEAR(points[1].angle, 30.0, 1e-12);
    EXPECT_NEAR(points[2].angle, 60.0, 1e-12);
    EXPECT_EQ(points[0].cohesion, 20.0);

    // One data row fails with the minimum-rows message and stores nothing.
    Pick(*state, 7);
    state->Table(State::FirstStrengthTable).rows = {Row({"100", "50"}), Row({"", ""})};
    services.messageBoxes.requests.clear();
    EXPECT_FALSE(state->Ok());
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Not enough values (rows of data): 1 values "
                                                 "entered, minimum number required = 2"}));
    EXPECT_EQ(services.messageBoxes.requests[0].caption, "ERROR");
    EXPECT_EQ(services.messageBoxes.requests[0].icon, BoxIcon::None);
    EXPECT_EQ(state->Entries()[0].record.GetStrengthOption(), 5);
}

TEST_F(MaterialDialogStateTest, TwoStageEnvelopesShowSideBySideWithEqualRowCounts) {
    auto entry = Entry(1, [](auto& r) {
        auto& s = r.GetShearStrengthRecord();
        s.SetStrengthOption(12);
        s.SetTwoStageNonlinearEnvelopes({{0, 1}, {10, 5}, {20, 8}, {30, 10}},
                                        {{0, 2}, {5, 4}, {10, 6}, {20, 9}, {30, 11}, {40, 12}});
    });
    auto state = Open({entry}, 2);
    const auto& one = state->Table(State::FirstStrengthTable);
    const auto& kf = state->Table(State::SecondStrengthTable);
    ASSERT_TRUE(one.shown && kf.shown);
    EXPECT_EQ(one.titles, (std::vector<std::string>{"Item", " Sigma (Kc = 1) ", " Tau (Kc = 1) "}));
    EXPECT_EQ(kf.titles,
              (std::vector<std::string>{"Item", " Sigma (Kc = Kf) ", " Tau (Kc = Kf) "}));
    ASSERT_EQ(one.rows.size(), 6u);
    ASSERT_EQ(kf.rows.size(), 6u);
    EXPECT_EQ(one.rows[3], Row({"30.0", "10.0"}));
    EXPECT_EQ(one.rows[4], Row({"", ""}));
    EXPECT_EQ(kf.rows[5], Row({"40.0", "12.0"}));
    ASSERT_TRUE(state->Ok());
    for (int which : {1, 2})
        EXPECT_EQ(state->Entries()[0].record.GetShearStrengthRecord().GetTwoStageEnvelope(which),
                  entry.record.GetShearStrengthRecord().GetTwoStageEnvelope(which));
}

TEST_F(MaterialDialogStateTest, TableCellsAreCheckedWithTheRowAndColumnOfTheFault) {
    struct Case {
        std::vector<std::vector<std::string>> rows;
        const char* message;  // nullptr: accepted
    } cases[] = {
        {{Row({"1", "2"}), Row({"2", ""})}, "Blank cells in row 2 of data"},
        {{Row({"1", "2"}), Row({"", ""}), Row({"3", "4"})},
         "Non-blank cells in row 3 of data follow one or more blank lines of data"},
        {{Row({"1", "2"}), Row({"2", "x1.5"})},
         "Illegal floating point value in field (row 2, col 2)"},
        {{Row({"inf", "2"}), Row({"2", "3"})},
         "Illegal floating point value in field (row 1, col 1)"},
        {{Row({"1", std::string(80, '1').c_str()}), Row({"2", "3"})}, "Input string is too long."},
        {{Row({" 1.5x", "+2"}), Row({"-.5", "3e1"})}, nullptr},
    };
    for (const auto& c : cases) {
        services.messageBoxes.requests.clear();
        s_MaterialTableText table;
        table.formats = {"%1.1f", "%1.1f"};
        table.rows = c.rows;
        std::vector<std::vector<double>> values;
        EXPECT_EQ(ReadMaterialTable(nullptr, table, 2, -1, values), c.message == nullptr);
        if (c.message)
            EXPECT_EQ(Boxes(), std::vector<std::string>{c.message});
        else
            EXPECT_EQ(values, (std::vector<std::vector<double>>{{1.5, 2.0}, {-0.5, 30.0}}));
    }
}

TEST_F(MaterialDialogStateTest, NewMaterialTakesTheFirstFreeNumberAndAddMissingTheProfileOnes) {
    auto state = Open({Entry(1), Entry(2), Entry(4)});
    ASSERT_TRUE(state->NewMaterial());
    EXPECT_EQ(state->ListItems(), (std::vector<std::string>{"1", "2", "4", "3"}));
    EXPECT_EQ(state->Current(), 3);
    EXPECT_EQ(state->Fields().materialNumber, 3);

    auto empty = Open({});
    EXPECT_EQ(empty->ListItems(), std::vector<std::string>{"<None>"});
    ASSERT_TRUE(empty->NewMaterial());
    EXPECT_EQ(empty->ListItems(), std::vector<std::string>{"1"});

    auto missing = Open({Entry(1)}, 1, {{1, 3}, {2, 1}, {3, 3}, {4, 5}});
    ASSERT_TRUE(missing->AddMissing());
    EXPECT_EQ(missing->ListItems(), (std::vector<std::string>{"1", "3", "5"}));
    for (int i : {1, 2}) {
        const auto& e = missing->Entries()[i];
        EXPECT_EQ(e.description, "Material number " + std::to_string(e.number));
        EXPECT_EQ(e.record.GetUnitWeightOption(), 1);
        EXPECT_EQ(e.record.GetConstantUnitWeight(), 0.0);
        EXPECT_EQ(e.record.GetStrengthOption(), 1);
        EXPECT_EQ(e.record.GetShearStrengthRecord().GetCohesion(), 0.0);
        EXPECT_EQ(e.record.GetShearStrengthRecord().GetFrictionAngle(), 0.0);
        EXPECT_EQ(e.record.GetPorePressureOption(), 2);
    }
}

TEST_F(MaterialDialogStateTest, AMaterialNumberLabelIsCheckedAndAppliedToTheEditedItem) {
    struct Case {
        std::optional<std::string> text;
        const char* notice;  // nullptr: taken
    } cases[] = {
        {"12a", "\"a\" is an invalid character for the material number"},
        {"", "Material number cannot be blank"},
        {std::nullopt, "Material number cannot be blank"},
        {"2", "Material number 2 already exists"},
        {"-3", "\"-\" is an invalid character for the material number"},
        {"99999999999", "Material number 99999999999 is too large"},
        {"0", nullptr},
    };
    for (const auto& c : cases) {
        services.messageBoxes.requests.clear();
        auto state = Open({Entry(1), Entry(2), Entry(4)});
        // The third item is edited while the first is shown.
        EXPECT_EQ(state->RenameMaterial(2, c.text), c.notice == nullptr);
        if (c.notice) {
            EXPECT_EQ(Boxes(), std::vector<std::string>{c.notice});
            EXPECT_EQ(services.messageBoxes.requests[0].caption, "Notice");
            EXPECT_EQ(services.messageBoxes.requests[0].icon, BoxIcon::Information);
            EXPECT_EQ(state->ListItems(), (std::vector<std::string>{"1", "2", "4"}));
        } else {
            EXPECT_EQ(state->ListItems(), (std::vector<std::string>{"1", "2", "0"}));
            EXPECT_EQ(state->Fields().materialNumber, 1);
        }
    }
}

TEST_F(MaterialDialogStateTest, SelectingAnotherMaterialStoresTheShownOneUnlessItsFieldsFail) {
    auto state = Open({Entry(1), Entry(2, [](auto& r) { r.SetUnitWeight(130.0); })});
    state->Fields().unitWeight = 125.0;
    state->Fields().description = "";
    ASSERT_TRUE(state->SelectMaterial(1));
    EXPECT_EQ(state->Entries()[0].record.GetConstantUnitWeight(), 125.0);
    EXPECT_EQ(state->Entries()[0].description, "Material number 1");
    EXPECT_EQ(state->Fields().unitWeight, 130.0);
    EXPECT_EQ(state->Fields().description, "Material number 2");

    state->Fields().unitWeight = -1.0;
    EXPECT_FALSE(state->SelectMaterial(0));
    EXPECT_EQ(state->Current(), 1);
    EXPECT_EQ(state->Fields().unitWeight, -1.0);
}

TEST_F(MaterialDialogStateTest, DeletingMovesToTheLastEntryAndTheOnlyOneLeavesNone) {
    auto state = Open({Entry(1), Entry(2), Entry(3)});
    ASSERT_TRUE(state->SelectMaterial(2));
    state->DeleteMaterial();
    EXPECT_EQ(state->ListItems(), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(state->Current(), 1);
    EXPECT_EQ(state->Fields().materialNumber, 2);
    state->DeleteAll();
    EXPECT_EQ(state->ListItems(), std::vector<std::string>{"<None>"});
    EXPECT_EQ(state->Current(), -1);
    EXPECT_EQ(state->Fields().piezometricLine, 1);
    EXPECT_EQ(state->Fields().unitWeight, 0.0);
    EXPECT_TRUE(state->Ok());
    EXPECT_TRUE(state->Entries().empty());

    auto one = Open({Entry(7)});
    one->DeleteMaterial();
    EXPECT_EQ(one->ListItems(), std::vector<std::string>{"<None>"});
    EXPECT_EQ(one->Fields().description, "");
}

// A window stand-in that opens the state on the entries and presses OK.
struct OkGrid final : MaterialGridDialog {
    bool Run(int stage, const std::vector<std::pair<int, int>>& pairs,
             std::vector<DialogMaterialData>& entries) override {
        MaterialDialogState state(stage, false, entries, pairs);
        if (!state.Initialize() || !state.Ok()) return false;
        shown = state.KeptStrengthText();
        entries = state.Entries();
        return true;
    }
    std::string shown;
};
struct OkSingle final : MaterialDialog {
    bool Run(int stage, const std::string&, DialogMaterialData& entry) override {
        MaterialDialogState state(stage, true, {entry});
        if (!state.Initialize() || !state.Ok()) return false;
        entry = state.Entries()[0];
        return true;
    }
};

TEST_F(MaterialDialogStateTest, OptionsTheDialogDoesNotOfferAreKeptThroughOk) {
    // Invariant: OK on a material the user did not touch changes none of its data.
    Cpp_MaterialPropertiesList list;
    auto* m = list.Create(1);
    m->Stage(1).SetUnitWeight(120.0);
    auto& s = m->GetShearStrengthRecord(1);
    s.SetStrengthOption(6);
    s.SetPhiZeroParameters(35.0, 8.0, 2000.0, 1);
    m->GetPorePressureRecord(1).SetOption(9);
    m->SetDescription("Rockfill");
    const Cpp_ShearStrength before = s;
    OkGrid grid;
    MaterialGridDialogSlot().Set(&grid);
    ASSERT_TRUE(list.EditMaterials({{1, 1}}, 1));
    MaterialGridDialogSlot().Reset();
    EXPECT_EQ(grid.shown, "Nonlinear envelope - Specified by phi-zero and delta-phi (kept)");
    EXPECT_EQ(m->GetShearStrengthRecord(1), before);
    EXPECT_EQ(m->GetPorePressureOption(1), 9);

    OkSingle single;
    MaterialDialogSlot().Set(&single);
    ASSERT_TRUE(m->EditMaterial(1, {1}, false));
    MaterialDialogSlot().Reset();
    EXPECT_EQ(m->GetShearStrengthRecord(1), before);
    EXPECT_EQ(m->GetPorePressureOption(1), 9);
    EXPECT_EQ(m->Description(), "Rockfill");

    // Picking an offered option replaces the kept one.
    State state(1, false, {Entry(1, [&](auto& r) { r.GetShearStrengthRecord() = before; })});
    ASSERT_TRUE(state.Initialize());
    EXPECT_EQ(state.Fields().strengthIndex, -1);
    Pick(state, 13);
    ASSERT_TRUE(state.Ok());
    EXPECT_EQ(state.Entries()[0].record.GetStrengthOption(), 13);
}

}  // namespace
