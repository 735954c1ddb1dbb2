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

const char* InterpolationText(int kind) {
    switch (kind) {
    case 90:
    case 92: return "Pressure interpolation pt. %1d for mat'l %1d";
    case 106:
    case 108: return "R-sub-U interpolation pt. %1d for mat'l %1d";
    case 136:
    case 138: return "Strength (Su) interpolation pt. %1d for mat'l %1d";
    case 12:
    case 14: return "C/P interpolation pt. %1d for mat'l %1d";
    case 146:
    case 148: return "Unit weight interpolation pt. %1d for mat'l %1d";
    case 91: return "Pressure interpolation triangle for mat'l %1d";
    case 109: return "R-sub-U interpolation triangle for mat'l %1d";
    case 140: return "Strength (Su) interpolation triangle for mat'l %1d";
    case 16: return "C/P interpolation triangle for mat'l %1d";
    case 150: return "Unit weight interpolation triangle for mat'l %1d";
    default: return nullptr;
    }
}

}  // namespace

bool Cpp_Selection::IsPointKind(int kind) {
    return In(kind, {9, 14, 22, 54, 56, 58, 78, 84, 92, 98, 108, 132, 138});
}

bool Cpp_Selection::IsInterpolationKind(int kind) {
    return In(kind, {12, 14, 16, 90, 91, 92, 106, 108, 109, 136, 138, 140});
}

bool Cpp_Selection::IsJoinableKind(int kind) {
    return In(kind, {9, 78, 80, 84, 86, 98, 100, 132, 134});
}

bool Cpp_Selection::IsLineItemKind(int kind) { return In(kind, {8, 9, 78, 80, 84, 86, 132, 134}); }

bool Cpp_Selection::IsSegmentKind(int kind) { return In(kind, {8, 55, 80, 86, 100, 134}); }

bool Cpp_Selection::KeepsReferenceBlock(int kind) {
    return In(kind,
              {6,   7,   8,   9,   10,  14,  16,  18,  20,  22,  24,  26,  27,  28,  36,  40, 41,
               42,  43,  46,  48,  52,  53,  54,  55,  56,  57,  58,  59,  66,  68,  70,  71, 72,
               74,  75,  76,  78,  80,  82,  84,  86,  88,  91,  92,  93,  94,  95,  96,  97, 98,
               100, 108, 109, 110, 111, 112, 114, 116, 128, 130, 132, 134, 138, 140, 142, 144});
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
    if (!In(kind, {9, 54, 78, 84, 98, 132})) throw Exc_BadTypeOfPointSelection();
    Store(dataSet, stage, kind);
    refs_.ref1 = first;
    refs_.ref2 = second;
}

void Cpp_Selection::SetSegmentItem(Cpp_Kliven4DataSet* dataSet, int stage, int kind, void* first,
                                   void* second) {
    Store(dataSet, stage, kind);
    if (In(kind, {8, 80, 86, 100, 102, 104, 134})) {
        refs_.ref1 = first;
        refs_.ref2 = second;
    } else if (kind == 20 || kind == 24) {
        refs_.ref1 = second;
    } else if (kind == 144) {
        refs_.ref2 = second;
    }
}

void Cpp_Selection::SetDistributedLoadItem(Cpp_Kliven4DataSet* dataSet, int stage, int kind,
                                           void* reference) {
    Store(dataSet, stage, kind);
    if (In(kind, {37, 38, 39})) refs_.ref1 = reference;
}

void Cpp_Selection::SetLoadPointItem(Cpp_Kliven4DataSet* dataSet, int stage, int kind,
                                     void* reference) {
    if (In(kind, {36, 62, 64})) {
        Store(dataSet, stage, kind);
        refs_.ref1 = reference;
    } else if (kind == 142) {
        Store(dataSet, stage, kind);
        refs_.ref2 = reference;
    } else {
        throw Exc_BadTypeOfPointSelection();
    }
}

void Cpp_Selection::SetCircleItem(Cpp_Kliven4DataSet* dataSet, int kind, double x, double y,
                                  int index) {
    if (!In(kind, {7, 30, 40, 46, 52})) throw Exc_BadTypeOfPointSelection();
    Store(dataSet, 0, kind);
    refs_ = s_SelectionReferences();
    refs_.x = x;
    refs_.y = y;
    if (kind == 30 || kind == 46) refs_.index = index;
}

