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
#include "editing/selection_family_ops.h"
#include "editing/selection_kinds.h"
#include "editing/slope_tool.h"
#include "editing/tangent_line_tools.h"
#include "editing/tool_dialog_bars.h"
#include "graphics/line.h"
#include "loads/distributed_load_data.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "platform/services.h"
#include "porepressure/piezometric_drawing.h"
#include "profile/crack.h"
#include "profile/slope_drawing.h"

using namespace selection_edit;

namespace {

// The line kind and display attributes of the line items held as line and point node; false
// for the other kinds.
bool LineKindOf(const Cpp_Selection& item, int& kind, s_DrawAttributesType& attributes) {
    const s_SelectionKindRow* row = FindSelectionKind(item.GetType());
    if (!row || !(row->flags & selection_flags::kLineRef)) return false;
    const auto look = SelectionFamilyOps(row->family).lineLook;
    return look && look(item, kind, attributes);
}

// The noncircular surface and tangent lines keep their points in lists of their own: their
// polyline tools run on a working copy (working_line.h), made here, with the copy's point made
// from the item's point. False for the other kinds and for an item that is gone.
bool WorkingLineOf(const Cpp_Selection& item, Cpp_Line*& line, Cpp_PointXY*& point,
                   s_DrawAttributesType& attributes) {
    line = nullptr;
    if (!SelectionKindHas(item.GetType(), selection_flags::kOwnPoints)) return false;
    const s_SelectionKindRow* row = FindSelectionKind(item.GetType());
    const auto working = SelectionFamilyOps(row->family).workingLine;
    return working && working(item, line, point, attributes);
}

}  // namespace

namespace selection_family {

bool ConstructionLineLook(const Cpp_Selection&, int& kind, s_DrawAttributesType& attributes) {
    kind = LINEKIND_CONSTRUCTION;
    attributes = Cpp_ConstructionLineList::GetDrawAttributes();
    return true;
}

bool ProfileLineLook(const Cpp_Selection&, int& kind, s_DrawAttributesType& attributes) {
    kind = LINEKIND_PROFILE;
    attributes = Cpp_ProfileTool::GetDisplayAttributes();
    return true;
}

bool PiezometricLineLook(const Cpp_Selection& item, int& kind, s_DrawAttributesType& attributes) {
    kind = LINEKIND_PIEZOMETRIC;
    attributes = GetPiezometricDisplayAttributes(item.GetStage() == 2 ? 2 : 1);
    return true;
}

bool SlopeLineLook(const Cpp_Selection&, int& kind, s_DrawAttributesType& attributes) {
    kind = LINEKIND_SLOPE;
    attributes = GetSlopeDisplayAttributes();
    return true;
}

bool SlipSurfaceWorkingLine(const Cpp_Selection& item, Cpp_Line*& line, Cpp_PointXY*& point,
                            s_DrawAttributesType& attributes) {
    int index = 0;
    Cpp_NoncircularShearSurface* surface = NoncircularOf(item, index);
    line = Cpp_NoncircularTool::EditLine(surface, index, point);
    attributes = analysis_look::SlipSurfaceDisplayAttributes();
    return line != nullptr;
}

// The circle's irregular tangent line and a radius definition's.
bool TangentLineWorkingLine(const Cpp_Selection& item, Cpp_Line*& line, Cpp_PointXY*& point,
                            s_DrawAttributesType& attributes) {
    int index = 0;
    Cpp_TangentLine* tangent = TangentLineOf(item, index);
    line = Cpp_TangentLineTool::EditLine(tangent, index, point);
    attributes = analysis_look::TangentLineDisplayAttributes();
    return line != nullptr;
}

}  // namespace selection_family

namespace {

bool KeepsOwnPoints(int kind) { return SelectionKindHas(kind, selection_flags::kOwnPoints); }

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
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    if (const auto op = row ? SelectionFamilyOps(row->family).startAddPointAtEnd : nullptr)
        return op(*this);
    return true;
}

