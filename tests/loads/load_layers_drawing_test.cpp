// The loads of a data set painted through the whole-view routine: each kind at its layer
// (distributed loads, line loads, reinforcement, geogrids and nails, then the load labels), under
// its display flag, with the scales taken from the data when the view zooms to them.

#include "load_drawing_fixture.h"
#include "loads/loads_data.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "model/subsystem_registration.h"
#include "model/view_painting.h"
#include "registry/data_set_drawing.h"
#include "registry/display_selections.h"

#include <gtest/gtest.h>

namespace {

using platform::DcRecordKind;

class LoadLayersDrawingTest : public LoadDrawingFixture {
protected:
    void SetUp() override {
        LoadDrawingFixture::SetUp();
        Cpp_Kliven4Data::DeleteAllDataSets();
        ds = Cpp_Kliven4Data::CurrentDataSet();
        Cpp_LoadsData& loads = ds->Loads();
        loads.DistributedLoads(1).AddPoint(0, 0, 62.4, 0);
        loads.DistributedLoads(1).AddPoint(10, 0, 62.4, 0);
        loads.LineLoads(1).AddByComponents(1, 5, 0, 0, -1000);
        Cpp_ReinforcementLine* r = loads.reinforcement.AddEmptyLine();
        r->AddPoint(0, -2, 100, 0);
        r->AddPoint(10, -2, 100, 0);
        Cpp_IndividualNail* n = loads.nails.GetIndividualNailList().AddEmptyNail();
        n->headX = 0, n->headY = -4, n->endX = 5, n->endY = -6;
        loads.geogrids.GetIndividualGeogridList().AddEmptyGeogrid()->SetGeometry(0, -5, 8);
        InitializeViewDrawing();
        ds->DisplayFlags().loadCoordinates[0] = true;
        Cpp_DisplaySelections::ApplyToOwners(*ds, ds->DisplayFlags());
    }
    void TearDown() override {
        Cpp_Kliven4Data::DeleteAllDataSets();
        Cpp_DataSetDrawing::ResetRegistry();
        LoadDrawingFixture::TearDown();
    }
    void Paint() {
        dc.Clear();
        ZoomToExtents(-1, 11, -7, 2);
        PaintProblemView(dc, {0, 0, 1000, 800}, ds, Cpp_Graphics::kOutputScreen, 1);
        EXPECT_TRUE(Cpp_DataSetDrawing::Reported().empty());
    }
    int First(platform::ColorRef colour) const {
        const auto& r = dc.Records();
        for (size_t i = 0; i < r.size(); ++i)
            if (r[i].attributes.pen.color == colour && r[i].kind != DcRecordKind::Text)
                return static_cast<int>(i);
        return -1;
    }
    int Last(platform::ColorRef colour) const {
        const auto& r = dc.Records();
        for (size_t i = r.size(); i-- > 0;)
            if (r[i].attributes.pen.color == colour && r[i].kind != DcRecordKind::Text)
                return static_cast<int>(i);
        return -1;
    }
    Cpp_Kliven4DataSet* ds = nullptr;
};

TEST_F(LoadLayersDrawingTest, EveryKindIsDrawnAtItsLayer) {
    Paint();
    const platform::ColorRef blue = Cpp_WindowsPalette::RGBColor(13);
    const platform::ColorRef orange = Cpp_WindowsPalette::RGBColor(27);
    const platform::ColorRef reinforcement = Cpp_WindowsPalette::RGBColor(14);
    const platform::ColorRef geogrid = Cpp_WindowsPalette::RGBColor(15);
    ASSERT_GE(First(blue), 0);
    ASSERT_GE(First(orange), 0);
    ASSERT_GE(First(reinforcement), 0);
    ASSERT_GE(First(geogrid), 0);
    EXPECT_LT(First(blue), First(orange));           // distributed loads first
    EXPECT_LT(Last(orange), First(reinforcement));   // then line loads
    EXPECT_LT(Last(reinforcement), First(geogrid));  // then reinforcement
    EXPECT_LT(Last(geogrid), Last(blue));            // geogrids, then nails
    // The force band got its width from the largest force of the data.
    EXPECT_EQ(dc.Count(DcRecordKind::FillPolygon), 1u);
    // The coordinate labels of the load points come last.
    const auto& r = dc.Records();
    int lastText = -1;
    for (size_t i = 0; i < r.size(); ++i)
        if (r[i].kind == DcRecordKind::Text && r[i].attributes.textColor == blue)
            lastText = static_cast<int>(i);
    ASSERT_GT(lastText, Last(blue));
    EXPECT_EQ(r[lastText].text, "Y:0.00");
}

TEST_F(LoadLayersDrawingTest, DisplayFlagsHideTheirKinds) {
    ASSERT_TRUE(ds->SetDisplayOption(29, false));  // line loads, stage 1
    ASSERT_TRUE(ds->SetDisplayOption(33, false));  // longitudinal forces
    ds->Loads().geogrids.SetDisplayGeogrids(false);
    Paint();
    EXPECT_EQ(First(Cpp_WindowsPalette::RGBColor(27)), -1);
    EXPECT_EQ(First(Cpp_WindowsPalette::RGBColor(15)), -1);
    EXPECT_EQ(dc.Count(DcRecordKind::FillPolygon), 0u);
    EXPECT_FALSE(ds->Loads().LineLoads(1).display);
}

TEST_F(LoadLayersDrawingTest, PaletteWithoutADataSetChangesTheDefaultsOfNewLists) {
    ASSERT_TRUE(Cpp_DisplaySelections::SetDefaultDisplayOption(30, false));  // line loads 2
    ASSERT_TRUE(Cpp_DisplaySelections::SetDefaultDisplayOption(34, false));  // transverse
    EXPECT_FALSE(Cpp_LineLoadList::GetDefaultDisplayFlag(2));
    EXPECT_FALSE(Cpp_LineLoadList(2).display);
    EXPECT_FALSE(Cpp_ReinforcementLineList().displayTransverseForce);
    Cpp_DisplaySelections::SetDefaultDisplayOption(30, true);
    Cpp_DisplaySelections::SetDefaultDisplayOption(34, true);
    EXPECT_TRUE(Cpp_ReinforcementLineList().displayTransverseForce);
}

TEST_F(LoadLayersDrawingTest, PrintingKeepsTheScreenScales) {
    Paint();
    const double screen = Cpp_DistributedLoadData::ScaleValue(62.4);
    Cpp_Graphics::SaveScaleState();
    loads::DistributedLoadScale().records[0] = {1, 31.2};
    Cpp_Graphics::InvalidateScale();
    Paint();
    EXPECT_DOUBLE_EQ(Cpp_DistributedLoadData::ScaleValue(62.4), 2 * screen);
    Cpp_Graphics::RestoreScaleState();
    EXPECT_DOUBLE_EQ(Cpp_DistributedLoadData::ScaleValue(62.4), screen);
}

TEST_F(LoadLayersDrawingTest, ScalingOfASelectedItemGoesToItsKindAndRefits) {
    Paint();
    fakes.loadScaling.answers.push_back(platform::LoadScaling{1, 31.2});
    EXPECT_TRUE(Cpp_Graphics::EditScalingForSelection(38));
    EXPECT_TRUE(Cpp_Graphics::ScaleIsStale());
    EXPECT_EQ(fakes.loadScaling.requests.at(0).title, "Distributed Load Scale");
    EXPECT_FALSE(Cpp_Graphics::EditScalingForSelection(64));  // cancelled
    EXPECT_EQ(fakes.loadScaling.requests.at(1).title, "Line Load Scale");
    EXPECT_FALSE(Cpp_Graphics::EditScalingForSelection(102));
    EXPECT_EQ(fakes.loadScaling.requests.at(2).title, "Reinforcement Force Scale");
    PaintProblemView(dc, {0, 0, 1000, 800}, ds, Cpp_Graphics::kOutputScreen, 1);
    EXPECT_DOUBLE_EQ(Cpp_DistributedLoadData::ScaleValue(31.2), 1.0);
}

}  // namespace

