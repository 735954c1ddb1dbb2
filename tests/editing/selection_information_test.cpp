// The information window for a selected item: the page of its kind's writer (construction,
// profile and slope pages written here, the others dispatched), nothing for a kind without a
// writer, nothing at all while the window is hidden; the "Data Information Window" toggle shows
// the last selected item or empties the window.

#include "editing/selection_information.h"

#include "editing/construction_items.h"
#include "editing/selection_list.h"
#include "model/data_set.h"
#include "porepressure/piezometric_line.h"
#include "profile/profile_line.h"
#include "profile/slope_geometry.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Info = testsupport::FakeInfoWindow;

// Each line as "label|text", children indented by two blanks.
std::vector<std::string> Page(const Info& info, platform::InfoItem parent = platform::kInfoRoot,
                              const std::string& indent = "") {
    std::vector<std::string> out;
    for (const auto& line : info.Children(parent)) {
        out.push_back(indent + line.label + "|" + line.text);
        for (const auto& child : Page(info, line.id, indent + "  ")) out.push_back(child);
    }
    return out;
}

class InformationTest : public ::testing::Test {
protected:
    void SetUp() override {
        fakes.infoWindow.Initialize("KLIVEN Preprocessor", std::nullopt);
        fakes.infoWindow.Show(true);
        Cpp_ProfileLine* line = ds.ProfileLines().CreateLine(2, 4, "clay");
        line->AddPoint(0, 5);
        line->AddPoint(10, 5);
        line->NumberPoints();
        profile = line;
        Cpp_SlopeLine& slope = ds.SlopeGeometry().GetSlopeLine();
        slope.AddPoint(0, 5);
        slope.AddPoint(10, 5);
        slope.NumberPoints();
        Cpp_Line* c = GetConstructionLineList().NewLine();
        c->SetNumber(1);
        c->AddPoint(0, 0);
        c->AddPoint(10, 5);
        c->NumberPoints();
        construction = c;
    }
    void TearDown() override { DeleteAllConstructionItems(); }

    testsupport::FakeServices fakes;
    Cpp_Kliven4DataSet ds{1};
    Cpp_ProfileLine* profile = nullptr;
    Cpp_Line* construction = nullptr;
};

TEST_F(InformationTest, EachKindGetsItsWritersPage) {
    Cpp_Selection point;
    point.SetPointItem(&ds, 0, SEL_PROFILE_POINT, profile, profile->FirstPoint()->Next());
    ASSERT_TRUE(ShowSelectionInformation(point));
    EXPECT_EQ(Page(fakes.infoWindow),
              (std::vector<std::string>{
                  "|Profile line point selected", "|X: 10.000000 , Y: 5.000000",
                  "|Line description: clay", "Profile line number: |2", "Material number: |4",
                  "|Profile line coordinates", "  |X: 0.000000 , Y: 5.000000 ",
                  "  |X: 10.000000 , Y: 5.000000  - Selected point"}));
    EXPECT_EQ(fakes.infoWindow.expandCalls, 1);

    Cpp_Selection slope;
    slope.SetSegmentItem(&ds, 0, SEL_SLOPE_SEGMENT, &ds.SlopeGeometry().GetSlopeLine(),
                         ds.SlopeGeometry().GetSlopeLine().FirstPoint());
    ASSERT_TRUE(ShowSelectionInformation(slope));
    auto page = Page(fakes.infoWindow);
    ASSERT_GE(page.size(), 3u);
    EXPECT_EQ(page[0], "|Selected segment on slope line");
    EXPECT_EQ(page[1], "|From - X: 0.000000, Y: 5.000000");
    EXPECT_EQ(page[2], "|To - X: 10.000000, Y: 5.000000");
    EXPECT_EQ(page[page.size() - 3], "|Slope coordinates");
    EXPECT_EQ(page.back(), "  |X: 10.000000 , Y: 5.000000  - Second point selected");

    Cpp_Selection segment;
    segment.SetSegmentItem(&ds, 0, SEL_CONSTRUCTION_SEGMENT, construction,
                           construction->FirstPoint());
    ASSERT_TRUE(ShowSelectionInformation(segment));
    page = Page(fakes.infoWindow);
    EXPECT_EQ(page.front(), "|Construction line segment selected");
    EXPECT_EQ(page[1], "Construction line number: |1");
    EXPECT_EQ(page[page.size() - 2], "  |X: 0.000000 , Y: 0.000000  - First selected point");
    EXPECT_EQ(page.back(), "  |X: 10.000000 , Y: 5.000000  - Second selected point");

    // A kind without a writer: the window is emptied and stays empty.
    Cpp_Selection slice;
    slice.SetTypedItem(&ds, SEL_TOTAL_STRESS, 3);
    ASSERT_TRUE(ShowSelectionInformation(slice));
    EXPECT_TRUE(fakes.infoWindow.lines.empty());

    // A hidden window is left alone.
    ShowSelectionInformation(point);
    fakes.infoWindow.Show(false);
    const int clears = fakes.infoWindow.clears;
    EXPECT_FALSE(ShowSelectionInformation(segment));
    EXPECT_EQ(fakes.infoWindow.clears, clears);
    EXPECT_EQ(Page(fakes.infoWindow).front(), "|Profile line point selected");
}

TEST_F(InformationTest, DataInformationWindowShowsTheLastSelectedItem) {
    Cpp_SelectionList list;
    fakes.infoWindow.Show(false);
    ToggleInformationWindowForSelection(list);  // shown, nothing selected: emptied
    EXPECT_TRUE(fakes.infoWindow.visible);
    EXPECT_TRUE(fakes.infoWindow.lines.empty());
    EXPECT_EQ(fakes.infoWindow.clears, 1);
    ToggleInformationWindowForSelection(list);  // hidden again
    EXPECT_FALSE(fakes.infoWindow.visible);

    list.Add(&ds, 0, SEL_CONSTRUCTION_POINT, construction, construction->FirstPoint());
    list.Add(&ds, 0, SEL_PROFILE_POINT, profile, profile->FirstPoint());
    ToggleInformationWindowForSelection(list);
    EXPECT_EQ(Page(fakes.infoWindow).front(), "|Profile line point selected");

    // A stale last record is not read: the window is emptied.
    Cpp_SelectionList::NoteModelChange();
    ToggleInformationWindowForSelection(list);
    ToggleInformationWindowForSelection(list);
    EXPECT_TRUE(fakes.infoWindow.visible);
    EXPECT_TRUE(fakes.infoWindow.lines.empty());
}

}  // namespace
