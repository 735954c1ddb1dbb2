#include <gtest/gtest.h>

#include <functional>

#include "core/data_error_output.h"
#include "core/echo_writer.h"
#include "core/output_table.h"
#include "core/preferences.h"
#include "core/text_files.h"
#include "core/text_formats.h"
#include "core/units.h"
#include "graphics/drawing_attributes.h"
#include "model/data_set.h"
#include "profile/material_properties.h"
#include "support/fake_services.h"
#include "support/test_support.h"

namespace {

class Materials : public ::testing::Test {
protected:
    void SetUp() override {
        Cpp_KlivenSettings::Reset();
        ResetUnits();
        Cpp_DataErrorOutput::ResetForTests();
        SetRunTimeText("today");
    }
    void TearDown() override {
        testsupport::DetachListing();
        Cpp_DataErrorOutput::ResetForTests();
    }
    bool Read(const std::string& text, int stage = 1) {
        InputText input(text);
        return data.ReadInput(input.get(), listing.get(), stage, true);
    }
    bool Listed(const std::string& text) { return listing.Text().find(text) != std::string::npos; }
    std::string Written(int stage = 1) {
        OutputText out;
        EXPECT_TRUE(data.WriteInputDataFile(out.get(), stage));
        return out.Text();
    }
    Cpp_MaterialProperties& Material(int number) {
        auto* m = data.GetMaterialList().FindMaterial(number);
        EXPECT_NE(m, nullptr) << number;
        return *m;
    }
    // A material whose strength needs no pore-pressure line.
    static std::string VeryStrong(int number, const std::string& unitWeight) {
        return "     " + std::to_string(number) + " Layer\n          " + unitWeight +
               "\n          Very Strong\n";
    }
    Cpp_MaterialPropertyData data;
    OutputText listing;
};

TEST_F(Materials, AMaterialNamedTwiceInOneBlockIsAMessageAndTheFirstStays) {
    EXPECT_FALSE(Read(VeryStrong(3, "120") + VeryStrong(3, "130") + "\n"));
    EXPECT_TRUE(Listed("KLIVEN ERROR NUMBER 2600\nERROR IN MATERIAL PROPERTY INPUT DATA\n"
                       "You have entered data for another material number 3.\n"
                       "You already entered data for a material with this number.\n"));
    EXPECT_EQ(Material(3).GetConstantUnitWeight(1), 120.0);
    EXPECT_EQ(Material(3).GetStrengthOption(1), 13);
}

TEST_F(Materials, DescriptionsAreCutAndAMissingOneIsWrittenAsTheNumber) {
    const std::string long100(100, 'd');
    ASSERT_TRUE(Read("     7\n          120\n          Very Strong\n"
                     "     8 " +
                     long100 + "\n          120\n          Very Strong\n\n"));
    EXPECT_FALSE(Material(7).HasDescription());
    EXPECT_EQ(Material(8).Description(), std::string(80, 'd'));
    const std::string text = Written();
    EXPECT_EQ(text.substr(0, text.find('\n', text.find('\n') + 1) + 1),
              "MATerial property data follow -\n     7 Material No. 7\n");
    EXPECT_EQ(text.substr(text.size() - 2), "\n\n");
    // Reading the written block gives material 7 the description "Material No. 7".
    Cpp_MaterialPropertyData again;
    InputText input(text.substr(text.find('\n') + 1));
    ASSERT_TRUE(again.ReadInput(input.get(), listing.get(), 1, false));
    EXPECT_EQ(again.GetMaterialList().FindMaterial(7)->Description(), "Material No. 7");
}

TEST_F(Materials, ABlockNamingSomeMaterialsKeepsTheOthersAndCountsBoth) {
    ASSERT_TRUE(Read(VeryStrong(1, "100") + VeryStrong(2, "110") + "\n"));
    EXPECT_FALSE(Listed("Data retained for"));
    ASSERT_TRUE(Read(VeryStrong(2, "125") + "\n"));
    EXPECT_EQ(Material(1).GetConstantUnitWeight(1), 100.0);
    EXPECT_EQ(Material(2).GetConstantUnitWeight(1), 125.0);
    EXPECT_TRUE(Listed("\nData entered for 1 new materials\n"
                       "Data retained for 1 old materials - See earlier input tables.\n"));
    // Stage 2 gets its own table 5 and leaves stage 1 alone.
    ASSERT_TRUE(Read(VeryStrong(1, "90") + "\n", 2));
    EXPECT_TRUE(Listed("TABLE NO. 5\n"));
    EXPECT_TRUE(Listed("2 NEW MATERIAL PROPERTY DATA - SECOND_STAGE COMPUTATIONS 2\n"));
    EXPECT_EQ(Material(1).GetConstantUnitWeight(1), 100.0);
    EXPECT_EQ(Material(1).GetConstantUnitWeight(2), 90.0);
    EXPECT_TRUE(data.GetMaterialList().HasSecondStageData());
}

TEST_F(Materials, UnitWeightLinesByOption) {
    ASSERT_TRUE(Read(VeryStrong(1, "120.5 pcf") + "     2\n          vary\n          0 100\n\n" +
                     "          Very Strong\n" + VeryStrong(3, "Interpolate") + "\n"));
    EXPECT_EQ(Material(1).GetUnitWeightOption(1), 1);
    EXPECT_EQ(Material(1).GetConstantUnitWeight(1), 120.5);
    EXPECT_EQ(Material(2).GetUnitWeightOption(1), 2);
    EXPECT_EQ(Material(3).GetUnitWeightOption(1), 3);
    EXPECT_TRUE(Listed("Constant unit weight of soil (material): 120.50\n"));
    EXPECT_TRUE(Listed("Unit weights vary laterally as follows:\n"
                       "     Point      X        Unit Weight\n"
                       "       1    0.000000      100.00\n"));
    EXPECT_TRUE(Listed("Unit weight is interpolated\n"));
    EXPECT_FALSE(Read(VeryStrong(4, "Xtra") + "\n"));
    EXPECT_TRUE(Listed("KLIVEN ERROR NUMBER 2690\nERROR IN MATERIAL PROPERTY INPUT DATA\n"
                       "Unrecognized option for unit weights for material 4 (Stage 1)\n"));
}

TEST_F(Materials, LateralPointLinesAreCheckedForCountAndLimit) {
    EXPECT_FALSE(Read("     1\n          Vary\n          0 100 10 110 20\n"));
    EXPECT_EQ(Material(1).Stage(1).GetLateralUnitWeights().size(), 2u);
    EXPECT_TRUE(Listed("Wrong number of values for unit weights for material 1 - stage 1\n"
                       "Must be even multiples of two (2) per line of input,\n"));

    std::string points;
    for (int i = 0; i < 25; ++i) points += std::to_string(i) + " 100 ";
    Cpp_MaterialPropertyData ok;
    InputText input("     1\n          Vary\n" + points + "\n\n          Very Strong\n\n");
    EXPECT_TRUE(ok.ReadInput(input.get(), listing.get(), 1, false));
    EXPECT_EQ(ok.GetMaterialList().FindMaterial(1)->Stage(1).GetLateralUnitWeights().size(), 25u);

    EXPECT_FALSE(Read("     2\n          Vary\n" + points + "\n25 100\n"));
    EXPECT_TRUE(Listed("      26   25.000000      100.00\n\nKLIVEN ERROR NUMBER 2680\n"));
    EXPECT_TRUE(Listed("Maximum number allowed = 25\n"));
}

TEST_F(Materials, LateralUnitWeightsInterpolateAndAreChecked) {
    Cpp_MaterialStageData record;
    record.SetUnitWeightOption(Cpp_MaterialStageData::UnitWeightLateral);
    record.SetLateralUnitWeights({{0, 100}, {10, 120}});
    double w = 0;
    ASSERT_TRUE(record.UnitWeightAt(5, w));
    EXPECT_EQ(w, 110.0);
    record.UnitWeightAt(-3, w);
    EXPECT_EQ(w, 100.0);
    record.UnitWeightAt(50, w);
    EXPECT_EQ(w, 120.0);

    Cpp_DataErrorOutput::SetErrorFile(listing.get());
    record.SetLateralUnitWeights({{0, 100}, {10, 120}, {10, 130}, {20, 140}});
    EXPECT_TRUE(record.Check(1, 4));
    record.SetLateralUnitWeights({{0, 100}, {10, 120}, {5, 130}});
    EXPECT_FALSE(record.Check(1, 4));
    EXPECT_TRUE(Listed("Error detected for points 2 and 3\n"
                       "Thepoints must be in a left-to-right order.\n"));
    record.SetLateralUnitWeights({});
    EXPECT_FALSE(record.Check(2, 4));
    EXPECT_TRUE(Listed("KLIVEN ERROR NUMBER 2830"));
}

TEST_F(Materials, TheCheckKeepsWarningsFromFailingIt) {
    Cpp_DataErrorOutput::SetErrorFile(listing.get());
    auto& list = data.GetMaterialList();
    EXPECT_FALSE(list.Check(false, nullptr));
    EXPECT_TRUE(Listed("KLIVEN ERROR NUMBER 2820"));

    auto* m = list.Create(5);
    m->Stage(1).SetUnitWeight(0.0);
    m->GetShearStrengthRecord(1).SetStrengthOption(2);
    m->GetShearStrengthRecord(1).SetParameters({{100, 10}});
    m->GetPorePressureRecord(1).SetOption(2);
    m->Stage(2).SetUnitWeight(120.0);
    m->GetShearStrengthRecord(2).SetStrengthOption(13);
    EXPECT_TRUE(list.Check(true, nullptr));
    EXPECT_TRUE(Listed("KLIVEN NOTICE NUMBER 2800"));
    // 2810 is an error by kind, yet the check passes.
    EXPECT_TRUE(Listed("KLIVEN ERROR NUMBER 2810"));

    m->Stage(2).SetUnitWeightOption(0);
    EXPECT_FALSE(list.Check(true, nullptr));
    EXPECT_TRUE(Listed("KLIVEN ERROR NUMBER 3545\nERROR IN MATERIAL PROPERTY INPUT DATA\n"
                       "No unit weight option for material 5 - stage 2\n"));
}

TEST_F(Materials, StagesAreCheckedByEveryAccessor) {
    auto* m = data.GetMaterialList().Create(1);
    m->GetShearStrengthRecord(2).SetStrengthOption(7);
    EXPECT_EQ(m->GetStrengthOption(3), 7);
    EXPECT_THROW(m->GetUnitWeightOption(3), Cpp_MaterialProperties::Exc_IllegalStage);
    EXPECT_THROW(m->GetStrengthOption(0), Cpp_MaterialProperties::Exc_IllegalStage);
    EXPECT_FALSE(data.GetShowTable(3));
    data.SetShowTable(3, true);
    EXPECT_FALSE(data.GetShowTable(3));
}

TEST_F(Materials, MaterialsWithoutAStrengthAreNotWritten) {
    auto* m = data.GetMaterialList().Create(1);
    m->Stage(1).SetUnitWeight(120.0);
    EXPECT_EQ(Written(), "");
    m->GetShearStrengthRecord(1).SetStrengthOption(13);
    EXPECT_EQ(Written(), "MATerial property data follow -\n     1 Material No. 1\n"
                         "            120.00 = unit weight\n          Very Strong\n\n");
}

// Regression: a material whose pore pressure was not chosen yet vanished from the saved
// document together with its unit weight and strength.
TEST_F(Materials, AnUnsetPorePressureKeepsTheMaterialInTheDocument) {
    ASSERT_TRUE(Read("     4 Clay\n          110\n          Conventional\n          400 0\n"
                     "          Piezometric Line\n          1\n\n"));
    Material(4).GetPorePressureRecord(1) = Cpp_PorePressure();
    ASSERT_EQ(Material(4).GetPorePressureOption(1), 1);
    const std::string text = Written();
    ASSERT_NE(text.find("     4 Clay\n"), std::string::npos) << text;

    Cpp_MaterialPropertyData reread;
    InputText input(text.substr(text.find('\n') + 1));
    OutputText echo;
    ASSERT_TRUE(reread.ReadInput(input.get(), echo.get(), 1, false)) << text;
    auto* m = reread.GetMaterialList().FindMaterial(4);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->GetConstantUnitWeight(1), 110.0);
    EXPECT_EQ(m->GetStrengthOption(1), Material(4).GetStrengthOption(1));
    EXPECT_EQ(m->GetPorePressureOption(1), 1);
}

