#include "editing/selection_kinds.h"

#include "analysis/analysis_computation_data.h"
#include "editing/selection_family_ops.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

using namespace selection_flags;
using F = e_SelectionFamily;
using M = e_SelectionMark;
using P = e_SelectionPoint;
using At = e_SelectionPosition;
using V = e_DisplaySwitch;
using D = e_DeleteKey;

constexpr unsigned kKeep = kKeepsReferences;

// One row per kind, in the order of the kind numbers: kind, family, flags, highlight, point,
// position, display switch, Delete key, data change, fixed name, fixed prompt (and the analysis
// candidates' class and pick flag).
constexpr s_SelectionKindRow kKinds[] = {
    {2, F::ClippedProfile, 0, M::Ref3, P::None, At::Point, V::ProfilePoints, D::None, 0, nullptr,
     nullptr},
    {4, F::ClippedProfile, 0, M::SegmentRef3, P::None, At::Point, V::ProfileLines, D::None, 0,
     nullptr, nullptr},
    {6, F::Results, kKeep, M::ByFamily, P::None, At::Point, V::AnswerText, D::None, 0,
     "Computed answer (factor of safety) text", "Computed answer (factor of safety) text"},
    {7, F::CircleDefinition, kKeep, M::PointXY, P::None, At::Point, V::None, D::None, 9,
     "Prescribed radius for circles", nullptr, e_PickClass::Other,
     &Cpp_AnalysisComputationData::GetSelectionFilterC},
    {8, F::ConstructionLine, kSegment | kLine | kKeep | kLineRef | kLineSegment, M::SegmentRef2,
     P::None, At::Point, V::None, D::Segment, 0, nullptr, nullptr},
    {9, F::ConstructionLine,
     kPoint | kLine | kJoinable | kKeep | kLineRef | kLinePoint | kMovesToLine | kMovable | kSnaps |
         kDistanceReference,
     M::Ref2, P::NodeRef2, At::Point, V::None, D::Point, 0, nullptr, nullptr},
    {10, F::ConstructionCircle, kKeep, M::ByFamily, P::None, At::Point, V::None,
     D::ConstructionCircle, 0, nullptr, nullptr},
    {12, F::Interpolation, kInterpolation, M::Ref2, P::None, At::Point, V::OtherPoints, D::None, 0,
     nullptr, nullptr},
    {14, F::Interpolation, kPoint | kInterpolation | kKeep | kSnaps, M::ByFamily, P::Vertex,
     At::Point, V::OtherPoints, D::Point, 0, nullptr, nullptr},
    {16, F::Interpolation, kInterpolation | kKeep | kTriangle, M::ByFamily, P::None, At::Point,
     V::Triangles, D::None, 0, nullptr, nullptr},
    {18, F::Results, kKeep, M::ByFamily, P::None, At::Point, V::CrackWaterForce, D::None, 0,
     "Water force in crack", nullptr},
    {20, F::ComputedCrack, kKeep, M::Ref1AndRef2, P::None, At::Point, V::CrackBottom, D::None, 0,
     "Computed crack bottom", "Crack base line"},
    {22, F::ComputedCrack, kPoint | kKeep, M::Ref1, P::NodeRef1, At::Origin, V::CrackBottom,
     D::None, 0, nullptr, "Point defining base of crack"},
    {24, F::ComputedCrack, kKeep, M::SegmentRef1, P::None, At::Point, V::CrackWater, D::None, 0,
     "Computed crack water surface", "Crack water surface"},
    {26, F::ComputedCrack, kKeep, M::Ref1, P::NodeRef1, At::Point, V::CrackWater, D::None, 0,
     nullptr, "Point defining crack water surface"},
    {27, F::Results, kKeep, M::ByFamily, P::None, At::Point, V::None, D::None, 0,
     "Earth pressure force", nullptr},
    {28, F::Results, kKeep, M::ByFamily, P::None, At::Point, V::CriticalCircle, D::None, 0,
     "Critical circle center", nullptr},
    {30, F::Results, 0, M::ByFamily, P::None, At::Point, V::ShearSurfacePoints, D::None, 0, nullptr,
     nullptr},
    {32, F::Results, 0, M::ByFamily, P::None, At::Point, V::ShearSurface, D::None, 0, nullptr,
     nullptr},
    {36, F::DistributedLoad, kKeep | kStageSuffix | kMovesToLine | kMovable | kSnaps, M::Ref1,
     P::LoadPoint, At::Point, V::LoadPoints, D::Point, 0, nullptr, nullptr},
    {37, F::DistributedLoad, kStageSuffix, M::SegmentRef1, P::None, At::Point, V::None, D::None, 0,
     nullptr, nullptr},
    {38, F::DistributedLoad, kStageSuffix, M::ByFamily, P::None, At::Point, V::LoadDiagram, D::None,
     0, nullptr, nullptr},
    {39, F::DistributedLoad, kStageSuffix, M::ByFamily, P::None, At::Point, V::LoadShear, D::None,
     0, nullptr, nullptr},
    {40, F::CircleDefinition, kKeep | kSnaps, M::PointXY, P::RecordXY, At::Point, V::None, D::None,
     9, "Fixed point for circles", nullptr, e_PickClass::Point,
     &Cpp_AnalysisComputationData::GetSelectionFilterD},
    {41, F::Geogrid, kKeep, M::ByFamily, P::None, At::Point, V::None, D::EntireLine, 0, nullptr,
     nullptr},
    {42, F::Geogrid, kKeep, M::ByFamily, P::None, At::Point, V::None, D::EntireLine, 0, nullptr,
     nullptr},
    {43, F::Geogrid, kKeep, M::ByFamily, P::None, At::Point, V::None, D::EntireLine, 0, nullptr,
     nullptr},
    {44, F::Unnamed, 0, M::ByFamily, P::None, At::Point, V::None, D::None, 0, nullptr, nullptr},
    {46, F::CircleDefinition, kKeep | kSnaps, M::ByFamily, P::None, At::RecordXY, V::SearchGrid,
     D::None, 9, nullptr, nullptr, e_PickClass::Point,
     &Cpp_AnalysisComputationData::GetSelectionFilterE},
    {48, F::CircleDefinition, kKeep, M::ByFamily, P::None, At::Point, V::SearchGrid, D::None, 9,
     "Grid for Search", nullptr, e_PickClass::Other,
     &Cpp_AnalysisComputationData::GetSelectionFilterE},
    {52, F::CircleDefinition, kKeep, M::ByFamily, P::None, At::Point, V::None, D::None, 9,
     "Horizontal tangent line for circles", nullptr, e_PickClass::Segment,
     &Cpp_AnalysisComputationData::GetSelectionFilterC},
    {53, F::CircleDefinition, kKeep | kMovesToLine | kMovable | kSnaps, M::ByFamily, P::None,
     At::RecordXY, V::InitialCentre, D::None, 9, nullptr, nullptr, e_PickClass::Point,
     &Cpp_AnalysisComputationData::GetSelectionFilterB},
    {54, F::SlipSurface,
     kPoint | kKeep | kOwnPoints | kLinePoint | kMovable | kSnaps | kDistanceReference, M::ByFamily,
     P::SlipPoint, At::Point, V::SlipSurfacePoints, D::Point, 9, nullptr, nullptr,
     e_PickClass::Point, &Cpp_AnalysisComputationData::GetSelectionFilterB},
    {55, F::SlipSurface, kSegment | kKeep | kOwnPoints | kLineSegment, M::ByFamily, P::None,
     At::Point, V::SlipSurface, D::Segment, 9, nullptr, nullptr, e_PickClass::Segment,
     &Cpp_AnalysisComputationData::GetSelectionFilterA},
    {56, F::VariableCrack, kPoint | kKeep | kSnaps, M::ByFamily, P::CrackPoint, At::Point, V::None,
     D::Point, 0, "Variable crack bottom point", "Point defining bottom elevation of crack."},
    {57, F::VariableCrack, kKeep, M::ByFamily, P::None, At::Point, V::None, D::None, 0,
     "Variable crack bottom segment", "Segment defining bottom elevation of crack."},
    {58, F::VariableCrack, kPoint | kKeep | kSnaps, M::ByFamily, P::CrackPoint, At::Point, V::None,
     D::Point, 0, "Variable crack water surface point",
     "Point defining surface elevation of water in crack."},
    {59, F::VariableCrack, kKeep, M::ByFamily, P::None, At::Point, V::None, D::None, 0,
     "Variable crack water surface segment",
     "Segment defining surface elevation of water in crack."},
    {60, F::Unnamed, 0, M::ByFamily, P::None, At::Point, V::None, D::None, 0, nullptr, nullptr},
    {62, F::LineLoad, kSnaps, M::Ref1, P::None, At::LineLoad, V::LineLoads, D::LineLoad, 0, nullptr,
     nullptr},
    {64, F::LineLoad, 0, M::ByFamily, P::None, At::Point, V::LineLoads, D::LineLoad, 0, nullptr,
     nullptr},
    {66, F::Results, kKeep, M::ByFamily, P::None, At::Point, V::ThrustLine, D::None, 0, nullptr,
     nullptr},
    {68, F::ProfileLine, kKeep, M::ByFamily, P::None, At::Point, V::MaterialNumbers, D::None, 0,
     nullptr, nullptr},
    {70, F::MaterialTable, kKeep, M::ByFamily, P::None, At::Point, V::MaterialTable, D::None, 0,
     nullptr, nullptr},
    {71, F::MaterialTable, kKeep, M::ByFamily, P::None, At::Point, V::MaterialTable, D::None, 0,
     nullptr, nullptr},
    {72, F::ProfileLine, kKeep, M::ByFamily, P::None, At::Point, V::MaterialFill, D::None, 0,
     nullptr, nullptr},
    {74, F::Nail, kKeep, M::ByFamily, P::None, At::Point, V::None, D::EntireLine, 0, nullptr,
     nullptr},
    {75, F::Nail, kKeep, M::ByFamily, P::None, At::Point, V::None, D::EntireLine, 0, nullptr,
     nullptr},
    {76, F::Nail, kKeep, M::ByFamily, P::None, At::Point, V::None, D::EntireLine, 0, nullptr,
     nullptr},
    {78, F::PiezometricLine,
     kPoint | kLine | kJoinable | kKeep | kStageSuffix | kLineRef | kLinePoint | kMovesToLine |
         kMovable | kSnaps | kDistanceReference,
     M::Ref2, P::NodeRef2, At::Point, V::PiezometricPoints, D::Point, 4, nullptr, nullptr},
    {80, F::PiezometricLine,
     kSegment | kLine | kJoinable | kKeep | kStageSuffix | kLineRef | kLineSegment, M::SegmentRef2,
     P::None, At::Point, V::PiezometricLines, D::Segment, 4, nullptr, nullptr},
    {82, F::PiezometricLine, kKeep | kStageSuffix, M::ByFamily, P::None, At::Point,
     V::PiezometricNumbers, D::None, 4, nullptr, nullptr},
    {84, F::ProfileLine,
     kPoint | kLine | kJoinable | kKeep | kLineRef | kLinePoint | kMovesToLine | kMovable | kSnaps |
         kDistanceReference,
     M::Ref2, P::NodeRef2, At::Point, V::ProfilePoints, D::Point, 2, nullptr, nullptr},
    {86, F::ProfileLine, kSegment | kLine | kJoinable | kKeep | kLineRef | kLineSegment,
     M::SegmentRef2, P::None, At::Point, V::ProfileLines, D::Segment, 2, nullptr, nullptr},
    {88, F::ProfileLine, kKeep, M::ByFamily, P::None, At::Point, V::ProfileNumbers, D::None, 2,
     nullptr, nullptr},
    {90, F::Interpolation, kInterpolation, M::Ref2, P::None, At::Point, V::PressurePoints, D::None,
     0, nullptr, nullptr},
    {91, F::Interpolation, kInterpolation | kKeep | kTriangle, M::ByFamily, P::None, At::Point,
     V::Triangles, D::None, 0, nullptr, nullptr},
    {92, F::Interpolation, kPoint | kInterpolation | kKeep | kSnaps, M::ByFamily, P::Vertex,
     At::Point, V::PressurePoints, D::Point, 0, nullptr, nullptr},
    {93, F::RadiusDefinition, kKeep, M::ByFamily, P::None, At::Point, V::None, D::RadiusDefinition,
     9, nullptr, nullptr, e_PickClass::Point, &Cpp_AnalysisComputationData::GetSelectionFilterD},
    {94, F::RadiusDefinition, kKeep | kMovesToLine | kMovable, M::ByFamily, P::None, At::Point,
     V::None, D::RadiusDefinition, 9, nullptr, nullptr, e_PickClass::Point,
     &Cpp_AnalysisComputationData::GetSelectionFilterD},
    {95, F::RadiusDefinition, kKeep, M::ByFamily, P::None, At::Point, V::None, D::RadiusDefinition,
     9, nullptr, nullptr, e_PickClass::Point, &Cpp_AnalysisComputationData::GetSelectionFilterD},
    {96, F::RadiusDefinition, kKeep | kOwnPoints | kLinePoint | kMovable | kSnaps, M::ByFamily,
     P::RecordXY, At::Point, V::None, D::Point, 9, nullptr, nullptr, e_PickClass::Point,
     &Cpp_AnalysisComputationData::GetSelectionFilterD},
    {97, F::RadiusDefinition, kKeep | kOwnPoints | kLineSegment, M::SegmentRef3, P::None, At::Point,
     V::None, D::RadiusDefinition, 9, nullptr, nullptr, e_PickClass::Segment,
     &Cpp_AnalysisComputationData::GetSelectionFilterC},
    {98, F::Reinforcement,
     kPoint | kJoinable | kKeep | kLineRef | kLinePoint | kMovesToLine | kMovable | kSnaps |
         kDistanceReference,
     M::Ref2, P::NodeRef2, At::Point, V::ReinforcementPoints, D::Point, 0, nullptr, nullptr},
    {100, F::Reinforcement, kSegment | kJoinable | kKeep | kLineRef | kLineSegment, M::SegmentRef2,
     P::None, At::Point, V::ReinforcementLines, D::Segment, 0, nullptr, nullptr},
    {102, F::Reinforcement, 0, M::ByFamily, P::None, At::Point, V::LongitudinalForces, D::None, 0,
     nullptr, nullptr},
    {104, F::Reinforcement, 0, M::ByFamily, P::None, At::Point, V::TransverseForces, D::None, 0,
     nullptr, nullptr},
    {106, F::Interpolation, kInterpolation, M::Ref2, P::None, At::Point, V::RuPoints, D::None, 0,
     nullptr, nullptr},
    {108, F::Interpolation, kPoint | kInterpolation | kKeep | kSnaps, M::ByFamily, P::Vertex,
     At::Point, V::RuPoints, D::Point, 0, nullptr, nullptr},
    {109, F::Interpolation, kInterpolation | kKeep | kTriangle, M::ByFamily, P::None, At::Point,
     V::Triangles, D::None, 0, nullptr, nullptr},
    {110, F::Unnamed, kKeep, M::ByFamily, P::None, At::Point, V::ResultsItem, D::None, 0, nullptr,
     nullptr},
    {111, F::Unrecognized, kKeep, M::ByFamily, P::None, At::Point, V::None, D::None, 0, nullptr,
     nullptr},
    {112, F::Results, kKeep, M::ByFamily, P::None, At::Point, V::None, D::None, 0, "Scale bar",
     nullptr},
    {114, F::Results, kKeep, M::ByFamily, P::None, At::Point, V::SearchContours, D::None, 0,
     "F. S. Contours from Search", "Selected Contours of Factor of Safety from Search"},
    {116, F::Results, kKeep, M::ByFamily, P::None, At::Point, V::SearchTriangles, D::None, 0,
     "F. S. Triangles from Search", "Selected Triangle in Factor of Safety Triangulation"},
    {118, F::Results, 0, M::ByFamily, P::None, At::Point, V::TotalStress, D::None, 0, nullptr,
     nullptr},
    {120, F::Results, 0, M::ByFamily, P::None, At::Point, V::PorePressure, D::None, 0, nullptr,
     nullptr},
    {122, F::Results, 0, M::ByFamily, P::None, At::Point, V::EffectiveStress, D::None, 0, nullptr,
     nullptr},
    {128, F::Results, kKeep, M::ByFamily, P::None, At::Point, V::Slices, D::None, 0, nullptr,
     nullptr},
    {130, F::Results, kKeep, M::ByFamily, P::None, At::Point, V::Slices, D::None, 0, nullptr,
     nullptr},
    {132, F::SlopeLine,
     kPoint | kLine | kJoinable | kKeep | kLineRef | kLinePoint | kMovesToLine | kMovable | kSnaps |
         kDistanceReference,
     M::Ref2, P::NodeRef2, At::Point, V::SlopePoints, D::Point, 2, nullptr, nullptr},
    {134, F::SlopeLine, kSegment | kLine | kJoinable | kKeep | kLineRef | kLineSegment,
     M::SegmentRef2, P::None, At::Point, V::SlopeLine, D::Segment, 2, nullptr, nullptr},
    {136, F::Interpolation, kInterpolation, M::Ref2, P::None, At::Point, V::StrengthPoints, D::None,
     0, nullptr, nullptr},
    {138, F::Interpolation, kPoint | kInterpolation | kKeep | kSnaps, M::ByFamily, P::Vertex,
     At::Point, V::StrengthPoints, D::Point, 0, nullptr, nullptr},
    {140, F::Interpolation, kInterpolation | kKeep | kTriangle, M::ByFamily, P::None, At::Point,
     V::Triangles, D::None, 0, nullptr, nullptr},
    {142, F::IrregularTangent, kKeep | kOwnPoints | kLinePoint | kMovesToLine | kMovable | kSnaps,
     M::PointXY, P::RecordXY, At::Point, V::None, D::Point, 9, "Irregular tangent line point",
     nullptr, e_PickClass::Point, &Cpp_AnalysisComputationData::GetSelectionFilterD},
    {144, F::IrregularTangent, kKeep | kOwnPoints | kLineSegment, M::ByFamily, P::None, At::Point,
     V::None, D::None, 9, "Irregular tangent line segment", nullptr, e_PickClass::Segment,
     &Cpp_AnalysisComputationData::GetSelectionFilterD},
    {146, F::Interpolation, 0, M::Ref2, P::None, At::Point, V::None, D::None, 0, nullptr, nullptr},
    {148, F::Interpolation, 0, M::ByFamily, P::None, At::Point, V::None, D::None, 0, nullptr,
     nullptr},
    {150, F::Interpolation, kTriangle, M::ByFamily, P::None, At::Point, V::None, D::None, 0,
     nullptr, nullptr},
};

