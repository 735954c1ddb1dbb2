#include "core/preferences.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "core/text_exception.h"
#include "core/units.h"
#include "platform/services.h"
#include "support/test_support.h"

namespace {

class MapProfile : public platform::ProfileService {
public:
    std::optional<std::string> GetString(const std::string& section,
                                         const std::string& key) const override {
        auto it = values.find({section, key});
        if (it == values.end() || it->second.empty()) return std::nullopt;
        return it->second;
    }
    void SetString(const std::string& section, const std::string& key,
                   const std::string& value) override {
        values[{section, key}] = value;
    }
    bool Flush() override {
        ++flushes;
        return flushOk;
    }
    std::map<std::pair<std::string, std::string>, std::string> values;
    int flushes = 0;
    bool flushOk = true;
};

class ScriptedBoxes : public platform::MessageBoxService {
public:
    platform::BoxResult Show(const platform::MessageBoxRequest& request) override {
        shown.push_back(request);
        return answer;
    }
    std::vector<platform::MessageBoxRequest> shown;
    platform::BoxResult answer = platform::BoxResult::Yes;
};

class Preferences : public ::testing::Test {
protected:
    void SetUp() override {
        Cpp_KlivenSettings::Reset();
        ResetUnits();
        platform::Services().Reset();
        platform::Services().SetProfile(&profile);
        platform::Services().SetMessageBoxes(&boxes);
    }
    void TearDown() override {
        Cpp_KlivenSettings::SettingsSheetSlot().Reset();
        Cpp_KlivenSettings::Reset();
        ResetUnits();
        platform::Services().Reset();
    }
    MapProfile profile;
    ScriptedBoxes boxes;
};

TEST_F(Preferences, AFreshProfileGivesTheDefaults) {
    Cpp_KlivenSettings::ReadWritePreferences(true);
    struct Case {
        int system, coordinates, lengths, forces, stresses, unitWeights;
        double water, minimumWeight;
    } cases[] = {{1, 6, 3, 0, 1, 2, 62.4, 100.0},
                 {2, 6, 3, 0, 1, 4, 9800.0, 1.0},
                 {3, 6, 3, 0, 1, 2, 9.8, 100.0}};
    for (const auto& c : cases) {
        SetUnitSystem(c.system);
        EXPECT_EQ(Cpp_KlivenSettings::CoordinateDecimals(), c.coordinates);
        EXPECT_EQ(Cpp_KlivenSettings::LengthDecimals(), c.lengths);
        EXPECT_EQ(Cpp_KlivenSettings::ForceDecimals(), c.forces);
        EXPECT_EQ(Cpp_KlivenSettings::StressDecimals(), c.stresses);
        EXPECT_EQ(Cpp_KlivenSettings::UnitWeightDecimals(), c.unitWeights);
        EXPECT_EQ(Cpp_KlivenSettings::AlternateForceDecimals(), 2);
        EXPECT_EQ(Cpp_KlivenSettings::UnitWeightOfWater(), c.water);
        int fo = 0, mo = 0, it = 0;
        double ft = 0, mt = 0, mw = 0, radius = 0;
        Cpp_KlivenSettings::GetImbalanceTolerancesAndIterations(fo, ft, mo, mt, it, mw, radius);
        EXPECT_EQ(fo, 1);
        EXPECT_EQ(mo, 1);
        EXPECT_EQ(ft, 1e-05);
        EXPECT_EQ(mw, c.minimumWeight);
        EXPECT_EQ(it, 100);
        EXPECT_EQ(radius, 100000.0);
    }
    EXPECT_EQ(Cpp_KlivenSettings::AngleDecimals(), 2);
    EXPECT_EQ(Cpp_KlivenSettings::CpRatioDecimals(), 3);
    EXPECT_EQ(Cpp_KlivenSettings::RSubUDecimals(), 3);
    EXPECT_EQ(Cpp_KlivenSettings::FactorOfSafetyDecimals(), 3);
    EXPECT_TRUE(Cpp_KlivenSettings::ShowFullPath());
    EXPECT_FALSE(Cpp_KlivenSettings::ShowPathOnPrintedOutput());
    std::string directory;
    bool locate = true;
    Cpp_KlivenSettings::GetProgramsDirectory(directory, locate);
    EXPECT_EQ(directory, "C:\\");
    EXPECT_FALSE(locate);
    EXPECT_TRUE(Cpp_KlivenSettings::ShowWarnings());
}

TEST_F(Preferences, WrittenKeysUseTheirSectionsAndTextForms) {
    Cpp_KlivenSettings::ReadWritePreferences(false);
    auto at = [&](const char* section, const char* key) { return profile.values[{section, key}]; };
    EXPECT_EQ(at("GENERAL", "Show Full Path"), "1");
    EXPECT_EQ(at("GENERAL", "KLIVEN and Vistrel Directory"), "C:\\");
    EXPECT_EQ(at("GENERAL", "Text Font Name"), "Courier New");
    EXPECT_EQ(at("CONSTANTS", "Unit Weight Water English"), "6.240000e+01");
    EXPECT_EQ(at("CONSTANTS", "Force Imbalance SI"), "1.000000e-05");
    EXPECT_EQ(at("CONSTANTS", "Maximum Radius"), "1.000000e+05");
    EXPECT_EQ(at("CONSTANTS", "Maximum Slices"), "500");
    EXPECT_EQ(at("DECIMALS", "Unit Weights SI"), "4");
    EXPECT_EQ(at("DECIMALS", "Unit Weights Other"), "2");
    EXPECT_EQ(at("DECIMALS", "c/p Ratios"), "3");
    EXPECT_EQ(profile.values.count({"GENERAL", "Units Type"}), 0u);
}

TEST_F(Preferences, StoredValuesAreReadAndMissingOrBadOnesKeepTheDefault) {
    profile.values[{"DECIMALS", "Stresses SI"}] = "4";
    profile.values[{"DECIMALS", "Angles"}] = "";
    profile.values[{"DECIMALS", "Lengths English"}] = "x2";
    profile.values[{"CONSTANTS", "Unit Weight Water SI"}] = "9.81e+03";
    profile.values[{"CONSTANTS", "Maximum Iterations"}] = "200";
    profile.values[{"GENERAL", "Show Full Path"}] = "7";
    Cpp_KlivenSettings::ReadWritePreferences(true);
    SetUnitSystem(2);
    EXPECT_EQ(Cpp_KlivenSettings::StressDecimals(), 4);
    EXPECT_EQ(Cpp_KlivenSettings::UnitWeightOfWater(), 9810.0);
    EXPECT_EQ(Cpp_KlivenSettings::AngleDecimals(), 2);
    SetUnitSystem(1);
    EXPECT_EQ(Cpp_KlivenSettings::LengthDecimals(), 3);
    EXPECT_TRUE(Cpp_KlivenSettings::ShowFullPath());
    // Maximum Iterations is kept and written back, yet the analysis defaults use 100.
    EXPECT_EQ(Cpp_KlivenSettings::Values().maximumIterations, 200);
    int fo, mo, it;
    double ft, mt, mw, radius;
    Cpp_KlivenSettings::GetImbalanceTolerancesAndIterations(fo, ft, mo, mt, it, mw, radius);
    EXPECT_EQ(it, 100);
    Cpp_KlivenSettings::ReadWritePreferences(false);
    EXPECT_EQ((profile.values[{"CONSTANTS", "Maximum Iterations"}]), "200");
}

TEST_F(Preferences, AStoredEmptyDirectoryNeverEmptiesTheValueInMemory) {
    auto values = Cpp_KlivenSettings::Values();
    values.defaultDirectory = "/data/slopes";
    Cpp_KlivenSettings::SetValues(values);
    profile.values[{"GENERAL", "Default Directory"}] = "";
    Cpp_KlivenSettings::ReadWritePreferences(true);
    EXPECT_EQ(Cpp_KlivenSettings::Values().defaultDirectory, "/data/slopes");
}

TEST_F(Preferences, AccessorsOfAnUnknownUnitSystemThrowTheirTexts) {
    SetUnitSystem(4);
    auto expectText = [](auto accessor, const std::string& name) {
        try {
            accessor();
            ADD_FAILURE() << name;
        } catch (const Cpp_TextException& e) {
            EXPECT_EQ(e.Text(), "EXCEPTION: Cpp_KlivenSettings::" + name);
        }
    };
    expectText([] { Cpp_KlivenSettings::CoordinateDecimals(); }, "CoordinateDecimals");
    expectText([] { Cpp_KlivenSettings::LengthDecimals(); }, "LengthDecimals");
    expectText([] { Cpp_KlivenSettings::ForceDecimals(); }, "ForceDecimals");
    expectText([] { Cpp_KlivenSettings::StressDecimals(); }, "StressDecimals");
    expectText([] { Cpp_KlivenSettings::UnitWeightDecimals(); }, "UnitWeightDecimals");
    expectText([] { Cpp_KlivenSettings::UnitWeightOfWater(); }, "UnitWeightOfWater");
    expectText([] { Cpp_KlivenSettings::AlternateForceDecimals(); }, "AlternateForceDecimals");
    EXPECT_EQ(Cpp_KlivenSettings::RoundLength(2.5), 0.0);
    EXPECT_EQ(Cpp_KlivenSettings::RoundCoordinate(2.5), 0.0);
    int fo = 0, mo = 0;
    double ft = -1, mt = -1, mw = -1;
    Cpp_KlivenSettings::GetImbalanceTolerances(fo, ft, mo, mt, mw);
    EXPECT_EQ(fo, 1);
    EXPECT_EQ(ft, -1);
}

TEST_F(Preferences, RoundingFollowsTheCurrentDecimals) {
    auto values = Cpp_KlivenSettings::Values();
    values.lengthDecimals.english = 0;
    values.stressDecimals.english = 2;
    values.coordinateDecimals.english = 3;
    Cpp_KlivenSettings::SetValues(values);
    EXPECT_EQ(Cpp_KlivenSettings::RoundLength(2.5), 3.0);
    EXPECT_EQ(Cpp_KlivenSettings::RoundLength(-2.5), -3.0);
    EXPECT_EQ(Cpp_KlivenSettings::RoundLength(2.49), 2.0);
    EXPECT_DOUBLE_EQ(Cpp_KlivenSettings::RoundStress(1.005001), 1.01);
    EXPECT_DOUBLE_EQ(Cpp_KlivenSettings::RoundCoordinate(12.34567), 12.346);
    values.lengthDecimals.english = 1;
    Cpp_KlivenSettings::SetValues(values);
    EXPECT_DOUBLE_EQ(Cpp_KlivenSettings::RoundLength(2.46), 2.5);
}

struct ScriptedSheet : SettingsSheet {
    bool ok = true;
    std::function<void(s_SettingsSheetData&)> edit;
    s_SettingsSheetData shown;
    bool Run(s_SettingsSheetData& data) override {
        shown = data;
        if (edit) edit(data);
        return ok;
    }
};

TEST_F(Preferences, TheSettingsSheetAppliesItsValuesAndSavesOnlyOnRequest) {
    ScriptedSheet sheet;
    Cpp_KlivenSettings::SettingsSheetSlot().Set(&sheet);
    sheet.edit = [](s_SettingsSheetData& d) {
        d.values.lengthDecimals.english = 0;
        d.showWarnings = false;
    };
    EXPECT_TRUE(Cpp_KlivenSettings::EditSettings());
    EXPECT_EQ(sheet.shown.values.defaultDirectory, "<Application directory>");
    EXPECT_FALSE(sheet.shown.savePermanent);
    EXPECT_EQ(Cpp_KlivenSettings::Values().defaultDirectory, "");
    EXPECT_EQ(Cpp_KlivenSettings::RoundLength(2.5), 3.0);
    EXPECT_FALSE(Cpp_KlivenSettings::ShowWarnings());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(profile.values.empty());

    sheet.edit = [](s_SettingsSheetData& d) {
        d.values.angleDecimals = 4;
        d.savePermanent = true;
    };
    boxes.answer = platform::BoxResult::Yes;
    EXPECT_TRUE(Cpp_KlivenSettings::EditSettings());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "Save settings?");
    EXPECT_EQ(boxes.shown[0].text, "Do you want current settings saved as permanent Preferences?");
    EXPECT_EQ(boxes.shown[0].buttons, platform::BoxButtons::YesNo);
    EXPECT_EQ(boxes.shown[0].owner, platform::BoxOwner::None);
    EXPECT_EQ((profile.values[{"DECIMALS", "Angles"}]), "4");
    EXPECT_EQ(profile.flushes, 1);