TEST_F(Materials, TheEchoHeaderGrowsWithTheDigitsOfTheNumber) {
    SetOutputFile(listing.get());
    Cpp_MaterialProperties(12).PrintData();
    Cpp_MaterialProperties(5).PrintData();
    EXPECT_TRUE(Listed("\n" + std::string(67, '-') +
                       "\n"
                       "------------------- DATA FOR MATERIAL NUMBER 12 -------------------\n" +
                       std::string(67, '-') + "\n\n" + std::string(66, '-') + "\n"));
}

TEST_F(Materials, CopyingStageOneToStageTwoIsDeep) {
    auto& list = data.GetMaterialList();
    auto* m = list.Create(1);
    m->Stage(1).SetUnitWeight(120.0);
    m->GetShearStrengthRecord(1).SetStrengthOption(7);
    m->GetShearStrengthRecord(1).SetNonlinearEnvelope({{0, 10}, {100, 60}});
    m->SetEnteredInBlock(2, true);
    list.CopyFirstStageToSecondStage();
    EXPECT_EQ(m->GetConstantUnitWeight(2), 120.0);
    EXPECT_TRUE(m->IsEnteredInBlock(2));
    m->GetShearStrengthRecord(1).AddNonlinearPoint(200, 90);
    EXPECT_EQ(m->GetShearStrengthRecord(2).GetNonlinearEnvelope().size(), 2u);
}