#include "model/read_input_file.h"
#include "registry/block_readers.h"
#include "support/test_support.h"

#include <filesystem>

namespace {

class LoadedExampleDrawingTest : public LoadDrawingFixture {
protected:
    void TearDown() override {
        Cpp_Kliven4Data::DeleteAllDataSets();
        Cpp_DataSetDrawing::ResetRegistry();
        ClearBlockReaders();
        LoadDrawingFixture::TearDown();
    }
};

TEST_F(LoadedExampleDrawingTest, TheLoadedExampleShowsEveryKindOfLoad) {
    testsupport::TempDir dir;
    const auto file = dir.Path() / "loaded_embankment.preinput-kliven";
    std::filesystem::copy_file(testsupport::ExamplesDir() / "loaded_embankment.preinput-kliven",
                               file);
    const auto previous = std::filesystem::current_path();
    InitializeBlockReaders();
    ASSERT_TRUE(ReadInputDataFile(nullptr, file));
    std::filesystem::current_path(previous);
    Cpp_Kliven4DataSet* ds = Cpp_Kliven4Data::CurrentDataSet();
    const Cpp_LoadsData& loads = ds->Loads();
    ASSERT_EQ(loads.DistributedLoads(1).Count(), 5);
    ASSERT_EQ(loads.LineLoads(1).Count(), 1);
    ASSERT_EQ(loads.reinforcement.Count(), 1);
    ASSERT_EQ(loads.nails.GetIndividualNailList().Count(), 1);
    ASSERT_EQ(loads.geogrids.GetIndividualGeogridList().Count(), 1);

    InitializeViewDrawing();
    ZoomToExtents(0, 100, 4, 45);
    PaintProblemView(dc, {0, 0, 1000, 700}, ds, Cpp_Graphics::kOutputScreen, 1);
    EXPECT_TRUE(Cpp_DataSetDrawing::Reported().empty());
    auto drawnIn = [&](int palette) {
        const platform::ColorRef c = Cpp_WindowsPalette::RGBColor(palette);
        return std::count_if(
            dc.Records().begin(), dc.Records().end(),
            [c](const platform::DcRecord& r) { return r.attributes.pen.color == c; });
    };
    EXPECT_GT(drawnIn(13), 20);  // load diagrams with their arrows, the nail
    EXPECT_GT(drawnIn(27), 0);   // the line load
    EXPECT_GT(drawnIn(14), 4);   // the anchor with its force bands
    EXPECT_GT(drawnIn(15), 4);   // the geogrid's dashes
}

}  // namespace
