#include "model/data_set.h"
#include "model/data_set_information.h"
#include "profile/material_properties.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

namespace {

TEST(DataSetInformation, MaterialRegionAndLabelPages) {
    testsupport::FakeServices fakes;
    Cpp_Kliven4DataSet ds(1);
    Cpp_ProfileLine* line = ds.ProfileLines().CreateLine(4, 2, "stiff clay");
    EXPECT_FALSE(AddMaterialInformation(ds, 84, *line));

    ASSERT_TRUE(AddMaterialInformation(ds, 72, *line));
    std::string dump = fakes.infoWindow.Dump();
    EXPECT_NE(dump.find("Region for profile line number 4"), std::string::npos) << dump;
    EXPECT_NE(dump.find("Description: stiff clay"), std::string::npos);
    EXPECT_NE(dump.find("No material properties for material number: 2"), std::string::npos);

    ds.MaterialData().GetMaterialList().Create(2)->SetDescription("clay");
    ASSERT_TRUE(AddMaterialInformation(ds, 68, *line));
    dump = fakes.infoWindow.Dump();
    EXPECT_NE(dump.find("Selected material number for profile line 4, material 2"),
              std::string::npos)
        << dump;
    EXPECT_NE(dump.find("Description: clay"), std::string::npos);
    EXPECT_EQ(dump.find("Region for"), std::string::npos);  // the window was cleared first

    fakes.infoWindow.initialized = false;
    EXPECT_TRUE(AddMaterialInformation(ds, 68, *line));
}

// A material region's page names the profile line that defines the region and lists its points
// without marks, before the material's properties.
TEST(DataSetInformation, MaterialRegionPageHoldsItsProfileLine) {
    testsupport::FakeServices fakes;
    Cpp_Kliven4DataSet ds(1);
    Cpp_ProfileLine* line = ds.ProfileLines().CreateLine(4, 2, "stiff clay");
    line->AddPoint(0, 10);
    line->AddPoint(50.5, 12.25);
    ASSERT_TRUE(AddMaterialInformation(ds, 72, *line));
    EXPECT_EQ(fakes.infoWindow.Dump(), "Region for profile line number 4\n"
                                       "Material number 2\n"
                                       "Description: stiff clay\n"
                                       "Material region was selected\n"
                                       "Defined by profile line number:  4\n"
                                       "Profile line coordinates\n"
                                       "  X: 0.000000 , Y: 10.000000 \n"
                                       "  X: 50.500000 , Y: 12.250000 \n"
                                       "Material properties\n"
                                       "  No material properties for material number: 2\n");
}

}  // namespace

namespace {

TEST(DataSetInformation, MaterialToolFindsTheLineAndItsCompanions) {
    Cpp_Kliven4DataSet ds(1);
    s_MaterialAtPoint found;
    EXPECT_FALSE(FindMaterialAtPoint(ds, 0, 0, 0.1, found));
    for (int n = 1; n <= 12; ++n) {
        Cpp_ProfileLine* line = ds.ProfileLines().CreateLine(n, 3, n == 2 ? "silt" : "");
        line->AddPoint(0, 100 - n);
        line->AddPoint(50, 100 - n);
    }
    ASSERT_TRUE(FindMaterialAtPoint(ds, 20, 98.02, 0.1, found));  // on line 2
    EXPECT_EQ(found.line->GetNumber(), 2);
    EXPECT_EQ(found.lineNumbers.size(), 10u);
    EXPECT_TRUE(found.moreLines);
    EXPECT_FALSE(found.exists);
    EXPECT_EQ(found.newDescription, "Mat'l for prof. line 2 (silt)");
    ASSERT_TRUE(FindMaterialAtPoint(ds, 20, 95.5, 0.1, found));  // between lines: the one above
    EXPECT_EQ(found.line->GetNumber(), 4);
    EXPECT_EQ(found.newDescription, "Material for Profile Line 4");
    EXPECT_EQ(ds.MaterialData().GetMaterialList().Count(), 0);  // nothing was created
}

}  // namespace

namespace {

// Answers the material dialog: records what it was shown and, with OK, sets the unit weight.
struct ScriptedMaterialDialog final : MaterialDialog {
    bool Run(int stage, const std::string& usage, DialogMaterialData& entry) override {
        shown.push_back({stage, usage, entry.number, entry.description});
        if (ok) entry.record.SetUnitWeight(125.0);
        return ok;
    }
    struct Shown {
        int stage;
        std::string usage;
        int number;
        std::string description;
        bool operator==(const Shown&) const = default;
    };
    std::vector<Shown> shown;
    bool ok = true;
};

class MaterialTool : public ::testing::Test {
protected:
    void SetUp() override { MaterialDialogSlot().Set(&dialog); }
    void TearDown() override {
        MaterialDialogSlot().Reset();
        Cpp_Kliven4DataSet::SetCurrentStage(1);
    }
    Cpp_ProfileLine* Line(int number, int material, double y) {
        Cpp_ProfileLine* line = ds.ProfileLines().CreateLine(number, material, "");
        line->AddPoint(0, y);
        line->AddPoint(50, y);
        return line;
    }
    Cpp_MaterialPropertiesList& Materials() { return ds.MaterialData().GetMaterialList(); }
    Cpp_Kliven4DataSet ds{1};
    ScriptedMaterialDialog dialog;
};

TEST_F(MaterialTool, AClickOnAProfileLineOpensItsMaterialForTheCurrentStage) {
    Line(4, 2, 90);
    Line(5, 1, 80);
    Materials().Create(2)->SetDescription("clay");
    Cpp_Kliven4DataSet::SetCurrentStage(2);
    ASSERT_TRUE(EditMaterialAtPoint(ds, 20, 90.01, 0.1));
    ASSERT_EQ(dialog.shown.size(), 1u);
    EXPECT_EQ(dialog.shown[0],
              (ScriptedMaterialDialog::Shown{2, "Used by Profile Line number 4.", 2, "clay"}));
    EXPECT_EQ(Materials().FindMaterial(2)->GetConstantUnitWeight(2), 125.0);
    EXPECT_EQ(Materials().FindMaterial(2)->GetUnitWeightOption(1), 0);
    // Nothing there: no dialog.
    EXPECT_FALSE(EditMaterialAtPoint(ds, 20, 200, 0.1));
    EXPECT_EQ(dialog.shown.size(), 1u);
}

TEST_F(MaterialTool, AMissingMaterialJoinsTheListOnlyOnOk) {
    Line(7, 3, 90);
    // With one profile line, a click anywhere opens its material.
    dialog.ok = false;
    EXPECT_FALSE(EditMaterialAtPoint(ds, -500, 5000, 0.1));
    EXPECT_EQ(Materials().Count(), 0);
    dialog.ok = true;
    ASSERT_TRUE(EditMaterialAtPoint(ds, -500, 5000, 0.1));
    ASSERT_EQ(dialog.shown.size(), 2u);
    EXPECT_EQ(dialog.shown[1].description, "Material for Profile Line 7");
    auto* added = Materials().FindMaterial(3);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Description(), "Material for Profile Line 7");
    EXPECT_EQ(added->GetConstantUnitWeight(1), 125.0);
}

}  // namespace