TEST_F(Materials, ToolTipsAndRows) {
    Cpp_MaterialProperties m(3);
    m.Stage(1).SetUnitWeight(120.0);
    m.GetShearStrengthRecord(1).SetStrengthOption(1);
    m.GetShearStrengthRecord(1).SetParameters({{100, 30}});
    m.GetPorePressureRecord(1).SetOption(2);
    std::string tip, porePressure;
    ASSERT_TRUE(m.GetUnitWeightToolTip(1, tip));
    ASSERT_TRUE(m.GetPorePressureRecord(1).ShortDescription(porePressure));
    EXPECT_EQ(tip, "Unit Wt.: 120.00\nCohesion: 100.00\nFriction angle: 30.00\n" + porePressure);
    EXPECT_FALSE(m.GetUnitWeightToolTip(3, tip));

    m.SetDescription(std::string(81, 'x'));
    Cpp_NameValueList rows;
    ASSERT_TRUE(m.PrintHeading(1, rows));
    EXPECT_EQ(rows.At(0).name, "*** Material Properties ***");
    EXPECT_EQ(rows.At(2).value, std::string(80, 'x'));
    EXPECT_EQ(rows.At(3).name, "Unit weight:");
    EXPECT_EQ(rows.At(3).value, "120.00");
    EXPECT_EQ(rows.At(4).value, "Conventional - cohesion, friction angle");
    EXPECT_EQ(rows.At(6).name, "Friction angle (degrees):");
    EXPECT_EQ(rows.At(6).value, "30.0");

    Cpp_NameValueList none;
    Cpp_MaterialProperties empty(4);
    empty.PrintHeading(2, none);
    EXPECT_EQ(none.At(1).value, "2");
    EXPECT_EQ(none.At(3).name, "Shear strength option:");
    EXPECT_EQ(none.At(3).value, "NONE");
    Cpp_NameValueList twoStage;
    Cpp_ShearStrength s;
    s.SetStrengthOption(11);
    s.GetPropertyGridText(twoStage);
    EXPECT_EQ(twoStage.Count(), 0);
}