namespace sf = selection_family;

// One row per family, in the order of e_SelectionFamily.
constexpr s_SelectionFamilyOps kFamilies[] = {
    {.family = F::Unrecognized},
};

constexpr bool KindsInOrder() {
    for (size_t i = 1; i < std::size(kKinds); ++i)
        if (kKinds[i - 1].kind >= kKinds[i].kind) return false;
    return true;
}
static_assert(KindsInOrder(), "kind rows must be sorted by kind");

constexpr bool FamiliesInOrder() {
    for (size_t i = 0; i < std::size(kFamilies); ++i)
        if (static_cast<size_t>(kFamilies[i].family) != i) return false;
    return true;
}
static_assert(FamiliesInOrder(), "family rows must follow e_SelectionFamily");

}  // namespace

std::span<const s_SelectionKindRow> SelectionKindRows() { return kKinds; }

const s_SelectionKindRow* FindSelectionKind(int kind) {
    const auto* end = std::end(kKinds);
    const auto* row =
        std::lower_bound(std::begin(kKinds), end, kind,
                         [](const s_SelectionKindRow& r, int k) { return r.kind < k; });
    return row != end && row->kind == kind ? row : nullptr;
}

const s_SelectionFamilyOps& SelectionFamilyOps(e_SelectionFamily family) {
    return kFamilies[static_cast<size_t>(family)];
}

bool SelectionKindHas(int kind, unsigned mask) {
    const s_SelectionKindRow* row = FindSelectionKind(kind);
    return row && (row->flags & mask) == mask;
}
