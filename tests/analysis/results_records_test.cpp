// The records of computed results: slices and the results display. A data set as created holds
// none, draws none, extends nothing and picks nothing; with slices filled in (as a loader of
// results would) the hit tests, largest values, pages and the text tool follow their rules.

#include "analysis/results_display.h"
#include "analysis/slices.h"

#include "core/preferences.h"
#include "graphics/drawing_attributes.h"
#include "graphics/graphics.h"
#include "model/data_check.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "platform/recording_dc.h"
#include "profile/material_properties.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

s_PickType Pick(double x, double y, double tolerance = 0.5) {
    s_PickType p;
    p.x = x;
    p.y = y;
    p.tolerance = tolerance;
    return p;
}

// Slices of width 10 from x = 0 on a base falling from y = 0 by 2 per slice, tops at y = 10;
// n slices and the right-end record.
std::vector<Cpp_Slice> Records(int n) {
    std::vector<Cpp_Slice> records(n + 1);
    for (int i = 0; i <= n; ++i) {
        Cpp_Slice& s = records[i];
        s.bottomLeftX = 10.0 * i;
        s.bottomLeftY = -2.0 * i;
        s.width = 10.0;
        s.bottomCenterX = s.bottomLeftX + 5.0;
        s.bottomCenterY = s.bottomLeftY - 1.0;
        s.baseInclination = std::atan(-0.2);
        s.baseLength = std::hypot(10.0, 2.0);
        s.topCenterY = 10.0;
        s.thrustY = 3.0;
        s.interSliceForce = 100.0 * (i + 1);
        s.thrustFraction = 0.25 + 0.01 * i;
        s.totalStressSegment = {s.bottomLeftX, 5, s.bottomLeftX + 10, 5};
        for (int k = 1; k <= 3; ++k) {
            s.normalStressBase[k] = (i + 1) * 10.0 * (i % 2 ? -1 : 1);
            s.normalForceBase[k] = 200.0;
            s.porePressure[k] = 4.0 * (i + 1);
            s.cohesion[k] = 100.0 + i;
            s.frictionAngle[k] = 0.1 * (i + 1);
        }
    }
    return records;
}

TEST(ResultsRecords, ADataSetAsCreatedHoldsNoResults) {
    Cpp_Kliven4DataSet ds(1);
    const Cpp_Slices& slices = ds.Slices();
    EXPECT_FALSE(ds.ResultsDisplay().HasResults());
    EXPECT_EQ(slices.Count(), 0);
    for (int entity = 0; entity <= 4; ++entity) EXPECT_EQ(slices.MaxAbsValue(entity, 1), 0.0);
    EXPECT_THROW(slices.MaxAbsValue(5, 1), Cpp_Slices::Exc_InvalidEntityNumber);
    Cpp_NameValueList rows;
    EXPECT_FALSE(slices.ShowSliceInformation(1, nullptr, 1, rows));
    EXPECT_EQ(rows.Count(), 0);
    int index = 0;
    double px = 0, py = 0;
    s_PickType pick = Pick(0, 0);
    EXPECT_FALSE(slices.HitTestCrackWaterForce(pick));
    EXPECT_FALSE(slices.HitTestLineOfThrust(pick, index));
    EXPECT_FALSE(slices.HitTestSliceItemA(pick, 0, index));
    EXPECT_FALSE(slices.HitTestSliceItemB(pick, px, py, index));
    EXPECT_FALSE(slices.HitTestSliceItemC(pick, index));
    EXPECT_FALSE(slices.FindSliceAtX(0, 0, index));
    EXPECT_FALSE(slices.HitTestSliceBoundary(pick, index));
    const Cpp_ResultsDisplay& results = ds.ResultsDisplay();
    EXPECT_FALSE(results.IsInsideBox(0, 0));  // the text box is empty
    EXPECT_EQ(results.FindTriangleAt(0, 0), nullptr);
    EXPECT_FALSE(results.HitTestPickGeometry(pick));
    EXPECT_FALSE(results.HitTestCriticalCircle(pick, px, py));
    double a, b, c, d;
    EXPECT_FALSE(results.GetCircleBounds(true, a, b, c, d));
    // Switches as the defaults give them.
    const bool slicesOn[] = {1, 0, 1, 0, 0, 0, 1, 1, 1, 1};
    for (int n = 0; n < 10; ++n) EXPECT_EQ(slices.GetDisplaySwitch(n), slicesOn[n]) << n;
    const bool resultsOn[] = {1, 1, 1, 1, 1, 1, 0, 0};
    for (int n = 0; n < 8; ++n) EXPECT_EQ(results.GetDisplaySwitch(n), resultsOn[n]) << n;
}

