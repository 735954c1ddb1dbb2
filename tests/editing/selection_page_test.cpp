// The information page of a selected item: the title row and the rows of its kind with the
// decimals of the preferences; an unknown kind gives one row, the results kinds none.

#include "editing/selection.h"

#include "editing/construction_items.h"
#include "graphics/drawing_attributes.h"
#include "loads/line_load.h"
#include "model/data_set.h"
#include "porepressure/piezometric_line.h"
#include "profile/profile_line.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

Rows RowsOf(const Cpp_Selection& s) {
    Cpp_NameValueList list;
    list.AddText("stale", "row");  // replaced by the page
    EXPECT_TRUE(s.GetInformation(list));
    Rows rows;
    for (int i = 0; i < list.Count(); ++i) rows.emplace_back(list.At(i).name, list.At(i).value);
    return rows;
}

TEST(SelectionPage, RowsOfEachKind) {
    Cpp_Kliven4DataSet ds{1};
    Cpp_ProfileLine* profile = ds.ProfileLines().CreateLine(2, 0, "sand");
    profile->AddPoint(0, 5);
    profile->AddPoint(5, 5);
    profile->AddPoint(10, 5);
    profile->NumberPoints();
    Cpp_PointXY* third = profile->FirstPoint()->Next()->Next();
    Cpp_Line construction;
    construction.SetNumber(1);
    construction.AddPoint(0, 0);
    construction.AddPoint(0, 0);  // equal ends: horizontal wins
    construction.NumberPoints();
    Cpp_PiezometricLine* water = ds.PiezometricLines(1)->CreateLine(3, 62.4, "");
    water->AddPoint(1, 2);
    water->NumberPoints();
    Cpp_LineLoad odd(1, 0, 0, 3, 0, 0);

    Cpp_Selection point, segment, piezometric, oddLoad, unknown, results;
    point.SetPointItem(&ds, 0, SEL_PROFILE_POINT, profile, third);
    segment.SetSegmentItem(&ds, 0, SEL_CONSTRUCTION_SEGMENT, &construction,
                           construction.FirstPoint());
    piezometric.SetPointItem(&ds, 1, SEL_PIEZOMETRIC_POINT, water, water->FirstPoint());
    oddLoad.SetLoadPointItem(&ds, 1, SEL_LINE_LOAD, &odd);
    unknown.SetFromValues(&ds, 0, 151, {});
    results.SetFromValues(&ds, 0, SEL_CONTOURS, {});

    EXPECT_EQ(RowsOf(point), (Rows{{"ITEM SELECTED:", "Profile Line Point"},
                                   {"Point number:", "3"},
                                   {"Line number:", "2"},
                                   {"Material number:", "Not available"},
                                   {"X:", "10.000000"},
                                   {"Y:", "5.000000"}}));
    const Rows seg = RowsOf(segment);
    ASSERT_EQ(seg.size(), 9u);
    EXPECT_EQ(seg[0],
              (std::pair<std::string, std::string>{"ITEM SELECTED:", "Construction Line Segment"}));
    EXPECT_EQ(seg[8],
              (std::pair<std::string, std::string>{"Slope of segment:", "Segnment is horizontal"}));
    // Stage row only once stage 2 has a piezometric line.
    EXPECT_EQ(RowsOf(piezometric)[1].first, "Point number:");
    ds.PiezometricLines(2)->CreateLine(1, 62.4, "");
    EXPECT_EQ(RowsOf(piezometric)[1],
              (std::pair<std::string, std::string>{"Data are for stage:", "1"}));
    EXPECT_EQ(RowsOf(piezometric)[5], (std::pair<std::string, std::string>{"Y:", "2.00"}));
    EXPECT_TRUE(RowsOf(oddLoad).empty());
    EXPECT_EQ(RowsOf(unknown), (Rows{{"ITEM SELECTED:", "????? - Unknown item"}}));
    EXPECT_TRUE(RowsOf(results).empty());
}

}  // namespace
