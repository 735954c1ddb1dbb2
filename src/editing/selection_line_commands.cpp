// The line commands on a selected item that start a point tool of its line: adding a point at
// an end, inserting a point on a segment and dragging a point or a segment, and the line
// commands that start an editing tool (change length or slope, extend, make parallel). The tool
// then runs through the view's input by its cursor mode.

#include "analysis/analysis_drawing_attributes.h"
#include "core/dialog_slot.h"
#include "editing/construction_items.h"
#include "editing/crack_tool.h"
#include "editing/line_point_tools.h"
#include "editing/noncircular_tool.h"
#include "editing/piezometric_tool.h"
#include "editing/profile_tool.h"
#include "editing/selection.h"
#include "editing/selection_edit_support.h"
#include "editing/slope_tool.h"
#include "editing/tangent_line_tools.h"
#include "editing/tool_dialog_bars.h"
#include "graphics/line.h"
#include "loads/distributed_load_data.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "profile/crack.h"
#include "platform/services.h"
#include "porepressure/piezometric_drawing.h"
#include "profile/slope_drawing.h"

using namespace selection_edit;

namespace {

// The line kind and display attributes of the line items held as line and point node; false
// for the other kinds.
bool LineKindOf(const Cpp_Selection& item, int& kind, s_DrawAttributesType& attributes) {
    switch (item.GetType()) {
    case SEL_CONSTRUCTION_POINT:
    case SEL_CONSTRUCTION_SEGMENT:
        kind = LINEKIND_CONSTRUCTION;
        attributes = Cpp_ConstructionLineList::GetDrawAttributes();
        return true;
    case SEL_PROFILE_POINT:
    case SEL_PROFILE_SEGMENT:
        kind = LINEKIND_PROFILE;
        attributes = Cpp_ProfileTool::GetDisplayAttributes();
        return true;
    case SEL_PIEZOMETRIC_POINT:
    case SEL_PIEZOMETRIC_SEGMENT:
        kind = LINEKIND_PIEZOMETRIC;
        attributes = GetPiezometricDisplayAttributes(item.GetStage() == 2 ? 2 : 1);
        return true;
    case SEL_SLOPE_POINT:
    case SEL_SLOPE_SEGMENT:
        kind = LINEKIND_SLOPE;
        attributes = GetSlopeDisplayAttributes();
        return true;
    default: return false;
    }
}

// The noncircular surface and tangent lines keep their points in lists of their own: their
// polyline tools run on a working copy (working_line.h), made here, with the copy's point made
// from the item's point. False for the other kinds and for an item that is gone.
bool WorkingLineOf(const Cpp_Selection& item, Cpp_Line*& line, Cpp_PointXY*& point,
                   s_DrawAttributesType& attributes) {
    int index = 0;
    line = nullptr;
    switch (item.GetType()) {
    case SEL_NONCIRCULAR_POINT:
    case SEL_SLIP_SURFACE_SEGMENT: {
        Cpp_NoncircularShearSurface* surface = NoncircularOf(item, index);
        line = Cpp_NoncircularTool::EditLine(surface, index, point);
        attributes = analysis_look::SlipSurfaceDisplayAttributes();
        break;
    }
    case SEL_TANGENT_POINT:
    case SEL_TANGENT_SEGMENT:
    case SEL_DEFINITION_TANGENT_POINT:
    case SEL_DEFINITION_TANGENT_SEGMENT: {
        Cpp_TangentLine* tangent = TangentLineOf(item, index);
        line = Cpp_TangentLineTool::EditLine(tangent, index, point);
        attributes = analysis_look::TangentLineDisplayAttributes();
        break;
    }
    default: return false;
    }
    return line != nullptr;
}

bool KeepsOwnPoints(int kind) {
    switch (kind) {
    case SEL_NONCIRCULAR_POINT:
    case SEL_SLIP_SURFACE_SEGMENT:
    case SEL_TANGENT_POINT:
    case SEL_TANGENT_SEGMENT:
    case SEL_DEFINITION_TANGENT_POINT:
    case SEL_DEFINITION_TANGENT_SEGMENT: return true;
    default: return false;
    }
}

// The segments whose slope change redraws the whole view (the surface's shift markers follow
// its segments).
bool RedrawsAll(int kind) { return kind == SEL_SLIP_SURFACE_SEGMENT; }

Cpp_ReinforcementLine* ReinforcementLineOf(const Cpp_Selection& item) {
    return static_cast<Cpp_ReinforcementLine*>(LineOf(item));
}
Cpp_ReinforcementPoint* ReinforcementPointOf(const Cpp_Selection& item) {
    return static_cast<Cpp_ReinforcementPoint*>(PointOf(item));
}
s_DrawAttributesType ReinforcementAttributes() {
    s_DrawAttributesType attributes;
    Cpp_ReinforcementLineList::GetDisplayAttributes(attributes);
    return attributes;
}

// The line the editing tools (length, slope, extend, parallel) work on for a live item: the
// item's own line and point, or the working copy of a slip surface or tangent line; with its
// display attributes and whether a change redraws the whole view (the reinforcement diagrams
// and the surface's shift markers follow their lines). False for other kinds and a gone item.
struct s_EditTarget {
    Cpp_Line* line = nullptr;
    Cpp_PointXY* point = nullptr;
    s_DrawAttributesType attributes;
    bool redrawAll = false;
};
bool EditTargetOf(const Cpp_Selection& item, s_EditTarget& target) {
    target = s_EditTarget{};
    if (!item.TargetExists()) return false;
    const int type = item.GetType();
    int kind = 0;
    if (LineKindOf(item, kind, target.attributes) || type == SEL_REINFORCEMENT_POINT ||
        type == SEL_REINFORCEMENT_INTERVAL) {
        target.line = LineOf(item);
        target.point = PointOf(item);
        if (type == SEL_REINFORCEMENT_POINT || type == SEL_REINFORCEMENT_INTERVAL) {
            target.attributes = ReinforcementAttributes();
            target.redrawAll = true;
        }
        return true;
    }
    target.redrawAll = RedrawsAll(type);
    return WorkingLineOf(item, target.line, target.point, target.attributes);
}

// A segment edit of the item: false when it is no line item or is gone; else true, with the
// target when the item is a segment.
bool SegmentEditTarget(const Cpp_Selection& item, s_EditTarget& target) {
    target = s_EditTarget{};
    if (!KeepsOwnPoints(item.GetType()) && !LineOf(item)) return false;
    if (!item.TargetExists()) return false;
    if (Cpp_Selection::IsSegmentKind(item.GetType())) EditTargetOf(item, target);
    return true;
}

}  // namespace

