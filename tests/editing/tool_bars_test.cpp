// The load, circle, radius, noncircular, crack and interpolation bars without a window.

#include "analysis/analysis_computation_data.h"
#include "analysis/radius_definition.h"
#include "editing/tool_dialog_bars.h"
#include "loads/line_load.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Components (3, 4) switched to resultant show what the line-load conversion gives, and back.
TEST(LineLoadBar, SwitchingTheFormConvertsTheForces) {
    CmDialogBarLineLoadTool& bar = TheToolBars().lineLoad;
    BarControls& c = bar.Controls();
    EXPECT_EQ(c.Index(1946), 1);  // components by default
    EXPECT_EQ(c.Text(1943), "Horiz. force:");
    c.SetText(1944, "3");
    c.SetText(1949, "4");
    c.SetIndex(1946, 0);
    c.SetIndex(1947, 1);
    bar.OnControl(1947);
    s_LineLoadType expected;
    expected.option = Cpp_LineLoad::ByComponents;
    expected.horizontal = 3;
    expected.vertical = 4;
    Cpp_LineLoad::FromTableRecord(expected);
    EXPECT_EQ(c.Text(1943), "Magnitude:");
    EXPECT_EQ(c.Text(1945), "Inclination:");
    EXPECT_EQ(c.Text(1944), "5");
    EXPECT_EQ(c.Text(1949), BarNumberText(expected.inclination));
    c.SetIndex(1947, 0);
    c.SetIndex(1946, 1);
    bar.OnControl(1946);
    EXPECT_EQ(c.Text(1943), "Horiz. force:");
    EXPECT_DOUBLE_EQ(std::stod(c.Text(1944)), 3);
    EXPECT_DOUBLE_EQ(std::stod(c.Text(1949)), 4);

    double x = -1, y = -1, first = -1, second = -1;
    int form = -1;
    for (int option : {0, 3, 4}) {
        bar.SetEntryOption(option);
        EXPECT_FALSE(bar.GetLineLoadData(x, y, first, second, form)) << option;
    }
    EXPECT_EQ(form, -1);
    bar.SetEntryOption(2);
    ASSERT_TRUE(bar.GetLineLoadData(x, y, first, second, form));
    EXPECT_EQ(form, 1);
    EXPECT_DOUBLE_EQ(first, 3);

    Cpp_LineLoad load(1, 10, 20, Cpp_LineLoad::ByResultant, 100, 30);
    ASSERT_TRUE(bar.SetFromLineLoad(load));
    EXPECT_EQ(c.Index(1947), 1);
    EXPECT_EQ(c.Text(1943), "Magnitude:");
    EXPECT_EQ(c.Text(1944), "100");
    EXPECT_EQ(c.Text(1940), "10");
}

TEST(DistributedLoadBar, PiezometricLineChoiceAndKeys) {
    CmDialogBarDistributedLoad& bar = TheToolBars().distributedLoad;
    BarControls& c = bar.Controls();
    const std::vector<int> point = {1921, 1923, 1925, 1926};
    EXPECT_FALSE(c.IsEnabled(1930));
    c.SetIndex(1929, 1);
    bar.OnControl(1929);
    for (int id : point) EXPECT_FALSE(c.IsEnabled(id)) << id;
    EXPECT_TRUE(c.IsEnabled(1930));
    EXPECT_TRUE(bar.IsUsingPiezometricLine());
    c.SetText(1930, "4");
    c.SetIndex(1929, 0);
    bar.OnControl(1929);
    for (int id : point) EXPECT_TRUE(c.IsEnabled(id)) << id;
    EXPECT_FALSE(c.IsEnabled(1930));
    EXPECT_EQ(c.Text(1930), "1");

    c.SetText(1921, "7");
    bar.SetPiezometricLineOption(false, 3);
    EXPECT_EQ(c.Text(1930), "0");
    EXPECT_EQ(c.Text(1921), "0");
    EXPECT_EQ(static_cast<MemoryBarControls&>(c).Focused(), 1921);
    bar.SetPiezometricLineOption(true, 3);
    EXPECT_EQ(c.Text(1930), "3");
    EXPECT_TRUE(c.IsEnabled(1930));

    // Enter and Escape anywhere, Escape without the Shift flag; the wheel edits the tool.
    EXPECT_EQ(bar.RouteKey(1931, e_BarKey::Enter, false).message, e_BarMessage::EnterKey);
    const s_BarKeyRoute escape = bar.RouteKey(1925, e_BarKey::Escape, true);
    EXPECT_EQ(escape.message, e_BarMessage::EscapeKey);
    EXPECT_EQ(escape.wParam, 0);
    EXPECT_FALSE(bar.RouteKey(1921, e_BarKey::Left, false).consumed);
    EXPECT_TRUE(bar.WheelEditsTool());

    bar.SetEntryOption(3);
    double value = -1;
    EXPECT_TRUE(bar.GetStress(value, true));
    for (int id : point) EXPECT_FALSE(c.IsEnabled(id)) << id;
}