// A block with every created strength option and several unit-weight and pore-pressure forms
// reads back equal from what the writer wrote.
TEST_F(Materials, EveryStrengthOptionSurvivesWriteAndReadBack) {
    const std::string block =
        "     1 Clay\n          120\n          Conventional\n          100 32.25\n"
        "          No pore pressure\n"
        "     2\n          Vary laterally\n          0 110 50 115\n\n"
        "          Linear increase below profile line\n          300 12.5\n"
        "          Piezometric Line\n          1\n"
        "     3 Reference\n          Interpolate unit weights\n"
        "          Reference elevation w/ increase below\n          95.5 400 10\n"
        "          Constant Pressure\n          250\n"
        "     4 c/p\n          118\n          C/ P ratio\n          0.25 100 50 2000\n"
        "          No pore pressure\n"
        "     5 Anisotropic\n          118\n          Anisotropic strengths\n"
        "          -30 100 30\n          60 300 20.5\n\n          No pore pressure\n"
        "     6 Envelope\n          118\n          Nonlinear envelope\n          0 10\n"
        "          100 60\n\n          No pore pressure\n"
        "     7 Interpolated\n          118\n          Interpolate Strengths\n          10 500\n"
        "          No pore pressure\n"
        "     8 Two-stage linear\n          118\n          2-Stage Linear envelope\n"
        "          100 20.5 50 30\n          No pore pressure\n"
        "     9 Two-stage nonlinear\n          118\n          2-Stage Nonlinear envelope\n"
        "          0 10 5\n          100 60 80\n\n          No pore pressure\n"
        "     10 Rock\n          140\n          Very Strong\n"
        "\n";
    ASSERT_TRUE(Read(block, 2)) << listing.Text();
    EXPECT_EQ(data.GetMaterialList().Count(), 10);
    EXPECT_NEAR(Material(1).GetShearStrengthRecord(2).GetFrictionAngle(), 32.25, 1e-12);
    const std::string written = Written(2);
    EXPECT_NE(written.find("                    100.0          32.25\n"), std::string::npos)
        << written;
    Cpp_MaterialPropertyData again;
    InputText input(written.substr(written.find('\n') + 1));
    ASSERT_TRUE(again.ReadInput(input.get(), listing.get(), 2, false)) << listing.Text();
    OutputText out;
    ASSERT_TRUE(again.WriteInputDataFile(out.get(), 2));
    EXPECT_EQ(out.Text(), written);
    for (auto* m : data.GetMaterialList().Materials()) {
        auto* n = again.GetMaterialList().FindMaterial(m->GetNumber());
        ASSERT_NE(n, nullptr);
        EXPECT_TRUE(n->GetShearStrengthRecord(2) == m->GetShearStrengthRecord(2)) << m->GetNumber();
        EXPECT_TRUE(n->GetPorePressureRecord(2) == m->GetPorePressureRecord(2)) << m->GetNumber();
        EXPECT_EQ(n->Stage(2).GetLateralUnitWeights(), m->Stage(2).GetLateralUnitWeights());
    }
}

