// The rules of the geogrid properties window: a new type's fields, the allowable strength from
// the ultimate strength and the factors of safety, the options' effect on the factors and on F*,
// and Add / Change of types.

#include "dialogs/geogrid_properties_form.h"

#include <gtest/gtest.h>

namespace {

s_GeogridPropertiesDialogData Primed() {
    s_GeogridPropertiesDialogData data;
    Cpp_GeogridProperties& p = data.primed;
    p.fsBiological = 1.3;
    p.fsChemical = 2.0;
    p.fsCreep = 5.0;
    p.fsInstallationDamage = 3.0;
    p.fsJoints = 1.0;
    p.fStar = 0.5;
    return data;
}

TEST(GeogridPropertiesForm, WithoutTypesANewTypeIsComputedFromTheUltimateStrength) {
    dialogs::GeogridPropertiesForm form(Primed());
    const Cpp_GeogridProperties& f = form.fields;
    EXPECT_EQ(form.Selected(), -1);
    EXPECT_EQ(f.name, "Grid Type 1");
    EXPECT_EQ(f.strengthOption, Cpp_GeogridProperties::FromUltimateAndFactors);
    EXPECT_EQ(f.fsInstallationDamage, 3.0);
    EXPECT_EQ(f.fsCreep, 5.0);
    EXPECT_EQ(f.fsBiological, 1.3);
    EXPECT_EQ(f.fsChemical, 2.0);
    EXPECT_EQ(f.fStar, 0.5);
    EXPECT_FALSE(form.Strength().allowableEnabled);
    EXPECT_TRUE(form.Strength().ultimateShown);
    EXPECT_TRUE(form.ReductionFactorsShown());
    EXPECT_FALSE(form.OneFactorShown());
}

TEST(GeogridPropertiesForm, AllowableStrengthFromUltimateAndFactors) {
    const struct {
        bool oneFactor;
        double fsStrength;
        double ultimate;
        int ultimateUnit;
        int allowableUnit;
        double allowable;
    } cases[] = {
        {false, 1.0, 100.0, 0, 0, 2.56},  // 100 / (3 x 5 x 1.3 x 2) = 100 / 39
        {true, 2.0, 50.0, 0, 0, 25.0},    // one factor of 2
        {true, 0.0, 50.0, 0, 0, 0.0},     // no factor above 0
        {true, 1.0, 12.0, 0, 1, 1.0},     // lbs./ft. to lbs./in.
        {true, 4.0, 1.0, 12, 9, 250.0},   // kN/m to N/m
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ultimate);
        dialogs::GeogridPropertiesForm form(Primed());
        form.fields.oneFactorOfSafety = c.oneFactor;
        form.fields.factorOfSafetyStrength = c.fsStrength;
        form.fields.ultimateStrength = {c.ultimate, c.ultimateUnit};
        form.fields.allowableStrength.unitIndex = c.allowableUnit;
        form.RecomputeAllowable();
        EXPECT_DOUBLE_EQ(form.fields.allowableStrength.value, c.allowable);
    }
}

// "Specified directly" zeroes the reduction factors; computed strengths bring them back.
TEST(GeogridPropertiesForm, SwitchingStrengthOptionsKeepsTheFactors) {
    dialogs::GeogridPropertiesForm form(Primed());
    form.fields.fsCreep = 4.0;
    form.fields.ultimateStrength.value = 80;
    form.fields.strengthOption = Cpp_GeogridProperties::SpecifiedDirectly;
    form.ApplyStrengthOption();
    EXPECT_EQ(form.fields.fsCreep, 0.0);
    EXPECT_EQ(form.fields.fsInstallationDamage, 0.0);
    EXPECT_EQ(form.fields.ultimateStrength.value, 0.0);
    EXPECT_TRUE(form.Strength().allowableEnabled);
    EXPECT_FALSE(form.Strength().factorsShown);
    form.fields.strengthOption = Cpp_GeogridProperties::FromUltimateAndFactors;
    form.ApplyStrengthOption();
    EXPECT_EQ(form.fields.fsCreep, 4.0);
    EXPECT_EQ(form.fields.fsInstallationDamage, 3.0);
    EXPECT_EQ(form.fields.fsBiological, 1.3);
    EXPECT_EQ(form.fields.fsChemical, 2.0);
}

TEST(GeogridPropertiesForm, FStarFromTheGeneralEquation) {
    dialogs::GeogridPropertiesForm form(Primed());
    form.fields.interactionOption = Cpp_GeogridProperties::InteractionFromEquation;
    form.fields.rho = 30;
    form.fields.fq = 1;
    form.fields.alphaBeta = 0.5;
    form.ApplyPulloutOption();
    EXPECT_NEAR(form.fields.fStar, 1.077, 0.0005);
    EXPECT_FALSE(form.FStarEnabled());
    form.fields.interactionOption = Cpp_GeogridProperties::InteractionSpecified;
    form.ApplyPulloutOption();
    EXPECT_EQ(form.fields.rho, 0.0);
    EXPECT_EQ(form.fields.fq, 0.0);
    EXPECT_EQ(form.fields.alphaBeta, 0.0);
    EXPECT_TRUE(form.FStarEnabled());
}

TEST(GeogridPropertiesForm, AddProposesTheNextNumberAndChangeStoresOnlyDifferences) {
    s_GeogridPropertiesDialogData data = Primed();
    data.types.resize(2);
    data.types[0].name = "Grid A";
    data.types[1].name = "Grid B";
    for (auto& type : data.types)
        type.strengthOption = Cpp_GeogridProperties::FromUltimateAndFactors;
    dialogs::GeogridPropertiesForm form(data);
    EXPECT_EQ(form.Selected(), 0);
    EXPECT_EQ(form.fields.name, "Grid A");
    EXPECT_FALSE(form.ChangeType());  // nothing changed
    form.fields.name = "Grid C";
    form.AddType();
    ASSERT_EQ(form.Types().size(), 3u);
    EXPECT_EQ(form.Types()[2].name, "Grid C");
    EXPECT_EQ(form.fields.name, "Grid Type 4");
    EXPECT_EQ(form.Selected(), 0);
    form.Select(1);
    EXPECT_EQ(form.fields.name, "Grid B");
    form.fields.overallFactorOfSafety = 1.5;
    EXPECT_TRUE(form.ChangeType());
    EXPECT_EQ(form.Types()[1].overallFactorOfSafety, 1.5);
    // The standard index alone is no change.
    form.fields.standardGridIndex = 3;
    EXPECT_FALSE(form.ChangeType());
}

}  // namespace
