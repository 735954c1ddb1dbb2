// Commands on the selection: "Clear Display for Selection" switches off exactly the selected
// items' kinds (each at its own stage) and the owners follow; the triangulation commands refuse
// a list without an interpolation item with the notice and still empty the list; the options
// dialog changes the nudge settings only on OK.

#include "editing/selection_commands.h"

#include "editing/selection_list.h"
#include "loads/distributed_load_data.h"
#include "model/data_set.h"
#include "model/subsystem_registration.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/piezometric_line.h"
#include "profile/profile_line.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

namespace {

const char kNotice[] =
    "A valid interpolation data set (point or triangle) has not been selected.  Select an "
    "interpolation data set first.";

TEST(ClearDisplayForSelection, EveryItemSwitchesOffItsKindAtItsStage) {
    RegisterDrawingLayers();
    Cpp_Kliven4DataSet ds{1};
    ds.AnalysisComputationData()->SetStages(true, false);
    Cpp_ProfileLine* profile = ds.ProfileLines().CreateLine(1, 1, "");
    Cpp_PointXY* first = profile->AddPoint(0, 0);
    profile->AddPoint(10, 0);
    Cpp_PiezometricLine* water = ds.PiezometricLines(1)->CreateLine(1, 62.4, "");
    Cpp_PointXY* wp = water->AddPoint(0, 5);
    Cpp_DistributedLoadPoint* load = ds.DistributedLoads(2)->AddPoint(5, 0, 100, 0);

    Cpp_SelectionList list;
    Cpp_Selection s;
    s.SetLoadPointItem(&ds, 2, SEL_LOAD_POINT, load);
    list.AddCopy(s);
    s.SetSegmentItem(&ds, 0, SEL_PROFILE_SEGMENT, profile, first);
    list.AddCopy(s);
    list.Add(&ds, 1, SEL_PIEZOMETRIC_POINT, water, wp);
    list.Add(&ds, 0, SEL_CONSTRUCTION_POINT, nullptr, nullptr);  // a kind without a switch

    s_DisplayFlagsType expected = ds.DisplayFlags();
    expected.loadPoints[1] = false;
    expected.profileLines = false;
    expected.piezometricPoints[0] = false;
    EXPECT_TRUE(ClearDisplayFlags(list));
    EXPECT_TRUE(ds.DisplayFlags() == expected);
    EXPECT_FALSE(ds.ProfileLines().GetShowLines());
    EXPECT_TRUE(ds.ProfileLines().GetShowPoints());
    EXPECT_FALSE(ds.DistributedLoads(2)->ShowPoints());
    EXPECT_TRUE(ds.DistributedLoads(1)->ShowPoints());
    EXPECT_FALSE(ds.PiezometricLines(1)->GetShowPoints());
    EXPECT_TRUE(ds.PiezometricLines(2)->GetShowPoints());
    EXPECT_EQ(list.Count(), 4);  // the command empties the list, not this step
}

class CountingOperations final : public SelectedItemOperations {
public:
    bool RetriangulateDataSet(Cpp_Selection&) override { return ++retriangulated, answer; }
    bool DeleteTrianglesOutsideMaterial(Cpp_Selection&) override { return ++trimmed, answer; }
    int retriangulated = 0, trimmed = 0;
    bool answer = true;
};

TEST(RetriangulateSelection, NeedsAnInterpolationItemAndEmptiesTheList) {
    testsupport::FakeServices fakes;
    Cpp_Kliven4DataSet ds{1};
    Cpp_ProfileLine* profile = ds.ProfileLines().CreateLine(1, 1, "");
    Cpp_PointXY* point = profile->AddPoint(0, 0);
    Cpp_InterpolationDataSet* set = ds.InterpolationData(1)->CreateDataSet(1, 0);
    Cpp_SelectionList list;

    EXPECT_FALSE(RetriangulateSelection(list));  // empty
    list.Add(&ds, 0, SEL_PROFILE_POINT, profile, point);
    EXPECT_FALSE(RetriangulateSelection(list));  // no interpolation item
    EXPECT_TRUE(list.IsEmpty());
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 2u);
    for (const auto& r : fakes.messageBoxes.requests) {
        EXPECT_EQ(r.caption, "Notice");
        EXPECT_EQ(r.text, kNotice);
        EXPECT_EQ(r.icon, platform::BoxIcon::Information);
    }

    // An interpolation item with the item's own operation: its data set is triangulated again
    // (no status text); one that is not among the stage's data sets is refused with the notice.
    s_SelectionReferences refs;
    refs.ref1 = set;
    list.AddItem(&ds, 1, SEL_PRESSURE_TRIANGLE, refs);
    EXPECT_TRUE(RetriangulateSelection(list));
    EXPECT_EQ(fakes.statusLine.text, "");
    EXPECT_TRUE(list.IsEmpty());
    Cpp_InterpolationDataSet stray(1, 0);
    s_SelectionReferences strayRefs;
    strayRefs.ref1 = &stray;
    list.AddItem(&ds, 1, SEL_PRESSURE_TRIANGLE, strayRefs);
    EXPECT_FALSE(RetriangulateSelection(list));
    ASSERT_EQ(fakes.messageBoxes.requests.size(), 3u);
    fakes.messageBoxes.requests.pop_back();

    CountingOperations operations;
    SelectedItemOperationsSlot().Set(&operations);
    list.AddItem(&ds, 1, SEL_PRESSURE_TRIANGLE, refs);
    EXPECT_TRUE(RetriangulateSelection(list));
    operations.answer = false;
    list.AddItem(&ds, 1, SEL_PRESSURE_TRIANGLE, refs);
    EXPECT_FALSE(RetriangulateSelection(list));
    EXPECT_EQ(operations.retriangulated, 2);
    EXPECT_EQ(fakes.messageBoxes.requests.size(), 3u);  // the failed call says so too

    // Trimming: no notice; an empty list does nothing.
    EXPECT_FALSE(DeleteTrianglesOutsideMaterial(list));
    list.Add(&ds, 0, SEL_PROFILE_POINT, profile, point);
    EXPECT_FALSE(DeleteTrianglesOutsideMaterial(list));
    EXPECT_TRUE(list.IsEmpty());
    list.AddItem(&ds, 1, SEL_PRESSURE_TRIANGLE, refs);
    operations.answer = true;
    EXPECT_TRUE(DeleteTrianglesOutsideMaterial(list));
    EXPECT_EQ(operations.trimmed, 1);
    EXPECT_EQ(fakes.messageBoxes.requests.size(), 3u);
}

class ScriptedOptions final : public SelectionOptionsDialog {
public:
    bool Run(s_NudgeOptions& options) override {
        seen = options;
        options = {2, 0.25};
        return ok;
    }
    s_NudgeOptions seen;
    bool ok = false;
};

TEST(SelectedItemOptions, OnlyOkStoresTheNudgeSettings) {
    ScriptedOptions dialog;
    SelectionOptionsDialogSlot().Set(&dialog);
    EXPECT_FALSE(EditSelectedItemOptions());
    EXPECT_EQ(dialog.seen.mode, 1);
    EXPECT_EQ(dialog.seen.distance, 1.0);
    EXPECT_EQ(NudgeOptions().mode, 1);
    dialog.ok = true;
    EXPECT_TRUE(EditSelectedItemOptions());
    EXPECT_EQ(NudgeOptions().mode, 2);
    EXPECT_EQ(NudgeOptions().distance, 0.25);
}

}  // namespace
