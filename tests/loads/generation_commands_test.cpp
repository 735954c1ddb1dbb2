// The generation commands of a data set: nails against its slope line, geogrids with the
// overburden of its profile lines and materials.

#include <gtest/gtest.h>

#include "loads/loads_data.h"
#include "loads_test_support.h"
#include "model/data_sets.h"
#include "model/reinforcement_generation.h"
#include "model/subsystem_registration.h"
#include "profile/material_properties.h"
#include "registry/block_readers.h"
#include "support/fake_services.h"
#include "support/test_support.h"

#include <cstdio>

namespace {

class GenerationCommands : public ::testing::Test {
protected:
    void SetUp() override {
        ds = Cpp_Kliven4Data::NewDataSet(1, false);
        // A vertical face 10 high at x = 0 with level ground behind it.
        Cpp_Line& slope = ds->SlopeGeometry().GetSlopeLine();
        slope.AddPoint(-20, 0);
        slope.AddPoint(0, 0);
        slope.AddPoint(0, 10);
        slope.AddPoint(40, 10);
        Cpp_ProfileLine* top = ds->ProfileLines().CreateLine(1, 1, "");
        top->AddPoint(0, 10);
        top->AddPoint(40, 10);
        Cpp_ProfileLine* front = ds->ProfileLines().CreateLine(2, 1, "");
        front->AddPoint(-20, 0);
        front->AddPoint(0, 0);
        dialogs.geogridOptions.numberOfIncrements = 10;
    }
    void TearDown() override { Cpp_Kliven4Data::DeleteAllDataSets(); }

    testsupport::FakeServices fakes;
    ScriptedGenerationDialogs dialogs;
    Cpp_Kliven4DataSet* ds = nullptr;
};

TEST_F(GenerationCommands, GeogridsNeedMaterialsAndUseTheOverburdenOfTheProfile) {
    Cpp_GeogridProperties grid;
    grid.name = "Grid A";
    grid.allowableStrength = {2000, 0};
    grid.fStar = 0.5;
    ds->Loads().geogrids.Properties().push_back(grid);
    ds->Loads().geogrids.GetIndividualGeogridList().AddGeogrid(5, 10, 0, 1);

    EXPECT_FALSE(GenerateGeogridReinforcement(*ds, nullptr));
    EXPECT_NE(fakes.messageBoxes.Texts().back().find("no material properties"), std::string::npos);

    ds->MaterialData().GetMaterialList().Create(1)->Stage(1).SetUnitWeight(100);
    ASSERT_TRUE(GenerateGeogridReinforcement(*ds, nullptr));
    const Cpp_ReinforcementLineList& list = ds->Loads().reinforcement;
    ASSERT_EQ(list.Count(), 1);
    std::vector<s_ReinforcementLinePtType> pts;
    ASSERT_EQ(list.ReinforcementLineAt(0)->CopyPointsToArray(pts), 4);
    // Depth 5 under unit weight 100: p = 2 * 0.5 * 500 = 500, so Ta = 2000 is reached 4 from
    // the face and held until 4 from the end.
    EXPECT_NEAR(pts[1].x, 4, 1e-9);
    EXPECT_NEAR(pts[1].longitudinalForce, 2000, 1e-6);
    EXPECT_NEAR(pts[2].x, 6, 1e-9);
    EXPECT_NEAR(pts[3].x, 10, 1e-9);
}

TEST_F(GenerationCommands, NailsUseTheSlopeLineOfTheDataSet) {
    Cpp_NailProperties nail;
    nail.name = "Bar";
    nail.capacityOption = Cpp_NailProperties::ByYieldForce;
    nail.barYieldForce = {30000, 0};
    nail.nailHeadStrength = {10000, 0};
    nail.pulloutOption = Cpp_NailProperties::ByResistancePerLength;
    nail.resistancePerLength = {2000, 0};
    ds->Loads().nails.Properties().push_back(nail);
    Cpp_NailLayout& l = ds->Loads().nails.Layouts()[0];
    l.propertySet = 1;
    l.horizontalSpacing = 1;
    l.numberOfNails = 2;
    l.verticalSpacing = 4;
    l.topOfSlope = 10;
    l.distanceFromTop = 1;
    l.nailLength = 30;
    ASSERT_TRUE(GenerateNailReinforcement(*ds, nullptr));
    ASSERT_EQ(ds->Loads().reinforcement.Count(), 2);
    EXPECT_EQ(ds->Loads().reinforcement.ReinforcementLineAt(1)->FirstPoint()->Y(), 5.0);
}

// The sample problem with nail and geogrid layouts generates its reinforcement.
TEST(ReinforcedEmbankmentExample, GeneratesNailAndGeogridReinforcement) {
    testsupport::FakeServices fakes;
    ScriptedGenerationDialogs dialogs;
    dialogs.geogridOptions.stopIfNotDeveloped = false;
    ClearBlockReaders();
    InitializeBlockReaders();
    Cpp_Kliven4DataSet* ds = Cpp_Kliven4Data::NewDataSet(1, false);
    ds->ResetForNewData();
    const auto path = testsupport::ExamplesDir() / "reinforced_embankment.preinput-kliven";
    std::FILE* input = std::fopen(path.string().c_str(), "r");
    ASSERT_NE(input, nullptr);
    std::FILE* listing = std::tmpfile();
    bool endFlag = false;
    EXPECT_TRUE(ds->ReadInputData(nullptr, input, listing, endFlag));
    std::fclose(input);
    std::fclose(listing);
    ASSERT_TRUE(ds->SlopeGeometry().Generate(ds->ProfileLines(), false, nullptr));
    EXPECT_TRUE(fakes.messageBoxes.Texts().empty());
    ASSERT_EQ(ds->Loads().nails.ActiveLayoutCount(), 1);
    ASSERT_EQ(ds->Loads().geogrids.Layouts().size(), 1u);

    // The geogrid of the file stays (No), the four nails follow it.
    fakes.messageBoxes.answers.push_back(platform::BoxResult::No);
    ASSERT_TRUE(GenerateNailReinforcement(*ds, nullptr));
    const Cpp_ReinforcementLineList& list = ds->Loads().reinforcement;
    ASSERT_EQ(list.Count(), 5);
    EXPECT_EQ(list.FindLine(1)->Description(), "Geogrid");
    EXPECT_EQ(list.FindLine(5)->Description(), "Nail number 4");
    // The first nail's head sits on the face at y = 48, just inside it.
    EXPECT_NEAR(list.FindLine(2)->FirstPoint()->X(), 76 + 1e-6, 1e-9);

    fakes.messageBoxes.answers.push_back(platform::BoxResult::Yes);
    ASSERT_TRUE(GenerateGeogridReinforcement(*ds, nullptr)) << fakes.messageBoxes.Texts().back();
    ASSERT_EQ(list.Count(), 4);
    for (int i = 0; i < 4; ++i) {
        const auto* line = list.ReinforcementLineAt(i);
        EXPECT_EQ(line->Description(), "Goegrid number " + std::to_string(i + 1));
        EXPECT_NEAR(line->FirstPoint()->X(), 44 + 8 * i, 1e-6);
        EXPECT_NEAR(line->LastPoint()->X(), 84 + 8 * i, 1e-6);
        EXPECT_GT(line->GetMaxForce(), 0.0);
    }
    ClearBlockReaders();
    Cpp_Kliven4Data::DeleteAllDataSets();
}

}  // namespace
