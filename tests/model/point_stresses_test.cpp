#include "model/data_set.h"
#include "model/point_stresses.h"
#include "porepressure/pore_pressure.h"
#include "profile/material_properties.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Two layers: material 1 (120) from 20 down to 10, material 2 (100) below, over x 0..40.
struct Section {
    Cpp_Kliven4DataSet ds{1};
    Section() {
        Cpp_ProfileLine* top = ds.ProfileLines().CreateLine(1, 1, "");
        top->AddPoint(0, 20);
        top->AddPoint(40, 20);
        Cpp_ProfileLine* low = ds.ProfileLines().CreateLine(2, 2, "");
        low->AddPoint(0, 10);
        low->AddPoint(40, 10);
        ds.SlopeGeometry().Generate(ds.ProfileLines(), false, nullptr);
        Material(1, 120.0);
        Material(2, 100.0);
    }
    Cpp_MaterialProperties* Material(int number, double unitWeight) {
        Cpp_MaterialProperties* m = ds.MaterialData().GetMaterialList().Create(number);
        m->Stage(1).SetUnitWeight(unitWeight);
        return m;
    }
};

TEST(PointStresses, OverburdenSumsTheLayersBelowTheSurface) {
    Section s;
    double depth = 0, overburden = 0;
    ASSERT_TRUE(OverburdenPressure(s.ds, 10, 5, depth, overburden));
    EXPECT_DOUBLE_EQ(depth, 15.0);
    EXPECT_DOUBLE_EQ(overburden, 10 * 120.0 + 5 * 100.0);
    EXPECT_FALSE(OverburdenPressure(s.ds, 50, 5, depth, overburden));  // beyond the slope
    EXPECT_EQ(depth, 0.0);
}

TEST(PointStresses, PorePressureOptionsAndTexts) {
    Section s;
    Cpp_PorePressure& top =
        s.ds.MaterialData().GetMaterialList().FindMaterial(1)->GetPorePressureRecord(1);
    top.SetOption(4);
    top.SetValue(0.25);
    int line = 0, material = 0;
    double pressure = 0;
    std::string text;
    ASSERT_TRUE(PoreWaterPressureAtPoint(s.ds, 10, 12, line, material, 1, pressure, text));
    EXPECT_EQ(line, 1);
    EXPECT_EQ(material, 1);
    EXPECT_DOUBLE_EQ(pressure, 0.25 * 8 * 120.0);
    EXPECT_NE(text.find("(= 0.250)"), std::string::npos);
    EXPECT_EQ(text.find("Pore water pressures were computed using Profile Line 1 - Material 1.\n"),
              0u);

    Cpp_PorePressure& low =
        s.ds.MaterialData().GetMaterialList().FindMaterial(2)->GetPorePressureRecord(1);
    low.SetOption(3);
    low.SetValue(-40);  // negative pressures not allowed: 0
    line = 0;
    material = 2;
    ASSERT_TRUE(PoreWaterPressureAtPoint(s.ds, 10, 5, line, material, 1, pressure, text));
    EXPECT_EQ(pressure, 0.0);
    EXPECT_EQ(text.find("Pore water pressures were computed using data for material 2.\n"), 0u);
}

// Regression: asking for the pore pressure of a profile line whose material did not exist
// created that material; a query never changes the data.
TEST(PointStresses, AMissingMaterialIsReportedNotCreated) {
    Section s;
    s.ds.ProfileLines().CreateLine(3, 7, "")->AddPoint(0, 30);
    s.ds.ProfileLines().FindProfileLine(3)->AddPoint(40, 30);
    const int before = s.ds.MaterialData().GetMaterialList().Count();
    int line = 3, material = 0;
    double pressure = 0;
    std::string text;
    EXPECT_FALSE(PoreWaterPressureAtPoint(s.ds, 10, 25, line, material, 1, pressure, text));
    EXPECT_EQ(material, 7);
    EXPECT_EQ(s.ds.MaterialData().GetMaterialList().Count(), before);
    EXPECT_EQ(s.ds.MaterialData().GetMaterialList().FindMaterial(7), nullptr);
    double depth, overburden;
    EXPECT_FALSE(OverburdenPressure(s.ds, 10, 5, depth, overburden));  // line 3 has no material
}

}  // namespace
