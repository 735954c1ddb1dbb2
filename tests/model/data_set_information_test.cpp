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
