#include "editing/selection_kinds.h"

#include "editing/selection_family_ops.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

using namespace selection_flags;
using F = e_SelectionFamily;

constexpr unsigned kKeep = kKeepsReferences;

// One row per kind, in the order of the kind numbers.
constexpr s_SelectionKindRow kKinds[] = {
    {2, F::ClippedProfile, 0, nullptr, nullptr},
    {4, F::ClippedProfile, 0, nullptr, nullptr},
    {6, F::Results, kKeep, "Computed answer (factor of safety) text",
     "Computed answer (factor of safety) text"},
    {7, F::CircleDefinition, kKeep, "Prescribed radius for circles", nullptr},
    {8, F::ConstructionLine, kSegment | kLine | kKeep, nullptr, nullptr},
    {9, F::ConstructionLine, kPoint | kLine | kJoinable | kKeep, nullptr, nullptr},
    {10, F::ConstructionCircle, kKeep, nullptr, nullptr},
    {12, F::Interpolation, kInterpolation, nullptr, nullptr},
    {14, F::Interpolation, kPoint | kInterpolation | kKeep, nullptr, nullptr},
    {16, F::Interpolation, kInterpolation | kKeep, nullptr, nullptr},
    {18, F::Results, kKeep, "Water force in crack", nullptr},
    {20, F::ComputedCrack, kKeep, "Computed crack bottom", "Crack base line"},
    {22, F::ComputedCrack, kPoint | kKeep, nullptr, "Point defining base of crack"},
    {24, F::ComputedCrack, kKeep, "Computed crack water surface", "Crack water surface"},
    {26, F::ComputedCrack, kKeep, nullptr, "Point defining crack water surface"},
    {27, F::Results, kKeep, "Earth pressure force", nullptr},
    {28, F::Results, kKeep, "Critical circle center", nullptr},
    {30, F::Results, 0, nullptr, nullptr},
    {32, F::Results, 0, nullptr, nullptr},
    {36, F::DistributedLoad, kKeep | kStageSuffix, nullptr, nullptr},
    {37, F::DistributedLoad, kStageSuffix, nullptr, nullptr},
    {38, F::DistributedLoad, kStageSuffix, nullptr, nullptr},
    {39, F::DistributedLoad, kStageSuffix, nullptr, nullptr},
    {40, F::CircleDefinition, kKeep, "Fixed point for circles", nullptr},
    {41, F::Geogrid, kKeep, nullptr, nullptr},
    {42, F::Geogrid, kKeep, nullptr, nullptr},
    {43, F::Geogrid, kKeep, nullptr, nullptr},
    {44, F::Unnamed, 0, nullptr, nullptr},
    {46, F::CircleDefinition, kKeep, nullptr, nullptr},
    {48, F::CircleDefinition, kKeep, "Grid for Search", nullptr},
    {52, F::CircleDefinition, kKeep, "Horizontal tangent line for circles", nullptr},
    {53, F::CircleDefinition, kKeep, nullptr, nullptr},
    {54, F::SlipSurface, kPoint | kKeep, nullptr, nullptr},
    {55, F::SlipSurface, kSegment | kKeep, nullptr, nullptr},
    {56, F::VariableCrack, kPoint | kKeep, "Variable crack bottom point",
     "Point defining bottom elevation of crack."},
    {57, F::VariableCrack, kKeep, "Variable crack bottom segment",
     "Segment defining bottom elevation of crack."},
    {58, F::VariableCrack, kPoint | kKeep, "Variable crack water surface point",
     "Point defining surface elevation of water in crack."},
    {59, F::VariableCrack, kKeep, "Variable crack water surface segment",
     "Segment defining surface elevation of water in crack."},
    {60, F::Unnamed, 0, nullptr, nullptr},
    {62, F::LineLoad, 0, nullptr, nullptr},
    {64, F::LineLoad, 0, nullptr, nullptr},
    {66, F::Results, kKeep, nullptr, nullptr},
    {68, F::ProfileLine, kKeep, nullptr, nullptr},
    {70, F::MaterialTable, kKeep, nullptr, nullptr},
    {71, F::MaterialTable, kKeep, nullptr, nullptr},
    {72, F::ProfileLine, kKeep, nullptr, nullptr},
    {74, F::Nail, kKeep, nullptr, nullptr},
    {75, F::Nail, kKeep, nullptr, nullptr},
    {76, F::Nail, kKeep, nullptr, nullptr},
    {78, F::PiezometricLine, kPoint | kLine | kJoinable | kKeep | kStageSuffix, nullptr, nullptr},
    {80, F::PiezometricLine, kSegment | kLine | kJoinable | kKeep | kStageSuffix, nullptr,
     nullptr},
    {82, F::PiezometricLine, kKeep | kStageSuffix, nullptr, nullptr},
    {84, F::ProfileLine, kPoint | kLine | kJoinable | kKeep, nullptr, nullptr},
    {86, F::ProfileLine, kSegment | kLine | kJoinable | kKeep, nullptr, nullptr},
    {88, F::ProfileLine, kKeep, nullptr, nullptr},
    {90, F::Interpolation, kInterpolation, nullptr, nullptr},
    {91, F::Interpolation, kInterpolation | kKeep, nullptr, nullptr},
    {92, F::Interpolation, kPoint | kInterpolation | kKeep, nullptr, nullptr},
    {93, F::RadiusDefinition, kKeep, nullptr, nullptr},
    {94, F::RadiusDefinition, kKeep, nullptr, nullptr},
    {95, F::RadiusDefinition, kKeep, nullptr, nullptr},
    {96, F::RadiusDefinition, kKeep, nullptr, nullptr},
    {97, F::RadiusDefinition, kKeep, nullptr, nullptr},
    {98, F::Reinforcement, kPoint | kJoinable | kKeep, nullptr, nullptr},
    {100, F::Reinforcement, kSegment | kJoinable | kKeep, nullptr, nullptr},
    {102, F::Reinforcement, 0, nullptr, nullptr},
    {104, F::Reinforcement, 0, nullptr, nullptr},
    {106, F::Interpolation, kInterpolation, nullptr, nullptr},
    {108, F::Interpolation, kPoint | kInterpolation | kKeep, nullptr, nullptr},
    {109, F::Interpolation, kInterpolation | kKeep, nullptr, nullptr},
    {110, F::Unnamed, kKeep, nullptr, nullptr},
    {111, F::Unrecognized, kKeep, nullptr, nullptr},
    {112, F::Results, kKeep, "Scale bar", nullptr},
    {114, F::Results, kKeep, "F. S. Contours from Search",
     "Selected Contours of Factor of Safety from Search"},
    {116, F::Results, kKeep, "F. S. Triangles from Search",
     "Selected Triangle in Factor of Safety Triangulation"},
    {118, F::Results, 0, nullptr, nullptr},
    {120, F::Results, 0, nullptr, nullptr},
    {122, F::Results, 0, nullptr, nullptr},
    {128, F::Results, kKeep, nullptr, nullptr},
    {130, F::Results, kKeep, nullptr, nullptr},
    {132, F::SlopeLine, kPoint | kLine | kJoinable | kKeep, nullptr, nullptr},
    {134, F::SlopeLine, kSegment | kLine | kJoinable | kKeep, nullptr, nullptr},
    {136, F::Interpolation, kInterpolation, nullptr, nullptr},
    {138, F::Interpolation, kPoint | kInterpolation | kKeep, nullptr, nullptr},
    {140, F::Interpolation, kInterpolation | kKeep, nullptr, nullptr},
    {142, F::IrregularTangent, kKeep, "Irregular tangent line point", nullptr},
    {144, F::IrregularTangent, kKeep, "Irregular tangent line segment", nullptr},
    {146, F::Interpolation, 0, nullptr, nullptr},
    {148, F::Interpolation, 0, nullptr, nullptr},
    {150, F::Interpolation, 0, nullptr, nullptr},
};

