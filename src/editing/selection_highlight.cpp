// The highlights of selected items: marks on points and segment ends, and the owners'
// highlighted drawings of loads, forces and circles. All invert, so a second drawing removes
// the first.

#include "editing/selection.h"

#include "analysis/analysis_computation_data.h"
#include "analysis/analysis_drawing.h"
#include "analysis/circle.h"
#include "analysis/noncircular_shear_surface.h"
#include "analysis/tangent_line.h"
#include "core/point_xy.h"
#include "editing/construction_items.h"
#include "editing/selection_family_ops.h"
#include "editing/selection_kinds.h"
#include "graphics/graphics.h"
#include "graphics/line.h"
#include "graphics/line_drawing.h"
#include "graphics/point_symbols.h"
#include "loads/distributed_load_data.h"
#include "loads/line_load.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "platform/device_context.h"
#include "porepressure/piezometric_drawing.h"
#include "profile/crack.h"
#include "profile/profile_drawing.h"
#include "profile/profile_line.h"

namespace {

void Mark(platform::DeviceContext& dc, const void* node) {
    if (const auto* p = static_cast<const Cpp_PointXY*>(node)) DrawPointMark(dc, p->X(), p->Y());
}

void MarkSegment(platform::DeviceContext& dc, const void* node) {
    if (const auto* p = static_cast<const Cpp_PointXY*>(node)) {
        DrawPointMark(dc, p->X(), p->Y());
        if (const Cpp_PointXY* next = p->Next()) DrawPointMark(dc, next->X(), next->Y());
    }
}

}  // namespace

void Cpp_Selection::DrawHighlighted(platform::DeviceContext& dc) const {
    const s_SelectionKindRow* row = FindSelectionKind(type_);
    const s_SelectionFamilyOps& ops =
        SelectionFamilyOps(row ? row->family : e_SelectionFamily::Unrecognized);
    platform::ScopedDcState state(dc);
    const platform::DeviceRect clip =
        ops.clipToView ? Cpp_Graphics::GetClipRect() : Cpp_Graphics::GetPageRect();
    if (clip.Width() > 0 && clip.Height() > 0) dc.SetClipRect(clip);
    if (!row) return;
    const s_SelectionReferences& r = refs_;
    using M = e_SelectionMark;
    switch (row->mark) {
    case M::Ref1: Mark(dc, r.ref1); break;
    case M::Ref2: Mark(dc, r.ref2); break;
    case M::Ref3: Mark(dc, r.ref3); break;
    case M::Ref1AndRef2:
        Mark(dc, r.ref1);
        Mark(dc, r.ref2);
        break;
    case M::SegmentRef1: MarkSegment(dc, r.ref1); break;
    case M::SegmentRef2: MarkSegment(dc, r.ref2); break;
    case M::SegmentRef3: MarkSegment(dc, r.ref3); break;
    case M::PointXY: DrawPointMark(dc, r.x, r.y); break;
    case M::ByFamily:
        if (ops.highlight) ops.highlight(*this, dc);
        break;
    }
}