bool Cpp_Selection::StartAddPointAtEnd() const {
    if (!TargetExists()) return true;
    Cpp_Line* line = LineOf(*this);
    Cpp_PointXY* point = PointOf(*this);
    switch (type_) {
    case SEL_CONSTRUCTION_POINT:
        Cpp_LineTool::StartAddPointAtEnd(line, point, LINEKIND_CONSTRUCTION,
                                         Cpp_ConstructionLineList::GetDrawAttributes());
        return true;
    case SEL_PROFILE_POINT: Cpp_ProfileTool::StartAddPointAtEnd(line, point); return true;
    case SEL_PIEZOMETRIC_POINT: Cpp_PiezometricTool::StartAddPointAtEnd(line, point); return true;
    case SEL_SLOPE_POINT: Cpp_SlopeTool::StartAddPointAtEnd(point); return true;
    case SEL_LOAD_POINT:
        DistributedLoadsOf(*this)->StartAddPointAtEnd(
            static_cast<Cpp_DistributedLoadPoint*>(refs_.ref1));
        return true;
    case SEL_TANGENT_POINT:
    case SEL_DEFINITION_TANGENT_POINT: {
        int index = 0;
        if (Cpp_TangentLine* tangent = TangentLineOf(*this, index))
            Cpp_TangentLineTool::StartAddPointAtEnd(tangent, index == 0);
        return true;
    }
    case SEL_NONCIRCULAR_POINT: {
        int index = 0;
        if (Cpp_NoncircularShearSurface* surface = NoncircularOf(*this, index))
            Cpp_NoncircularTool::StartAddPointAtEnd(surface, index == 0);
        return true;
    }
    case SEL_REINFORCEMENT_POINT:
        Cpp_ReinforcementLineList::StartAddPointAtEnd(ReinforcementLineOf(*this),
                                                      ReinforcementPointOf(*this));
        return true;
    default: return true;
    }
}