namespace selection_family {

bool ConstructionLineStartAddPointAtEnd(const Cpp_Selection& item) {
    [[maybe_unused]] Cpp_Line* line = LineOf(item);
    [[maybe_unused]] Cpp_PointXY* point = PointOf(item);
    switch (item.GetType()) {
    case SEL_CONSTRUCTION_POINT:
        Cpp_LineTool::StartAddPointAtEnd(line, point, LINEKIND_CONSTRUCTION,
                                         Cpp_ConstructionLineList::GetDrawAttributes());
        return true;
    default: return true;
    }
}

bool ProfileLineStartAddPointAtEnd(const Cpp_Selection& item) {
    [[maybe_unused]] Cpp_Line* line = LineOf(item);
    [[maybe_unused]] Cpp_PointXY* point = PointOf(item);
    switch (item.GetType()) {
    case SEL_PROFILE_POINT: Cpp_ProfileTool::StartAddPointAtEnd(line, point); return true;
    default: return true;
    }
}

bool PiezometricLineStartAddPointAtEnd(const Cpp_Selection& item) {
    [[maybe_unused]] Cpp_Line* line = LineOf(item);
    [[maybe_unused]] Cpp_PointXY* point = PointOf(item);
    switch (item.GetType()) {
    case SEL_PIEZOMETRIC_POINT: Cpp_PiezometricTool::StartAddPointAtEnd(line, point); return true;
    default: return true;
    }
}

bool SlopeLineStartAddPointAtEnd(const Cpp_Selection& item) {
    [[maybe_unused]] Cpp_Line* line = LineOf(item);
    [[maybe_unused]] Cpp_PointXY* point = PointOf(item);
    switch (item.GetType()) {
    case SEL_SLOPE_POINT: Cpp_SlopeTool::StartAddPointAtEnd(point); return true;
    default: return true;
    }
}

bool DistributedLoadStartAddPointAtEnd(const Cpp_Selection& item) {
    [[maybe_unused]] Cpp_Line* line = LineOf(item);
    [[maybe_unused]] Cpp_PointXY* point = PointOf(item);
    switch (item.GetType()) {
    case SEL_LOAD_POINT:
        DistributedLoadsOf(item)->StartAddPointAtEnd(
            static_cast<Cpp_DistributedLoadPoint*>(item.GetItemReferences().ref1));
        return true;
    default: return true;
    }
}

bool IrregularTangentStartAddPointAtEnd(const Cpp_Selection& item) {
    [[maybe_unused]] Cpp_Line* line = LineOf(item);
    [[maybe_unused]] Cpp_PointXY* point = PointOf(item);
    switch (item.GetType()) {
    case SEL_TANGENT_POINT: {
        int index = 0;
        if (Cpp_TangentLine* tangent = TangentLineOf(item, index))
            Cpp_TangentLineTool::StartAddPointAtEnd(tangent, index == 0);
        return true;
    }
    default: return true;
    }
}

bool RadiusDefinitionStartAddPointAtEnd(const Cpp_Selection& item) {
    [[maybe_unused]] Cpp_Line* line = LineOf(item);
    [[maybe_unused]] Cpp_PointXY* point = PointOf(item);
    switch (item.GetType()) {
    case SEL_DEFINITION_TANGENT_POINT: {
        int index = 0;
        if (Cpp_TangentLine* tangent = TangentLineOf(item, index))
            Cpp_TangentLineTool::StartAddPointAtEnd(tangent, index == 0);
        return true;
    }
    default: return true;
    }
}

bool SlipSurfaceStartAddPointAtEnd(const Cpp_Selection& item) {
    [[maybe_unused]] Cpp_Line* line = LineOf(item);
    [[maybe_unused]] Cpp_PointXY* point = PointOf(item);
    switch (item.GetType()) {
    case SEL_NONCIRCULAR_POINT: {
        int index = 0;
        if (Cpp_NoncircularShearSurface* surface = NoncircularOf(item, index))
            Cpp_NoncircularTool::StartAddPointAtEnd(surface, index == 0);
        return true;
    }
    default: return true;
    }
}

bool ReinforcementStartAddPointAtEnd(const Cpp_Selection& item) {
    [[maybe_unused]] Cpp_Line* line = LineOf(item);
    [[maybe_unused]] Cpp_PointXY* point = PointOf(item);
    switch (item.GetType()) {
    case SEL_REINFORCEMENT_POINT:
        Cpp_ReinforcementLineList::StartAddPointAtEnd(ReinforcementLineOf(item),
                                                      ReinforcementPointOf(item));
        return true;
    default: return true;
    }
}

}  // namespace selection_family