TEST_F(Materials, TheInformationTreeListsUnitWeightsAndStrength) {
    testsupport::FakeServices fakes;
    Cpp_MaterialProperties m(6);
    m.Stage(1).SetUnitWeightOption(Cpp_MaterialStageData::UnitWeightLateral);
    m.Stage(1).SetLateralUnitWeights({{0, 100}, {10, 120}});
    m.GetShearStrengthRecord(1).SetStrengthOption(5);
    m.GetShearStrengthRecord(1).SetAnisotropicParameters({{0, 100, 30}, {90, 200, 25}});
    auto& info = fakes.infoWindow;
    info.initialized = false;
    m.AddInformation(info, 1, platform::kInfoRoot);
    EXPECT_TRUE(info.lines.empty());  // no window yet
    info.Initialize("Information", std::nullopt);
    m.AddInformation(info, 1, platform::kInfoRoot);
    const auto top = info.Children(platform::kInfoRoot);
    ASSERT_GE(top.size(), 2u);
    EXPECT_EQ(top[0].label + top[0].text, "Unit weights vary laterally:");
    const auto points = info.Children(top[0].id);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[1].label + points[1].text, "X: 10.000000 , Unit weight: 120.00");
    EXPECT_EQ(top[1].label + top[1].text, "Anisotropic strengths");
    const auto strength = info.Children(top[1].id);
    ASSERT_EQ(strength.size(), 2u);
    EXPECT_EQ(strength[0].label + strength[0].text,
              "Angle: 0.00 , Cohesion: 100.0, Friction angle (degs): 30.00");
}