bool Cpp_Selection::StartInsertPoint() const {
    if (!TargetExists()) return true;
    int kind = 0;
    s_DrawAttributesType attributes;
    if (LineKindOf(*this, kind, attributes) && IsSegmentKind(type_)) {
        Cpp_LineTool::StartInsertPointOnSegment(LineOf(*this), PointOf(*this), kind, attributes);
        ToolDialogBars& bars = TheToolBars();
        switch (type_) {
        case SEL_CONSTRUCTION_SEGMENT: bars.construction.SetEntryOption(5); break;
        case SEL_PROFILE_SEGMENT:
            if (ActiveProfileBar()) bars.profile.SetEntryOption(4);
            break;
        case SEL_PIEZOMETRIC_SEGMENT:
            if (ActivePiezometricBar()) bars.piezometric.SetEntryOption(4);
            break;
        default: break;  // the slope's bar is left alone
        }
        return true;
    }
    switch (type_) {
    case SEL_LOAD_SEGMENT:
        DistributedLoadsOf(*this)->StartInsertPoint(
            static_cast<Cpp_DistributedLoadPoint*>(refs_.ref1));
        if (ActiveDistributedLoadBar()) TheToolBars().distributedLoad.SetEntryOption(4);
        return true;
    case SEL_VARIABLE_CRACK_SEGMENT:
    case SEL_VARIABLE_WATER_SEGMENT:
        Cpp_CrackTool::StartInsertPoint(dataSet_->AnalysisComputationData()->GetCrack(),
                                        CrackPointOf(*this), type_ == SEL_VARIABLE_CRACK_SEGMENT);
        TheToolBars().crack.SetEntryOption(4);
        return true;
    case SEL_TANGENT_SEGMENT:
    case SEL_DEFINITION_TANGENT_SEGMENT: {
        int index = 0;
        Cpp_TangentLine* tangent = TangentLineOf(*this, index);
        if (tangent && index + 1 < tangent->NumberOfPoints())
            Cpp_TangentLineTool::StartInsertPoint(tangent, index);
        return true;
    }
    case SEL_SLIP_SURFACE_SEGMENT: {
        int index = 0;
        Cpp_NoncircularShearSurface* surface = NoncircularOf(*this, index);
        if (surface && index + 1 < surface->NumberOfPoints() &&
            Cpp_NoncircularTool::StartInsertPoint(surface, index))
            if (CmDialogBarNoncircularTool* bar = ActiveNoncircularBar()) bar->SetEntryOption(4);
        return true;
    }
    case SEL_REINFORCEMENT_INTERVAL:
        Cpp_ReinforcementLineList::StartInsertPoint(ReinforcementLineOf(*this),
                                                    ReinforcementPointOf(*this));
        return true;
    default: return true;
    }
}