bool Cpp_Selection::StartInsertPoint() const {
    if (!TargetExists()) return true;
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    if (const auto op = row ? SelectionFamilyOps(row->family).startInsertPoint : nullptr) op(*this);
    return true;
}

bool Cpp_Selection::StartLineDrag(int x, int y) const {
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    const auto op = row ? SelectionFamilyOps(row->family).startLineDrag : nullptr;
    return op && op(*this, x, y);
}

namespace {

// "Insert Point" on a segment of a line held as line and point node; false for its points.
bool InsertOnLineSegment(const Cpp_Selection& item) {
    int kind = 0;
    s_DrawAttributesType attributes;
    if (!Cpp_Selection::IsSegmentKind(item.GetType()) || !LineKindOf(item, kind, attributes))
        return false;
    Cpp_LineTool::StartInsertPointOnSegment(LineOf(item), PointOf(item), kind, attributes);
    return true;
}

// The drag of a point, or of a profile or construction segment, of a line held as line and
// point node; false for the other kinds.
bool DragLineItem(const Cpp_Selection& item, int x, int y) {
    int kind = 0;
    s_DrawAttributesType attributes;
    if (!LineKindOf(item, kind, attributes)) return false;
    const int type = item.GetType();
    if (type == SEL_PROFILE_SEGMENT || type == SEL_CONSTRUCTION_SEGMENT)
        Cpp_LineTool::StartDragSegment(LineOf(item), x, y, PointOf(item), attributes);
    else if (!Cpp_Selection::IsSegmentKind(type))
        Cpp_LineTool::StartDragPoint(LineOf(item), kind, x, y, PointOf(item), attributes);
    return true;
}

}  // namespace

