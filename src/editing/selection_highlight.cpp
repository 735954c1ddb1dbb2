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
    platform::ScopedDcState state(dc);
    const platform::DeviceRect clip =
        (type_ == 70 || type_ == 71) ? Cpp_Graphics::GetClipRect() : Cpp_Graphics::GetPageRect();
    if (clip.Width() > 0 && clip.Height() > 0) dc.SetClipRect(clip);
    const s_SelectionReferences& r = refs_;
    switch (type_) {
    case 54:
        if (const auto* p = static_cast<const Cpp_NoncircularShearSurfacePoint*>(r.ref2))
            DrawPointMark(dc, p->X(), p->Y());
        break;
    case 142: DrawPointMark(dc, r.x, r.y); break;
    case 144:
        if (const auto* line = static_cast<const Cpp_TangentLine*>(r.ref1)) {
            const auto& points = line->Points();
            for (int i : {r.index, r.index + 1})
                if (i >= 0 && i < static_cast<int>(points.size()))
                    DrawPointMark(dc, points[static_cast<size_t>(i)].x,
                                  points[static_cast<size_t>(i)].y);
        }
        break;
    case 9:
    case 12:
    case 78:
    case 84:
    case 90:
    case 98:
    case 106:
    case 132:
    case 136:
    case 146: Mark(dc, r.ref2); break;
    case 2: Mark(dc, r.ref3); break;
    case 8:
    case 80:
    case 86:
    case 100:
    case 134: MarkSegment(dc, r.ref2); break;
    case 4:
    case 97: MarkSegment(dc, r.ref3); break;
    case 20: Mark(dc, r.ref1), Mark(dc, r.ref2); break;
    case 24: MarkSegment(dc, r.ref1); break;
    case 22:
    case 26:
    case 36:
    case 62: Mark(dc, r.ref1); break;
    case 37: MarkSegment(dc, r.ref1); break;
    case 38:
    case 39:
        if (const auto* p = static_cast<const Cpp_DistributedLoadPoint*>(r.ref1))
            p->DrawHighlighted(dc, type_ == 38);
        break;
    case 64:
        if (const auto* load = static_cast<const Cpp_LineLoad*>(r.ref1)) load->DrawHighlighted(dc);
        break;
    case 102:
    case 104:
        if (const auto* p = static_cast<const Cpp_ReinforcementPoint*>(r.ref2))
            p->DrawHighlighted(dc, type_ == 102);
        break;
    case 7:
    case 40:
        // The lowest point of the trial circle, or the point the circles pass through.
        DrawPointMark(dc, r.x, r.y);
        break;
    case 28: Cpp_Circle(r.x, r.y, r.radius).DrawHighlighted(dc); break;
    case 53:
        if (dataSet_) dataSet_->Analysis().InitialCircle().DrawHighlighted(dc);
        break;
    case 48:
        if (dataSet_) DrawSelectedItemA(dataSet_->Analysis(), dc);
        break;
    case 55:
        if (dataSet_ && dataSet_->Analysis().IsCircular())
            DrawSelectedItemB(dataSet_->Analysis(), dc);
        else if (const auto* list = static_cast<const Cpp_NoncircularShearSurface*>(r.ref1)) {
            const auto& points = list->Points();
            for (int i : {r.index, r.index + 1})
                if (i >= 0 && i < static_cast<int>(points.size()))
                    DrawPointMark(dc, points[static_cast<size_t>(i)].X(),
                                  points[static_cast<size_t>(i)].Y());
        }
        break;
    case 10:
        if (const auto* circle = static_cast<const Cpp_ConstructionCircle*>(r.ref2))
            DrawPointMark(dc, circle->CentreX(), circle->CentreY());
        break;
    case 56:
    case 58:
        if (const auto* p = static_cast<const Cpp_CrackPoint*>(r.ref1))
            DrawPointMark(dc, p->X(), p->Value());
        break;
    case 57:
    case 59:
        if (const auto* p = static_cast<const Cpp_CrackPoint*>(r.ref1)) {
            DrawPointMark(dc, p->X(), p->Value());
            if (const Cpp_CrackPoint* q = p->Next()) DrawPointMark(dc, q->X(), q->Value());
        }
        break;
    case 68:
    case 82:
    case 88: {
        // Label frames: small inverted squares at the stored frame's corners (screen only).
        if (Cpp_Graphics::OutputMode() != Cpp_Graphics::kOutputScreen) break;
        const auto* line = static_cast<const Cpp_Line*>(type_ == 88 && r.ref2 ? r.ref2 : r.ref1);
        if (!line) break;
        const s_LabelFrameType& f =
            type_ == 68 ? static_cast<const Cpp_ProfileLine*>(line)->MaterialLabelFrame()
                        : line->LabelFrame();
        DrawLabelFrame(dc, f.top, f.left, f.bottom, f.right,
                       type_ == 82 ? kPiezometricLabelFrame : 1);
        break;
    }
    case 72:
        if (dataSet_ && r.ref1)
            FillMaterialRegion(dc, dataSet_->ProfileLines(), Cpp_Graphics::VisibleYMin(),
                               *static_cast<const Cpp_ProfileLine*>(r.ref1));
        break;
    default: break;
    }
}

bool Cpp_Selection::RedrawHighlighted() const {
    const Cpp_Graphics::ViewWindow* window = Cpp_Graphics::WindowPointer();
    if (!window) return false;
    return Cpp_Graphics::DrawOnView(window->ClientRect(),
                                    [&](platform::DeviceContext& dc) { DrawHighlighted(dc); });
}

void Cpp_Selection::DrawOnCurrentDC() const {
    if (platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC()) DrawHighlighted(*dc);
}