bool Cpp_Selection::StartLineDrag(int x, int y) const {
    int kind = 0;
    s_DrawAttributesType attributes;
    switch (type_) {
    case SEL_REINFORCEMENT_POINT:
        if (TargetExists())
            Cpp_ReinforcementLineList::StartDragPoint(ReinforcementLineOf(*this),
                                                      ReinforcementPointOf(*this), x, y);
        return true;
    case SEL_LOAD_POINT:
        DistributedLoadsOf(*this)->StartDragPoint(
            x, y, static_cast<Cpp_DistributedLoadPoint*>(refs_.ref1));
        return true;
    case SEL_TANGENT_POINT:
    case SEL_DEFINITION_TANGENT_POINT: {
        int index = 0;
        if (Cpp_TangentLine* tangent = TangentLineOf(*this, index))
            Cpp_TangentLineTool::StartDragPoint(tangent, index, x, y);
        return true;
    }
    case SEL_NONCIRCULAR_POINT: {
        int index = 0;
        if (Cpp_NoncircularShearSurface* surface = NoncircularOf(*this, index))
            Cpp_NoncircularTool::StartDragPoint(surface, index, x, y);
        return true;
    }
    case SEL_VARIABLE_CRACK_POINT:
    case SEL_VARIABLE_WATER_POINT:
        Cpp_CrackTool::StartDragPoint(dataSet_->AnalysisComputationData()->GetCrack(),
                                      CrackPointOf(*this), type_ == SEL_VARIABLE_CRACK_POINT, x,
                                      y);
        return true;
    default: break;
    }
    if (!LineKindOf(*this, kind, attributes)) return false;
    if (type_ == SEL_PROFILE_SEGMENT || type_ == SEL_CONSTRUCTION_SEGMENT)
        Cpp_LineTool::StartDragSegment(LineOf(*this), x, y, PointOf(*this), attributes);
    else if (!IsSegmentKind(type_))
        Cpp_LineTool::StartDragPoint(LineOf(*this), kind, x, y, PointOf(*this), attributes);
    return true;
}

bool Cpp_Selection::StartChangeSegmentLength() const {
    s_EditTarget target;
    if (!SegmentEditTarget(*this, target)) return false;
    if (target.line) Cpp_LineTool::StartChangeLength(target.line, target.point, target.attributes);
    return true;
}

bool Cpp_Selection::StartChangeSegmentSlope() const {
    s_EditTarget target;
    if (!SegmentEditTarget(*this, target)) return false;
    if (target.line)
        Cpp_LineTool::StartChangeSlope(target.line, target.point, target.attributes,
                                       target.redrawAll);
    return true;
}

bool Cpp_Selection::StartExtendToLine(bool toSegment) const {
    switch (type_) {
    case SEL_CONSTRUCTION_POINT:
    case SEL_PROFILE_POINT:
    case SEL_PIEZOMETRIC_POINT:
    case SEL_SLOPE_POINT:
    case SEL_REINFORCEMENT_POINT:
    case SEL_NONCIRCULAR_POINT:
    case SEL_DEFINITION_TANGENT_POINT:
    case SEL_TANGENT_POINT: {
        // A gone surface or tangent point ends the command quietly.
        s_EditTarget target;
        if (!EditTargetOf(*this, target)) return KeepsOwnPoints(type_);
        Cpp_LineTool::StartExtendToLine(toSegment, target.line, target.point, target.attributes);
        return true;
    }
    default: return false;
    }
}

bool Cpp_Selection::StartMakeParallel(bool parallel) const {
    switch (type_) {
    case SEL_CONSTRUCTION_SEGMENT:
    case SEL_PROFILE_SEGMENT:
    case SEL_PIEZOMETRIC_SEGMENT:
    case SEL_SLOPE_SEGMENT:
    case SEL_REINFORCEMENT_INTERVAL:
    case SEL_SLIP_SURFACE_SEGMENT:
    case SEL_DEFINITION_TANGENT_SEGMENT:
    case SEL_TANGENT_SEGMENT: {
        s_EditTarget target;
        if (!EditTargetOf(*this, target)) return KeepsOwnPoints(type_);
        Cpp_LineTool::StartMakeParallel(parallel, target.line, target.point, target.attributes,
                                        target.redrawAll);
        return true;
    }
    default: return false;
    }
}

bool Cpp_Selection::SplitLineAtPoint() const {
    if (!TargetExists()) return true;
    if (type_ == SEL_PIEZOMETRIC_POINT)
        Cpp_PiezometricTool::SplitLineAtPoint(LineOf(*this), PointOf(*this));
    else if (type_ == SEL_PROFILE_POINT)
        Cpp_ProfileTool::SplitLineAtPoint(LineOf(*this), PointOf(*this));
    return true;
}
