// A selected item shows the tool bar of its kind with the entry option of a selected point (2)
// or of a selected segment or item (3), loaded with the item's values; interpolation nodes and
// kinds without a bar answer false.

#include "analysis/analysis_computation_data.h"
#include "analysis/noncircular_shear_surface.h"
#include "core/string_table.h"
#include "editing/selection.h"
#include "editing/selection_list.h"
#include "editing/tool_dialog_bars.h"
#include "editing/view_input_fixture.h"
#include "editing/view_selection.h"
#include "loads/distributed_load_data.h"
#include "loads/line_load.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/piezometric_line.h"
#include "profile/crack.h"
#include "profile/profile_line.h"

#include <string>

namespace {

// Profile line 1 "upper" of material 7 from (100, 100) to (200, 100), in a view of one pixel a
// unit (pixel y = 300 - world y).
class SelectionToolBarsTest : public ViewInputTest {
protected:
    void SetUp() override {
        ViewInputTest::SetUp();
        FillStringTable({{1308, "Select item to modify, etc."},
                         {1309, "Right-click for edit options"},
                         {1367, "Right-click for options menu"}});
        ds = Cpp_Kliven4Data::CurrentDataSet();
        Cpp_ProfileLine* line = ds->ProfileLines().CreateLine(1, 7, "upper");
        line->AddPoint(100, 100);
        line->AddPoint(200, 100);
        line->NumberPoints();
    }
    Cpp_Kliven4DataSet* ds = nullptr;
};

// A click on a segment, then on a point, of a profile line in select mode.
TEST_F(SelectionToolBarsTest, SelectingAProfileSegmentOrPointLoadsTheProfileBar) {
    CmDialogBarProfileTool& bar = TheToolBars().profile;
    ShowToolBar(BarSlope, true, 1);
    Click(150, 200);
    Release(150, 200);
    EXPECT_EQ(ShownToolBar(), BarProfile);
    EXPECT_FALSE(IsToolBarVisible(BarSlope));
    EXPECT_EQ(bar.GetEntryOption(), 3);
    BarControls& c = bar.Controls();
    EXPECT_EQ(c.Text(1785), "1");
    EXPECT_EQ(c.Text(1787), "7");
    EXPECT_EQ(c.Text(1793), "upper");
    EXPECT_EQ(c.Text(1789), "0");
    EXPECT_EQ(c.Text(1791), "0");
    EXPECT_FALSE(c.IsEnabled(1789));
    EXPECT_FALSE(c.IsEnabled(1791));
    for (int id : {1785, 1787, 1793}) EXPECT_TRUE(c.IsEnabled(id)) << id;

    // The line's second point lies on its segment too: the press takes the point, the one
    // moveable item there, without the candidate menu.
    Click(200, 200);
    Release(200, 200);
    EXPECT_TRUE(host.menus.empty());
    EXPECT_EQ(bar.GetEntryOption(), 2);
    double x = 0, y = 0;
    ASSERT_TRUE(bar.GetPoint(x, y));
    EXPECT_EQ(x, 200);
    EXPECT_EQ(y, 100);
    EXPECT_TRUE(c.IsEnabled(1789));
}

// One record per kind, loaded into its bar: the bar shown, its option and what it shows.
TEST_F(SelectionToolBarsTest, EachKindLoadsItsBar) {
    ToolDialogBars& bars = TheToolBars();

    Cpp_PiezometricLine* water = ds->PiezometricLines(1)->CreateLine(3, 62.4, "water table");
    Cpp_PointXY* wp = water->AddPoint(10, 20);
    Cpp_Selection piezometric;
    piezometric.SetPointItem(ds, 1, SEL_PIEZOMETRIC_POINT, water, wp);
    EXPECT_TRUE(piezometric.UpdateToolBars());
    EXPECT_EQ(ShownToolBar(), BarPiezometric);
    EXPECT_EQ(bars.piezometric.GetEntryOption(), 2);
    int number = 0;
    double unitWeight = 0;
    std::string description;
    ASSERT_TRUE(bars.piezometric.GetLineData(number, unitWeight, description));
    EXPECT_EQ(number, 3);
    EXPECT_EQ(unitWeight, 62.4);
    EXPECT_EQ(description, "water table");

    Cpp_ReinforcementLine rein(4, "", 0, 1);
    Cpp_ReinforcementPoint* rp = rein.AddPoint(1, 2, 300, 40);
    rein.AddPoint(5, 2, 300, 40);
    Cpp_Selection interval;
    interval.SetSegmentItem(ds, 0, SEL_REINFORCEMENT_INTERVAL, &rein, rp);
    EXPECT_TRUE(interval.UpdateToolBars());
    EXPECT_EQ(ShownToolBar(), BarReinforcement);
    EXPECT_EQ(bars.reinforcement.GetEntryOption(), 3);
    EXPECT_EQ(bars.reinforcement.Controls().Text(1787), "4");
    EXPECT_EQ(bars.reinforcement.Controls().Text(1797), "0");
    Cpp_Selection reinPoint;
    reinPoint.SetPointItem(ds, 0, SEL_REINFORCEMENT_POINT, &rein, rp);
    EXPECT_TRUE(reinPoint.UpdateToolBars());
    double x = 0, y = 0, longitudinal = 0, transverse = 0;
    ASSERT_TRUE(bars.reinforcement.GetPointData(x, y, longitudinal, transverse));
    EXPECT_EQ((std::vector<double>{x, y, longitudinal, transverse}),
              (std::vector<double>{1, 2, 300, 40}));

    Cpp_LineLoad load(1, 5, 6, Cpp_LineLoad::ByComponents, 3, 4);
    Cpp_Selection lineLoad;
    lineLoad.SetLoadPointItem(ds, 1, SEL_LINE_LOAD, &load);
    EXPECT_TRUE(lineLoad.UpdateToolBars());
    EXPECT_EQ(ShownToolBar(), BarLineLoad);
    EXPECT_EQ(bars.lineLoad.Controls().Text(1943), "Horiz. force:");
    EXPECT_EQ(bars.lineLoad.Controls().Text(1944), "3");
    EXPECT_EQ(bars.lineLoad.Controls().Text(1949), "4");

    // A load point of a stage whose loads come from a piezometric line.
    Cpp_DistributedLoadData* loads = ds->DistributedLoads(1);
    // The line first: choosing it discards the points there are.
    ASSERT_TRUE(loads->SetPiezometricLine(2));
    Cpp_DistributedLoadPoint* lp = loads->AddPoint(8, 9, 100, 10);
    Cpp_Selection loadPoint;
    loadPoint.SetLoadPointItem(ds, 1, SEL_LOAD_POINT, lp);
    EXPECT_TRUE(loadPoint.UpdateToolBars());
    EXPECT_EQ(bars.distributedLoad.GetEntryOption(), 2);
    EXPECT_EQ(bars.distributedLoad.Controls().Text(1925), "100");
    EXPECT_EQ(bars.distributedLoad.Controls().Text(1930), "2");
    EXPECT_TRUE(bars.distributedLoad.Controls().IsEnabled(1930));
    EXPECT_FALSE(bars.distributedLoad.Controls().IsEnabled(1921));

    // An Su point: the kind first, so the value reads as a strength.
    Cpp_InterpolationDataSet* su = ds->InterpolationData(1)->CreateDataSet(3, 2);
    su->AppendPoint(1, 30, 40, 500);
    su->RebuildVertices();
    Cpp_Selection strength;
    s_SelectionReferences refs;
    refs.ref1 = su;
    refs.ref2 = su->GetVertexList().First();
    strength.SetFromValues(ds, 1, SEL_STRENGTH_POINT, refs);
    EXPECT_TRUE(strength.UpdateToolBars());
    EXPECT_EQ(ShownToolBar(), BarInterpolation);
    EXPECT_EQ(bars.interpolation.GetInterpolationKind(), 3);
    EXPECT_EQ(bars.interpolation.Controls().Text(1821), "Undrained shear strength (Su):");
    int pointNumber = 0, material = 0;
    double value = 0;
    ASSERT_TRUE(bars.interpolation.GetPointData(pointNumber, x, y, material, value));
    EXPECT_EQ(pointNumber, 1);
    EXPECT_EQ(material, 2);
    EXPECT_EQ(value, 500);

    // A moveable noncircular point with a computed direction.
    Cpp_NoncircularShearSurfacePoint slip(1, 11, 12, 0, true, true);
    Cpp_Selection noncircular;
    s_SelectionReferences slipRefs;
    slipRefs.ref2 = &slip;
    noncircular.SetFromValues(ds, 0, SEL_NONCIRCULAR_POINT, slipRefs);
    EXPECT_TRUE(noncircular.UpdateToolBars());
    EXPECT_EQ(ShownToolBar(), BarNoncircular);
    EXPECT_EQ(bars.noncircular.Controls().Index(1892), 2);
    EXPECT_FALSE(bars.noncircular.Controls().IsEnabled(1894));

    // A point of the water in a crack given by elevations.
    Cpp_Crack& crack = ds->AnalysisComputationData()->GetCrack();
    crack.SetWaterOption(4);
    Cpp_CrackPoint* cp = crack.WaterPointList().AddPoint(15, 95);
    crack.WaterPointList().AddPoint(25, 96);
    Cpp_Selection crackWater;
    s_SelectionReferences crackRefs;
    crackRefs.ref1 = cp;
    crackWater.SetFromValues(ds, 0, SEL_VARIABLE_WATER_POINT, crackRefs);
    EXPECT_TRUE(crackWater.UpdateToolBars());
    EXPECT_EQ(ShownToolBar(), BarCrack);
    EXPECT_EQ(bars.crack.GetEntryOption(), 2);
    EXPECT_EQ(bars.crack.Controls().Items(1908),
              (std::vector<std::string>{"Depth Specified", "Surface Elevation Specified"}));
    EXPECT_EQ(bars.crack.Controls().Index(1908), 1);
    EXPECT_EQ(bars.crack.Controls().Text(1922), "15");
    EXPECT_EQ(bars.crack.Controls().Text(1912), "95");
    EXPECT_TRUE(bars.crack.Controls().IsShown(1925));
    EXPECT_FALSE(bars.crack.Controls().IsEnabled(1908));  // a variable crack keeps its kind
}

// The centre and the radius tip of an individual circle of constant radius 10 about (5, 6).
TEST_F(SelectionToolBarsTest, CircleItemsLoadTheCircleAndRadiusBars) {
    Cpp_AnalysisComputationData& analysis = *ds->AnalysisComputationData();
    analysis.SetMode(1);
    analysis.SetCircleCenter(5, 6);
    analysis.SetRadius(10);
    analysis.SetRadiusOption(0);
    Cpp_Selection centre;
    centre.SetFromValues(ds, 0, SEL_CIRCLE_CENTRE, {});
    EXPECT_TRUE(centre.UpdateToolBars());
    CmDialogBarCircleTool& circle = TheToolBars().circle;
    EXPECT_EQ(ShownToolBar(), BarCircle);
    EXPECT_EQ(circle.GetEntryOption(), 2);
    BarControls& c = circle.Controls();
    EXPECT_EQ(c.Index(1876), 0);
    EXPECT_EQ(c.Text(1880), "5");
    EXPECT_EQ(c.Text(1881), "6");
    EXPECT_EQ(c.Text(1884), "10");
    EXPECT_EQ(c.Text(1885), "Radius:");
    EXPECT_FALSE(c.IsEnabled(1876));
    EXPECT_TRUE(c.IsEnabled(1880));

    Cpp_Selection tip;
    s_SelectionReferences refs;
    refs.x = 15;
    refs.y = 6;
    tip.SetFromValues(ds, 0, SEL_PRESCRIBED_RADIUS, refs);
    EXPECT_TRUE(tip.UpdateToolBars());
    CmDialogBarRadiusTool& radius = TheToolBars().radius;
    EXPECT_EQ(ShownToolBar(), BarRadius);
    EXPECT_EQ(radius.GetEntryOption(), 2);
    double value = 0;
    ASSERT_TRUE(radius.GetRadiusValue(value));
    EXPECT_EQ(value, 10);
    EXPECT_EQ(radius.Controls().Text(1897), "Radius:");
    EXPECT_FALSE(radius.Controls().IsShown(1896));  // no criterion list for one circle
}

// "Head" ticked for a selected pore-pressure point: its data set takes heads and the bar shows
// the point's total head; cleared, the pressure again.
TEST_F(SelectionToolBarsTest, HeadSwitchesTheSelectedPressurePoint) {
    Cpp_InterpolationDataSet* pressures = ds->InterpolationData(1)->CreateDataSet(1, 1);
    pressures->AppendPoint(1, 30, 40, 624);
    pressures->RebuildVertices();
    Cpp_Selection point;
    s_SelectionReferences refs;
    refs.ref1 = pressures;
    refs.ref2 = pressures->GetVertexList().First();
    point.SetFromValues(ds, 1, SEL_PRESSURE_POINT, refs);
    GetCurrentSelection().AddCopy(point);
    ASSERT_TRUE(point.UpdateToolBars());
    CmDialogBarInterpolationTool& bar = TheToolBars().interpolation;
    BarControls& c = bar.Controls();
    EXPECT_EQ(c.Text(1821), "Pore water pressure:");
    EXPECT_EQ(c.Text(1826), "624");
    EXPECT_TRUE(c.IsShown(1997));

    c.SetIndex(1997, 1);
    bar.OnControl(1997);
    EXPECT_TRUE(pressures->GetOptionFlag());
    EXPECT_EQ(c.Text(1821), "Total head:");
    EXPECT_EQ(c.Text(1826), BarNumberText(40 + 624 / Cpp_InterpolationData::UnitWeightOfWater()));
    EXPECT_EQ(host.invalidated, 1);
    c.SetIndex(1997, 0);
    bar.OnControl(1997);
    EXPECT_FALSE(pressures->GetOptionFlag());
    EXPECT_EQ(c.Text(1821), "Pore water pressure:");
    EXPECT_DOUBLE_EQ(std::stod(c.Text(1826)), 624);
}

// A node of an interpolation triangulation answers false and leaves the shown bar; a results
// kind hides it and answers false too.
TEST_F(SelectionToolBarsTest, NodesAndResultsKindsShowNoBar) {
    ShowToolBar(BarSlope, true, 1);
    Cpp_Selection node;
    node.SetFromValues(ds, 1, SEL_PRESSURE_NODE, {});
    EXPECT_FALSE(node.UpdateToolBars());
    EXPECT_EQ(ShownToolBar(), BarSlope);
    Cpp_Selection results;
    results.SetFromValues(ds, 0, SEL_RESULTS_FACTOR_TEXT, {});
    EXPECT_FALSE(results.UpdateToolBars());
    EXPECT_EQ(ShownToolBar(), BarNone);
    EXPECT_FALSE(IsToolBarVisible(BarSlope));
    EXPECT_TRUE(IsToolBarVisible(BarEditingMain));
}

}  // namespace