namespace sf = selection_family;

// One row per family, in the order of e_SelectionFamily.
constexpr s_SelectionFamilyOps kFamilies[] = {
    {F::Unrecognized, nullptr, nullptr, nullptr},
    {F::Unnamed, sf::NoText, sf::NoText, nullptr},
    {F::ClippedProfile, sf::ClippedProfileName, sf::ClippedProfilePrompt, sf::ClippedProfileTip},
    {F::ProfileLine, sf::ProfileLineName, sf::ProfileLinePrompt, sf::ProfileLineTip},
    {F::PiezometricLine, sf::PiezometricLineName, sf::PiezometricLinePrompt,
     sf::PiezometricLineTip},
    {F::ConstructionLine, sf::ConstructionLineName, sf::ConstructionLinePrompt,
     sf::ConstructionLineTip},
    {F::ConstructionCircle, sf::ConstructionCircleName, sf::ConstructionCirclePrompt,
     sf::ConstructionCircleTip},
    {F::SlopeLine, sf::SlopeLineName, sf::SlopeLinePrompt, sf::SlopeLineTip},
    {F::DistributedLoad, sf::DistributedLoadName, sf::DistributedLoadPrompt,
     sf::DistributedLoadTip},
    {F::LineLoad, sf::LineLoadName, sf::LineLoadPrompt, sf::LineLoadTip},
    {F::Reinforcement, sf::ReinforcementName, sf::ReinforcementPrompt, sf::ReinforcementTip},
    {F::Nail, sf::NailName, nullptr, nullptr},
    {F::Geogrid, sf::GeogridName, nullptr, nullptr},
    {F::CircleDefinition, sf::CircleDefinitionName, sf::CircleDefinitionPrompt,
     sf::CircleDefinitionTip},
    {F::SlipSurface, sf::SlipSurfaceName, sf::SlipSurfacePrompt, sf::SlipSurfaceTip},
    {F::RadiusDefinition, sf::RadiusDefinitionName, sf::RadiusDefinitionPrompt, nullptr},
    {F::IrregularTangent, nullptr, sf::NoText, nullptr},
    {F::ComputedCrack, sf::ComputedCrackName, nullptr, nullptr},
    {F::VariableCrack, nullptr, nullptr, nullptr},
    {F::Interpolation, sf::InterpolationName, sf::InterpolationPrompt, sf::InterpolationTip},
    {F::Results, sf::ResultsName, sf::ResultsPrompt, sf::ResultsTip},
    {F::MaterialTable, sf::MaterialTableName, sf::MaterialTablePrompt, nullptr},
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

const s_SelectionKindRow* FindSelectionKind(int kind) {
    const auto* end = std::end(kKinds);
    const auto* row = std::lower_bound(std::begin(kKinds), end, kind,
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
