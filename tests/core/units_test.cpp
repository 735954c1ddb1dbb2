#include "core/unit_words.h"
#include "core/units.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/output_table.h"
#include "core/preferences.h"
#include "core/text_exception.h"
#include "core/text_files.h"
#include "core/text_formats.h"
#include "platform/services.h"
#include "support/test_support.h"

namespace {

class Units : public ::testing::Test {
protected:
    void SetUp() override {
        ResetUnits();
        platform::Services().Reset();
    }
    void TearDown() override { ResetUnits(); }
};

// What was written to a temporary file; closes it.
std::string ReadBack(std::FILE* file) {
    std::rewind(file);
    std::string text;
    for (int c; (c = std::fgetc(file)) != EOF;) text += static_cast<char>(c);
    std::fclose(file);
    return text;
}

double Length(double v, int from, int to) { return s_UnitValueType(v, from).LengthIn(to); }
double Area(double v, int from, int to) { return s_UnitValueType(v, from).AreaIn(to); }
double Force(double v, int from, int to) { return s_UnitValueType(v, from).ForceIn(to); }
double Stress(double v, int from, int to) { return s_UnitValueType(v, from).StressIn(to); }
double PerLength(double v, int from, int to) {
    return s_UnitValueType(v, from).ForcePerLengthIn(to);
}

TEST_F(Units, DirectFactorsGiveTheTabulatedValues) {
    EXPECT_DOUBLE_EQ(Length(10, LengthFeet, LengthMeters), 3.048);
    EXPECT_DOUBLE_EQ(Length(1, LengthMeters, LengthFeet), 3.280839895013123);
    EXPECT_DOUBLE_EQ(Length(12, LengthInches, LengthFeet), 1.0);
    EXPECT_DOUBLE_EQ(Length(1, LengthInches, LengthMeters), 0.0254);
    EXPECT_DOUBLE_EQ(Area(1, 0, 2), 92903.04);
    EXPECT_DOUBLE_EQ(Area(1, 0, 3), 929.0304);
    EXPECT_DOUBLE_EQ(PerLength(24, 1, 0), 288.0);
    EXPECT_NEAR(PerLength(1, 12, 0), 68.52, 0.01);
    EXPECT_DOUBLE_EQ(Stress(144, 0, 1), 1.0);
    EXPECT_NEAR(Stress(1, 0, 7), 47.88, 0.01);
    EXPECT_DOUBLE_EQ(Length(7.5, LengthCentimeters, LengthCentimeters), 7.5);
}

// Pairs without a direct factor used to give 0; they now convert through the SI base units.
TEST_F(Units, PairsWithoutADirectFactorConvertThroughSIUnits) {
    EXPECT_DOUBLE_EQ(Force(1, ForcePounds, ForceNewtons), 4.4482216152605);
    EXPECT_NEAR(Stress(47.880258980335843, 7, 0), 1.0, 1e-12);  // Pa to psf
    EXPECT_NEAR(Length(100, LengthCentimeters, LengthFeet), 3.280839895, 1e-9);
    EXPECT_NEAR(Area(1, 4, 1), 1550.0031, 1e-4);     // sq.m to sq.in
    EXPECT_NEAR(PerLength(1, 9, 12), 0.001, 1e-15);  // N/m to kN/m
    EXPECT_NEAR(Stress(1, 8, 1), 0.1450377, 1e-7);   // kPa to psi
    for (int from = 0; from < 5; ++from)
        for (int to = 0; to < 5; ++to) {
            EXPECT_GT(Length(1, from, to), 0.0) << from << " " << to;
            EXPECT_GT(Force(1, from, to), 0.0) << from << " " << to;
        }
}

TEST_F(Units, AUnitIndexWithoutAUnitIsAnError) {
    EXPECT_THROW(Length(1, -1, LengthFeet), Cpp_TextException);
    EXPECT_THROW(Stress(1, 0, 13), Cpp_TextException);
}

TEST_F(Units, NamesAndCombinedIndices) {
    s_UnitType unit;
    EXPECT_STREQ(unit.LengthName(), "??");
    unit.SetUnit(4);
    EXPECT_STREQ(unit.LengthName(), "m.");
    EXPECT_STREQ(unit.ForceWord(), "Kilonewtons");
    EXPECT_STREQ(unit.AreaName(), "sq.m.");
    EXPECT_STREQ(unit.StressName(), "??");
    unit.SetUnit(12);
    EXPECT_STREQ(unit.ForcePerLengthName(), "kN/m");
    EXPECT_EQ(ForcePerLengthUnitIndex(LengthMillimeters, ForcePounds), -1);
    EXPECT_EQ(StressUnitIndex(LengthMillimeters, ForcePounds), -1);
    EXPECT_EQ(ForcePerLengthUnitIndex(LengthMeters, ForceKilonewtons), 12);
    EXPECT_EQ(ForcePerLengthUnitIndex(LengthCentimeters, ForceKilogramsForce), 5);
    EXPECT_EQ(StressUnitIndex(LengthInches, ForceKips), 3);
    EXPECT_EQ(StressUnitIndex(LengthMeters, ForceKilonewtons), 8);
}

TEST_F(Units, LengthWordsFollowTheUnitSystem) {
    EXPECT_EQ(LengthUnitWord(1), "feet");
    EXPECT_EQ(LengthUnitWord(2), "meters");
    ASSERT_TRUE(SetOtherUnits(LengthCentimeters, ForceNewtons));
    EXPECT_EQ(LengthUnitWord(3), "Centimeters");
    EXPECT_EQ(LengthUnitWord(7), "?????");
    SetUnitSystem(2);
    EXPECT_EQ(CurrentLengthUnitWord(), "meters");
    EXPECT_FALSE(SetOtherUnits(5, 0));
    EXPECT_FALSE(SetOtherUnits(0, -1));
}

// The unit names shown beside dimensioned values follow the unit system: SI is newtons and
// metres, so a unit weight reads "N/cu.m." and the user sees 19000, not 19, is meant.
TEST_F(Units, UnitNamesOfEachQuantityFollowTheUnitSystem) {
    ASSERT_TRUE(SetOtherUnits(LengthMeters, ForceKilonewtons));
    const struct {
        int system;
        Quantity quantity;
        const char* name;
    } cases[] = {
        {1, Quantity::Length, "ft."},
        {1, Quantity::Force, "lb."},
        {1, Quantity::Stress, "psf"},
        {1, Quantity::UnitWeight, "lb/cu.ft."},
        {1, Quantity::ForcePerLength, "lbs/ft"},
        {2, Quantity::Length, "m."},
        {2, Quantity::Force, "N."},
        {2, Quantity::Stress, "Pa"},
        {2, Quantity::UnitWeight, "N/cu.m."},
        {2, Quantity::ForcePerLength, "N/m"},
        {3, Quantity::Stress, "kPa"},
        {3, Quantity::UnitWeight, "kN/cu.m."},
        {3, Quantity::ForcePerLength, "kN/m"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UnitName(c.quantity, c.system), c.name) << c.system;
        SetUnitSystem(c.system);
        EXPECT_EQ(UnitName(c.quantity), c.name) << c.system;
    }
    // A pair of other units without a stress unit.
    ASSERT_TRUE(SetOtherUnits(LengthMillimeters, ForceNewtons));
    EXPECT_EQ(UnitName(Quantity::Stress, 3), "??");
    EXPECT_EQ(UnitName(Quantity::ForcePerLength, 3), "N/mm");
    SetUnitSystem(2);
    EXPECT_EQ(WithUnit("Normal Stress", Quantity::Stress), "Normal Stress (Pa)");
}

TEST_F(Units, TheUnitsCommandLineOfEachSystem) {
    struct Case {
        int system;
        bool document;
        const char* text;
        bool result;
    } cases[] = {
        {1, true, "ENGlish units\n", true},
        {2, false, "SI  units\n", true},
        {3, true, "OTHer units\n         4        4\n", true},
        {3, false, "OTHer units\n", true},
        {4, true, "", false},
    };
    SetOtherUnits(LengthMeters, ForceKilonewtons);
    for (const auto& c : cases) {
        SetUnitSystem(c.system);
        std::FILE* file = std::tmpfile();
        EXPECT_EQ(WriteUnitsCommand(c.document, file), c.result) << c.system;
        EXPECT_EQ(ReadBack(file), c.text) << c.system;
    }
}

struct ScriptedUnitsDialog : UnitsSelectionDialog {
    bool ok = true;
    s_UnitsSelection answer;
    s_UnitsSelection shown;
    bool Run(s_UnitsSelection& selection) override {
        shown = selection;
        if (ok) selection = answer;
        return ok;
    }
};

TEST_F(Units, TheUnitsDialogStoresTheChoiceOnlyOnOk) {
    ScriptedUnitsDialog dialog;
    UnitsSelectionDialogSlot().Set(&dialog);
    dialog.answer = {3, LengthMillimeters, ForceNewtons};
    EXPECT_TRUE(RunUnitsDialog());
    EXPECT_EQ(dialog.shown.unitSystem, 1);
    int length = -1, force = -1;
    GetOtherUnits(length, force);
    EXPECT_EQ(GetUnitSystem(), 3);
    EXPECT_EQ(length, LengthMillimeters);
    EXPECT_EQ(force, ForceNewtons);
    dialog.ok = false;
    dialog.answer = {2, 0, 0};
    EXPECT_FALSE(RunUnitsDialog());
    EXPECT_EQ(GetUnitSystem(), 3);
    UnitsSelectionDialogSlot().Reset();
    EXPECT_FALSE(RunUnitsDialog());
}

TEST_F(Units, UnitsTypeInTheProfileMustBeAUnitSystem) {
    auto& profile = platform::Services().Profile();
    for (const char* text : {"4", "0", "-1", "", "abc"}) {
        SetUnitSystem(2);
        profile.SetString("GENERAL", "Units Type", text);
        ReadWriteUnitSystem(true);
        EXPECT_EQ(GetUnitSystem(), 2) << text;
    }
    profile.SetString("GENERAL", "Units Type", "3");
    ReadWriteUnitSystem(true);
    EXPECT_EQ(GetUnitSystem(), 3);
    SetUnitSystem(1);
    ReadWriteUnitSystem(false);
    EXPECT_EQ(profile.GetString("GENERAL", "Units Type"), "1");
}

class UnitsCommand : public Units {
protected:
    void SetUp() override {
        Units::SetUp();
        Cpp_KlivenSettings::Reset();
        Cpp_DataErrorOutput::ResetForTests();
        SetRunTimeText("today");
    }
    void TearDown() override {
        testsupport::DetachListing();
        Cpp_DataErrorOutput::ResetForTests();
        Units::TearDown();
    }
    OutputText listing;
};

TEST_F(UnitsCommand, OtherUnitsAreReadAndEchoedWithTheDecimals) {
    InputText input("         4        4\nHEAding\n");
    ASSERT_TRUE(ReadUnitsCommand(input.get(), listing.get(), 3));
    int length = -1, force = -1;
    GetOtherUnits(length, force);
    EXPECT_EQ(GetUnitSystem(), 3);
    EXPECT_EQ(length, LengthMeters);
    EXPECT_EQ(force, ForceKilonewtons);
    const std::string text = listing.Text();
    EXPECT_NE(text.find("TABLE NO. 2\n"), std::string::npos) << text;
    EXPECT_NE(text.find("* UNITS INFORMATION *\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nOther units (not English or SI) will be used.\n\n"
                        "Number of decimals for coordinates in output: 6\n"
                        "Number of decimals for forces in output: 0\n"
                        "Number of decimals for stresses in output: 1\n"
                        "Number of decimals for unit weights in output: 2\n"
                        "Number of decimals for angles in output: 2\n"),
              std::string::npos)
        << text;
}

TEST_F(UnitsCommand, SIUnitsEchoTheirSentenceAndDecimals) {
    InputText input("");
    ASSERT_TRUE(ReadUnitsCommand(input.get(), listing.get(), 2));
    EXPECT_EQ(GetUnitSystem(), 2);
    const std::string text = listing.Text();
    EXPECT_NE(text.find("SI units (meters, Newtons) will be used.\n"), std::string::npos);
    EXPECT_NE(text.find("Number of decimals for unit weights in output: 4\n"), std::string::npos);
}

// An "OTHer units" line with indices outside the units offered, too few numbers, or no line at
// all fails the block with a numbered message and keeps the previous choices, the unit system
// among them (it was left set to "other", so the next save wrote units the file never had).
TEST_F(UnitsCommand, BadOtherUnitsLinesAreNumberedMessages) {
    struct Case {
        const char* input;
        const char* number;
    } cases[] = {{"  7  0\n", "KLIVEN ERROR NUMBER 1220"},
                 {"  0  -1\n", "KLIVEN ERROR NUMBER 1220"},
                 {"  4.5  9e99\n", "KLIVEN ERROR NUMBER 1220"},
                 {"  4\n", "KLIVEN ERROR NUMBER 1210"},
                 {"", "KLIVEN ERROR NUMBER 1210"}};
    for (const auto& c : cases) {
        OutputText out;
        ResetUnits();
        SetOtherUnits(LengthCentimeters, ForceNewtons);
        SetUnitSystem(UnitSystemSI);
        InputText input(c.input);
        EXPECT_FALSE(ReadUnitsCommand(input.get(), out.get(), 3)) << c.input;
        EXPECT_EQ(GetUnitSystem(), UnitSystemSI) << c.input;
        int length = -1, force = -1;
        GetOtherUnits(length, force);
        EXPECT_EQ(length, LengthCentimeters) << c.input;
        EXPECT_EQ(force, ForceNewtons) << c.input;
        const std::string text = out.Text();
        EXPECT_NE(text.find(c.number), std::string::npos) << c.input << text;
        EXPECT_NE(text.find("ERROR IN UNITS INPUT DATA"), std::string::npos) << text;
        EXPECT_EQ(text.find("Number of decimals"), std::string::npos) << text;
    }
}

}  // namespace
