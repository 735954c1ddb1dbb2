// The openers of the nail and geogrid windows: what they hand the windows, what OK stores and
// what Cancel or a refusal leaves.

#include <gtest/gtest.h>

#include "core/units.h"
#include "graphics/line.h"
#include "loads/geogrid_data.h"
#include "loads/nail_data.h"
#include "loads/nail_geogrid_dialogs.h"
#include "loads_test_support.h"
#include "support/fake_services.h"

#include <functional>

namespace {

// Windows answered by the test: each runs its edit on the data handed over and answers `ok`.
class ScriptedWindows : public Cpp_NailGeogridDialogs {
public:
    ScriptedWindows() { NailGeogridDialogsSlot().Set(this); }
    ~ScriptedWindows() override { NailGeogridDialogsSlot().Reset(); }
    bool EditNailProperties(std::vector<Cpp_NailProperties>& types) override {
        ++runs;
        if (nailProperties) nailProperties(types);
        return ok;
    }
    bool EditNailLayouts(std::array<s_NailLayoutPage, 8>& pages,
                         const std::vector<std::string>& names) override {
        ++runs;
        seenNames = names;
        if (nailLayouts) nailLayouts(pages);
        return ok;
    }
    bool EditGeogridProperties(s_GeogridPropertiesDialogData& data) override {
        ++runs;
        if (geogridProperties) geogridProperties(data);
        return ok;
    }
    bool EditGeogridLayouts(s_GeogridLayoutsDialogData& data) override {
        ++runs;
        seenNames = data.typeNames;
        if (geogridLayouts) geogridLayouts(data);
        return ok;
    }
    bool EditIndividualGeogrids(s_IndividualGeogridsDialogData& data) override {
        ++runs;
        seenNames = data.typeNames;
        if (individual) individual(data);
        return ok;
    }
    bool ok = true;
    int runs = 0;
    std::vector<std::string> seenNames;
    std::function<void(std::vector<Cpp_NailProperties>&)> nailProperties;
    std::function<void(std::array<s_NailLayoutPage, 8>&)> nailLayouts;
    std::function<void(s_GeogridPropertiesDialogData&)> geogridProperties;
    std::function<void(s_GeogridLayoutsDialogData&)> geogridLayouts;
    std::function<void(s_IndividualGeogridsDialogData&)> individual;
};

Cpp_GeogridProperties GridType(const char* name) {
    Cpp_GeogridProperties p;
    p.name = name;
    return p;
}

// Reading past the end of a list or a standard table gives an empty entry and never grows it, so
// no blank property set is ever written.
TEST(NailGeogridGetters, ReadingPastTheEndGrowsNothing) {
    Cpp_NailData nails;
    Cpp_GeogridData grids;
    grids.Properties().push_back(GridType("Grid A"));
    EXPECT_EQ(grids.GetProperties(0).name, "Grid A");
    for (int i : {-1, 1, 5}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(grids.GetProperties(i).name, "");
        EXPECT_EQ(nails.GetNailProperties(i).name, "");
        EXPECT_EQ(Cpp_GeogridData::GetStandardGeogridType(i).description, "");
        EXPECT_EQ(Cpp_NailProperties::GetBarType(i).description, "");
    }
    EXPECT_EQ(grids.NumberOfPropertySets(), 1);
    EXPECT_EQ(nails.NumberOfPropertySets(), 0);
    EXPECT_EQ(Cpp_GeogridData::GetNumberOfGeogridTypes(), 0);
    EXPECT_EQ(Cpp_NailProperties::GetNumberOfBarTypes(), 0);
}

TEST(NailGeogridOpeners, PropertiesAreStoredOnOkOnly) {
    ScriptedWindows windows;
    Cpp_NailData nails;
    Cpp_NailProperties first;
    first.name = "Nail Type 1";
    nails.Properties().push_back(first);
    windows.nailProperties = [](std::vector<Cpp_NailProperties>& types) {
        types[0].alphaF = 0.5;
        types.push_back(types[0]);
        types[1].name = "Nail Type 2";
    };
    windows.ok = false;
    EXPECT_FALSE(nails.EditProperties());
    ASSERT_EQ(nails.NumberOfPropertySets(), 1);
    EXPECT_EQ(nails.Properties()[0].alphaF, 1.0);
    windows.ok = true;
    EXPECT_TRUE(nails.EditProperties());
    ASSERT_EQ(nails.NumberOfPropertySets(), 2);
    EXPECT_EQ(nails.Properties()[0].alphaF, 0.5);
    EXPECT_EQ(nails.Properties()[1].name, "Nail Type 2");

    Cpp_GeogridData grids;
    windows.geogridProperties = [](s_GeogridPropertiesDialogData& data) {
        // The window starts a new type with the opener's factors of safety.
        EXPECT_EQ(data.primed.fsInstallationDamage, 3.0);
        EXPECT_EQ(data.primed.fsCreep, 5.0);
        EXPECT_EQ(data.primed.fsBiological, 1.3);
        EXPECT_EQ(data.primed.fsChemical, 2.0);
        EXPECT_EQ(data.primed.fsJoints, 1.0);
        EXPECT_EQ(data.primed.fStar, 0.5);
        EXPECT_EQ(data.primed.interactionOption, Cpp_GeogridProperties::InteractionSpecified);
        EXPECT_EQ(data.primed.alpha, 1.0);
        data.types.push_back(GridType("Grid Type 1"));
    };
    EXPECT_TRUE(grids.EditProperties());
    ASSERT_EQ(grids.NumberOfPropertySets(), 1);
    EXPECT_EQ(grids.Properties()[0].name, "Grid Type 1");
}

TEST(NailGeogridOpeners, NailLayoutPagesMirrorTheSlots) {
    ScriptedWindows windows;
    Cpp_NailData nails;
    Cpp_NailProperties type;
    type.name = "Bar 25";
    nails.Properties().push_back(type);
    Cpp_NailLayout& used = nails.Layouts()[0];
    used.propertySet = 1;
    used.facing = 1;
    used.verticalOption = Cpp_NailLayout::ByTopBottomSpacing;
    used.topOfSlope = 20;
    used.verticalSpacing = 1.5;
    used.horizontalSpacing = 2;
    Cpp_NailLayout& unused = nails.Layouts()[1];
    unused.propertySet = 0;
    unused.facing = 1;
    unused.verticalOption = 2;
    unused.nailLength = 9;
    windows.nailLayouts = [](std::array<s_NailLayoutPage, 8>& pages) {
        EXPECT_EQ(pages[0].nailType, 1);
        EXPECT_EQ(pages[0].face, 1);
        EXPECT_EQ(pages[0].option, 3);
        EXPECT_EQ(pages[0].topY, 20.0);
        EXPECT_EQ(pages[0].horizontalSpacing, 2.0);
        // An unused slot shows only its type, option 0 and the left face.
        EXPECT_EQ(pages[1].nailType, 0);
        EXPECT_EQ(pages[1].face, 0);
        EXPECT_EQ(pages[1].option, 0);
        EXPECT_EQ(pages[1].length, 0.0);
        pages[0].sameAsVertical = true;
        pages[0].horizontalSpacing = 7;
        pages[0].length = 12;
        pages[1].length = 4;  // no type: not stored
        pages[2].nailType = 1;
        pages[2].inclination = 15;
    };
    EXPECT_TRUE(nails.ShowLayoutInformation());
    EXPECT_EQ(windows.seenNames, std::vector<std::string>{"Bar 25"});
    EXPECT_TRUE(used.sameAsVertical);
    EXPECT_EQ(used.horizontalSpacing, 0.0);
    EXPECT_EQ(used.nailLength, 12.0);
    EXPECT_EQ(unused.nailLength, 9.0);
    EXPECT_EQ(unused.verticalOption, 2);
    EXPECT_EQ(nails.Layouts()[2].propertySet, 1);
    EXPECT_EQ(nails.Layouts()[2].inclination, 15.0);
}

TEST(NailGeogridOpeners, GeogridLayoutsNeedATypeAndKeepTheDirection) {
    testsupport::FakeServices fakes;
    ScriptedWindows windows;
    Cpp_GeogridData grids;
    EXPECT_FALSE(grids.EditLayouts());
    EXPECT_FALSE(grids.EditIndividualGeogrids(Cpp_Line()));
    EXPECT_EQ(windows.runs, 0);
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 2u);
    for (const auto& request : fakes.messageBoxes.requests) {
        EXPECT_EQ(request.caption, "Error");
        EXPECT_EQ(request.text, "There are no grid properties defined.  You must first enter grid "
                                "properties before entering the grid layouts.");
    }

