// The nail and geogrid bars without a window: facing codes, the type lists named after the
// current data set's property sets, getters and setters by entry option, and the Enter key.

#include "editing/edit_modes.h"
#include "editing/tool_dialog_bars.h"
#include "loads/geogrid_data.h"
#include "loads/nail_data.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

namespace {

class NailGeogridBars : public ::testing::Test {
protected:
    void SetUp() override { Cpp_Kliven4Data::NewDataSet(1, false); }
    void TearDown() override { Cpp_Kliven4Data::DeleteAllDataSets(); }
    Cpp_Kliven4DataSet& DataSet() { return *Cpp_Kliven4Data::CurrentDataSet(); }
    testsupport::FakeServices fakes;
};

TEST_F(NailGeogridBars, ModesShowTheirBarsWithTheTypesOfTheDataSet) {
    EXPECT_EQ(ToolBarForMode(EditModeNails), BarNails);
    EXPECT_EQ(ToolBarForMode(EditModeGeogrids), BarGeogrids);
    EXPECT_STREQ(ToolBarCaption(BarNails), "Nail Layout Entry");
    EXPECT_STREQ(ToolBarCaption(BarGeogrids), "Geogrid Layout Entry");

    // No property sets: empty lists, and the geogrid getter gives type -1.
    ShowToolBar(BarGeogrids, true, 1);
    CmDialogBarGeogridsTool& grids = TheToolBars().geogrids;
    EXPECT_TRUE(grids.Controls().Items(CmDialogBarGeogridsTool::IdType).empty());
    double y = 0, length = 0;
    int type = 7;
    bool left = false;
    ASSERT_TRUE(grids.GetGeogridData(y, length, type, left));
    EXPECT_EQ(type, -1);

    Cpp_GeogridProperties set;
    set.name = "Grid A";
    DataSet().Geogrids()->Properties().push_back(set);
    Cpp_NailProperties nail;
    nail.name = "Bar 25";
    DataSet().SoilNails()->Properties().push_back(nail);
    nail.name = "Bar 32";
    DataSet().SoilNails()->Properties().push_back(nail);
    ShowToolBar(BarNails, true, 1);
    EXPECT_EQ(TheToolBars().nails.Controls().Items(CmDialogBarNailsTool::IdType),
              (std::vector<std::string>{"Bar 25", "Bar 32"}));
    ShowToolBar(BarGeogrids, true, 1);
    EXPECT_EQ(grids.Controls().Items(CmDialogBarGeogridsTool::IdType),
              std::vector<std::string>{"Grid A"});
}

// A nail with facing 0 and a geogrid with facing 1 both show "Left facing"; getters and setters
// answer only for the tool (1) and a selected item (2).
TEST_F(NailGeogridBars, LeftFacingAndEntryOptions) {
    CmDialogBarNailsTool& nails = TheToolBars().nails;
    CmDialogBarGeogridsTool& grids = TheToolBars().geogrids;
    Cpp_IndividualNail nail;
    nail.headY = 12;
    nail.length = 8;
    nail.inclination = 15;
    nail.nailType = 1;
    nail.facing = 0;
    nail.horizontalSpacing = 1.5;
    Cpp_Geogrid grid;
    grid.SetDefinition(4, 6, 0, 1);
    for (int option : {0, 3}) {
        nails.SetEntryOption(option);
        grids.SetEntryOption(option);
        EXPECT_FALSE(nails.SetFromNail(nail)) << option;
        EXPECT_FALSE(grids.SetFromGeogrid(grid)) << option;
        double y, l, inc, sp;
        int type;
        bool left;
        EXPECT_FALSE(nails.GetNailData(y, l, inc, type, left, sp)) << option;
        EXPECT_FALSE(grids.GetGeogridData(y, l, type, left)) << option;
    }
    EXPECT_EQ(nails.LastNail(), &nail);  // remembered in any option
    nails.SetEntryOption(2);
    grids.SetEntryOption(2);
    ASSERT_TRUE(nails.SetFromNail(nail));
    ASSERT_TRUE(grids.SetFromGeogrid(grid));
    EXPECT_EQ(nails.Controls().Index(CmDialogBarNailsTool::IdLeft), 1);
    EXPECT_EQ(grids.Controls().Index(CmDialogBarGeogridsTool::IdLeft), 1);
    double y = 0, length = 0, inclination = 0, spacing = 0;
    int type = -1;
    bool left = false;
    ASSERT_TRUE(nails.GetNailData(y, length, inclination, type, left, spacing));
    EXPECT_EQ(y, 12.0);
    EXPECT_EQ(length, 8.0);
    EXPECT_EQ(inclination, 15.0);
    EXPECT_TRUE(left);
    EXPECT_EQ(spacing, 1.5);
    grid.SetDefinition(4, 6, 0, 2);
    ASSERT_TRUE(grids.SetFromGeogrid(grid));
    ASSERT_TRUE(grids.GetGeogridData(y, length, type, left));
    EXPECT_FALSE(left);
    EXPECT_EQ(length, 6.0);
    ASSERT_TRUE(grids.SetLength(9));
    ASSERT_TRUE(grids.GetGeogridData(y, length, type, left));
    EXPECT_EQ(length, 9.0);
}

TEST_F(NailGeogridBars, EnterAnywhereInTheNailBarCompletesTheStep) {
    CmDialogBarNailsTool& nails = TheToolBars().nails;
    for (int control : {int(CmDialogBarNailsTool::IdY), int(CmDialogBarNailsTool::IdType), 0}) {
        const s_BarKeyRoute enter = nails.RouteKey(control, e_BarKey::Enter, false);
        EXPECT_TRUE(enter.consumed);
        EXPECT_EQ(enter.message, e_BarMessage::EnterKey);
        EXPECT_EQ(nails.RouteKey(control, e_BarKey::Escape, false).message, e_BarMessage::None);
    }
    CmDialogBarGeogridsTool& grids = TheToolBars().geogrids;
    EXPECT_EQ(grids.RouteKey(CmDialogBarGeogridsTool::IdLength, e_BarKey::Enter, false).message,
              e_BarMessage::EnterKey);
    EXPECT_EQ(grids.RouteKey(CmDialogBarGeogridsTool::IdOptions, e_BarKey::Enter, false).message,
              e_BarMessage::None);
}

}  // namespace