struct ScriptedGrid : MaterialGridDialog {
    bool ok = true;
    std::vector<int> shown;
    std::function<void(std::vector<DialogMaterialData>&)> edit;
    bool Run(int, const std::vector<std::pair<int, int>>&,
             std::vector<DialogMaterialData>& entries) override {
        for (const auto& e : entries) shown.push_back(e.number);
        if (edit) edit(entries);
        return ok;
    }
};

struct ScriptedSingle : MaterialDialog {
    std::string usage;
    DialogMaterialData seen;
    bool Run(int, const std::string& text, DialogMaterialData& entry) override {
        usage = text;
        seen = entry;
        entry.description = "";
        entry.record.SetUnitWeight(99.0);
        return true;
    }
};

TEST_F(Materials, TheMaterialTableReplacesTheStageAndDropsRemovedMaterials) {
    auto& list = data.GetMaterialList();
    list.Create(3)->Stage(1).SetUnitWeight(130.0);
    list.Create(1)->SetDescription("Clay");
    list.FindMaterial(1)->Stage(2).SetUnitWeight(50.0);
    ScriptedGrid grid;
    MaterialGridDialogSlot().Set(&grid);
    grid.edit = [](std::vector<DialogMaterialData>& entries) {
        // Defaults of the table: conventional strength, no pore pressure.
        EXPECT_EQ(entries[0].record.GetStrengthOption(), 1);
        EXPECT_EQ(entries[0].record.GetPorePressureOption(), 2);
        entries.erase(entries.begin() + 1);  // material 3
        DialogMaterialData added;
        added.number = 5;
        added.record.SetUnitWeight(140.0);
        entries.push_back(added);
    };
    grid.ok = false;
    EXPECT_FALSE(list.EditMaterials({{1, 3}}, 1));
    EXPECT_EQ(list.Count(), 2);
    grid.ok = true;
    grid.shown.clear();
    ASSERT_TRUE(list.EditMaterials({{1, 3}}, 1));
    MaterialGridDialogSlot().Reset();
    EXPECT_EQ(grid.shown, (std::vector<int>{1, 3}));
    EXPECT_EQ(list.FindMaterial(3), nullptr);
    ASSERT_NE(list.FindMaterial(5), nullptr);
    EXPECT_EQ(list.FindMaterial(5)->GetConstantUnitWeight(1), 140.0);
    EXPECT_EQ(list.FindMaterial(1)->Description(), "Clay");
    EXPECT_EQ(list.FindMaterial(1)->GetStrengthOption(1), 1);
    EXPECT_EQ(list.FindMaterial(1)->GetConstantUnitWeight(2), 50.0);
}

TEST_F(Materials, TheDialogOfOneMaterialNamesItsProfileLines) {
    struct Case {
        std::vector<int> lines;
        bool many;
        const char* usage;
    } cases[] = {{{}, false, "Something is wrong - material not used"},
                 {{4}, false, "Used by Profile Line number 4."},
                 {{4, 6, 9}, false, "Used by Profile Line numbers: 4, 6, 9."},
                 {{4, 6}, true, "Material used by more than 2 Profile Lines."}};
    ScriptedSingle single;
    MaterialDialogSlot().Set(&single);
    for (const auto& c : cases) {
        Cpp_MaterialProperties m(2);
        m.SetDescription("Sand");
        ASSERT_TRUE(m.EditMaterial(1, c.lines, c.many));
        EXPECT_EQ(single.usage, c.usage);
        EXPECT_EQ(single.seen.record.GetUnitWeightOption(), 1);
        EXPECT_FALSE(m.HasDescription());
        EXPECT_EQ(m.GetConstantUnitWeight(1), 99.0);
    }
    MaterialDialogSlot().Reset();
}

}  // namespace