TEST(CircleBar, FieldsFollowTheModeAndTheRadiusDefinition) {
    CmDialogBarCircleTool& bar = TheToolBars().circle;
    BarControls& c = bar.Controls();
    // Created on "Individual" with "Constant".
    EXPECT_EQ(c.Index(1876), 0);
    EXPECT_EQ(c.Index(1878), 0);
    EXPECT_EQ(c.Text(1885), "Radius:");
    EXPECT_TRUE(c.IsShown(1884));
    EXPECT_FALSE(c.IsShown(1906));
    EXPECT_FALSE(bar.OptionsEnabled());
    EXPECT_FALSE(c.IsEnabled(1883));
    EXPECT_FALSE(c.IsShown(1886));

    struct Case {
        int radius;
        const char* label;
        bool first;
        bool second;
    };
    for (const Case& k : {Case{1, "X:", true, true}, Case{2, "Elev. (Y):", true, false},
                          Case{3, "", false, false}, Case{0, "Radius:", true, false}}) {
        c.SetIndex(1878, k.radius);
        bar.OnControl(1878);
        EXPECT_EQ(c.Text(1885), k.label) << k.radius;
        EXPECT_EQ(c.IsShown(1884), k.first) << k.radius;
        EXPECT_EQ(c.IsShown(1906), k.second) << k.radius;
    }

    int mode = 0;
    bar.onModeChanged = [&](int m) { mode = m; };
    c.SetIndex(1876, 2);  // "Search - Fixed Grid"
    bar.OnControl(1876);
    EXPECT_EQ(mode, 4);
    for (int id : {1884, 1885, 1906, 1905, 1877, 1878}) EXPECT_FALSE(c.IsShown(id)) << id;
    EXPECT_TRUE(c.IsShown(1886));
    EXPECT_TRUE(c.IsEnabled(1886));
    EXPECT_TRUE(bar.OptionsEnabled());

    // Hidden: the centre stays.
    c.SetText(1880, "2");
    EXPECT_FALSE(bar.SetCenter(9, 9));
    EXPECT_EQ(c.Text(1880), "2");
    double x = 0, y = 0;
    EXPECT_FALSE(bar.GetCenter(x, y));
    bar.SetEntryOption(4);
    EXPECT_FALSE(c.IsEnabled(1880));
    EXPECT_TRUE(c.IsEnabled(1878));
    ASSERT_TRUE(bar.SetCircleData(1, 5, 6, 2, true, 1, 2));
    EXPECT_EQ(c.Index(1876), 0);
    EXPECT_EQ(c.Index(1878), 3);
    bool irregular = false;
    EXPECT_EQ(bar.GetRadiusKind(irregular), 2);
    EXPECT_TRUE(irregular);
}

class RadiusBarTest : public ::testing::Test {
protected:
    RadiusBarTest() {
        analysis = Cpp_Kliven4Data::CurrentDataSet()->AnalysisComputationData();
        analysis->SetCircular(true);
        analysis->SetMode(4);
    }
    std::vector<std::string> Items() { return bar.Controls().Items(1896); }
    int Selected() { return bar.Controls().Index(1896); }
    Cpp_RadiusDefinitionList& List() { return analysis->GetRadiusDefinitionList(); }
    void AddThree() {
        List().AddGivenRadius(10);
        Cpp_RadiusDefinition* tangent = List().AddTangentLine();
        tangent->GetTangentLine()->ChangeOption(Cpp_TangentLine::kHorizontal);
        tangent->GetTangentLine()->SetElevation(-5);
        List().AddFixedPoint(3, 4);
    }

