// The option launchers of the circle and noncircular tools: what their windows are given and
// what OK stores back; Cancel stores nothing.

#include <gtest/gtest.h>

#include <functional>

#include "analysis/analysis_computation_data.h"
#include "core/tool_option_dialogs.h"

namespace {

using A = Cpp_AnalysisComputationData;

// Shows what it was given, lets the test change it, and answers ok.
struct ScriptedOptions final : ToolOptionDialogs {
    bool CircleSearch1(s_CircleSearch1ToolOptions& o) override { return Run(search1, o); }
    bool CircleSearch2(s_CircleSearch2ToolOptions& o) override { return Run(search2, o); }
    bool Noncircular(s_NoncircularToolOptions& o) override { return Run(noncircular, o); }
    template <class T>
    bool Run(T& shown, T& options) {
        shown = options;
        if (edit) edit(&options);
        return ok;
    }
    s_CircleSearch1ToolOptions search1;
    s_CircleSearch2ToolOptions search2;
    s_NoncircularToolOptions noncircular;
    std::function<void(void*)> edit;
    bool ok = true;
};

class ToolOptionLaunchers : public ::testing::Test {
protected:
    void SetUp() override { ToolOptionDialogsSlot().Set(&options); }
    void TearDown() override {
        ToolOptionDialogsSlot().Reset();
        A::NoncircularToolSnapOption() = 0;
        A::NoncircularToolSnapTolerance() = 1.0;
    }
    template <class T>
    void Edit(std::function<void(T&)> edit) {
        options.edit = [edit](void* o) { edit(*static_cast<T*>(o)); };
    }

    ScriptedOptions options;
    A data;
};

TEST_F(ToolOptionLaunchers, FloatingGridOptionsKeepTheElevationOfALimitSwitchedOff) {
    data.SetMinimumGridSpacing(2.0);
    data.SetLowestCenter(true, -4.0);
    Edit<s_CircleSearch1ToolOptions>([](auto& o) {
        o.minimumSpacing = 0.5;
        o.minimumDepth = -20;
        o.limitCentres = false;
        o.limitElevation = -6;
        o.rejectInverted = true;
    });
    ASSERT_TRUE(data.EditCircleSearch1ToolOptions());
    EXPECT_EQ(options.search1.minimumSpacing, 2.0);
    EXPECT_TRUE(options.search1.limitCentres);
    EXPECT_EQ(options.search1.limitElevation, -4.0);
    EXPECT_EQ(data.GetMinimumGridSpacing(), 0.5);
    EXPECT_EQ(data.GetLowestSlipSurfaceElevation(), -20);
    double y = 0;
    EXPECT_FALSE(data.GetLowestCenter(y));
    EXPECT_EQ(y, -6);
    EXPECT_TRUE(data.NoInvertedCircles());

    options.ok = false;
    Edit<s_CircleSearch1ToolOptions>([](auto& o) { o.minimumSpacing = 9; });
    EXPECT_FALSE(data.EditCircleSearch1ToolOptions());
    EXPECT_EQ(data.GetMinimumGridSpacing(), 0.5);
}

// A grid becoming a line runs from corner 1 to corner 3; a line becoming a grid starts with
// every corner at the origin; the counts come from the window.
TEST_F(ToolOptionLaunchers, FixedGridOptionsTurnTheGridIntoALineAndBack) {
    Cpp_FixedSearchGrid& grid = data.GetFixedSearchGrid();
    grid.SetCounts(5, 6);
    for (int i = 1; i <= 4; ++i) grid.SetCorner(i, 10.0 * i, 20.0 * i);
    Edit<s_CircleSearch2ToolOptions>([](auto& o) {
        o.alongLine = true;
        o.pointsAcross = 9;
        o.pointsUp = 9;
    });
    ASSERT_TRUE(data.EditFixedGridToolOptions());
    EXPECT_EQ(options.search2.pointsAcross, 5);
    EXPECT_EQ(options.search2.pointsUp, 6);
    EXPECT_FALSE(options.search2.alongLine);
    EXPECT_TRUE(grid.IsLine());
    EXPECT_EQ(grid.PointsAcross(), 9);
    EXPECT_EQ(grid.Corner(1).x, 10);
    EXPECT_EQ(grid.Corner(2).x, 30);
    EXPECT_EQ(grid.Corner(2).y, 60);

    Edit<s_CircleSearch2ToolOptions>([](auto& o) {
        o.alongLine = false;
        o.pointsAcross = 4;
        o.pointsUp = 3;
    });
    ASSERT_TRUE(data.EditFixedGridToolOptions());
    EXPECT_FALSE(grid.IsLine());
    EXPECT_EQ(grid.PointsUp(), 3);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(grid.Corner(i).x, 0) << i;
        EXPECT_EQ(grid.Corner(i).y, 0) << i;
    }
}

// The shifts and the steepness belong to the data; the snap option and tolerance to the tool,
// for every data set.
TEST_F(ToolOptionLaunchers, NoncircularOptionsStoreTheShiftsAndTheToolsSnap) {
    data.SetShiftDistances(2.0, 0.5);
    Edit<s_NoncircularToolOptions>([](auto& o) {
        o.snap = 3;
        o.tolerance = 0.25;
        o.initialShift = 4.0;
        o.finalShift = 0.1;
        o.maximumSteepness = 40;
    });
    ASSERT_TRUE(data.EditNoncircularToolOptions());
    EXPECT_EQ(options.noncircular.snap, 0);
    EXPECT_EQ(options.noncircular.tolerance, 1.0);
    EXPECT_EQ(options.noncircular.initialShift, 2.0);
    EXPECT_EQ(options.noncircular.maximumSteepness, 50.0);
    EXPECT_EQ(data.GetInitialShiftDistance(), 4.0);
    EXPECT_EQ(data.GetFinalShiftDistance(), 0.1);
    EXPECT_EQ(data.GetMaximumSteepness(), 40);
    EXPECT_EQ(A::NoncircularToolSnapOption(), 3);
    EXPECT_EQ(A::NoncircularToolSnapTolerance(), 0.25);

    A other;
    Edit<s_NoncircularToolOptions>([](auto&) {});
    ASSERT_TRUE(other.EditNoncircularToolOptions());
    EXPECT_EQ(options.noncircular.snap, 3);
    EXPECT_EQ(options.noncircular.tolerance, 0.25);
}

}  // namespace