namespace selection_family {

void ConstructionLineStartInsertPoint(const Cpp_Selection& item) {
    if (InsertOnLineSegment(item)) TheToolBars().construction.SetEntryOption(5);
}

void ProfileLineStartInsertPoint(const Cpp_Selection& item) {
    if (InsertOnLineSegment(item) && ActiveProfileBar()) TheToolBars().profile.SetEntryOption(4);
}

void PiezometricLineStartInsertPoint(const Cpp_Selection& item) {
    if (InsertOnLineSegment(item) && ActivePiezometricBar())
        TheToolBars().piezometric.SetEntryOption(4);
}

// The slope's bar is left alone.
void SlopeLineStartInsertPoint(const Cpp_Selection& item) { InsertOnLineSegment(item); }

void DistributedLoadStartInsertPoint(const Cpp_Selection& item) {
    if (item.GetType() != SEL_LOAD_SEGMENT) return;
    DistributedLoadsOf(item)->StartInsertPoint(
        static_cast<Cpp_DistributedLoadPoint*>(item.GetItemReferences().ref1));
    if (ActiveDistributedLoadBar()) TheToolBars().distributedLoad.SetEntryOption(4);
}

void VariableCrackStartInsertPoint(const Cpp_Selection& item) {
    const int kind = item.GetType();
    if (kind != SEL_VARIABLE_CRACK_SEGMENT && kind != SEL_VARIABLE_WATER_SEGMENT) return;
    Cpp_CrackTool::StartInsertPoint(item.GetDataSet()->AnalysisComputationData()->GetCrack(),
                                    CrackPointOf(item), kind == SEL_VARIABLE_CRACK_SEGMENT);
    TheToolBars().crack.SetEntryOption(4);
}

// The segments of the circle's irregular tangent line and of a radius definition's.
void TangentLineStartInsertPoint(const Cpp_Selection& item) {
    if (item.GetType() != SEL_TANGENT_SEGMENT && item.GetType() != SEL_DEFINITION_TANGENT_SEGMENT)
        return;
    int index = 0;
    Cpp_TangentLine* tangent = TangentLineOf(item, index);
    if (tangent && index + 1 < tangent->NumberOfPoints())
        Cpp_TangentLineTool::StartInsertPoint(tangent, index);
}

void SlipSurfaceStartInsertPoint(const Cpp_Selection& item) {
    if (item.GetType() != SEL_SLIP_SURFACE_SEGMENT) return;
    int index = 0;
    Cpp_NoncircularShearSurface* surface = NoncircularOf(item, index);
    if (surface && index + 1 < surface->NumberOfPoints() &&
        Cpp_NoncircularTool::StartInsertPoint(surface, index))
        if (CmDialogBarNoncircularTool* bar = ActiveNoncircularBar()) bar->SetEntryOption(4);
}

void ReinforcementStartInsertPoint(const Cpp_Selection& item) {
    if (item.GetType() != SEL_REINFORCEMENT_INTERVAL) return;
    Cpp_ReinforcementLineList::StartInsertPoint(ReinforcementLineOf(item),
                                                ReinforcementPointOf(item));
}

// The lines held as line and point node: construction, profile, piezometric and slope lines.
bool LineItemStartLineDrag(const Cpp_Selection& item, int x, int y) {
    return DragLineItem(item, x, y);
}

bool ReinforcementStartLineDrag(const Cpp_Selection& item, int x, int y) {
    if (item.GetType() != SEL_REINFORCEMENT_POINT) return false;
    if (item.TargetExists())
        Cpp_ReinforcementLineList::StartDragPoint(ReinforcementLineOf(item),
                                                  ReinforcementPointOf(item), x, y);
    return true;
}

bool DistributedLoadStartLineDrag(const Cpp_Selection& item, int x, int y) {
    if (item.GetType() != SEL_LOAD_POINT) return false;
    DistributedLoadsOf(item)->StartDragPoint(
        x, y, static_cast<Cpp_DistributedLoadPoint*>(item.GetItemReferences().ref1));
    return true;
}

// The points of the circle's irregular tangent line and of a radius definition's.
bool TangentLineStartLineDrag(const Cpp_Selection& item, int x, int y) {
    if (item.GetType() != SEL_TANGENT_POINT && item.GetType() != SEL_DEFINITION_TANGENT_POINT)
        return false;
    int index = 0;
    if (Cpp_TangentLine* tangent = TangentLineOf(item, index))
        Cpp_TangentLineTool::StartDragPoint(tangent, index, x, y);
    return true;
}

bool SlipSurfaceStartLineDrag(const Cpp_Selection& item, int x, int y) {
    if (item.GetType() != SEL_NONCIRCULAR_POINT) return false;
    int index = 0;
    if (Cpp_NoncircularShearSurface* surface = NoncircularOf(item, index))
        Cpp_NoncircularTool::StartDragPoint(surface, index, x, y);
    return true;
}

bool VariableCrackStartLineDrag(const Cpp_Selection& item, int x, int y) {
    const int kind = item.GetType();
    if (kind != SEL_VARIABLE_CRACK_POINT && kind != SEL_VARIABLE_WATER_POINT) return false;
    Cpp_CrackTool::StartDragPoint(item.GetDataSet()->AnalysisComputationData()->GetCrack(),
                                  CrackPointOf(item), kind == SEL_VARIABLE_CRACK_POINT, x, y);
    return true;
}

}  // namespace selection_family

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
    if (!SelectionKindHas(type_, selection_flags::kLinePoint)) return false;
    // A gone surface or tangent point ends the command quietly.
    s_EditTarget target;
    if (!EditTargetOf(*this, target)) return KeepsOwnPoints(type_);
    Cpp_LineTool::StartExtendToLine(toSegment, target.line, target.point, target.attributes);
    return true;
}

bool Cpp_Selection::StartMakeParallel(bool parallel) const {
    if (!SelectionKindHas(type_, selection_flags::kLineSegment)) return false;
    s_EditTarget target;
    if (!EditTargetOf(*this, target)) return KeepsOwnPoints(type_);
    Cpp_LineTool::StartMakeParallel(parallel, target.line, target.point, target.attributes,
                                    target.redrawAll);
    return true;
}

bool Cpp_Selection::SplitLineAtPoint() const {
    if (!TargetExists()) return true;
    if (type_ == SEL_PIEZOMETRIC_POINT)
        Cpp_PiezometricTool::SplitLineAtPoint(LineOf(*this), PointOf(*this));
    else if (type_ == SEL_PROFILE_POINT)
        Cpp_ProfileTool::SplitLineAtPoint(LineOf(*this), PointOf(*this));
    return true;
}