    Cpp_AnalysisComputationData* analysis;
    CmDialogBarRadiusTool& bar = TheToolBars().radius;
};

TEST_F(RadiusBarTest, FixedGridListsNumberedCriteria) {
    bar.FillCriterionList();
    EXPECT_EQ(Items(), std::vector<std::string>{"<None>"});
    AddThree();
    bar.SetEntryOption(1);
    bar.FillCriterionList();
    EXPECT_EQ(Items(), (std::vector<std::string>{"(1) Constant radius", "(2) Horizontal tangent",
                                                 "(3) Fixed point"}));
    EXPECT_EQ(Selected(), 2);
    EXPECT_EQ(bar.Controls().Text(1897), "X:");
    EXPECT_EQ(bar.Controls().Text(1898), "3");
    EXPECT_EQ(bar.Controls().Text(1900), "4");
    EXPECT_TRUE(bar.Controls().IsShown(1928));
    bar.Controls().SetIndex(1896, 1);
    bar.OnControl(1896);
    EXPECT_EQ(bar.Controls().Text(1897), "Elev. (Y):");
    EXPECT_EQ(bar.Controls().Text(1898), "-5");
    EXPECT_FALSE(bar.Controls().IsShown(1900));
}

// Deleting the first of three selects the new first; the last of several leaves none selected;
// the only one leaves "<None>" selected.
TEST_F(RadiusBarTest, DeletingACriterion) {
    AddThree();
    bar.SetEntryOption(1);
    bar.FillCriterionList();
    bar.Controls().SetIndex(1896, 0);
    bar.OnControl(1928);
    EXPECT_EQ(List().GetCount(), 2);
    EXPECT_EQ(Items(), (std::vector<std::string>{"(1) Horizontal tangent", "(2) Fixed point"}));
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(bar.Controls().Text(1898), "-5");
    bar.Controls().SetIndex(1896, 1);
    bar.OnControl(1928);
    EXPECT_EQ(Items(), std::vector<std::string>{"(1) Horizontal tangent"});
    EXPECT_EQ(Selected(), -1);
    bar.Controls().SetIndex(1896, 0);
    bar.OnControl(1928);
    EXPECT_EQ(Items(), std::vector<std::string>{"<None>"});
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(List().GetCount(), 0);
}

TEST_F(RadiusBarTest, FloatingGridAndPickedPoints) {
    analysis->SetMode(3);
    analysis->SetRadiusOption(0);
    analysis->SetRadius(12);
    bar.FillCriterionList();
    EXPECT_EQ(Items(), std::vector<std::string>{"Constant radius"});
    EXPECT_FALSE(bar.Controls().IsEnabled(1896));
    EXPECT_FALSE(bar.Controls().IsShown(1928));
    EXPECT_EQ(bar.Controls().Text(1898), "12");
    bar.UpdateFromPoint(3, 4, false);  // the centre is at the origin
    double radius = 0;
    ASSERT_TRUE(bar.GetRadiusValue(radius));
    EXPECT_DOUBLE_EQ(radius, 5);
    Cpp_RadiusDefinition definition(1.0);
    ASSERT_TRUE(bar.ApplyToRadiusDefinition(definition));
    EXPECT_DOUBLE_EQ(definition.GetGivenRadius(), 5);
    bar.SetEntryOption(2);
    EXPECT_FALSE(bar.Controls().IsEnabled(1902));
}