namespace selection_family {

namespace {

// Label frames: small inverted squares at the stored frame's corners (screen only).
void LabelFrameHighlight(platform::DeviceContext& dc, const Cpp_Line* line,
                         const s_LabelFrameType& f, int style) {
    if (!line) return;
    DrawLabelFrame(dc, f.top, f.left, f.bottom, f.right, style);
}

}  // namespace

void ProfileLineHighlight(const Cpp_Selection& item, platform::DeviceContext& dc) {
    const s_SelectionReferences& r = item.GetItemReferences();
    const int kind = item.GetType();
    if (kind == SEL_MATERIAL_REGION) {
        if (item.GetDataSet() && r.ref1)
            FillMaterialRegion(dc, item.GetDataSet()->ProfileLines(), Cpp_Graphics::VisibleYMin(),
                               *static_cast<const Cpp_ProfileLine*>(r.ref1));
        return;
    }
    if (kind != SEL_PROFILE_LABEL && kind != SEL_MATERIAL_LABEL) return;
    if (Cpp_Graphics::OutputMode() != Cpp_Graphics::kOutputScreen) return;
    const auto* line =
        static_cast<const Cpp_Line*>(kind == SEL_PROFILE_LABEL && r.ref2 ? r.ref2 : r.ref1);
    if (!line) return;
    LabelFrameHighlight(dc, line,
                        kind == SEL_MATERIAL_LABEL
                            ? static_cast<const Cpp_ProfileLine*>(line)->MaterialLabelFrame()
                            : line->LabelFrame(),
                        1);
}

void PiezometricLineHighlight(const Cpp_Selection& item, platform::DeviceContext& dc) {
    if (item.GetType() != SEL_PIEZOMETRIC_LABEL) return;
    if (Cpp_Graphics::OutputMode() != Cpp_Graphics::kOutputScreen) return;
    const auto* line = static_cast<const Cpp_Line*>(item.GetItemReferences().ref1);
    if (!line) return;
    LabelFrameHighlight(dc, line, line->LabelFrame(), kPiezometricLabelFrame);
}

void ConstructionCircleHighlight(const Cpp_Selection& item, platform::DeviceContext& dc) {
    if (const auto* circle =
            static_cast<const Cpp_ConstructionCircle*>(item.GetItemReferences().ref2))
        DrawPointMark(dc, circle->CentreX(), circle->CentreY());
}

// The normal (38) or shear (39) stresses of an interval.
void DistributedLoadHighlight(const Cpp_Selection& item, platform::DeviceContext& dc) {
    const int kind = item.GetType();
    if (kind != SEL_NORMAL_LOAD_INTERVAL && kind != SEL_SHEAR_LOAD_INTERVAL) return;
    if (const auto* p = static_cast<const Cpp_DistributedLoadPoint*>(item.GetItemReferences().ref1))
        p->DrawHighlighted(dc, kind == SEL_NORMAL_LOAD_INTERVAL);
}

// The drawn load (64); the point of application (62) is a plain mark.
void LineLoadHighlight(const Cpp_Selection& item, platform::DeviceContext& dc) {
    if (item.GetType() != SEL_LINE_LOAD_DRAWN) return;
    if (const auto* load = static_cast<const Cpp_LineLoad*>(item.GetItemReferences().ref1))
        load->DrawHighlighted(dc);
}

// The longitudinal (102) or transverse (104) forces of an interval.
void ReinforcementHighlight(const Cpp_Selection& item, platform::DeviceContext& dc) {
    const int kind = item.GetType();
    if (kind != SEL_LONGITUDINAL_FORCE && kind != SEL_TRANSVERSE_FORCE) return;
    if (const auto* p = static_cast<const Cpp_ReinforcementPoint*>(item.GetItemReferences().ref2))
        p->DrawHighlighted(dc, kind == SEL_LONGITUDINAL_FORCE);
}

// The initial circle (53) and the search grid (48).
void CircleDefinitionHighlight(const Cpp_Selection& item, platform::DeviceContext& dc) {
    Cpp_Kliven4DataSet* ds = item.GetDataSet();
    if (!ds) return;
    if (item.GetType() == SEL_CIRCLE_CENTRE)
        ds->Analysis().InitialCircle().DrawHighlighted(dc);
    else if (item.GetType() == SEL_SEARCH_GRID)
        DrawSelectedItemA(ds->Analysis(), dc);
}

void SlipSurfaceHighlight(const Cpp_Selection& item, platform::DeviceContext& dc) {
    const s_SelectionReferences& r = item.GetItemReferences();
    if (item.GetType() == SEL_NONCIRCULAR_POINT) {
        if (const auto* p = static_cast<const Cpp_NoncircularShearSurfacePoint*>(r.ref2))
            DrawPointMark(dc, p->X(), p->Y());
        return;
    }
    Cpp_Kliven4DataSet* ds = item.GetDataSet();
    if (ds && ds->Analysis().IsCircular())
        DrawSelectedItemB(ds->Analysis(), dc);
    else if (const auto* list = static_cast<const Cpp_NoncircularShearSurface*>(r.ref1)) {
        const auto& points = list->Points();
        for (int i : {r.index, r.index + 1})
            if (i >= 0 && i < static_cast<int>(points.size()))
                DrawPointMark(dc, points[static_cast<size_t>(i)].X(),
                              points[static_cast<size_t>(i)].Y());
    }
}

// The segment (144); the point (142) is a plain mark.
void IrregularTangentHighlight(const Cpp_Selection& item, platform::DeviceContext& dc) {
    const s_SelectionReferences& r = item.GetItemReferences();
    if (item.GetType() != SEL_TANGENT_SEGMENT) return;
    if (const auto* line = static_cast<const Cpp_TangentLine*>(r.ref1)) {
        const auto& points = line->Points();
        for (int i : {r.index, r.index + 1})
            if (i >= 0 && i < static_cast<int>(points.size()))
                DrawPointMark(dc, points[static_cast<size_t>(i)].x,
                              points[static_cast<size_t>(i)].y);
    }
}

// Points (56, 58) and segments (57, 59) of the crack's bottom and water lines.
void VariableCrackHighlight(const Cpp_Selection& item, platform::DeviceContext& dc) {
    const auto* p = static_cast<const Cpp_CrackPoint*>(item.GetItemReferences().ref1);
    if (!p) return;
    DrawPointMark(dc, p->X(), p->Value());
    const bool segment = item.GetType() == SEL_VARIABLE_CRACK_SEGMENT ||
                         item.GetType() == SEL_VARIABLE_WATER_SEGMENT;
    if (const Cpp_CrackPoint* q = segment ? p->Next() : nullptr)
        DrawPointMark(dc, q->X(), q->Value());
}

// The critical circle (28).
void ResultsHighlight(const Cpp_Selection& item, platform::DeviceContext& dc) {
    const s_SelectionReferences& r = item.GetItemReferences();
    if (item.GetType() == SEL_CRITICAL_CENTRE) Cpp_Circle(r.x, r.y, r.radius).DrawHighlighted(dc);
}

}  // namespace selection_family

bool Cpp_Selection::RedrawHighlighted() const {
    const Cpp_Graphics::ViewWindow* window = Cpp_Graphics::WindowPointer();
    if (!window) return false;
    return Cpp_Graphics::DrawOnView(window->ClientRect(),
                                    [&](platform::DeviceContext& dc) { DrawHighlighted(dc); });
}