TEST(ResultsRecords, ExtentsTakeTheLowestSliceAndTheCriticalCentreOnlyWithResults) {
    Cpp_Kliven4DataSet ds(1);
    Cpp_ProfileLine* line = ds.ProfileLines().CreateLine(1, 1, "");
    line->AddPoint(0, 0);
    line->AddPoint(30, 0);
    ds.Slices().SetSlices(Records(2));  // lowest base y: -4
    ds.ResultsDisplay().SetCriticalCircle(Cpp_Circle(10, 20, 25));
    double xmin, xmax, ymin, ymax;
    ASSERT_TRUE(DataSetExtents(ds, xmin, xmax, ymin, ymax));
    EXPECT_EQ(std::vector<double>({xmin, xmax, ymin, ymax}), std::vector<double>({0, 30, 0, 0}));
    ds.ResultsDisplay().SetHasResults(true);
    ASSERT_TRUE(DataSetExtents(ds, xmin, xmax, ymin, ymax));
    EXPECT_EQ(std::vector<double>({xmin, xmax, ymin, ymax}), std::vector<double>({0, 30, -4, 20}));
    double a, b, c, d;
    ASSERT_TRUE(ds.ResultsDisplay().GetCircleBounds(true, a, b, c, d));
    EXPECT_EQ(std::vector<double>({a, b, c, d}), std::vector<double>({10, 10, 20, 20}));
    EXPECT_FALSE(ds.ResultsDisplay().GetCircleBounds(false, a, b, c, d));
    // Clearing the data set frees the slices; switches and the flag stay.
    ds.ResultsDisplay().SetDisplaySwitch(7, 1);
    ds.Clear();
    EXPECT_EQ(ds.Slices().Count(), 0);
    EXPECT_TRUE(ds.ResultsDisplay().HasResults());
    EXPECT_TRUE(ds.ResultsDisplay().GetDisplaySwitch(7));
}

TEST(ResultsRecords, LowestBottomAndLargestValues) {
    Cpp_Slices slices;
    std::vector<Cpp_Slice> one = Records(1);
    one[1].bottomLeftY = -50;  // the right end of a single slice does not count
    slices.SetSlices(std::move(one));
    EXPECT_EQ(slices.GetLowestBottomY(), 0.0);
    slices.SetSlices(Records(3));
    EXPECT_EQ(slices.GetLowestBottomY(), -6.0);
    EXPECT_EQ(slices.MaxAbsValue(0, 1), 30.0);  // |-20| < |30|
    EXPECT_EQ(slices.MaxAbsValue(1, 1), 12.0);
    EXPECT_EQ(slices.MaxAbsValue(3, 2), 102.0);
    EXPECT_DOUBLE_EQ(slices.MaxAbsValue(4, 3), 0.3);
    EXPECT_DOUBLE_EQ(slices.MaxAbsValue(2, 1), 200.0 / std::hypot(10.0, 2.0) - 4.0);
    std::vector<Cpp_Slice> bad = Records(1);
    bad[0].porePressure[1] = 2e100;
    slices.SetSlices(std::move(bad));
    EXPECT_THROW(slices.MaxAbsValue(2, 1), Cpp_Slice::Exc_BadPorePressure);
}

