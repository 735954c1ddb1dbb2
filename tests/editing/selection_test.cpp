#include "editing/selection.h"
#include "porepressure/vertex.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "analysis/noncircular_shear_surface.h"
#include "analysis/radius_definition.h"
#include "core/point_xy.h"
#include "editing/construction_items.h"
#include "loads/distributed_load_data.h"
#include "loads/line_load.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "model/data_sets.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/piezometric_line.h"
#include "profile/profile_line.h"

namespace {

class SelectionNames : public ::testing::Test {
protected:
    void SetUp() override {
        Cpp_Kliven4Data::DeleteAllDataSets();
        dataSet = Cpp_Kliven4Data::NewDataSet(1, false);
        profile.SetNumber(2);
        profile.SetMaterialNumber(4);
        for (int i = 0; i < 3; ++i) profile.AddPoint(i, 0.0);
        profile.NumberPoints();
        piezometric.SetNumber(5);
        piezometric.AddPoint(0, 0);
        piezometric.AddPoint(1, 0);
        piezometric.NumberPoints();
        node.SetNumber(3);
    }
    void TearDown() override { Cpp_Kliven4Data::DeleteAllDataSets(); }

    std::string Name(const Cpp_Selection& s, const char* before = "Selection 1") {
        std::string text = before;
        EXPECT_TRUE(s.GetName(text));
        return text;
    }
    Cpp_Selection Values(int kind, int stage, s_SelectionReferences refs) {
        Cpp_Selection s;
        s.SetFromValues(dataSet, stage, kind, refs);
        return s;
    }