    sheet.ok = false;
    sheet.edit = [](s_SettingsSheetData& d) { d.values.angleDecimals = 9; };
    EXPECT_FALSE(Cpp_KlivenSettings::EditSettings());
    EXPECT_EQ(Cpp_KlivenSettings::AngleDecimals(), 4);
}

TEST_F(Preferences, AFailedSaveOfTheSheetIsReported) {
    ScriptedSheet sheet;
    Cpp_KlivenSettings::SettingsSheetSlot().Set(&sheet);
    sheet.edit = [](s_SettingsSheetData& d) { d.savePermanent = true; };
    profile.flushOk = false;
    EXPECT_TRUE(Cpp_KlivenSettings::EditSettings());
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].icon, platform::BoxIcon::Stop);
}

TEST_F(Preferences, ProfileHelpersOfKindAndValueAndUnknownKeys) {
    int kind = 0;
    double value = 0;
    EXPECT_TRUE(WritePreferenceKindValue(PreferenceSectionGeneral, PreferenceKeyAngles, 2, 1.5));
    EXPECT_EQ((profile.values[{"GENERAL", "Angles"}]), "2 1.500000");
    EXPECT_TRUE(GetPreferenceKindValue(PreferenceSectionGeneral, PreferenceKeyAngles, kind, value));
    EXPECT_EQ(kind, 2);
    EXPECT_EQ(value, 1.5);
    profile.values[{"GENERAL", "Angles"}] = "6 1.0";
    EXPECT_FALSE(
        GetPreferenceKindValue(PreferenceSectionGeneral, PreferenceKeyAngles, kind, value));
    EXPECT_EQ(kind, 2);
    EXPECT_FALSE(WritePreferenceInt(PreferenceSectionGeneral, 99999, 1));
    int number = 5;
    EXPECT_FALSE(GetPreferenceInt(12345, PreferenceKeyAngles, number));
    EXPECT_EQ(number, 5);
    EXPECT_TRUE(
        WritePreferenceDouble(PreferenceSectionConstants, PreferenceKeyMaximumRadius, 2.5, 3));
    EXPECT_EQ((profile.values[{"CONSTANTS", "Maximum Radius"}]), "2.500");
}