void Cpp_Selection::SetTypedItem(Cpp_Kliven4DataSet* dataSet, int kind, int sliceNumber) {
    if (!In(kind, {32, 118, 120, 122})) throw Exc_BadTypeOfPointSelection();
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
    const s_SelectionReferences& r = refs_;
    const int kind = type_;
    const int mode = dataSet_ ? dataSet_->Analysis().GetMode() : 0;

    if (const char* format = InterpolationText(kind)) {
        const auto* set = static_cast<const Cpp_InterpolationDataSet*>(r.ref1);
        const int material = set ? set->Material() : 0;
        if (In(kind, {16, 91, 109, 140, 150}))
            Format(text, format, material);
        else
            Format(text, format, r.ref2 ? static_cast<const Cpp_VERTEX*>(r.ref2)->Number() : 0,
                   material);
        return true;
    }

    switch (kind) {
    // Profile lines.
    case 2: {
        const long point = NumberOfNode(r.ref3);
        if (point == 0)
            Format(text, "New (clipped) profile pt. (prof. line %1ld)", NumberOfLine(r.ref1));
        else
            Format(text, "Profile pt. %1ld (orig. line %1ld)", point, NumberOfLine(r.ref1));
        break;
    }
    case 4: {
        const auto* first = static_cast<const Cpp_PointXY*>(r.ref3);
        if (first && first->Number() != 0 && first->Next() && first->Next()->Number() != 0)
            Format(text, "Clipped profile line %1ld (segment %1ld)", NumberOfLine(r.ref1),
                   static_cast<long>(first->Number()));
        else
            Format(text, "Profile line %1ld", NumberOfLine(r.ref1));
        break;
    }
    case 84:
        Format(text, "Profile pt. %1ld (line %1ld)", NumberOfNode(r.ref2), NumberOfLine(r.ref1));
        break;
    case 86:
        Format(text, "Profile line %1ld (segment %1ld)", NumberOfLine(r.ref1),
               NumberOfNode(r.ref2));
        break;
    case 88: Format(text, "Number label for profile line %1ld", NumberOfLine(r.ref1)); break;
    case 68: Format(text, "Mat'l number for profile line: %1ld", NumberOfLine(r.ref1)); break;
    case 72: {
        const auto* line = static_cast<const Cpp_ProfileLine*>(r.ref1);
        if (line && line->GetMaterialNumber() != 0)
            Format(text, "Region of mat'l No. %1ld, for profile line: %1ld",
                   static_cast<long>(line->GetMaterialNumber()), NumberOfLine(line));
        else
            Format(text, "Region of material for profile line: %1ld", NumberOfLine(line));
        break;
    }
    // Piezometric lines (no line is marked as a phreatic surface).
    case 78:
        Format(text, "Piezometric line pt. %1ld (line %1ld)", NumberOfNode(r.ref2),
               NumberOfLine(r.ref1));
        break;
    case 80: Format(text, "Piezometric line %1ld", NumberOfLine(r.ref1)); break;
    case 82: Format(text, "Number label for piezometric line %1ld", NumberOfLine(r.ref1)); break;
    // Construction items.
    case 8:
        Format(text, "Construction line %1ld (segment %1ld)", NumberOfLine(r.ref1),
               NumberOfNode(r.ref2));
        break;
    case 9:
        Format(text, "Construction line pt. %1ld (line %1ld)", NumberOfNode(r.ref2),
               NumberOfLine(r.ref1));
        break;
    case 10:
        if (const auto* circle = static_cast<const Cpp_ConstructionCircle*>(r.ref2))
            Format(text, "Construction circle %1ld", static_cast<long>(circle->GetNumber()));
        break;
    // Slope line.
    case 132: Format(text, "Slope pt. %1ld", NumberOfNode(r.ref2)); break;
    case 134: Format(text, "Slope line segment %1ld", NumberOfNode(r.ref2)); break;
    // Loads and reinforcement.
    case 36: Format(text, "Distributed load pt. %1ld", NumberOfNode(r.ref1)); break;
    case 37: Format(text, "Distributed load segment %1ld", NumberOfNode(r.ref1)); break;
    case 38: Format(text, "Distributed normal load interval %1ld", NumberOfNode(r.ref1)); break;
    case 39: Format(text, "Distributed shear load interval %1ld", NumberOfNode(r.ref1)); break;
    case 62:
    case 64: {
        const auto* load = static_cast<const Cpp_LineLoad*>(r.ref1);
        if (!load) break;
        if (load->option == Cpp_LineLoad::ByComponents)
            Format(text, "Line load (Horiz.: %1.3e), (Vert.: %1.3e)", load->horizontal,
                   load->vertical);
        else if (load->option == Cpp_LineLoad::ByResultant)
            Format(text, "Line load (Resultant: %1.3f, (Inclin.: %1.2f)", load->resultant,
                   load->inclination);
        break;
    }
    case 98: {
        const auto* point = static_cast<const Cpp_ReinforcementPoint*>(r.ref2);
        if (!point) break;
        Format(text,
               "Reinforce. point %1ld, Line %1ld - X: %1.2f, Y: %1.2f, F(Long): %1.2e, "
               "F(Trans): %1.2e",
               static_cast<long>(point->Number()), NumberOfLine(r.ref1), point->X(), point->Y(),
               point->longitudinalForce, point->transverseForce);
        break;
    }
    case 100:
        Format(text, "Reinforce. line %1ld (interval %1ld)", NumberOfLine(r.ref1),
               NumberOfNode(r.ref2));
        break;
    case 102: Format(text, "Long. rein. force interval %1ld", NumberOfLine(r.ref1)); break;
    case 104: Format(text, "Trans. rein. force interval %1ld", NumberOfLine(r.ref1)); break;
    case 74:
    case 75:
    case 76: {
        static const char* const texts[] = {"Nail no. %1d head", "Nail no. %1d embedded end",
                                            "Nail no. %1d bar"};
        if (const auto* nail = static_cast<const Cpp_IndividualNail*>(r.ref1))
            Format(text, texts[kind - 74], nail->GetNumber());
        break;
    }
    case 41:
    case 42:
    case 43: {
        static const char* const texts[] = {"Geogrid no. %1d head", "Geogrid no. %1d embedded end",
                                            "Geogrid no. %1d layer"};
        if (const auto* grid = static_cast<const Cpp_Geogrid*>(r.ref1))
            Format(text, texts[kind - 41], grid->GetNumber());
        break;
    }
    // Analysis definitions.
    case 7: text = "Prescribed radius for circles"; break;
    case 40: text = "Fixed point for circles"; break;
    case 52: text = "Horizontal tangent line for circles"; break;
    case 53:
        if (mode == 1)
            text = "Center of individual circle";
        else if (mode == 3)
            text = "Center of initial trial circle";
        break;
    case 46:
        if (mode == 4) text = "Grid corner point";
        break;
    case 48: text = "Grid for Search"; break;
    case 54: {
        const int point = SlipPointNumber(r.ref2);
        if (mode == 1)
            Format(text, "Individual slip surface pt. %1ld", static_cast<long>(point));
        else
            Format(text, "Initial trial slip surface point: %1d", point);
        break;
    }
    case 55: {
        if (dataSet_ && dataSet_->Analysis().IsCircular()) {
            if (mode == 1)
                text = "Individual circle's arc";
            else if (mode == 3)
                text = "Initial trial circle's arc";
            break;
        }
        const int point = SlipPointNumber(r.ref2);
        if (mode == 1)
            Format(text, "Individual slip surface segment %1ld", static_cast<long>(point));
        else
            Format(text, "Initial trial slip surface segment: %1d", point);
        break;
    }
    case 142: text = "Irregular tangent line point"; break;
    case 144: text = "Irregular tangent line segment"; break;
    case 93:
    case 94:
    case 95:
    case 96: {
        const auto* definition = static_cast<const Cpp_RadiusDefinition*>(r.ref2);
        if (!definition) break;
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
        break;
    }
    case 97:
        Format(text, "Radius definition %1d - Irregular tangent line segment %1d",
               static_cast<int>(r.number1), static_cast<int>(r.number3));
        break;
    // Tension crack.
    case 20: text = "Computed crack bottom"; break;
    case 22: Format(text, "Computed crack pt. %1ld", NumberOfNode(r.ref1)); break;
    case 24: text = "Computed crack water surface"; break;
    case 26: Format(text, "Computed crack water pt. %1ld", NumberOfNode(r.ref1)); break;
    case 56: text = "Variable crack bottom point"; break;
    case 57: text = "Variable crack bottom segment"; break;
    case 58: text = "Variable crack water surface point"; break;
    case 59: text = "Variable crack water surface segment"; break;
    // Results display and material table.
    case 6: text = "Computed answer (factor of safety) text"; break;
    case 18: text = "Water force in crack"; break;
    case 27: text = "Earth pressure force"; break;
    case 28: text = "Critical circle center"; break;
    case 30: Format(text, "Critical shear surface pt. %1ld", static_cast<long>(r.index)); break;
    case 32:
        Format(text, "Critical shear surface segment (slice): %1d", static_cast<int>(r.number1));
        break;
    case 66: Format(text, "Line of thrust - slice %1ld", r.number1); break;
    case 112: text = "Scale bar"; break;
    case 114: text = "F. S. Contours from Search"; break;
    case 116: text = "F. S. Triangles from Search"; break;
    case 118:
        Format(text, "Total stress distrib. (slice: %1d)", static_cast<int>(r.number1));
        break;
    case 120:
        Format(text, "Pore pressure distrib. (slice: %1d)", static_cast<int>(r.number1));
        break;
    case 122:
        Format(text, "Effective stress distrib. (slice: %1d)", static_cast<int>(r.number1));
        break;
    case 128: Format(text, "Slice %1ld", r.number1); break;
    case 130:
        Format(text, "Slice boundary between slices %1ld & %1ld", r.number1, r.number1 + 1);
        break;
    case 70: Format(text, "Mat'l prop. table lines (stage %d)", stage_); break;
    case 71: Format(text, "Mat'l prop. table text (stage %d)", stage_); break;
    case 44:
    case 60:
    case 110: break;
    default: text = "Unrecognized item"; break;
    }

    // The stage suffix of the loads and the piezometric lines.
    if (dataSet_ && In(kind, {36, 37, 38, 39, 78, 80, 82})) {
        const bool secondStageData = kind <= 39 ? dataSet_->DistributedLoads(2)->Count() > 0
                                                : dataSet_->PiezometricLines(2)->HasLines();
        if (dataSet_->IsMultiStage() || secondStageData) {
            std::string suffix;
            Format(suffix, " - (Stage %1d)", stage_);
            text += suffix;
        }
    }
    return true;
}