    Cpp_Kliven4DataSet* dataSet = nullptr;
    Cpp_ProfileLine profile;
    Cpp_PiezometricLine piezometric;
    Cpp_PointXY node{3, 10.0, 5.0};
};

TEST_F(SelectionNames, EveryFamilyIsNamedWithItsArguments) {
    Cpp_PointXY* second = profile.FirstPoint()->Next();
    Cpp_ConstructionCircle circle;
    circle.SetNumber(7);
    Cpp_InterpolationDataSet interpolation(1, 6);
    Cpp_VERTEX vertex(3, 10.0, 5.0, 0.0);
    Cpp_LineLoad byComponents(1, 0, 0, Cpp_LineLoad::ByComponents, 1500.0, -20.0);
    Cpp_LineLoad byResultant(2, 0, 0, Cpp_LineLoad::ByResultant, 12.5, 30.0);
    Cpp_ReinforcementLine rein;
    rein.SetNumber(8);
    Cpp_ReinforcementPoint reinPoint(1.0, 2.0, 300.0, 0.5);
    reinPoint.SetNumber(2);
    Cpp_NoncircularShearSurfacePoint slipPoint(4);
    Cpp_RadiusDefinition fixed = Cpp_RadiusDefinition::WithOption(1);

    struct Case {
        int kind;
        int stage;
        s_SelectionReferences refs;
        const char* name;
    };
    const std::vector<Case> cases = {
        {84, 0, {&profile, second}, "Profile pt. 2 (line 2)"},
        {86, 0, {&profile, second}, "Profile line 2 (segment 2)"},
        {88, 0, {&profile}, "Number label for profile line 2"},
        {68, 0, {&profile}, "Mat'l number for profile line: 2"},
        {72, 0, {&profile}, "Region of mat'l No. 4, for profile line: 2"},
        {78, 1, {&piezometric, piezometric.FirstPoint()}, "Piezometric line pt. 1 (line 5)"},
        {80, 1, {&piezometric, piezometric.FirstPoint()}, "Piezometric line 5"},
        {8, 0, {&profile, second}, "Construction line 2 (segment 2)"},
        {9, 0, {&profile, &node}, "Construction line pt. 3 (line 2)"},
        {10, 0, {nullptr, &circle}, "Construction circle 7"},
        {92, 1, {&interpolation, &vertex}, "Pressure interpolation pt. 3 for mat'l 6"},
        {138, 1, {&interpolation, &vertex}, "Strength (Su) interpolation pt. 3 for mat'l 6"},
        // Never made, so no references are kept; still named.
        {148, 1, {&interpolation, &vertex}, "Unit weight interpolation pt. 0 for mat'l 0"},
        {16, 1, {&interpolation}, "C/P interpolation triangle for mat'l 6"},
        {132, 0, {nullptr, &node}, "Slope pt. 3"},
        {98,
         0,
         {&rein, &reinPoint},
         "Reinforce. point 2, Line 8 - X: 1.00, Y: 2.00, F(Long): 3.00e+02, F(Trans): 5.00e-01"},
        {54, 0, {nullptr, &slipPoint}, "Initial trial slip surface point: 4"},
        {94, 0, {nullptr, &fixed, nullptr, 3}, "Radius definition 3 - Fixed point"},
        {22, 0, {&node}, "Computed crack pt. 3"},
        {59, 0, {}, "Variable crack water surface segment"},
        {130, 0, {nullptr, nullptr, nullptr, 5}, "Slice boundary between slices 5 & 6"},
        {70, 2, {}, "Mat'l prop. table lines (stage 2)"},
        {112, 0, {}, "Scale bar"},
        // No text: the caller's text stays.
        {44, 0, {}, "Selection 1"},
        {110, 0, {}, "Selection 1"},
        {53, 0, {}, "Selection 1"},  // analysis mode other than 1 and 3
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(Name(Values(c.kind, c.stage, c.refs)), c.name);
    }
    // Kinds whose block SetFromValues does not keep, through their own setters.
    Cpp_Selection s;
    s.SetDistributedLoadItem(dataSet, 1, 39, &node);
    EXPECT_EQ(Name(s), "Distributed shear load interval 3");
    s.SetLoadPointItem(dataSet, 1, 62, &byComponents);
    EXPECT_EQ(Name(s), "Line load (Horiz.: 1.500e+03), (Vert.: -2.000e+01)");
    s.SetLoadPointItem(dataSet, 1, 64, &byResultant);
    EXPECT_EQ(Name(s), "Line load (Resultant: 12.500, (Inclin.: 30.00)");
    s.SetSegmentItem(dataSet, 0, 102, &rein, &reinPoint);
    EXPECT_EQ(Name(s), "Long. rein. force interval 8");
    s.SetTypedItem(dataSet, 32, 9);
    EXPECT_EQ(Name(s), "Critical shear surface segment (slice): 9");

    for (int code : {0, 1, 3, 5, 111, 149, 151, -4}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(Name(Values(code, 0, {})), "Unrecognized item");
    }
}

TEST_F(SelectionNames, LoadsAndPiezometricLinesTakeTheStageSuffixOnlyWithSecondStageData) {
    Cpp_Selection shear;
    shear.SetDistributedLoadItem(dataSet, 2, 39, &node);
    Cpp_Selection point;
    point.SetLoadPointItem(dataSet, 1, 36, &node);
    Cpp_Selection piezo;
    piezo.SetPointItem(dataSet, 1, 78, &piezometric, piezometric.FirstPoint());

    EXPECT_EQ(Name(point), "Distributed load pt. 3");
    EXPECT_EQ(Name(piezo), "Piezometric line pt. 1 (line 5)");
    // A stage-2 distributed load, single-stage problem: the loads get the suffix.
    dataSet->DistributedLoads(2)->AddPoint(0, 0, 1, 0);
    EXPECT_EQ(Name(point), "Distributed load pt. 3 - (Stage 1)");
    EXPECT_EQ(Name(piezo), "Piezometric line pt. 1 (line 5)");
    // A two-stage problem: everything of the families.
    dataSet->AnalysisComputationData()->SetStages(true, false);
    EXPECT_EQ(Name(shear), "Distributed shear load interval 3 - (Stage 2)");
    EXPECT_EQ(Name(piezo), "Piezometric line pt. 1 (line 5) - (Stage 1)");
}

TEST_F(SelectionNames, ModeDependentAnalysisTexts) {
    Cpp_NoncircularShearSurfacePoint slipPoint(4);
    auto* analysis = dataSet->AnalysisComputationData();
    const struct {
        int mode;
        bool circular;
        int kind;
        const char* name;
    } cases[] = {
        {1, true, 53, "Center of individual circle"},
        {3, true, 53, "Center of initial trial circle"},
        {4, true, 53, "Selection 1"},
        {4, true, 46, "Grid corner point"},
        {1, true, 46, "Selection 1"},
        {1, true, 55, "Individual circle's arc"},
        {3, true, 55, "Initial trial circle's arc"},
        {1, false, 55, "Individual slip surface segment 4"},
        {3, false, 55, "Initial trial slip surface segment: 4"},
        {1, false, 54, "Individual slip surface pt. 4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        analysis->SetMode(c.mode);
        analysis->SetCircular(c.circular);
        EXPECT_EQ(Name(Values(c.kind, 0, {nullptr, &slipPoint})), c.name);
    }
}

TEST_F(SelectionNames, ClippedProfileKindsChooseTheirTextByPointNumbers) {
    Cpp_PointXY clipped(0, 1.0, 1.0);
    Cpp_PointXY* first = profile.FirstPoint();
    Cpp_Selection s;
    s.SetProfilePointItem(dataSet, &clipped, &profile, nullptr);
    EXPECT_EQ(Name(s), "New (clipped) profile pt. (prof. line 2)");
    s.SetProfilePointItem(dataSet, first, &profile, nullptr);
    EXPECT_EQ(Name(s), "Profile pt. 1 (orig. line 2)");
    s.SetProfileLineItem(dataSet, first, &profile, nullptr);
    EXPECT_EQ(Name(s), "Clipped profile line 2 (segment 1)");
    first->Next()->SetNumber(0);  // the segment ends at a point made by clipping
    EXPECT_EQ(Name(s), "Profile line 2");
}

TEST_F(SelectionNames, SettersRejectKindsOutsideTheirSetAndKeepOnlyTheirReferences) {
    Cpp_Selection s;
    EXPECT_THROW(s.SetPointItem(dataSet, 1, 86, &profile, &node),
                 Cpp_Selection::Exc_BadTypeOfPointSelection);
    EXPECT_THROW(s.SetLoadPointItem(dataSet, 1, 37, &node),
                 Cpp_Selection::Exc_BadTypeOfPointSelection);
    EXPECT_THROW(s.SetTypedItem(dataSet, 128, 3), Cpp_Selection::Exc_BadTypeOfPointSelection);

    dataSet->AnalysisComputationData()->SetStages(true, true);
    s.SetTypedItem(dataSet, 118, 6);
    EXPECT_EQ(s.GetStage(), 3);
    EXPECT_EQ(Name(s), "Total stress distrib. (slice: 6)");

    // Kind 32 is not among the kinds whose whole block is kept.
    s.SetFromValues(dataSet, 1, 130, {nullptr, nullptr, nullptr, 5});
    EXPECT_EQ(s.GetItemReferences().number1, 5);
    Cpp_Selection fresh;
    fresh.SetFromValues(dataSet, 1, 32, {nullptr, nullptr, nullptr, 5});
    EXPECT_EQ(fresh.GetItemReferences().number1, 0);

    Cpp_Selection segment;
    segment.SetSegmentItem(dataSet, 0, 20, &node, &profile);
    EXPECT_EQ(segment.GetItemReferences().ref1, &profile);
    EXPECT_EQ(segment.GetItemReferences().ref2, nullptr);
}

TEST(SelectionKinds, KindSets) {
    Cpp_InterpolationDataSet interpolation(1, 1);
    Cpp_Selection s;
    s.SetFromValues(nullptr, 1, 14, {&interpolation});
    EXPECT_TRUE(s.IsPointItem());
    EXPECT_EQ(s.IsInterpolationItem(), &interpolation);
    EXPECT_EQ(s.IsJoinableType(), nullptr);
    s.SetFromValues(nullptr, 1, 148, {&interpolation});
    EXPECT_EQ(s.IsInterpolationItem(), nullptr);  // unit weight is not an interpolation item
    for (int kind : {9, 78, 80, 84, 86, 98, 100, 132, 134})
        EXPECT_TRUE(Cpp_Selection::IsJoinableKind(kind));
    EXPECT_FALSE(Cpp_Selection::IsJoinableKind(8));
    EXPECT_TRUE(Cpp_Selection::IsSegmentKind(55));
    EXPECT_FALSE(Cpp_Selection::IsPointKind(36));
}

}  // namespace