TEST(ResultsRecords, SliceHitTests) {
    Cpp_Slices slices;
    slices.SetSlices(Records(3));
    int index = -1;
    double px = 0, py = 0;
    const struct {
        const char* what;
        double x, y;
        int index;  // -1: nothing
    } boundaries[] = {
        {"left end of slice 1", 0.2, 5, 0},
        {"shared side of slices 1 and 2", 10.1, 5, 1},
        {"right end of the last slice", 29.9, 5, 3},
        {"below the base", 10, -5, -1},
        {"above the top", 10, 11, -1},
    };
    for (const auto& c : boundaries) {
        s_PickType pick = Pick(c.x, c.y);
        index = -1;
        EXPECT_EQ(slices.HitTestSliceBoundary(pick, index), c.index >= 0) << c.what;
        EXPECT_EQ(index, c.index) << c.what;
    }
    EXPECT_TRUE(slices.FindSliceAtX(15, 0, index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(slices.FindSliceAtX(15, -3.5, index));  // below slice 2's base
    EXPECT_FALSE(slices.FindSliceAtX(10, 5, index));     // on a side

    // Base points: between two ends at equal distance the one with the nearer base segment.
    s_PickType pick = Pick(15, -3, 6);  // points (10, -2) and (20, -4) are equally near
    ASSERT_TRUE(slices.HitTestSliceItemB(pick, px, py, index));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(px, 10.0);
    EXPECT_EQ(py, -2.0);
    pick = Pick(30.3, -6.2);
    ASSERT_TRUE(slices.HitTestSliceItemB(pick, px, py, index));
    EXPECT_EQ(index, 4);  // the right-end record
    pick = Pick(25, -5.2);
    ASSERT_TRUE(slices.HitTestSliceItemC(pick, index));
    EXPECT_EQ(index, 3);
    pick = Pick(12, 5.1);
    ASSERT_TRUE(slices.HitTestSliceItemA(pick, 0, index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(slices.HitTestSliceItemA(pick, 3, index));  // no such diagram
    pick = Pick(20, 3.2);  // on the line of thrust at the side shared by slices 2 and 3
    ASSERT_TRUE(slices.HitTestLineOfThrust(pick, index));
    EXPECT_EQ(index, 3);  // a later slice at an equal distance wins
}

TEST(ResultsRecords, LargestValuesOverTheDataSetsCountOnlyResults) {
    Cpp_Kliven4DataSet* a = Cpp_Kliven4Data::NewDataSet(1, true);
    Cpp_Kliven4DataSet* b = Cpp_Kliven4Data::NewDataSet(2, true);
    a->Slices().SetSlices(Records(3));  // total stress up to 30, but no results flag
    b->Slices().SetSlices(Records(1));  // total stress 10
    b->Slices().SetCrackWaterForce(2, 1, 75, 0);
    b->ResultsDisplay().SetHasResults(true);
    EXPECT_EQ(Cpp_Kliven4Data::MaximumSliceQuantity(0), 10.0);
    EXPECT_EQ(Cpp_Kliven4Data::MaximumSliceValue(), 75.0);
    a->ResultsDisplay().SetHasResults(true);
    EXPECT_EQ(Cpp_Kliven4Data::MaximumSliceQuantity(0), 30.0);
    Cpp_Slices::SetLargestValueF(30);
    Cpp_Slices::ComputeScaleD(2);
    EXPECT_TRUE(Cpp_Slices::Scale(1).computed);
    const s_KindValueType option{1, 20000.0};
    EXPECT_DOUBLE_EQ(Cpp_Slices::Scale(1).scale, option.Factor(72, 30));
}

TEST(ResultsRecords, CrackWaterForceIsFoundAlongItsArrow) {
    Cpp_Slices slices;
    slices.SetSlices(Records(2));
    Cpp_Slices::SetLargestValueA(100);
    Cpp_Slices::ComputeScaleB(1);
    const double length = Cpp_Slices::Scale(0).scale * 50;
    ASSERT_GT(length, 0.0);
    slices.SetCrackWaterForce(1, 2.5, 50, 1.0);
    int side = 0;
    double depth, force, x, y;
    EXPECT_TRUE(slices.GetCrackWaterForce(side, depth, force, x, y));
    EXPECT_EQ(std::vector<double>({double(side), depth, force, x, y}),
              std::vector<double>({1, 2.5, 50, 0, 1}));
    s_PickType pick = Pick(-length / 2, 1.2);
    EXPECT_TRUE(slices.HitTestCrackWaterForce(pick));
    EXPECT_NEAR(pick.bestDistanceSquared, 0.04, 1e-12);
    pick = Pick(length / 2, 1.2);  // the arrow points away from the slices
    EXPECT_FALSE(slices.HitTestCrackWaterForce(pick));
    slices.SetCrackWaterForce(2, 2.5, 50, 1.0);
    EXPECT_TRUE(slices.GetCrackWaterForce(side, depth, force, x, y));
    EXPECT_EQ(x, 20.0);
    pick = Pick(20 + length / 2, 0.8);
    EXPECT_TRUE(slices.HitTestCrackWaterForce(pick));
    slices.Clear();
    EXPECT_FALSE(slices.GetCrackWaterForce(side, depth, force, x, y));
}

TEST(ResultsRecords, SlicePagesBySingleAndTwoStages) {
    Cpp_Slices slices;
    std::vector<Cpp_Slice> records = Records(1);
    Cpp_MaterialProperties clay(3);
    records[0].materialNumber = 3;
    records[0].unitWeights.push_back({3, &clay, 4.0, 120.0, 125.0});
    slices.SetSlices(std::move(records));
    auto names = [](const Cpp_NameValueList& rows) {
        std::vector<std::string> out;
        for (int i = 0; i < rows.Count(); ++i) out.push_back(rows.At(i).name);
        return out;
    };
    auto has = [](const std::vector<std::string>& v, const std::string& s) {
        return std::find(v.begin(), v.end(), s) != v.end();
    };
    Cpp_NameValueList single;
    ASSERT_TRUE(slices.ShowSliceInformation(1, &clay, 1, single));
    const auto s1 = names(single);
    EXPECT_EQ(s1[0], "Material number (at base of slice):");
    EXPECT_EQ(single.At(0).value, "3");
    EXPECT_TRUE(has(s1, "Weight:"));
    EXPECT_TRUE(has(s1, "Cohesion:"));
    EXPECT_TRUE(has(s1, "Unit weights (C = const,V = varies):"));
    EXPECT_FALSE(has(s1, "Weight (Stage 1):"));
    Cpp_NameValueList two;
    ASSERT_TRUE(slices.ShowSliceInformation(1, &clay, 2, two));
    const auto s2 = names(two);
    EXPECT_TRUE(has(s2, "Weight (Stage 1):"));
    EXPECT_TRUE(has(s2, "Weight (Stage 2):"));
    EXPECT_TRUE(has(s2, "Unit weight - Stage 2 (C = const,V = varies):"));
    EXPECT_FALSE(has(s2, "Weight:"));
    // The stage-2 unit-weight group lists the stage-2 weights.
    std::vector<std::string> weights;
    for (int i = 0; i < two.Count(); ++i)
        if (two.At(i).name == "Mat'l 3, Height: 4.00:") weights.push_back(two.At(i).value);
    const std::string option = clay.GetUnitWeightOption(1) == 1 ? " (C)" : " (V)";
    EXPECT_EQ(weights, (std::vector<std::string>{"120.00" + option, "125.00" + option}));
    // The interslice rows of the right side come from the next record.
    for (int i = 0; i < single.Count(); ++i) {
        if (single.At(i).name == "Line of thrust fraction on right:") {
            EXPECT_EQ(single.At(i).value, "0.260");
        }
    }
    Cpp_NameValueList base;
    ASSERT_TRUE(slices.ShowSliceBaseInformation(1, nullptr, 2, base));
    EXPECT_EQ(base.At(0).name, "Material number for slip surface:");
    EXPECT_TRUE(has(names(base), "Shear stress on base of slice (Stage 2):"));
    EXPECT_FALSE(has(names(base), "Weight (Stage 1):"));
    EXPECT_FALSE(slices.ShowSliceInformation(2, nullptr, 1, base));
}

TEST(ResultsRecords, EarthPressureTextAndCorners) {
    Cpp_ResultsDisplay results;
    results.SetEarthPressure(2, {500, 4, 5, 1.25, 0.5});
    results.SetReferencePoint(40, 40);
    std::string text;
    results.SetResultMode(3);  // no earth pressure in this mode: force and point 0
    ASSERT_TRUE(results.GetEarthPressureText(2, text));
    EXPECT_EQ(text, "Earth pressure force\nForce: 0.000\nFactor of safety: 1.250\nInclination: "
                    "28.65\nX: 0.000, Y: 0.000");
    results.SetResultMode(4);
    results.GetEarthPressureText(2, text);
    EXPECT_EQ(text, "Earth pressure force\nForce: 500.000\nFactor of safety: 1.250\nInclination: "
                    "28.65\nX: 4.000, Y: 5.000");
    EXPECT_TRUE(results.HitTestCorner(2, 4.2, 5.2, 0.5));
    EXPECT_TRUE(results.HitTestCorner(2, 40.2, 39.8, 0.5));  // the reference point
    EXPECT_FALSE(results.HitTestCorner(2, 4.5, 5, 0.5));     // strict
    EXPECT_FALSE(results.HitTestCorner(1, 4.2, 5.2, 0.5));
}

TEST(ResultsRecords, TextToolMovesItsOutlineAndPlacesTheTextAtItsMiddle) {
    Cpp_Graphics::SetScaleState(0, 100, 0, 100, 0, 10, 1000, -10, 0, 100, 0, 100);
    Cpp_ResultsDisplay results;
    results.SetTextBox(0, 10, 4, 2);
    results.SetTextPixelRect({100, 200, 160, 220}, 50, 50);
    platform::RecordingDeviceContext dc;
    results.MouseMoveTool(dc, 55, 47);
    const Cpp_ResultsDisplay::s_PixelRect r = results.TextPixelRect();
    EXPECT_EQ(std::vector<int>({r.left, r.top, r.right, r.bottom}),
              std::vector<int>({105, 197, 165, 217}));
    EXPECT_EQ(dc.Count(platform::DcRecordKind::Polyline), 2u);  // erased and drawn again
    results.LButtonDownTool(dc);
    EXPECT_EQ(dc.Count(platform::DcRecordKind::Polyline), 3u);
    EXPECT_TRUE(results.TextPlaced());
    EXPECT_DOUBLE_EQ(results.TextX(), Cpp_Graphics::PixelToX(135));
    EXPECT_DOUBLE_EQ(results.TextY(), Cpp_Graphics::PixelToY(207) - 1.0);
}

}  // namespace
