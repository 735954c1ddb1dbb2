#include "editing/selection.h"

#include "porepressure/vertex.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <initializer_list>

#include "analysis/noncircular_shear_surface.h"
#include "analysis/radius_definition.h"
#include "analysis/tangent_line.h"
#include "core/point_xy.h"
#include "editing/construction_items.h"
#include "editing/selection_family_ops.h"
#include "editing/selection_kinds.h"
#include "graphics/line.h"
#include "loads/distributed_load_data.h"
#include "loads/geogrid_data.h"
#include "loads/line_load.h"
#include "loads/nail_data.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/piezometric_line.h"
#include "profile/profile_line.h"

namespace {

bool In(int kind, std::initializer_list<int> kinds) {
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

// printf into a text of at most 255 characters.
[[gnu::format(printf, 2, 3)]] void Format(std::string& text, const char* format, ...) {
    char buffer[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    text = buffer;
}

// Numbers of the referenced entities; a reference the record does not hold reads 0.
long NumberOfLine(const void* line) {
    return line ? static_cast<const Cpp_Line*>(line)->GetNumber() : 0;
}
long NumberOfNode(const void* node) {
    return node ? static_cast<const Cpp_PointXY*>(node)->Number() : 0;
}

int SlipPointNumber(const void* point) {
    return point ? static_cast<const Cpp_NoncircularShearSurfacePoint*>(point)->Number() : 0;
}

// The interpolation names: the point and node kinds give the point and the material, the
// triangle kinds only the material.
struct s_InterpolationName {
    int kind;
    bool triangle;
    const char* format;
};
constexpr s_InterpolationName kInterpolationNames[] = {
    {12, false, "C/P interpolation pt. %1d for mat'l %1d"},
    {14, false, "C/P interpolation pt. %1d for mat'l %1d"},
    {16, true, "C/P interpolation triangle for mat'l %1d"},
    {90, false, "Pressure interpolation pt. %1d for mat'l %1d"},
    {91, true, "Pressure interpolation triangle for mat'l %1d"},
    {92, false, "Pressure interpolation pt. %1d for mat'l %1d"},
    {106, false, "R-sub-U interpolation pt. %1d for mat'l %1d"},
    {108, false, "R-sub-U interpolation pt. %1d for mat'l %1d"},
    {109, true, "R-sub-U interpolation triangle for mat'l %1d"},
    {136, false, "Strength (Su) interpolation pt. %1d for mat'l %1d"},
    {138, false, "Strength (Su) interpolation pt. %1d for mat'l %1d"},
    {140, true, "Strength (Su) interpolation triangle for mat'l %1d"},
    {146, false, "Unit weight interpolation pt. %1d for mat'l %1d"},
    {148, false, "Unit weight interpolation pt. %1d for mat'l %1d"},
    {150, true, "Unit weight interpolation triangle for mat'l %1d"},
};

}  // namespace

bool Cpp_Selection::IsPointKind(int kind) {
    return SelectionKindHas(kind, selection_flags::kPoint);
}

bool Cpp_Selection::IsInterpolationKind(int kind) {
    return SelectionKindHas(kind, selection_flags::kInterpolation);
}

bool Cpp_Selection::IsJoinableKind(int kind) {
    return SelectionKindHas(kind, selection_flags::kJoinable);
}

bool Cpp_Selection::IsSegmentKind(int kind) {
    return SelectionKindHas(kind, selection_flags::kSegment);
}

bool Cpp_Selection::KeepsReferenceBlock(int kind) {
    return SelectionKindHas(kind, selection_flags::kKeepsReferences);
}

void Cpp_Selection::SetProfilePointItem(Cpp_Kliven4DataSet* dataSet, void* point, void* line,
                                        void* subLine) {
    Store(dataSet, 0, SEL_PROFILE_POINT_CLIPPED);
    refs_.ref1 = line;
    refs_.ref2 = subLine;
    refs_.ref3 = point;
}

void Cpp_Selection::SetProfileLineItem(Cpp_Kliven4DataSet* dataSet, void* first, void* line,
                                       void* subLine) {
    SetProfilePointItem(dataSet, first, line, subLine);
    type_ = SEL_PROFILE_SEGMENT_CLIPPED;
}

void Cpp_Selection::SetPointItem(Cpp_Kliven4DataSet* dataSet, int stage, int kind, void* first,
                                 void* second) {
    if (!In(kind, {SEL_CONSTRUCTION_POINT, SEL_NONCIRCULAR_POINT, SEL_PIEZOMETRIC_POINT,
                   SEL_PROFILE_POINT, SEL_REINFORCEMENT_POINT, SEL_SLOPE_POINT}))
        throw Exc_BadTypeOfPointSelection();
    Store(dataSet, stage, kind);
    refs_.ref1 = first;
    refs_.ref2 = second;
}

void Cpp_Selection::SetSegmentItem(Cpp_Kliven4DataSet* dataSet, int stage, int kind, void* first,
                                   void* second) {
    Store(dataSet, stage, kind);
    if (In(kind, {SEL_CONSTRUCTION_SEGMENT, SEL_PIEZOMETRIC_SEGMENT, SEL_PROFILE_SEGMENT,
                  SEL_REINFORCEMENT_INTERVAL, SEL_LONGITUDINAL_FORCE, SEL_TRANSVERSE_FORCE,
                  SEL_SLOPE_SEGMENT})) {
        refs_.ref1 = first;
        refs_.ref2 = second;
    } else if (kind == SEL_CRACK_BOTTOM || kind == SEL_CRACK_WATER_SURFACE) {
        refs_.ref1 = second;
    } else if (kind == SEL_TANGENT_SEGMENT) {
        refs_.ref2 = second;
    }
}

void Cpp_Selection::SetDistributedLoadItem(Cpp_Kliven4DataSet* dataSet, int stage, int kind,
                                           void* reference) {
    Store(dataSet, stage, kind);
    if (In(kind, {SEL_LOAD_SEGMENT, SEL_NORMAL_LOAD_INTERVAL, SEL_SHEAR_LOAD_INTERVAL}))
        refs_.ref1 = reference;
}

void Cpp_Selection::SetLoadPointItem(Cpp_Kliven4DataSet* dataSet, int stage, int kind,
                                     void* reference) {
    if (In(kind, {SEL_LOAD_POINT, SEL_LINE_LOAD, SEL_LINE_LOAD_DRAWN})) {
        Store(dataSet, stage, kind);
        refs_.ref1 = reference;
    } else if (kind == SEL_TANGENT_POINT) {
        Store(dataSet, stage, kind);
        refs_.ref2 = reference;
    } else {
        throw Exc_BadTypeOfPointSelection();
    }
}

void Cpp_Selection::SetCircleItem(Cpp_Kliven4DataSet* dataSet, int kind, double x, double y,
                                  int index) {
    if (!In(kind, {SEL_PRESCRIBED_RADIUS, SEL_CRITICAL_POINT, SEL_FIXED_POINT, SEL_GRID_CORNER,
                   SEL_HORIZONTAL_TANGENT}))
        throw Exc_BadTypeOfPointSelection();
    Store(dataSet, 0, kind);
    refs_ = s_SelectionReferences();
    refs_.x = x;
    refs_.y = y;
    if (kind == SEL_CRITICAL_POINT || kind == SEL_GRID_CORNER) refs_.index = index;
}

void Cpp_Selection::SetTypedItem(Cpp_Kliven4DataSet* dataSet, int kind, int sliceNumber) {
    if (!In(kind,
            {SEL_CRITICAL_SEGMENT, SEL_TOTAL_STRESS, SEL_PORE_PRESSURE, SEL_EFFECTIVE_STRESS}))
        throw Exc_BadTypeOfPointSelection();
    Store(dataSet, 0, kind);
    refs_.number1 = static_cast<short>(sliceNumber);
    if (dataSet) stage_ = dataSet->Analysis().NumberOfStages();
}

void Cpp_Selection::SetFromValues(Cpp_Kliven4DataSet* dataSet, int stage, int kind,
                                  const s_SelectionReferences& references) {
    Store(dataSet, stage, kind);
    if (KeepsReferenceBlock(kind)) refs_ = references;
}

bool Cpp_Selection::GetName(std::string& text) const {
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    const SelectionTextOp name = row ? SelectionFamilyOps(row->family).name : nullptr;
    if (row && row->name)
        text = row->name;
    else if (name)
        name(*this, text);
    else
        text = "Unrecognized item";

    // The stage suffix of the loads and the piezometric lines.
    if (dataSet_ && row && (row->flags & selection_flags::kStageSuffix)) {
        const bool secondStageData = row->family == e_SelectionFamily::DistributedLoad
                                         ? dataSet_->DistributedLoads(2)->Count() > 0
                                         : dataSet_->PiezometricLines(2)->HasLines();
        if (dataSet_->IsMultiStage() || secondStageData) {
            std::string suffix;
            Format(suffix, " - (Stage %1d)", stage_);
            text += suffix;
        }
    }
    return true;
}

namespace selection_family {

void NoText(const Cpp_Selection&, std::string&) {}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
void InterpolationName(const Cpp_Selection& item, std::string& text) {
    const s_SelectionReferences& r = item.GetItemReferences();
    for (const s_InterpolationName& row : kInterpolationNames) {
        if (row.kind != item.GetType()) continue;
        const auto* set = static_cast<const Cpp_InterpolationDataSet*>(r.ref1);
        const int material = set ? set->Material() : 0;
        if (row.triangle)
            Format(text, row.format, material);
        else
            Format(text, row.format, r.ref2 ? static_cast<const Cpp_VERTEX*>(r.ref2)->Number() : 0,
                   material);
        return;
    }
}
#pragma GCC diagnostic pop

void ClippedProfileName(const Cpp_Selection& item, std::string& text) {
    const s_SelectionReferences& r = item.GetItemReferences();
    if (item.GetType() == SEL_PROFILE_POINT_CLIPPED) {
        const long point = NumberOfNode(r.ref3);
        if (point == 0)
            Format(text, "New (clipped) profile pt. (prof. line %1ld)", NumberOfLine(r.ref1));
        else
            Format(text, "Profile pt. %1ld (orig. line %1ld)", point, NumberOfLine(r.ref1));
        return;
    }
    const auto* first = static_cast<const Cpp_PointXY*>(r.ref3);
    if (first && first->Number() != 0 && first->Next() && first->Next()->Number() != 0)
        Format(text, "Clipped profile line %1ld (segment %1ld)", NumberOfLine(r.ref1),
               static_cast<long>(first->Number()));
    else
        Format(text, "Profile line %1ld", NumberOfLine(r.ref1));
}

void ProfileLineName(const Cpp_Selection& item, std::string& text) {
    const s_SelectionReferences& r = item.GetItemReferences();
    switch (item.GetType()) {
    case SEL_PROFILE_POINT:
        Format(text, "Profile pt. %1ld (line %1ld)", NumberOfNode(r.ref2), NumberOfLine(r.ref1));
        break;
    case SEL_PROFILE_SEGMENT:
        Format(text, "Profile line %1ld (segment %1ld)", NumberOfLine(r.ref1),
               NumberOfNode(r.ref2));
        break;
    case SEL_PROFILE_LABEL:
        Format(text, "Number label for profile line %1ld", NumberOfLine(r.ref1));
        break;
    case SEL_MATERIAL_LABEL:
        Format(text, "Mat'l number for profile line: %1ld", NumberOfLine(r.ref1));
        break;
    case SEL_MATERIAL_REGION: {
        const auto* line = static_cast<const Cpp_ProfileLine*>(r.ref1);
        if (line && line->GetMaterialNumber() != 0)
            Format(text, "Region of mat'l No. %1ld, for profile line: %1ld",
                   static_cast<long>(line->GetMaterialNumber()), NumberOfLine(line));
        else
            Format(text, "Region of material for profile line: %1ld", NumberOfLine(line));
        break;
    }
    default: break;
    }
}

// No line is marked as a phreatic surface.
void PiezometricLineName(const Cpp_Selection& item, std::string& text) {
    const s_SelectionReferences& r = item.GetItemReferences();
    switch (item.GetType()) {
    case SEL_PIEZOMETRIC_POINT:
        Format(text, "Piezometric line pt. %1ld (line %1ld)", NumberOfNode(r.ref2),
               NumberOfLine(r.ref1));
        break;
    case SEL_PIEZOMETRIC_SEGMENT:
        Format(text, "Piezometric line %1ld", NumberOfLine(r.ref1));
        break;
    case SEL_PIEZOMETRIC_LABEL:
        Format(text, "Number label for piezometric line %1ld", NumberOfLine(r.ref1));
        break;
    default: break;
    }
}

void ConstructionLineName(const Cpp_Selection& item, std::string& text) {
    const s_SelectionReferences& r = item.GetItemReferences();
    if (item.GetType() == SEL_CONSTRUCTION_SEGMENT)
        Format(text, "Construction line %1ld (segment %1ld)", NumberOfLine(r.ref1),
               NumberOfNode(r.ref2));
    else
        Format(text, "Construction line pt. %1ld (line %1ld)", NumberOfNode(r.ref2),
               NumberOfLine(r.ref1));
}

void ConstructionCircleName(const Cpp_Selection& item, std::string& text) {
    if (const auto* circle =
            static_cast<const Cpp_ConstructionCircle*>(item.GetItemReferences().ref2))
        Format(text, "Construction circle %1ld", static_cast<long>(circle->GetNumber()));
}

void SlopeLineName(const Cpp_Selection& item, std::string& text) {
    const long point = NumberOfNode(item.GetItemReferences().ref2);
    if (item.GetType() == SEL_SLOPE_POINT)
        Format(text, "Slope pt. %1ld", point);
    else
        Format(text, "Slope line segment %1ld", point);
}

void DistributedLoadName(const Cpp_Selection& item, std::string& text) {
    static const char* const texts[] = {
        "Distributed load pt. %1ld", "Distributed load segment %1ld",
        "Distributed normal load interval %1ld", "Distributed shear load interval %1ld"};
    Format(text, texts[item.GetType() - SEL_LOAD_POINT],
           NumberOfNode(item.GetItemReferences().ref1));
}

void LineLoadName(const Cpp_Selection& item, std::string& text) {
    const auto* load = static_cast<const Cpp_LineLoad*>(item.GetItemReferences().ref1);
    if (!load) return;
    if (load->option == Cpp_LineLoad::ByComponents)
        Format(text, "Line load (Horiz.: %1.3e), (Vert.: %1.3e)", load->horizontal, load->vertical);
    else if (load->option == Cpp_LineLoad::ByResultant)
        Format(text, "Line load (Resultant: %1.3f, (Inclin.: %1.2f)", load->resultant,
               load->inclination);
}

void ReinforcementName(const Cpp_Selection& item, std::string& text) {
    const s_SelectionReferences& r = item.GetItemReferences();
    switch (item.GetType()) {
    case SEL_REINFORCEMENT_POINT: {
        const auto* point = static_cast<const Cpp_ReinforcementPoint*>(r.ref2);
        if (!point) break;
        Format(text,
               "Reinforce. point %1ld, Line %1ld - X: %1.2f, Y: %1.2f, F(Long): %1.2e, "
               "F(Trans): %1.2e",
               static_cast<long>(point->Number()), NumberOfLine(r.ref1), point->X(), point->Y(),
               point->longitudinalForce, point->transverseForce);
        break;
    }
    case SEL_REINFORCEMENT_INTERVAL:
        Format(text, "Reinforce. line %1ld (interval %1ld)", NumberOfLine(r.ref1),
               NumberOfNode(r.ref2));
        break;
    case SEL_LONGITUDINAL_FORCE:
        Format(text, "Long. rein. force interval %1ld", NumberOfLine(r.ref1));
        break;
    case SEL_TRANSVERSE_FORCE:
        Format(text, "Trans. rein. force interval %1ld", NumberOfLine(r.ref1));
        break;
    default: break;
    }
}

void NailName(const Cpp_Selection& item, std::string& text) {
    static const char* const texts[] = {"Nail no. %1d head", "Nail no. %1d embedded end",
                                        "Nail no. %1d bar"};
    if (const auto* nail = static_cast<const Cpp_IndividualNail*>(item.GetItemReferences().ref1))
        Format(text, texts[item.GetType() - SEL_NAIL_HEAD], nail->GetNumber());
}

void GeogridName(const Cpp_Selection& item, std::string& text) {
    static const char* const texts[] = {"Geogrid no. %1d head", "Geogrid no. %1d embedded end",
                                        "Geogrid no. %1d layer"};
    if (const auto* grid = static_cast<const Cpp_Geogrid*>(item.GetItemReferences().ref1))
        Format(text, texts[item.GetType() - SEL_GEOGRID_HEAD], grid->GetNumber());
}

// The kinds without a fixed name: the centre and the grid corner, named by the analysis mode.
void CircleDefinitionName(const Cpp_Selection& item, std::string& text) {
    const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    const int mode = ds ? ds->Analysis().GetMode() : 0;
    if (item.GetType() == SEL_CIRCLE_CENTRE) {
        if (mode == 1)
            text = "Center of individual circle";
        else if (mode == 3)
            text = "Center of initial trial circle";
    } else if (item.GetType() == SEL_GRID_CORNER) {
        if (mode == 4) text = "Grid corner point";
    }
}

void SlipSurfaceName(const Cpp_Selection& item, std::string& text) {
    const Cpp_Kliven4DataSet* ds = item.GetDataSet();
    const int mode = ds ? ds->Analysis().GetMode() : 0;
    const int point = SlipPointNumber(item.GetItemReferences().ref2);
    if (item.GetType() == SEL_NONCIRCULAR_POINT) {
        if (mode == 1)
            Format(text, "Individual slip surface pt. %1ld", static_cast<long>(point));
        else
            Format(text, "Initial trial slip surface point: %1d", point);
        return;
    }
    if (ds && ds->Analysis().IsCircular()) {
        if (mode == 1)
            text = "Individual circle's arc";
        else if (mode == 3)
            text = "Initial trial circle's arc";
        return;
    }
    if (mode == 1)
        Format(text, "Individual slip surface segment %1ld", static_cast<long>(point));
    else
        Format(text, "Initial trial slip surface segment: %1d", point);
}

void RadiusDefinitionName(const Cpp_Selection& item, std::string& text) {
    const s_SelectionReferences& r = item.GetItemReferences();
    if (item.GetType() == SEL_DEFINITION_TANGENT_SEGMENT) {
        Format(text, "Radius definition %1d - Irregular tangent line segment %1d",
               static_cast<int>(r.number1), static_cast<int>(r.number3));
        return;
    }
    const auto* definition = static_cast<const Cpp_RadiusDefinition*>(r.ref2);
    if (!definition) return;
    const int number = static_cast<int>(r.number1);
    const int tangent = definition->GetTangentLine()->GetOption();
    switch (definition->GetOption()) {
    case 0: Format(text, "Radius definition %1d - Prescribed radius", number); break;
    case 1: Format(text, "Radius definition %1d - Fixed point", number); break;
    case 2:
        if (tangent == Cpp_TangentLine::kHorizontal)
            Format(text, "Radius definition %1d - Horizontal tangent line", number);
        else if (tangent == Cpp_TangentLine::kIrregular)
            Format(text, "Radius definition %1d - Irreg. tangent pt. %1d", number,
                   static_cast<int>(r.number3));
        break;
    default: break;
    }
}

// The kinds without a fixed name: the points of the crack bottom and water surface.
void ComputedCrackName(const Cpp_Selection& item, std::string& text) {
    const long point = NumberOfNode(item.GetItemReferences().ref1);
    if (item.GetType() == SEL_CRACK_POINT)
        Format(text, "Computed crack pt. %1ld", point);
    else if (item.GetType() == SEL_CRACK_WATER_POINT)
        Format(text, "Computed crack water pt. %1ld", point);
}

// The kinds without a fixed name: the shear surface, the slices and their stresses.
void ResultsName(const Cpp_Selection& item, std::string& text) {
    const s_SelectionReferences& r = item.GetItemReferences();
    const int slice = static_cast<int>(r.number1);
    switch (item.GetType()) {
    case SEL_CRITICAL_POINT:
        Format(text, "Critical shear surface pt. %1ld", static_cast<long>(r.index));
        break;
    case SEL_CRITICAL_SEGMENT:
        Format(text, "Critical shear surface segment (slice): %1d", slice);
        break;
    case SEL_THRUST_LINE: Format(text, "Line of thrust - slice %1ld", r.number1); break;
    case SEL_TOTAL_STRESS: Format(text, "Total stress distrib. (slice: %1d)", slice); break;
    case SEL_PORE_PRESSURE: Format(text, "Pore pressure distrib. (slice: %1d)", slice); break;
    case SEL_EFFECTIVE_STRESS: Format(text, "Effective stress distrib. (slice: %1d)", slice); break;
    case SEL_SLICE: Format(text, "Slice %1ld", r.number1); break;
    case SEL_SLICE_BOUNDARY:
        Format(text, "Slice boundary between slices %1ld & %1ld", r.number1, r.number1 + 1);
        break;
    default: break;
    }
}

void MaterialTableName(const Cpp_Selection& item, std::string& text) {
    if (item.GetType() == SEL_TABLE_LINES)
        Format(text, "Mat'l prop. table lines (stage %d)", item.GetStage());
    else
        Format(text, "Mat'l prop. table text (stage %d)", item.GetStage());
}

}  // namespace selection_family