    grids.Properties().push_back(GridType("Grid A"));
    grids.Properties().push_back(GridType("Grid B"));
    grids.layoutFacing = 2;
    Cpp_GeogridLayout old;
    old.geogridType = 1;
    old.numberOfLayers = 4;
    grids.Layouts().push_back(old);
    windows.geogridLayouts = [](s_GeogridLayoutsDialogData& data) {
        EXPECT_EQ(data.direction, 1);
        ASSERT_EQ(data.layouts.size(), 1u);
        data.layouts[0].geogridType = -1;  // no type: keeps the rest of the layout
        data.layouts[0].numberOfLayers = 9;
        Cpp_GeogridLayout added;
        added.geogridType = 0;
        added.numberOfLayers = 3;
        data.layouts.push_back(added);
        data.direction = 0;
    };
    windows.ok = false;
    EXPECT_FALSE(grids.EditLayouts());
    EXPECT_EQ(grids.layoutFacing, 2);
    EXPECT_EQ(grids.Layouts().size(), 1u);
    windows.ok = true;
    EXPECT_TRUE(grids.EditLayouts());
    EXPECT_EQ(windows.seenNames, (std::vector<std::string>{"Grid A", "Grid B"}));
    EXPECT_EQ(grids.layoutFacing, 1);
    ASSERT_EQ(grids.Layouts().size(), 2u);
    EXPECT_EQ(grids.Layouts()[0].geogridType, -1);
    EXPECT_EQ(grids.Layouts()[0].numberOfLayers, 4);
    EXPECT_EQ(grids.Layouts()[1].numberOfLayers, 3);
}

