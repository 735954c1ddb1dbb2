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
    EXPECT_NE(dump.find("Selected material number for profile line 4, material 2"), std::string::npos) << dump;
    EXPECT_NE(dump.find("Description: clay"), std::string::npos);
    EXPECT_EQ(dump.find("Region for"), std::string::npos);  // the window was cleared first

    fakes.infoWindow.initialized = false;
    EXPECT_TRUE(AddMaterialInformation(ds, 68, *line));
}

}  // namespace