TEST_F(Preferences, ValueTextsSplitAtBlanks) {
    std::vector<std::string> tokens;
    EXPECT_FALSE(SplitValueText("   ", tokens));
    ASSERT_TRUE(SplitValueText("  2   1.5 x", tokens));
    EXPECT_EQ(tokens, (std::vector<std::string>{"2", "1.5", "x"}));
    SplitValueText("a b c d e f g h i j k l", tokens);
    EXPECT_EQ(tokens.size(), 10u);
    SplitValueText(std::string(100, 'z'), tokens);
    EXPECT_EQ(tokens[0].size(), 79u);
}

TEST_F(Preferences, TheDefaultDirectoryBecomesCurrentWhenItExists) {
    testsupport::TempDir dir;
    auto before = std::filesystem::current_path();
    auto values = Cpp_KlivenSettings::Values();
    values.defaultDirectory = (dir.Path() / "missing").string();
    Cpp_KlivenSettings::SetValues(values);
    Cpp_KlivenSettings::ChangeToDefaultDirectory();
    EXPECT_EQ(std::filesystem::current_path(), before);
    values.defaultDirectory = dir.Path().string();
    Cpp_KlivenSettings::SetValues(values);
    Cpp_KlivenSettings::ChangeToDefaultDirectory();
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(dir.Path()));
    std::filesystem::current_path(before);
}

}  // namespace