TEST(NoncircularBar, FixityAndSearchFields) {
    CmDialogBarNoncircularTool& bar = TheToolBars().noncircular;
    BarControls& c = bar.Controls();
    EXPECT_EQ(c.Index(1892), 2);
    EXPECT_FALSE(c.IsShown(1892));  // "Individual": no fixity
    bar.SetEntryOption(1);
    ASSERT_TRUE(bar.SetPointData(3, 1, 2, true, true, 15));
    EXPECT_EQ(c.Text(1892), "Moveable - Angle Comp'd");
    EXPECT_TRUE(c.IsShown(1894));
    EXPECT_FALSE(c.IsEnabled(1894));
    c.SetIndex(1892, 1);
    bar.OnControl(1892);
    EXPECT_TRUE(c.IsEnabled(1894));
    bar.SetEntryOption(3);
    double x = -1, y = -1;
    EXPECT_FALSE(bar.GetPoint(x, y));
    EXPECT_EQ(x, -1);
    EXPECT_FALSE(c.IsShown(1889));
    bar.SetEntryOption(4);
    EXPECT_TRUE(bar.GetPoint(x, y));
    EXPECT_EQ(x, 1);
    EXPECT_FALSE(c.IsShown(1904));
}

TEST(CrackBar, CrackWaterAndKinds) {
    CmDialogBarCrackTool& bar = TheToolBars().crack;
    BarControls& c = bar.Controls();
    EXPECT_FALSE(c.IsShown(1925));
    bar.SetCrackOrWaterMode(false);
    EXPECT_EQ(c.Items(1908),
              (std::vector<std::string>{"Depth Specified", "Surface Elevation Specified"}));
    EXPECT_EQ(c.Index(1908), 0);
    EXPECT_TRUE(c.IsShown(1925));
    bar.SetCrackOrWaterMode(true);
    EXPECT_EQ(c.Items(1908)[1], "Bottom Elevation Specified");

    // The getters answer while the bar is hidden.
    struct Case {
        bool depth;
        bool constant;
        int kind;
        const char* label;
    };
    for (const Case& k : {Case{true, true, 1, "Depth:"}, Case{false, true, 2, "Elevation:"},
                          Case{true, false, 3, "Depth:"}, Case{false, false, 4, "Elevation:"}}) {
        bar.SetCrackData(false, k.depth, k.constant, 7.5, 62.4);
        int kind = 0;
        double x = 0, value = 0, unitWeight = 0;
        ASSERT_TRUE(bar.GetCrackData(kind, x, value, unitWeight));
        EXPECT_EQ(kind, k.kind);
        EXPECT_EQ(value, 7.5);
        EXPECT_EQ(unitWeight, 62.4);
        EXPECT_EQ(c.Text(1911), k.label);
        EXPECT_EQ(c.IsEnabled(1922), !k.constant);
    }
    bar.SetEntryOption(2);  // a variable crack: no list, no radios
    EXPECT_FALSE(c.IsEnabled(1908));
    EXPECT_TRUE(c.IsEnabled(1912));
}

TEST(InterpolationBar, KindsLabelTheValue) {
    CmDialogBarInterpolationTool& bar = TheToolBars().interpolation;
    BarControls& c = bar.Controls();
    struct Case {
        int kind;
        bool head;
        const char* label;
        bool headShown;
    };
    for (const Case& k :
         {Case{1, false, "Pore water pressure:", true}, Case{1, true, "Total head:", true},
          Case{2, true, "Pore pressure coefficient (ru):", false},
          Case{3, false, "Undrained shear strength (Su):", false},
          Case{5, false, "c/p ratio:", false}, Case{4, false, "?????:", false}}) {
        bar.SetInterpolationKind(k.kind, k.head);
        bar.SetEntryOption(1);
        EXPECT_EQ(c.Text(1821), k.label) << k.kind;
        EXPECT_EQ(c.IsShown(1997), k.headShown) << k.kind;
        EXPECT_EQ(c.Index(1997), k.kind == 1 && k.head ? 1 : 0);
        EXPECT_FALSE(c.IsEnabled(1820));
    }
    bar.SetPointData(4, 1, 2, 3, 9.5);
    int number = 0, material = 0;
    double x = 0, y = 0, value = 0;
    bar.SetEntryOption(0);
    EXPECT_EQ(bar.GetInterpolationKind(), 0);
    EXPECT_FALSE(c.IsEnabled(1820));
    ASSERT_TRUE(bar.GetPointData(number, x, y, material, value));
    EXPECT_EQ(number, 4);
    EXPECT_EQ(value, 9.5);
}

}  // namespace
