// Rescaling reaches the crack, the individual nails and geogrids and both kinds of layout: depths
// scale, elevations map, lengths and inclinations follow the mapped points.

#include "core/point_xy.h"
#include "core/units.h"
#include "loads/geogrid_data.h"
#include "loads/nail_data.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/derived_data.h"
#include "profile/crack.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class RescaleReinforcementTest : public ::testing::Test {
protected:
    void SetUp() override {
        ds = Cpp_Kliven4Data::NewDataSet(1, false);
        Cpp_Crack& crack = ds->AnalysisComputationData()->GetCrack();
        crack.SetCrackOption(1);  // a depth
        crack.SetCrackConstant(3);
        crack.SetWaterOption(4);  // elevations by points
        crack.WaterPointList().AddPoint(2, 5);
        Cpp_IndividualNail* nail =
            ds->SoilNails()->GetIndividualNailList().AddNail(10, 5, 0, 1, 0, 0);
        nail->headX = 4;
        nail->endX = 8;
        nail->endY = 7;  // 4 across, 3 down: length 5
        Cpp_NailLayout& layout = ds->SoilNails()->Layouts()[0];
        layout.propertySet = 1;
        layout.topOfSlope = 20;
        layout.verticalSpacing = 1.5;
        layout.nailLength = 6;
        ds->Geogrids()->GetIndividualGeogridList().AddGeogrid(2, 6, 0, 1)->SetGeometry(1, 2, 7);
        Cpp_GeogridLayout grids;
        grids.lowestElevation = {120, LengthInches};  // 10 feet
        grids.lowestLength = {4, LengthFeet};
        grids.highestLength = {6, LengthFeet};
        grids.verticalSpacing = {2, LengthFeet};
        ds->Geogrids()->Layouts().push_back(grids);
    }
    void TearDown() override { Cpp_Kliven4Data::DeleteAllDataSets(); }

    testsupport::FakeServices fakes;
    Cpp_Kliven4DataSet* ds = nullptr;
};

TEST_F(RescaleReinforcementTest, SameFactorsScaleLengths) {
    ASSERT_TRUE(RescaleCoordinates(*ds, 2, 100, 2, 200));
    const Cpp_Crack& crack = ds->AnalysisComputationData()->GetCrack();
    EXPECT_EQ(crack.GetCrackConstant(), 6);
    EXPECT_EQ(crack.WaterPointList().Head()->X(), 104);
    EXPECT_EQ(crack.WaterPointList().Head()->Value(), 210);
    const Cpp_IndividualNail& nail = *ds->SoilNails()->GetIndividualNailList().Nails()[0];
    EXPECT_EQ(nail.headX, 108);
    EXPECT_EQ(nail.headY, 220);
    EXPECT_DOUBLE_EQ(nail.length, 10);
    EXPECT_DOUBLE_EQ(nail.inclination, std::atan2(3, 4) * 180 / M_PI);
    const Cpp_NailLayout& layout = ds->SoilNails()->Layouts()[0];
    EXPECT_EQ(layout.topOfSlope, 240);
    EXPECT_EQ(layout.verticalSpacing, 3);
    EXPECT_EQ(layout.nailLength, 12);
    EXPECT_EQ(ds->SoilNails()->Layouts()[1].topOfSlope, 0);  // an unused slot stays
    const Cpp_Geogrid& grid = *ds->Geogrids()->GetIndividualGeogridList().Geogrids()[0];
    EXPECT_EQ(grid.headX, 102);
    EXPECT_EQ(grid.headY, 204);
    EXPECT_EQ(grid.endX, 114);
    EXPECT_EQ(grid.length, 12);
    // English units: the elevation maps in feet, 10 ft to 220 ft, and stays in inches.
    const Cpp_GeogridLayout& grids = ds->Geogrids()->Layouts()[0];
    EXPECT_NEAR(grids.lowestElevation.value, 2640, 1e-9);
    EXPECT_EQ(grids.lowestElevation.unitIndex, LengthInches);
    EXPECT_EQ(grids.lowestLength.value, 8);
    EXPECT_EQ(grids.verticalSpacing.value, 4);
}

// A mirrored x with a different y factor: the nail's length and inclination come from its new
// points, both facings turn, a layout keeps its nail length.
TEST_F(RescaleReinforcementTest, MirroredAndUnequalFactors) {
    ASSERT_TRUE(RescaleCoordinates(*ds, -1, 0, 2, 0));
    const Cpp_IndividualNail& nail = *ds->SoilNails()->GetIndividualNailList().Nails()[0];
    EXPECT_EQ(nail.facing, 1);
    EXPECT_DOUBLE_EQ(nail.length, std::hypot(4, 6));
    EXPECT_DOUBLE_EQ(nail.inclination, std::atan2(6, 4) * 180 / M_PI);
    EXPECT_EQ(ds->SoilNails()->Layouts()[0].nailLength, 6);
    const Cpp_Geogrid& grid = *ds->Geogrids()->GetIndividualGeogridList().Geogrids()[0];
    EXPECT_EQ(grid.facing, 2);
    EXPECT_EQ(grid.endX, -7);
    EXPECT_EQ(grid.length, 6);
    const Cpp_GeogridLayout& grids = ds->Geogrids()->Layouts()[0];
    EXPECT_NEAR(grids.lowestElevation.value, 240, 1e-9);
    EXPECT_EQ(grids.highestLength.value, 6);  // lengths only with equal factors
}

}  // namespace