TEST(NailGeogridOpeners, IndividualGeogridsOpenSortedAndAreReplacedOnOk) {
    ScriptedWindows windows;
    Cpp_GeogridData grids;
    grids.Properties().push_back(GridType("Grid A"));
    auto& list = grids.GetIndividualGeogridList();
    list.AddGeogrid(8, 5, 0, 1);
    list.AddGeogrid(2, 5, 0, 1);
    list.AddGeogrid(5, 5, 0, 2);
    Cpp_Line slope;
    slope.AddPoint(0, 0);
    slope.AddPoint(10, 10);
    windows.individual = [&slope](s_IndividualGeogridsDialogData& data) {
        EXPECT_EQ(data.slope, &slope);
        ASSERT_EQ(data.grids.size(), 3u);
        EXPECT_EQ(data.grids[0].headY, 2.0);
        EXPECT_EQ(data.grids[1].headY, 5.0);
        EXPECT_EQ(data.grids[2].headY, 8.0);
        data.grids.erase(data.grids.begin());
    };
    EXPECT_TRUE(grids.EditIndividualGeogrids(slope));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Geogrids()[0]->headY, 5.0);
    EXPECT_EQ(list.Geogrids()[0]->facing, 2);
    EXPECT_EQ(list.Geogrids()[1]->headY, 8.0);
}

// The generation dialog sees the unit system's units, but only OK stores them.
TEST(NailGeogridOpeners, GeogridGenerationUnitsReachTheDataOnlyOnOk) {
    ScriptedGenerationDialogs dialogs;
    Cpp_GeogridData grids;
    grids.options.lengthUnit = 2;
    grids.options.forceUnit = 1;
    SetUnitSystem(UnitSystemSI);
    dialogs.cancel = true;
    EXPECT_FALSE(grids.EditGenerationOptions());
    EXPECT_EQ(dialogs.seenGeogridOptions.lengthUnit, LengthMeters);
    EXPECT_EQ(dialogs.seenGeogridOptions.forceUnit, ForceNewtons);
    EXPECT_EQ(grids.options.lengthUnit, 2);
    EXPECT_EQ(grids.options.forceUnit, 1);
    dialogs.cancel = false;
    EXPECT_TRUE(grids.EditGenerationOptions());
    EXPECT_EQ(grids.options.lengthUnit, LengthMeters);
    EXPECT_EQ(grids.options.forceUnit, ForceNewtons);
    SetUnitSystem(UnitSystemEnglish);
}

TEST(NailGeogridOpeners, AFaceIntersectionIsChosenFromTheOfferedValues) {
    ScriptedGenerationDialogs dialogs;
    const std::vector<double> xs{3.5, 12.25};
    int index = -1;
    dialogs.chosenX = 1;
    EXPECT_TRUE(Cpp_GeogridData::ChooseFaceIntersection(xs, index));
    EXPECT_EQ(index, 1);
    EXPECT_EQ(dialogs.offeredX, xs);
    for (int answer : {-1, 2}) {
        dialogs.chosenX = answer;
        index = 7;
        EXPECT_FALSE(Cpp_GeogridData::ChooseFaceIntersection(xs, index));
        EXPECT_EQ(index, 7);
    }
}

}  // namespace
